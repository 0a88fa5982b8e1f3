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
using Names = std::vector<std::string>;

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

std::vector<CategoryPreviewNode> treeOf(std::vector<FileMoveOperation> operations)
{
    return buildPreviewTree({ folder, std::move(operations) });
}

Names subGroupNames(const CategoryPreviewNode &node)
{
    Names names;
    for (const SubGroupPreviewNode &group : node.subGroups)
        names.push_back(group.name);
    return names;
}

} // namespace

TEST(PreviewTreeTest, CategoriesSortByFolderNameWhateverThePlanOrder)
{
    EXPECT_TRUE(treeOf({}).empty());
    std::vector<FileMoveOperation> operations;
    for (FileCategory category : allCases)
        operations.push_back(move("file." + std::string(rawValue(category)), category));
    const Names expected { "3D Models", "Archives", "Audio", "Code", "Design", "Documents", "Fonts",
        "Images", "Installers", "Others", "Videos" };
    std::mt19937 random(7);
    for (int round = 0; round < 3; ++round) {
        std::shuffle(operations.begin(), operations.end(), random);
        Names names;
        for (const CategoryPreviewNode &node : treeOf(operations))
            names.emplace_back(rawValue(node.category));
        EXPECT_EQ(names, expected);
    }
}

TEST(PreviewTreeTest, SubGroupsSortByCodePointEachWithItsSortedFiles)
{
    const auto tree = treeOf({
        move("z.pdf", FileCategory::documents, "PDF"),
        move("report.docx", FileCategory::documents, "DOCX"),
        move("a.pdf", FileCategory::documents, "PDF"),
        move("Letter.docx", FileCategory::documents, "DOCX"),
        move("a.\xc3\xa4", FileCategory::documents, "\xc3\x84"), // Ä after Z
    });
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_TRUE(tree[0].directFiles.empty());
    ASSERT_EQ(subGroupNames(tree[0]), (Names { "DOCX", "PDF", "\xc3\x84" }));
    EXPECT_EQ(tree[0].subGroups[0].files, (Names { "Letter.docx", "report.docx" }));
    EXPECT_EQ(tree[0].subGroups[1].files, (Names { "a.pdf", "z.pdf" }));
}

TEST(PreviewTreeTest, FilesOfTheEmptyNamedGroupShowDirectlyBesideTheSubGroups)
{
    // The nameless group comes first in plan order: the shape is still sub-groups.
    const auto tree = treeOf({
        move("README", FileCategory::others, ""),
        move("x.qqq", FileCategory::others, "QQQ"),
        move("Makefile", FileCategory::others, ""),
    });
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_EQ(subGroupNames(tree[0]), (Names { "QQQ" }));
    EXPECT_EQ(tree[0].subGroups[0].files, (Names { "x.qqq" }));
    EXPECT_EQ(tree[0].directFiles, (Names { "Makefile", "README" }));
}

TEST(PreviewTreeTest, OneExtensionListsPresentNamesDirectlyInComposedCodePointOrder)
{
    const std::string composed = "\xc3\xa9"; // é
    const std::string decomposed = "e\xcc\x81"; // e + combining acute
    std::vector<FileMoveOperation> operations;
    for (const std::string &name : { decomposed + "b.txt", std::string("f.txt"), composed + "a.txt",
             std::string("Zebra.txt"), std::string("10.txt"), std::string("2.txt"),
             std::string("\xf0\x9f\x98\x80.txt"), std::string("\xef\xbd\x9e.txt"),
             std::string("caf\xe9.txt") }) // U+1F600, U+FF5E, not UTF-8
        operations.push_back(move(name, FileCategory::documents));
    operations.push_back(move("b.txt", FileCategory::documents, std::nullopt, "b (1).txt"));
    const auto tree = treeOf(operations);
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_TRUE(tree[0].subGroups.empty());
    EXPECT_EQ(tree[0].directFiles,
        (Names { "10.txt", "2.txt", "Zebra.txt", "b.txt", "caf\xe9.txt", "f.txt",
            composed + "a.txt", decomposed + "b.txt", "\xef\xbd\x9e.txt",
            "\xf0\x9f\x98\x80.txt" }));
}

TEST(PreviewTreeTest, EveryNodeOfEveryBuildHasItsOwnId)
{
    const std::vector<FileMoveOperation> operations { move("a.jpg", FileCategory::images, "JPG"),
        move("b.png", FileCategory::images, "PNG"), move("c.pdf", FileCategory::documents) };
    std::set<std::string> ids;
    for (int build = 0; build < 2; ++build) {
        for (const CategoryPreviewNode &node : treeOf(operations)) {
            ids.insert(node.id.toString());
            for (const SubGroupPreviewNode &group : node.subGroups)
                ids.insert(group.id.toString());
        }
    }
    EXPECT_EQ(ids.size(), 8u);
    EXPECT_EQ(ids.count(Uuid().toString()), 0u);
}
