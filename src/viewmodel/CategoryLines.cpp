#include "CategoryLines.h"

void appendCategoryLines(
    const CategoryPreviewNode &node, std::uint32_t nodeIndex, std::vector<PreviewLine> &lines)
{
    using Kind = PreviewLine::Kind;
    lines.push_back({ Kind::category, 0, nodeIndex, PreviewLine::noSubGroup, 0 });
    // Files without extension in a category with sub-folders land in the category
    // folder itself, so they are listed there, ahead of the sub-folders.
    for (std::uint32_t file = 0; file < node.directFiles.size(); ++file)
        lines.push_back({ Kind::file, 1, nodeIndex, PreviewLine::noSubGroup, file });
    for (std::uint32_t group = 0; group < node.subGroups.size(); ++group) {
        lines.push_back({ Kind::subGroup, 1, nodeIndex, group, 0 });
        const auto fileCount = std::uint32_t(node.subGroups[group].files.size());
        for (std::uint32_t file = 0; file < fileCount; ++file)
            lines.push_back({ Kind::file, 2, nodeIndex, group, file });
    }
}

std::size_t categoryLineCount(const CategoryPreviewNode &node)
{
    std::size_t count = 1 + node.directFiles.size() + node.subGroups.size();
    for (const SubGroupPreviewNode &group : node.subGroups)
        count += group.files.size();
    return count;
}
