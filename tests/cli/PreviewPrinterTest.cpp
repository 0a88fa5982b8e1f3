#include "PreviewPrinter.h"

#include "PathCodec.h"

#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

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
}

TEST(PreviewPrinterTest, SummaryFollowsThePluralRule)
{
    EXPECT_EQ(text({ folder, {} }), "0 files will be moved\n");
    EXPECT_EQ(text({ folder, { move("a.mp3", FileCategory::audio, "Audio/a.mp3") } }),
        "1 file will be moved\nAudio/\n  a.mp3\n");
}

TEST(PreviewPrinterTest, NamesCannotBreakOrForgeLines)
{
    EXPECT_EQ(PreviewPrinter::displayName("caf\xE9.txt"), "caf\xEF\xBF\xBD.txt");
    EXPECT_EQ(PreviewPrinter::displayName("a\nImages/\tb\x1B[2J.txt"),
        "a\xEF\xBF\xBDImages/\xEF\xBF\xBD"
        "b\xEF\xBF\xBD[2J.txt");
    EXPECT_EQ(PreviewPrinter::displayName("日本語 ok.txt"), "日本語 ok.txt");
}

TEST(PreviewPrinterTest, JsonKeepsPlanOrderRawCategoriesAndExactBytes)
{
    const OrganizationPlan plan { "/data/d\xFFir",
        {
            move("m.obj", FileCategory::threeDModels, "3D Models/OBJ/m.obj", "OBJ"),
            move("README", FileCategory::others, "Others/README", ""),
            move("a.jpg", FileCategory::images, "Images/a.jpg"),
        } };
    std::ostringstream out;
    PreviewPrinter::writeJson(out, plan);
    const Json document = Json::parse(out.str());

    EXPECT_EQ(PathCodec::decode(document.at("folder")).native(), plan.folderURL.native());
    const Json &operations = document.at("operations");
    ASSERT_EQ(operations.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(PathCodec::decode(operations[i].at("source")), plan.operations[i].sourceURL);
        EXPECT_EQ(
            PathCodec::decode(operations[i].at("destination")), plan.operations[i].destinationURL);
    }
    EXPECT_EQ(operations[0].at("category"), "3D Models");
    EXPECT_EQ(operations[0].at("subGroup"), "OBJ");
    // Present but empty is not the same as absent.
    EXPECT_EQ(operations[1].at("subGroup"), "");
    EXPECT_TRUE(operations[2].at("subGroup").is_null());
}

} // namespace
