#pragma once

#include "FileMoveOperation.h"

#include <filesystem>
#include <vector>

// What the undo journal holds: the organized folder and the moves that really
// happened there, in execution order.
struct UndoRecord
{
    std::filesystem::path folderURL;
    std::vector<FileMoveOperation> operations;
};
