#include "model/PreviewTree.h"

#include "model/Text.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

std::vector<CategoryPreviewNode> buildPreviewTree(const OrganizationPlan &plan)
{
    // Each target is one category, or one of its sub-groups (an empty one for files
    // without extension, which land in the category folder itself and are shown there).
    std::vector<std::vector<std::string>> names(plan.targets.size());
    for (const OrganizationPlan::Move &move : plan.moves)
        names[move.target].push_back(move.source);
    // One node per category, found by its name: the rules name no two alike.
    std::vector<std::optional<CategoryPreviewNode>> nodes;
    std::unordered_map<std::string_view, std::size_t> nodeOf;
    for (std::size_t target = 0; target < plan.targets.size(); ++target) {
        const OrganizationPlan::Target &place = plan.targets[target];
        if (names[target].empty())
            continue;
        const auto [known, isNew] = nodeOf.try_emplace(place.category.name, nodes.size());
        if (isNew)
            nodes.emplace_back();
        std::optional<CategoryPreviewNode> &node = nodes[known->second];
        if (!node) {
            node.emplace();
            node->id = Uuid::random();
            node->category = place.category;
        }
        if (place.subGroup && !place.subGroup->empty()) {
            Text::sortTexts(names[target]);
            node->subGroups.push_back(
                SubGroupPreviewNode { Uuid::random(), *place.subGroup, std::move(names[target]) });
        } else {
            node->directFiles.insert(node->directFiles.end(),
                std::make_move_iterator(names[target].begin()),
                std::make_move_iterator(names[target].end()));
        }
    }
    std::vector<CategoryPreviewNode> tree;
    for (std::optional<CategoryPreviewNode> &node : nodes) {
        if (!node)
            continue;
        Text::sortTexts(node->directFiles);
        std::sort(node->subGroups.begin(), node->subGroups.end(),
            [](const SubGroupPreviewNode &a, const SubGroupPreviewNode &b) {
                return Text::lessThan(a.name, b.name);
            });
        tree.push_back(std::move(*node));
    }
    std::sort(
        tree.begin(), tree.end(), [](const CategoryPreviewNode &a, const CategoryPreviewNode &b) {
            return a.category.folder < b.category.folder;
        });
    return tree;
}
