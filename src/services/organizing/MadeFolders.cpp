#include "services/organizing/MadeFolders.h"

#include "services/errors/ErrorDescriptions.h"
#include "services/journal/RunRecord.h"
#include "services/paths/PathText.h"

#include <algorithm>
#include <cerrno>
#include <set>

namespace MadeFolders {

std::size_t removeEmpty(FileSystem &fileSystem, int root,
    const std::vector<FolderWalker::Created> &made,
    std::vector<std::pair<std::string, ErrorMessage>> *failed)
{
    std::size_t kept = 0;
    // Inner folders first, so that a category folder emptied of its sub-groups goes too.
    for (auto it = made.rbegin(); it != made.rend(); ++it) {
        FileDescriptor parent;
        int parentFd = root;
        bool reachable = true;
        for (std::size_t depth = 0; depth + 1 < it->parts.size(); ++depth) {
            FileDescriptor inner;
            if (fileSystem.openSubfolder(parentFd, it->parts[depth], inner) != 0) {
                reachable = false;
                break;
            }
            parent = std::move(inner);
            parentFd = parent.get();
        }
        EntryInfo info;
        if (!reachable || fileSystem.statIn(parentFd, it->parts.back(), info) != 0
            || info.type != EntryType::directory
            || (it->identity != FileIdentity {} && info.identity != it->identity))
            continue;
        // rmdir removes nothing but an empty folder, so a file that arrived meanwhile
        // keeps its folder.
        const int error = fileSystem.removeFolder(parentFd, it->parts.back());
        if (error == 0)
            continue;
        ++kept;
        if (failed && error != ENOTEMPTY && error != EEXIST)
            failed->emplace_back(PathText::joinedParts(it->parts, it->parts.size()),
                ErrorMessage { ErrorKind::reasonOnly, {}, error });
    }
    return kept;
}

std::size_t removeEmptyOfRun(FileSystem &fileSystem, int root, const RunRecord &record,
    bool stableInodes, std::uint64_t device,
    std::vector<std::pair<std::string, ErrorMessage>> *failed)
{
    // Folders announced but never confirmed by a run that was killed (the kill may
    // have come between making and saying so), and all of them where inode numbers do
    // not hold, are known by name alone: an empty folder of that name is taken to be
    // the run's.
    std::vector<FolderWalker::Created> made;
    std::set<std::vector<std::string>> confirmed;
    for (const JournalLines::Made &folder : record.made) {
        made.push_back({ folder.parts,
            stableInodes ? FileIdentity { device, folder.inode } : FileIdentity {} });
        confirmed.insert(folder.parts);
    }
    for (const std::vector<std::string> &parts : record.toMake) {
        if (!record.ended && confirmed.insert(parts).second)
            made.push_back({ parts, FileIdentity {} });
    }
    // Parents before the folders inside them, as removeMadeFolders expects.
    std::stable_sort(made.begin(), made.end(),
        [](const auto &a, const auto &b) { return a.parts.size() < b.parts.size(); });
    return removeEmpty(fileSystem, root, made, failed);
}

} // namespace MadeFolders
