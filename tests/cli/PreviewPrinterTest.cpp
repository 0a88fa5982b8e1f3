#include "PreviewPrinter.h"

#include <sstream>

#include <gtest/gtest.h>

namespace {

const std::filesystem::path folder = "/home/ana/Downloads";

FileMoveOperation move(const std::string &name, FileCategory category,
    const std::string &destination, std::optional<std::string> subGroup = std::nullopt)
{
    FileMoveOperation operation;
    operation.sourceURL = folder / name;
    operation.destinationURL = folder / destination;
    operation.category = category;
    operation.subGroup = std::move(subGroup);
    return operation;
}

std::string text(const OrganizationPlan &plan)
{
    std::ostringstream out;
    PreviewPrinter::writeText(out, plan);
    return out.str();
}

TEST(PreviewPrinterTest, DrawsCategoriesSubGroupsAndFilesSorted)
{
    const OrganizationPlan plan { folder,
        {
            move("b.png", FileCategory::images, "Images/PNG/b.png", "PNG"),
            move("x.qqq", FileCategory::others, "Others/QQQ/x.qqq", "QQQ"),
            move("README", FileCategory::others, "Others/README", ""),
            move("a.jpg", FileCategory::images, "Images/JPG/a.jpg", "JPG"),
            move("Zebra.pdf", FileCategory::documents, "Documents/Zebra.pdf"),
            move("apple.pdf", FileCategory::documents, "Documents/apple (1).pdf"),
            move("notes.", FileCategory::others, "Others/notes.", ""),
            move("cube.stl", FileCategory::threeDModels, "3D Models/cube.stl"),
        } };
    // Files without extension sit directly in "Others/", above its sub-folders;
    // the renamed "apple (1).pdf" is shown under its present name.
    EXPECT_EQ(text(plan),
        "8 files will be moved\n"
        "3D Models/\n"
        "  cube.stl\n"
        "Documents/\n"
        "  Zebra.pdf\n"
        "  apple.pdf\n"
        "Images/\n"
        "  JPG/\n"
        "    a.jpg\n"
        "  PNG/\n"
        "    b.png\n"
        "Others/\n"
        "  README\n"
        "  notes.\n"
        "  QQQ/\n"
        "    x.qqq\n");
    EXPECT_EQ(text({ folder, {} }), "0 files will be moved\n");
}

TEST(PreviewPrinterTest, NamesCannotBreakOrForgeLines)
{
    const OrganizationPlan plan { folder,
        { move("a\nImages\tb\x1B[2J.txt", FileCategory::documents, "Documents/x.txt"),
            move("caf\xE9.txt", FileCategory::documents, "Documents/y.txt") } };
    EXPECT_EQ(text(plan),
        "2 files will be moved\n"
        "Documents/\n"
        "  a\\nImages\\tb\\x1B[2J.txt\n"
        "  caf\xEF\xBF\xBD.txt\n");
}

} // namespace
