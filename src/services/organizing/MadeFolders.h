#pragma once

#include "services/errors/ErrorMessage.h"
#include "services/filesystem/FileSystem.h"
#include "services/filesystem/FolderWalker.h"

#include <string>
#include <utility>
#include <vector>

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

} // namespace MadeFolders
