#pragma once

#include "FileCategory.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// A folder's planned moves in compact form, as the engine works with them: names
// only, and each destination folder once. A plan of 100,000 moves takes a tenth of
// the memory of the same plan as OrganizationPlan, whose paths are split into
// components one by one.
struct MoveList
{
    // A destination folder below the organized one.
    struct Target
    {
        FileCategory category = FileCategory::others;
        // As FileMoveOperation::subGroup: absent when the category has no sub-groups,
        // empty for a file without extension in one that has.
        std::optional<std::string> subGroup;
        std::vector<std::string> parts; // CATEGORY, or CATEGORY/SUB
    };

    struct Move
    {
        std::string source; // a name directly in the folder (bytes)
        std::string destination; // its name in the target folder; empty when unchanged
        std::uint32_t target = 0;
        std::uint32_t index = 0; // the move's place in the plan it came from

        const std::string &destinationName() const
        {
            return destination.empty() ? source : destination;
        }
    };

    std::filesystem::path folder;
    std::vector<Target> targets;
    std::vector<Move> moves;
};
