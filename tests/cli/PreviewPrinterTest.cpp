#include "PreviewPrinter.h"

#include <sstream>

#include <gtest/gtest.h>

namespace {

struct Planned
{
    std::string name;
    FileCategory category;
    std::optional<std::string> subGroup;
    std::string destination = {};
};

// The plan of `moves` in /home/ana/Downloads, one target per category and sub-group.
MoveList planOf(const std::vector<Planned> &moves)
{
    MoveList list;
    list.folder = "/home/ana/Downloads";
    for (const Planned &planned : moves) {
        std::uint32_t target = 0;
        while (target < list.targets.size()
            && (list.targets[target].category != planned.category
                || list.targets[target].subGroup != planned.subGroup))
            ++target;
        if (target == list.targets.size()) {
            std::vector<std::string> parts { std::string(rawValue(planned.category)) };
            if (planned.subGroup && !planned.subGroup->empty())
                parts.push_back(*planned.subGroup);
            list.targets.push_back({ planned.category, planned.subGroup, parts });
        }
        list.moves.push_back({ planned.name, planned.destination, target,
            static_cast<std::uint32_t>(list.moves.size()) });
    }
    return list;
}

std::string text(const MoveList &plan)
{
    std::ostringstream out;
    PreviewPrinter::writeText(out, plan);
    return out.str();
}

TEST(PreviewPrinterTest, DrawsCategoriesSubGroupsAndFilesSorted)
{
    const MoveList plan = planOf({
        { "b.png", FileCategory::images, "PNG" },
        { "x.qqq", FileCategory::others, "QQQ" },
        { "README", FileCategory::others, "" },
        { "a.jpg", FileCategory::images, "JPG" },
        { "Zebra.pdf", FileCategory::documents, std::nullopt },
        { "apple.pdf", FileCategory::documents, std::nullopt, "apple (1).pdf" },
        { "notes.", FileCategory::others, "" },
        { "cube.stl", FileCategory::threeDModels, std::nullopt },
    });
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
    EXPECT_EQ(text(planOf({})), "0 files will be moved\n");
}

TEST(PreviewPrinterTest, NamesCannotBreakOrForgeLines)
{
    const MoveList plan = planOf({ { "a\nImages\tb\x1B[2J.txt", FileCategory::documents, std::nullopt },
        { "caf\xE9.txt", FileCategory::documents, std::nullopt } });
    EXPECT_EQ(text(plan),
        "2 files will be moved\n"
        "Documents/\n"
        "  a\\nImages\\tb\\x1B[2J.txt\n"
        "  caf\xEF\xBF\xBD.txt\n");
}

} // namespace
