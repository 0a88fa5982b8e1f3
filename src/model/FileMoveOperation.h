#pragma once

#include "model/CategoryLabel.h"
#include "model/Uuid.h"

#include <filesystem>
#include <optional>
#include <string>

// One planned move. File locations are absolute paths; names are bytes.
struct FileMoveOperation
{
    Uuid id;
    std::filesystem::path sourceURL;
    std::filesystem::path destinationURL;
    CategoryLabel category = FileCategory::others;
    // The sub-folder inside the category folder; absent when the file goes straight
    // into the category folder. Present but empty for a file without extension in a
    // category that holds several extensions: it lands in the category folder too.
    std::optional<std::string> subGroup;
};
