#include "Snapshot.h"

#include <sys/stat.h>

namespace fs = std::filesystem;

TreeSnapshot snapshotFolder(const fs::path &root)
{
    TreeSnapshot snapshot;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
         ++it) {
        struct stat info
        {
        };
        if (::lstat(it->path().c_str(), &info) != 0)
            continue;
        EntrySnapshot entry;
        entry.mode = info.st_mode & 07777;
        if (S_ISREG(info.st_mode)) {
            entry.kind = 'f';
            entry.content = readFile(it->path());
        } else if (S_ISDIR(info.st_mode)) {
            entry.kind = 'd';
        } else if (S_ISLNK(info.st_mode)) {
            entry.kind = 'l';
            entry.content = fs::read_symlink(it->path()).native();
        } else {
            entry.kind = 'o';
        }
        if (entry.kind != 'd')
            entry.mtimeNs
                = static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
        snapshot[it->path().lexically_relative(root).native()] = entry;
    }
    return snapshot;
}
