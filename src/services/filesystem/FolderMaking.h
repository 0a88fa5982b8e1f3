#pragma once

#include "services/filesystem/FileSystem.h"

#include <filesystem>

namespace FolderMaking {

// Makes `folder` and every folder missing above it, like mkdir -p, through the port;
// each one made is private to the user when `privateToUser`. Returns 0, or the error
// with the folder that could not be opened or made in `failed`.
int makeFolders(FileSystem &fileSystem, const std::filesystem::path &folder, bool privateToUser,
    std::filesystem::path &failed);

} // namespace FolderMaking
