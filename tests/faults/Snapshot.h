#pragma once

#include "TempDir.h"

#include <filesystem>

// Like snapshotTree, but keyed by the path as written below `root`: a symbolic link
// is its own entry, never the place it points to.
TreeSnapshot snapshotFolder(const std::filesystem::path &root);
