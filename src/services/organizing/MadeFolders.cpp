#include "services/organizing/MadeFolders.h"

namespace MadeFolders {

std::size_t removeEmpty(
    FileSystem &fileSystem, int root, const std::vector<FolderWalker::Created> &made)
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
        kept += fileSystem.removeFolder(parentFd, it->parts.back()) != 0 ? 1 : 0;
    }
    return kept;
}

} // namespace MadeFolders
