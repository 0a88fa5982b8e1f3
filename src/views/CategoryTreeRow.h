#pragma once

#include "CategoryPreviewNode.h"
#include "PreviewLine.h"

#include <cstdint>
#include <vector>

// The lines one category folder shows in the "After" column, top to bottom: the
// category line; the files that land in the category folder itself (two blanks in);
// then each sub-folder line (two blanks in) with its files (four blanks in). The lines
// are drawn by PreviewLineDelegate, one list row each, so only visible ones cost.
class CategoryTreeRow
{
public:
    static void appendLines(
        const CategoryPreviewNode &node, std::uint32_t nodeIndex, std::vector<PreviewLine> &lines);
    static std::size_t lineCount(const CategoryPreviewNode &node);
};
