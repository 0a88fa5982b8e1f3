#pragma once

#include "FolderPath.h"

#include <optional>

// Asks the user for the folder to organize. The desktop answers with a file dialog;
// tests answer from a queue.
class FolderChooser
{
public:
    virtual ~FolderChooser() = default;
    // The chosen folder's absolute path, or nothing when the user cancels.
    virtual std::optional<FolderPath> chooseFolder() = 0;
};
