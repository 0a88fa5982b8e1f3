#include "services/organizing/MadeFolders.h"

#include "services/errors/ErrorDescriptions.h"
#include "services/paths/PathText.h"

#include <cerrno>

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

} // namespace MadeFolders
