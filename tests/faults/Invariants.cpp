#include "Invariants.h"

#include "FileCategory.h"

#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unordered_map>

namespace fs = std::filesystem;

namespace {

// The name as a readable, escaped text for messages.
std::string shown(const std::string &bytes)
{
    std::string text;
    for (const unsigned char c : bytes) {
        if (c < 0x20 || c >= 0x7f) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            text += hex;
        } else {
            text += static_cast<char>(c);
        }
    }
    return text;
}

enum class Presence { absent, holds, other };

// Whether `path` is a regular file with `content`, absent, or something else.
Presence presence(const fs::path &path, const std::string &content)
{
    struct stat info
    {
    };
    if (::lstat(path.c_str(), &info) != 0)
        return Presence::absent;
    if (S_ISREG(info.st_mode) && readFile(path) == content)
        return Presence::holds;
    return Presence::other;
}

std::string contentOfSource(const TreeSnapshot &before, const FileMoveOperation &operation)
{
    const auto found = before.find(operation.sourceURL.filename().native());
    return found == before.end() ? std::string() : found->second.content;
}

bool isEmptyFolderIn(const TreeSnapshot &tree, const std::string &folder)
{
    const std::string prefix = folder + '/';
    for (auto it = tree.lower_bound(prefix); it != tree.end() && it->first.starts_with(prefix);
         ++it) {
        if (it->second.kind != 'd')
            return false;
    }
    return true;
}

std::string describeChange(const EntrySnapshot &before, const EntrySnapshot &after)
{
    std::ostringstream out;
    if (before.kind != after.kind)
        out << "kind " << before.kind << " -> " << after.kind << ' ';
    if (before.content != after.content)
        out << "content \"" << shown(before.content) << "\" -> \"" << shown(after.content) << "\" ";
    if (before.mode != after.mode)
        out << "mode " << std::oct << before.mode << " -> " << after.mode << std::dec << ' ';
    if (before.mtimeNs != after.mtimeNs)
        out << "mtime " << before.mtimeNs << " -> " << after.mtimeNs;
    return out.str();
}

} // namespace

namespace Invariants {

std::multiset<std::string> fileContents(const TreeSnapshot &tree)
{
    std::multiset<std::string> contents;
    for (const auto &[path, entry] : tree) {
        if (entry.kind == 'f')
            contents.insert(entry.content);
    }
    return contents;
}

std::string eachFileOnce(const TreeSnapshot &before, const TreeSnapshot &after)
{
    std::ostringstream out;
    std::unordered_map<std::string, std::vector<std::pair<std::string, EntrySnapshot>>> byContent;
    for (const auto &[path, entry] : after) {
        if (entry.kind == 'f')
            byContent[entry.content].emplace_back(path, entry);
    }
    std::set<std::string> known;
    for (const auto &[path, entry] : before) {
        if (entry.kind != 'f')
            continue;
        known.insert(entry.content);
        const auto found = byContent.find(entry.content);
        if (found == byContent.end()) {
            out << "lost: " << shown(path) << '\n';
            continue;
        }
        if (found->second.size() != 1)
            out << "present " << found->second.size() << " times: " << shown(path) << '\n';
        const EntrySnapshot &now = found->second.front().second;
        if (now.mode != entry.mode || now.mtimeNs != entry.mtimeNs)
            out << "mode or time changed: " << shown(path) << " (now "
                << shown(found->second.front().first) << ")\n";
    }
    for (const auto &[content, places] : byContent) {
        if (!known.count(content))
            out << "unexpected file: " << shown(places.front().first) << '\n';
    }
    return out.str();
}

std::string contentsAre(const std::multiset<std::string> &expected, const TreeSnapshot &after)
{
    std::ostringstream out;
    const std::multiset<std::string> actual = fileContents(after);
    for (const std::string &content : expected) {
        if (actual.count(content) != expected.count(content))
            out << "expected " << expected.count(content) << " file(s) with content \""
                << shown(content) << "\", found " << actual.count(content) << '\n';
    }
    for (const std::string &content : actual) {
        if (!expected.count(content))
            out << "unexpected file with content \"" << shown(content) << "\"\n";
    }
    return out.str();
}

std::string executedIsExact(const OrganizationPlan &plan,
    const std::vector<FileMoveOperation> &executed, const TreeSnapshot &before)
{
    std::ostringstream out;
    std::size_t next = 0;
    for (const FileMoveOperation &operation : plan.operations) {
        const std::string content = contentOfSource(before, operation);
        const std::string name = shown(operation.sourceURL.filename().native());
        const bool wasExecuted = next < executed.size() && executed[next].id == operation.id;
        if (wasExecuted) {
            const FileMoveOperation &done = executed[next++];
            if (done.sourceURL != operation.sourceURL
                || done.destinationURL != operation.destinationURL)
                out << "executed move of " << name << " differs from the plan\n";
            if (presence(operation.sourceURL, content) != Presence::absent)
                out << "reported moved but still at its source: " << name << '\n';
            if (presence(operation.destinationURL, content) != Presence::holds)
                out << "reported moved but not at its destination: " << name << '\n';
        } else if (presence(operation.sourceURL, content) != Presence::holds) {
            out << "not reported moved but gone from its source: " << name << '\n';
        }
    }
    if (next != executed.size())
        out << "executed list holds moves that are not the plan's, in plan order\n";
    return out.str();
}

std::string eachMoveDoneOrUndone(
    const std::vector<FileMoveOperation> &executed, const TreeSnapshot &before)
{
    std::ostringstream out;
    for (const FileMoveOperation &operation : executed) {
        const std::string content = contentOfSource(before, operation);
        const Presence atSource = presence(operation.sourceURL, content);
        const Presence atDestination = presence(operation.destinationURL, content);
        const bool done = atSource == Presence::absent && atDestination == Presence::holds;
        const bool undone = atSource == Presence::holds && atDestination == Presence::absent;
        if (!done && !undone)
            out << "neither done nor undone: " << shown(operation.sourceURL.filename().native())
                << '\n';
    }
    return out.str();
}

std::string allUndone(const std::vector<FileMoveOperation> &executed, const TreeSnapshot &before)
{
    std::ostringstream out;
    for (const FileMoveOperation &operation : executed) {
        const std::string content = contentOfSource(before, operation);
        if (presence(operation.sourceURL, content) != Presence::holds
            || presence(operation.destinationURL, content) != Presence::absent)
            out << "not moved back: " << shown(operation.sourceURL.filename().native()) << '\n';
    }
    return out.str();
}

std::string sameTreeUpToEmptyFolders(const TreeSnapshot &before, const TreeSnapshot &after)
{
    std::ostringstream out;
    for (const auto &[path, entry] : before) {
        const auto found = after.find(path);
        if (found == after.end()) {
            const bool removableFolder = entry.kind == 'd' && path.find('/') == std::string::npos
                && categoryFromRawValue(path) && isEmptyFolderIn(before, path);
            if (!removableFolder)
                out << "missing: " << shown(path) << '\n';
        } else if (!(found->second == entry)) {
            out << "changed: " << shown(path) << " (" << describeChange(entry, found->second)
                << ")\n";
        }
    }
    for (const auto &[path, entry] : after) {
        if (!before.count(path) && !(entry.kind == 'd' && isEmptyFolderIn(after, path)))
            out << "added: " << shown(path) << '\n';
    }
    return out.str();
}

} // namespace Invariants
