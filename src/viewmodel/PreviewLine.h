#pragma once

#include <cstdint>

// One line of the "After" column: where its text comes from in the preview tree, and
// how far it is indented (0 category, 1 under a category, 2 under a sub-group).
struct PreviewLine
{
    enum class Kind : std::uint8_t {
        category,
        subGroup,
        file,
        skippedHeading, // "Will be skipped", after the categories
        skippedFile, // `file` indexes the skipped files
    };

    Kind kind = Kind::category;
    std::uint8_t indent = 0;
    std::uint32_t node = 0;
    // For a file line: its sub-group, or noSubGroup for a file directly in the category.
    std::uint32_t subGroup = noSubGroup;
    std::uint32_t file = 0;

    static constexpr std::uint32_t noSubGroup = UINT32_MAX;
};
