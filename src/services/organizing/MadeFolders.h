#pragma once

#include "services/errors/ErrorMessage.h"
#include "services/filesystem/FileSystem.h"
#include "services/filesystem/FolderWalker.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct RunRecord;

// What runs and undos leave behind of the folders a run made.
namespace MadeFolders {

// Removes, deepest first, the folders in `made` (below `root`) that are empty and still
// the folders that were made (by name alone where the identity is {}); a folder that
// was there before is never touched. Gives how many of them stay, not being empty or
// failing to go; those that failed (path below `root`, bytes, and why) are added to
// `failed` when given.
std::size_t removeEmpty(FileSystem &fileSystem, int root,
    const std::vector<FolderWalker::Created> &made,
    std::vector<std::pair<std::string, ErrorMessage>> *failed = nullptr);

// Removes, as removeEmpty does, the folders the recorded run made (and, for a run that
// was killed, announced). Where inode numbers hold (`stableInodes`), a confirmed folder
// is known by its inode on `device`; the others by name alone.
std::size_t removeEmptyOfRun(FileSystem &fileSystem, int root, const RunRecord &record,
    bool stableInodes, std::uint64_t device,
    std::vector<std::pair<std::string, ErrorMessage>> *failed = nullptr);

} // namespace MadeFolders
