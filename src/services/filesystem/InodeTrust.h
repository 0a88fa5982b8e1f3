#pragma once

#include <cstdint>

// Whether a file system's inode numbers can be trusted to name the same file after a
// remount: not where the kernel makes them up as it goes (FAT and exFAT, SMB without
// server inode numbers, 9p) and not through FUSE, which hides what lies below and
// whose common file systems (sshfs, exFAT) number files anew at each mount or even
// per name. Whether two names are one file is probed separately (see FileMover).
namespace InodeTrust {

bool stableAcrossMounts(std::uint64_t fileSystemType);

} // namespace InodeTrust
