#include "PreviewTree.h"

#include "Text.h"

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_map>

namespace {

std::string presentName(const FileMoveOperation &operation)
{
    return operation.sourceURL.filename().string();
}

std::vector<std::string> sortedNames(const std::vector<const FileMoveOperation *> &operations)
{
    std::vector<std::string> names;
    names.reserve(operations.size());
    for (const FileMoveOperation *operation : operations)
        names.push_back(presentName(*operation));
    Text::sortTexts(names);
    return names;
}

} // namespace

CategoryPreviewNode buildCategoryNode(
    FileCategory category, const std::vector<const FileMoveOperation *> &operations)
{
    CategoryPreviewNode node;
    node.id = Uuid::random();
    node.category = category;
    if (operations.empty() || !operations.front()->subGroup) {
        node.directFiles = sortedNames(operations);
        return node;
    }

    // Groups keyed by name; an absent sub-group counts as the empty name.
    std::unordered_map<std::string, std::vector<const FileMoveOperation *>> groups;
    for (const FileMoveOperation *operation : operations)
        groups[operation->subGroup.value_or(std::string())].push_back(operation);

    for (auto &[name, members] : groups) {
        // Files without extension land directly in the category folder, so they are
        // shown there rather than under a nameless sub-folder.
        if (name.empty()) {
            node.directFiles = sortedNames(members);
            continue;
        }
        node.subGroups.push_back(
            SubGroupPreviewNode { Uuid::random(), name, sortedNames(members) });
    }
    std::sort(node.subGroups.begin(), node.subGroups.end(),
        [](const SubGroupPreviewNode &a, const SubGroupPreviewNode &b) {
            return Text::lessThan(a.name, b.name);
        });
    return node;
}

std::vector<CategoryPreviewNode> buildPreviewTree(const OrganizationPlan &plan)
{
    std::array<std::vector<const FileMoveOperation *>, allCases.size()> groups;
    for (const FileMoveOperation &operation : plan.operations)
        groups[static_cast<std::size_t>(operation.category)].push_back(&operation);

    std::vector<CategoryPreviewNode> nodes;
    for (FileCategory category : allCases) {
        const auto &members = groups[static_cast<std::size_t>(category)];
        if (!members.empty())
            nodes.push_back(buildCategoryNode(category, members));
    }
    std::sort(
        nodes.begin(), nodes.end(), [](const CategoryPreviewNode &a, const CategoryPreviewNode &b) {
            return rawValue(a.category) < rawValue(b.category);
        });
    return nodes;
}

std::vector<CategoryPreviewNode> buildPreviewTree(const MoveList &plan)
{
    // Each target is one category, or one of its sub-groups (an empty one for files
    // without extension): the tree is the targets' names, grouped by category.
    std::vector<std::vector<std::string>> names(plan.targets.size());
    for (const MoveList::Move &move : plan.moves)
        names[move.target].push_back(move.source);
    std::array<std::optional<CategoryPreviewNode>, allCases.size()> nodes;
    for (std::size_t target = 0; target < plan.targets.size(); ++target) {
        const MoveList::Target &place = plan.targets[target];
        if (names[target].empty())
            continue;
        std::optional<CategoryPreviewNode> &node = nodes[static_cast<std::size_t>(place.category)];
        if (!node) {
            node.emplace();
            node->id = Uuid::random();
            node->category = place.category;
        }
        Text::sortTexts(names[target]);
        if (place.subGroup && !place.subGroup->empty())
            node->subGroups.push_back(
                SubGroupPreviewNode { Uuid::random(), *place.subGroup, std::move(names[target]) });
        else
            node->directFiles = std::move(names[target]);
    }
    std::vector<CategoryPreviewNode> tree;
    for (std::optional<CategoryPreviewNode> &node : nodes) {
        if (!node)
            continue;
        std::sort(node->subGroups.begin(), node->subGroups.end(),
            [](const SubGroupPreviewNode &a, const SubGroupPreviewNode &b) {
                return Text::lessThan(a.name, b.name);
            });
        tree.push_back(std::move(*node));
    }
    std::sort(
        tree.begin(), tree.end(), [](const CategoryPreviewNode &a, const CategoryPreviewNode &b) {
            return rawValue(a.category) < rawValue(b.category);
        });
    return tree;
}
