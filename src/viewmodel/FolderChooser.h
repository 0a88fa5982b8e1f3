#pragma once

#include <QString>

#include <optional>

// Asks the user for the folder to organize. The desktop answers with a file dialog;
// tests answer from a queue.
class FolderChooser
{
public:
    virtual ~FolderChooser() = default;
    // The chosen folder's absolute path, or nothing when the user cancels. Bytes of the
    // path that are not UTF-8 are kept as FolderPath::fromBytes keeps them.
    virtual std::optional<QString> chooseFolder() = 0;
};
