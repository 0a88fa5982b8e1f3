#pragma once

#include "services/filesystem/FileDescriptor.h"
#include "services/filesystem/FileSystem.h"

#include <filesystem>

// The chosen folder opened once, with its identity; every later step works through
// this handle, so a folder swapped for a link meanwhile is never followed.
struct OpenFolder
{
    FileDescriptor handle;
    FileIdentity identity;
    bool stableInodes = false; // see InodeTrust

    // Throws EngineError when the folder cannot be opened or looked at.
    static OpenFolder open(FileSystem &fileSystem, const std::filesystem::path &folderURL);
};
