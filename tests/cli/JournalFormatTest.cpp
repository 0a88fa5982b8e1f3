#include "JournalFormat.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

const std::string f = "/home/ana/Downloads";

Json journal(const std::string &source, const std::string &destination, Json folder = f)
{
    return Json { { "version", 1 }, { "folder", std::move(folder) },
        { "operations",
            Json::array({ Json { { "source", source }, { "destination", destination } } }) } };
}

// Writing and reading back whole journals is proven end to end; here, what is read.
TEST(JournalFormatTest, ReadsCategoryAndSubGroupFromTheDestination)
{
    const UndoRecord record
        = JournalFormat::fromJson(journal(f + "/b.png", f + "/Images/PNG/b.png"));
    ASSERT_EQ(record.operations.size(), 1u);
    EXPECT_EQ(record.operations[0].category, FileCategory::images);
    EXPECT_EQ(record.operations[0].subGroup, "PNG");
    EXPECT_EQ(JournalFormat::fromJson(journal(f + "/c.stl", f + "/3D Models/c (1).stl"))
                  .operations[0]
                  .subGroup,
        std::nullopt);
    // The root folder is the one folder whose prefix has no extra slash.
    EXPECT_EQ(
        JournalFormat::fromJson(journal("/a.jpg", "/Images/a.jpg", "/")).operations.size(), 1u);
}

TEST(JournalFormatTest, RefusesDocumentsThatAreNotVersionOneJournals)
{
    const Json ok = journal(f + "/a.jpg", f + "/Images/a.jpg");
    std::vector<Json> bad { Json::array(), Json("journal") };
    for (const auto &[key, value] :
        std::vector<std::pair<std::string, Json>> { { "version", 2 }, { "version", "1" },
            { "operations", Json::object() }, { "operations", Json::array({ "a" }) },
            { "operations", Json::array({ Json { { "source", f + "/a.jpg" } } }) } }) {
        bad.push_back(ok);
        bad.back()[key] = value;
    }
    for (const char *key : { "version", "folder", "operations" }) {
        bad.push_back(ok);
        bad.back().erase(key);
    }
    bad.push_back(ok);
    bad.back()["operations"][0]["destination"] = Json { { "base64", "%%%%" } };

    for (const Json &document : bad)
        EXPECT_THROW(JournalFormat::fromJson(document), std::invalid_argument) << document.dump();
}

TEST(JournalFormatTest, RefusesPathsReachingOutsideTheFolder)
{
    for (const char *folder :
        { "", "home/ana", "/home/ana/", "/home//ana", "/home/./ana", "/home/../etc" })
        EXPECT_THROW(
            JournalFormat::fromJson(journal("/home/ana/a.jpg", "/home/ana/Images/a.jpg", folder)),
            std::invalid_argument)
            << folder;

    const std::pair<std::string, std::string> unsafe[] = {
        // Sources must be FOLDER/NAME.
        { "/etc/passwd", f + "/Others/passwd" },
        { f, f + "/Others/x" },
        { f + "/", f + "/Others/x" },
        { f + "/../x.jpg", f + "/Images/x.jpg" },
        { f + "/sub/x.jpg", f + "/Images/x.jpg" },
        { f + "//x.jpg", f + "/Images/x.jpg" },
        { f + "x.jpg", f + "/Images/x.jpg" },
        // Destinations must be FOLDER/CATEGORY[/SUB]/NAME.
        { f + "/a.jpg", f + "/a.jpg" },
        { f + "/a.jpg", f + "/Images" },
        { f + "/a.jpg", f + "/images/a.jpg" },
        { f + "/a.jpg", f + "/Images/JPG/deep/a.jpg" },
        { f + "/a.jpg", f + "/Images/../../a.jpg" },
        { f + "/a.jpg", f + "/Images/./a.jpg" },
        { f + "/a.jpg", f + "/Images/JPG/.." },
        { f + "/a.jpg", f + "/Images//a.jpg" },
        { f + "/a.jpg", f + "/Images/a.jpg/" },
        { f + "/a.jpg", "/tmp/Images/a.jpg" },
    };
    for (const auto &[source, destination] : unsafe)
        EXPECT_THROW(JournalFormat::fromJson(journal(source, destination)), std::invalid_argument)
            << source << " -> " << destination;
}

} // namespace
