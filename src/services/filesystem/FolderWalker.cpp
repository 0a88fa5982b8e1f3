#include "services/filesystem/FolderWalker.h"

#include "services/filesystem/FileSystem.h"
#include "services/filesystem/OpenFileLimit.h"

#include <algorithm>
#include <cerrno>
#include <unordered_set>

namespace {

// A quarter of the limit on open files, so that the rest of the process (the
// application's own handles, the listing, the journal) keeps plenty: 256 at the
// usual limit of 1024, 64 under "ulimit -n 256".
std::size_t capacityFor(std::size_t openFileLimit)
{
    return std::clamp<std::size_t>(openFileLimit / 4, 4, 4096);
}

} // namespace

FolderWalker::FolderWalker(FileSystem &fileSystem, int root)
    : m_fileSystem(fileSystem)
    , m_root(root)
    , m_capacity(capacityFor(OpenFileLimit::current()))
{ }

int FolderWalker::openStep(
    int parent, const std::string &name, const std::string &key, FileDescriptor &handle)
{
    const int error = m_fileSystem.openSubfolder(parent, name, handle);
    if ((error != EMFILE && error != ENFILE) || m_handles.empty())
        return error;
    // Keeps only the folders above this one: `parent` is among them.
    ++m_givenUp;
    m_last.reset();
    std::erase_if(m_handles, [&key](const auto &entry) {
        const std::string &held = entry.first;
        return !(key.size() > held.size() && key.compare(0, held.size(), held) == 0
            && key[held.size()] == '/');
    });
    return m_fileSystem.openSubfolder(parent, name, handle);
}

FolderWalker::Result FolderWalker::open(const std::vector<std::string> &parts, bool create)
{
    // Runs open the same folder for many files in a row.
    if (!create && m_last && m_last->parts == parts)
        return m_last->result;
    m_last.reset();
    if (m_handles.size() + parts.size() > m_capacity) {
        ++m_givenUp;
        m_handles.clear();
    }

    Result result;
    int parent = m_root;
    std::string key;
    for (std::size_t depth = 0; depth < parts.size(); ++depth) {
        // Names never hold '/', so joining with it gives an unambiguous key.
        if (depth > 0)
            key += '/';
        key += parts[depth];
        if (const auto found = m_handles.find(key); found != m_handles.end()) {
            parent = found->second.get();
            continue;
        }
        FileDescriptor handle;
        int error = openStep(parent, parts[depth], key, handle);
        if (error == ENOENT && create) {
            const int makeError = m_fileSystem.makeFolder(parent, parts[depth]);
            // EEXIST: something appeared meanwhile; opening it below tells what it is.
            if (makeError != 0 && makeError != EEXIST) {
                result.error = makeError;
                result.creationFailed = true;
                result.failedDepth = depth;
                return result;
            }
            error = openStep(parent, parts[depth], key, handle);
            // Only a folder this run made may be removed again by it.
            EntryInfo made;
            if (makeError == 0 && error == 0 && m_fileSystem.statFolder(handle.get(), made) == 0)
                m_created.push_back(
                    { { parts.begin(), parts.begin() + depth + 1 }, made.identity });
        }
        if (error == ENOTDIR || error == ELOOP) {
            // Depending on the flags the kernel says either for a link; tell them apart
            // so the user learns that a link, not a file, is in the way.
            EntryInfo entry;
            if (m_fileSystem.statIn(parent, parts[depth], entry) == 0)
                error = entry.type == EntryType::symlink ? ELOOP : ENOTDIR;
        }
        if (error != 0) {
            result.error = error;
            result.failedDepth = depth;
            return result;
        }
        parent = handle.get();
        m_handles.emplace(key, std::move(handle));
    }
    result.fd = parent;
    m_last = Last { parts, result };
    return result;
}

std::vector<std::string> FolderWalker::dropMoved()
{
    // A folder's key starts with its parent's, so sorted keys put each parent first and
    // a folder is checked through its parent's handle only once that is known in place.
    std::vector<std::string> keys;
    keys.reserve(m_handles.size());
    for (const auto &held : m_handles)
        keys.push_back(held.first);
    std::sort(keys.begin(), keys.end());

    std::vector<std::string> moved;
    std::unordered_set<std::string> dropped;
    for (const std::string &key : keys) {
        const std::size_t slash = key.rfind('/');
        int parent = m_root;
        bool inPlace = false;
        bool parentMoved = false;
        if (slash != std::string::npos) {
            const std::string parentKey = key.substr(0, slash);
            const auto found = m_handles.find(parentKey);
            parentMoved = dropped.contains(parentKey);
            parent = found != m_handles.end() && !parentMoved ? found->second.get() : -1;
        }
        if (parent >= 0) {
            EntryInfo there;
            EntryInfo held;
            const std::string name = slash == std::string::npos ? key : key.substr(slash + 1);
            inPlace = m_fileSystem.statIn(parent, name, there) == 0
                && there.type == EntryType::directory
                && m_fileSystem.statFolder(m_handles.at(key).get(), held) == 0
                && held.identity == there.identity;
        }
        if (inPlace)
            continue;
        dropped.insert(key);
        // One whose parent was not held is simply opened again by its path when asked.
        if (parent >= 0)
            moved.push_back(key);
    }
    if (!dropped.empty()) {
        ++m_givenUp;
        m_last.reset();
        for (const std::string &key : dropped)
            m_handles.erase(key);
    }
    return moved;
}
