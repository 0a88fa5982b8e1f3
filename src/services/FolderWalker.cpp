#include "FolderWalker.h"

#include "FileSystem.h"

#include <cerrno>

namespace {

// Plenty for the category and sub-group folders of a run, well below the usual
// limit of 1024 open files.
constexpr std::size_t maximumOpenHandles = 256;

} // namespace

FolderWalker::FolderWalker(FileSystem &fileSystem, int root)
    : m_fileSystem(fileSystem)
    , m_root(root)
{ }

FolderWalker::Result FolderWalker::open(const std::vector<std::string> &parts, bool create)
{
    if (m_handles.size() + parts.size() > maximumOpenHandles)
        m_handles.clear();

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
        int error = m_fileSystem.openSubfolder(parent, parts[depth], handle);
        if (error == ENOENT && create) {
            const int makeError = m_fileSystem.makeFolder(parent, parts[depth]);
            // EEXIST: something appeared meanwhile; opening it below tells what it is.
            if (makeError != 0 && makeError != EEXIST) {
                result.error = makeError;
                result.creationFailed = true;
                result.failedDepth = depth;
                return result;
            }
            error = m_fileSystem.openSubfolder(parent, parts[depth], handle);
            // Only a folder this run made may be removed again by it.
            EntryInfo made;
            if (makeError == 0 && error == 0 && m_fileSystem.statFolder(handle.get(), made) == 0)
                m_created.push_back({ { parts.begin(), parts.begin() + depth + 1 }, made.identity });
        }
        if (error == ENOTDIR || error == ELOOP) {
            // Depending on the flags the kernel says either for a link; tell them apart
            // so the user learns that a link, not a file, is in the way.
            EntryType type;
            if (m_fileSystem.entryIn(parent, parts[depth], type) == 0)
                error = type == EntryType::symlink ? ELOOP : ENOTDIR;
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
    return result;
}
