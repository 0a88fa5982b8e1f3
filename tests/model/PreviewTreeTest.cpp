#include "PreviewTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

const std::filesystem::path folder = "/home/ana/Downloads";

FileMoveOperation move(const std::string &name, FileCategory category,
    std::optional<std::string> subGroup = std::nullopt, std::string destinationName = {})
{
    if (destinationName.empty())
        destinationName = name;
    std::filesystem::path destination = folder / std::string(rawValue(category));
    if (subGroup && !subGroup->empty())
        destination /= *subGroup;
    return { Uuid::random(), folder / name, destination / destinationName, category, subGroup };
}

OrganizationPlan planOf(std::vector<FileMoveOperation> operations)
{
    return { folder, std::move(operations) };
}

std::vector<std::string> categoryNames(const std::vector<CategoryPreviewNode> &nodes)
{
    std::vector<std::string> names;
    for (const CategoryPreviewNode &node : nodes)
        names.emplace_back(rawValue(node.category));
    return names;
}

std::vector<std::string> subGroupNames(const CategoryPreviewNode &node)
{
    std::vector<std::string> names;
    for (const SubGroupPreviewNode &group : node.subGroups)
        names.push_back(group.name);
    return names;
}

using Names = std::vector<std::string>;

} // namespace

TEST(PreviewTreeTest, EmptyPlanGivesNoNodes)
{
    EXPECT_TRUE(buildPreviewTree(planOf({})).empty());
}

TEST(PreviewTreeTest, OneExtensionListsFilesDirectlyUnderTheCategory)
{
    const auto tree = buildPreviewTree(
        planOf({ move("b.jpg", FileCategory::images), move("a.JPG", FileCategory::images) }));
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_EQ(tree[0].category, FileCategory::images);
    EXPECT_TRUE(tree[0].subGroups.empty());
    EXPECT_EQ(tree[0].directFiles, (Names { "a.JPG", "b.jpg" }));
}

TEST(PreviewTreeTest, SubGroupsAreSortedEachWithItsSortedFiles)
{
    const auto tree = buildPreviewTree(planOf({
        move("z.pdf", FileCategory::documents, "PDF"),
        move("report.docx", FileCategory::documents, "DOCX"),
        move("a.pdf", FileCategory::documents, "PDF"),
        move("Letter.docx", FileCategory::documents, "DOCX"),
    }));
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_TRUE(tree[0].directFiles.empty());
    ASSERT_EQ(subGroupNames(tree[0]), (Names { "DOCX", "PDF" }));
    EXPECT_EQ(tree[0].subGroups[0].files, (Names { "Letter.docx", "report.docx" }));
    EXPECT_EQ(tree[0].subGroups[1].files, (Names { "a.pdf", "z.pdf" }));

    const auto others = buildPreviewTree(planOf({ move("a.xyz", FileCategory::others, "XYZ"),
        move("b.abc", FileCategory::others, "ABC") }));
    ASSERT_EQ(others.size(), 1u);
    EXPECT_EQ(subGroupNames(others[0]), (Names { "ABC", "XYZ" }));
}

TEST(PreviewTreeTest, SubGroupNamesSortByCodePoint)
{
    const auto tree = buildPreviewTree(planOf({
        move("a.\xc3\xa4", FileCategory::others, "\xc3\x84"), // Ä
        move("b.z", FileCategory::others, "Z"),
        move("c.b", FileCategory::others, "B"),
    }));
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_EQ(subGroupNames(tree[0]), (Names { "B", "Z", "\xc3\x84" }));
}

TEST(PreviewTreeTest, FilesWithoutExtensionShowDirectlyInACategoryWithSubGroups)
{
    // The nameless group comes first in plan order: the shape is still sub-groups.
    const auto tree = buildPreviewTree(planOf({
        move("README", FileCategory::others, ""),
        move("x.qqq", FileCategory::others, "QQQ"),
        move("Makefile", FileCategory::others, ""),
    }));
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_EQ(subGroupNames(tree[0]), (Names { "QQQ" }));
    EXPECT_EQ(tree[0].subGroups[0].files, (Names { "x.qqq" }));
    EXPECT_EQ(tree[0].directFiles, (Names { "Makefile", "README" }));
}

TEST(PreviewTreeTest, CategoriesSortByTheirFolderName)
{
    std::vector<FileMoveOperation> operations;
    for (FileCategory category : allCases)
        operations.push_back(move("file." + std::string(rawValue(category)), category));
    const auto tree = buildPreviewTree(planOf(operations));
    const Names expected { "3D Models", "Archives", "Audio", "Code", "Design", "Documents", "Fonts",
        "Images", "Installers", "Others", "Videos" };
    EXPECT_EQ(categoryNames(tree), expected);

    // The plan's grouping order has no effect.
    std::mt19937 random(7);
    for (int round = 0; round < 5; ++round) {
        std::shuffle(operations.begin(), operations.end(), random);
        EXPECT_EQ(categoryNames(buildPreviewTree(planOf(operations))), expected);
    }
}

TEST(PreviewTreeTest, NamesSortCaseSensitivelyAndWithoutNumbers)
{
    const auto tree = buildPreviewTree(planOf({ move("Zebra.txt", FileCategory::documents),
        move("apple.txt", FileCategory::documents), move("Banana.txt", FileCategory::documents),
        move("2.txt", FileCategory::documents), move("10.txt", FileCategory::documents) }));
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_EQ(
        tree[0].directFiles, (Names { "10.txt", "2.txt", "Banana.txt", "Zebra.txt", "apple.txt" }));
}

TEST(PreviewTreeTest, NamesSortByTheirComposedForm)
{
    const std::string composed = "\xc3\xa9"; // é
    const std::string decomposed = "e\xcc\x81"; // e + combining acute
    const auto tree = buildPreviewTree(planOf({
        move(decomposed + "b.txt", FileCategory::documents), move("f.txt", FileCategory::documents),
        move(composed + "a.txt", FileCategory::documents),
        move("\xf0\x9f\x98\x80.txt", FileCategory::documents), // U+1F600
        move("\xef\xbd\x9e.txt", FileCategory::documents), // U+FF5E
    }));
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_EQ(tree[0].directFiles,
        (Names { "f.txt", composed + "a.txt", decomposed + "b.txt", "\xef\xbd\x9e.txt",
            "\xf0\x9f\x98\x80.txt" }));
}

TEST(PreviewTreeTest, ShowsPresentNamesNotNumberedDestinations)
{
    const auto tree = buildPreviewTree(planOf({
        move("photo.jpg", FileCategory::images, std::nullopt, "photo (1).jpg"),
        move("caf\xe9.jpg", FileCategory::images), // not UTF-8: kept as bytes
    }));
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_EQ(tree[0].directFiles, (Names { "caf\xe9.jpg", "photo.jpg" }));
}

TEST(PreviewTreeTest, RebuildingGivesEqualTreesWithAllNewIds)
{
    const auto plan = planOf({ move("a.jpg", FileCategory::images, "JPG"),
        move("b.png", FileCategory::images, "PNG"), move("c.pdf", FileCategory::documents) });
    const auto first = buildPreviewTree(plan);
    const auto second = buildPreviewTree(plan);

    std::set<std::string> ids;
    std::size_t idCount = 0;
    auto collect = [&](const std::vector<CategoryPreviewNode> &tree) {
        for (const CategoryPreviewNode &node : tree) {
            EXPECT_FALSE(node.id.isNull());
            ids.insert(node.id.toString());
            ++idCount;
            for (const SubGroupPreviewNode &group : node.subGroups) {
                EXPECT_FALSE(group.id.isNull());
                ids.insert(group.id.toString());
                ++idCount;
            }
        }
    };
    collect(first);
    collect(second);
    EXPECT_EQ(ids.size(), idCount);
    EXPECT_EQ(idCount, 8u);

    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].category, second[i].category);
        EXPECT_EQ(first[i].directFiles, second[i].directFiles);
        EXPECT_EQ(subGroupNames(first[i]), subGroupNames(second[i]));
        for (std::size_t j = 0; j < first[i].subGroups.size(); ++j)
            EXPECT_EQ(first[i].subGroups[j].files, second[i].subGroups[j].files);
    }
}

TEST(PreviewTreeTest, CategoryNodeOfNoMovesIsEmpty)
{
    const CategoryPreviewNode node = buildCategoryNode(FileCategory::fonts, {});
    EXPECT_EQ(node.category, FileCategory::fonts);
    EXPECT_FALSE(node.id.isNull());
    EXPECT_TRUE(node.subGroups.empty());
    EXPECT_TRUE(node.directFiles.empty());
}
