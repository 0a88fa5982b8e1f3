#include "model/PreviewTree.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

const std::filesystem::path folder = "/home/ana/Downloads";
using Names = std::vector<std::string>;

FileMoveOperation move(const std::string &name, FileCategory category,
    std::optional<std::string> subGroup = std::nullopt, std::string destinationName = {})
{
    const std::filesystem::path destination = folder / std::string(rawValue(category))
        / subGroup.value_or("") / (destinationName.empty() ? name : destinationName);
    return { Uuid::random(), folder / name, destination, category, subGroup };
}

std::vector<CategoryPreviewNode> treeOf(const std::vector<FileMoveOperation> &operations)
{
    OrganizationPlan plan;
    plan.folderURL = folder;
    for (const FileMoveOperation &operation : operations) {
        std::uint32_t target = 0;
        while (target < plan.targets.size()
            && (plan.targets[target].category != operation.category
                || plan.targets[target].subGroup != operation.subGroup))
            ++target;
        if (target == plan.targets.size())
            plan.targets.push_back({ operation.category, operation.subGroup, {} });
        plan.moves.push_back({ operation.sourceURL.filename(), operation.destinationURL.filename(),
            target, std::uint32_t(plan.moves.size()) });
    }
    return buildPreviewTree(plan);
}

} // namespace

// The nameless group shows its files directly, beside the sub-groups, even when it
// comes first in plan order; every node of every build has its own id.
TEST(PreviewTreeTest, SubGroupsSortByCodePointBesideTheFilesWithoutExtension)
{
    const std::vector<FileMoveOperation> operations {
        move("README", FileCategory::others, ""),
        move("z.pdf", FileCategory::others, "PDF"),
        move("report.docx", FileCategory::others, "DOCX"),
        move("a.pdf", FileCategory::others, "PDF"),
        move("a.\xc3\xa4", FileCategory::others, "\xc3\x84"), // Ä after Z
        move("Makefile", FileCategory::others, ""),
    };
    std::set<std::string> ids;
    for (int build = 0; build < 2; ++build) {
        const auto tree = treeOf(operations);
        ASSERT_EQ(tree.size(), 1u);
        ASSERT_EQ(tree[0].subGroups.size(), 3u);
        EXPECT_EQ(tree[0].subGroups[0].name + tree[0].subGroups[2].name, "DOCX\xc3\x84");
        EXPECT_EQ(tree[0].subGroups[1].files, (Names { "a.pdf", "z.pdf" }));
        EXPECT_EQ(tree[0].directFiles, (Names { "Makefile", "README" }));
        ids.insert(tree[0].id.toString());
        for (const SubGroupPreviewNode &group : tree[0].subGroups)
            ids.insert(group.id.toString());
    }
    EXPECT_EQ(ids.size(), 8u);
    EXPECT_EQ(ids.count(Uuid().toString()), 0u);
    // Random (version 4) identities in their usual text form.
    EXPECT_EQ(ids.begin()->size(), 36u);
    EXPECT_EQ(ids.begin()->at(14), '4');
}

TEST(PreviewTreeTest, OneExtensionListsPresentNamesDirectlyInComposedCodePointOrder)
{
    const std::string composed = "\xc3\xa9"; // é
    const std::string decomposed = "e\xcc\x81"; // e + combining acute
    std::vector<FileMoveOperation> operations;
    // Code point order, not UTF-16 order: U+FF5E comes before U+1F600; digits are
    // characters, not numbers; a name that is not UTF-8 sorts by its bytes.
    for (const std::string &name : { decomposed + "b.txt", std::string("f.txt"), composed + "a.txt",
             std::string("Zebra.txt"), std::string("caf\xe9.txt"), std::string("\xf0\x9f\x98\x80"),
             std::string("\xef\xbd\x9e"), std::string("2.txt"), std::string("10.txt") })
        operations.push_back(move(name, FileCategory::documents));
    operations.push_back(move("b.txt", FileCategory::documents, std::nullopt, "b (1).txt"));
    const auto tree = treeOf(operations);
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_TRUE(tree[0].subGroups.empty());
    EXPECT_EQ(tree[0].directFiles,
        (Names { "10.txt", "2.txt", "Zebra.txt", "b.txt", "caf\xe9.txt", "f.txt",
            composed + "a.txt", decomposed + "b.txt", "\xef\xbd\x9e", "\xf0\x9f\x98\x80" }));
}
