#pragma once

#include "PreviewLine.h"
#include "model/CategoryPreviewNode.h"

#include <cstdint>
#include <vector>

// The lines one category folder shows in the "After" column, top to bottom: the
// category line; the files that land in the category folder itself (two blanks in);
// then each sub-folder line (two blanks in) with its files (four blanks in). Each line
// is one row, drawn only when it scrolls into view.
void appendCategoryLines(
    const CategoryPreviewNode &node, std::uint32_t nodeIndex, std::vector<PreviewLine> &lines);
std::size_t categoryLineCount(const CategoryPreviewNode &node);
