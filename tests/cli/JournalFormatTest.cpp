#include "JournalFormat.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

Json move(Json source, Json destination)
{
    return Json { { "source", std::move(source) }, { "destination", std::move(destination) } };
}

Json journal(Json operations, Json folder = "/home/ana/Downloads")
{
    return Json { { "version", 1 }, { "folder", std::move(folder) },
        { "operations", std::move(operations) } };
}

TEST(JournalFormatTest, RoundTripsMovesInOrderWithTheirBytes)
{
    UndoRecord record;
    record.folderURL = "/home/ana/Down\xFFloads";
    for (const auto &[source, destination] : std::vector<std::pair<std::string, std::string>> {
             { "b.png", "Images/PNG/b.png" },
             { "a.jpg", "Images/JPG/a (1).jpg" },
             { "README", "Others/README" },
             { "notes.", "Others/notes." },
             { "\xE9t\xE9.mp3", "Audio/\xE9t\xE9.mp3" },
             { "model.stl", "3D Models/model.stl" },
         }) {
        FileMoveOperation operation;
        operation.sourceURL = record.folderURL / source;
        operation.destinationURL = record.folderURL / destination;
        record.operations.push_back(operation);
    }

    const std::string text = JournalFormat::toJson(record).dump(2);
    const UndoRecord read = JournalFormat::fromJson(Json::parse(text));

    EXPECT_EQ(read.folderURL, record.folderURL);
    ASSERT_EQ(read.operations.size(), record.operations.size());
    for (std::size_t i = 0; i < read.operations.size(); ++i) {
        EXPECT_EQ(read.operations[i].sourceURL.native(), record.operations[i].sourceURL.native());
        EXPECT_EQ(read.operations[i].destinationURL.native(),
            record.operations[i].destinationURL.native());
    }
    EXPECT_EQ(read.operations[0].category, FileCategory::images);
    EXPECT_EQ(read.operations[0].subGroup, "PNG");
    EXPECT_EQ(read.operations[2].subGroup, std::nullopt);
    EXPECT_EQ(read.operations[5].category, FileCategory::threeDModels);
}

TEST(JournalFormatTest, AcceptsAnEmptyRecordAndTheRootFolder)
{
    EXPECT_TRUE(JournalFormat::fromJson(journal(Json::array())).operations.empty());
    const UndoRecord root
        = JournalFormat::fromJson(journal(Json::array({ move("/a.jpg", "/Images/a.jpg") }), "/"));
    EXPECT_EQ(root.operations.at(0).sourceURL, "/a.jpg");
}

TEST(JournalFormatTest, RefusesDocumentsThatAreNotVersionOneJournals)
{
    const Json ok = journal(Json::array());
    Json wrongVersion = ok;
    wrongVersion["version"] = 2;
    Json versionAsText = ok;
    versionAsText["version"] = "1";
    Json noVersion = ok;
    noVersion.erase("version");
    Json noFolder = ok;
    noFolder.erase("folder");
    Json noOperations = ok;
    noOperations.erase("operations");
    Json operationsNotList = ok;
    operationsNotList["operations"] = Json::object();

    for (const Json &document :
        { Json::array(), Json("journal"), wrongVersion, versionAsText, noVersion, noFolder,
            noOperations, operationsNotList, journal(Json::array({ Json("a") })),
            journal(Json::array({ Json { { "source", "/home/ana/Downloads/a.jpg" } } })),
            journal(Json::array({ move(7, "/home/ana/Downloads/Images/a.jpg") })),
            journal(Json::array(
                { move("/home/ana/Downloads/a.jpg", Json { { "base64", "%%%%" } }) })) })
        EXPECT_THROW(JournalFormat::fromJson(document), std::invalid_argument) << document.dump();
}

TEST(JournalFormatTest, RefusesFoldersThatAreNotPlainAbsolutePaths)
{
    for (const char *folder : { "", "home/ana", "./ana", "/home/ana/", "/home//ana", "/home/./ana",
             "/home/ana/..", "/home/../etc" })
        EXPECT_THROW(JournalFormat::fromJson(journal(Json::array(), folder)), std::invalid_argument)
            << folder;
}

TEST(JournalFormatTest, RefusesMovesReachingOutsideTheFolder)
{
    const std::string f = "/home/ana/Downloads";
    const std::pair<std::string, std::string> unsafe[] = {
        // Sources must be FOLDER/NAME.
        { "/etc/passwd", f + "/Others/passwd" },
        { f, f + "/Others/x" },
        { f + "/", f + "/Others/x" },
        { f + "/../x.jpg", f + "/Images/x.jpg" },
        { f + "/./x.jpg", f + "/Images/x.jpg" },
        { f + "/sub/x.jpg", f + "/Images/x.jpg" },
        { f + "//x.jpg", f + "/Images/x.jpg" },
        { f + "x/a.jpg", f + "/Images/a.jpg" },
        { "/home/ana/Downloadsx.jpg", f + "/Images/x.jpg" },
        // Destinations must be FOLDER/CATEGORY[/SUB]/NAME.
        { f + "/a.jpg", f + "/a.jpg" },
        { f + "/a.jpg", f + "/Images" },
        { f + "/a.jpg", f + "/Pictures/a.jpg" },
        { f + "/a.jpg", f + "/images/a.jpg" },
        { f + "/a.jpg", f + "/Images/JPG/deep/a.jpg" },
        { f + "/a.jpg", f + "/Images/../a.jpg" },
        { f + "/a.jpg", f + "/Images/../../a.jpg" },
        { f + "/a.jpg", f + "/Images/./a.jpg" },
        { f + "/a.jpg", f + "/Images/JPG/.." },
        { f + "/a.jpg", f + "/Images//a.jpg" },
        { f + "/a.jpg", f + "/Images/a.jpg/" },
        { f + "/a.jpg", "/tmp/Images/a.jpg" },
    };
    for (const auto &[source, destination] : unsafe) {
        EXPECT_THROW(JournalFormat::fromJson(journal(Json::array({ move(source, destination) }))),
            std::invalid_argument)
            << source << " -> " << destination;
    }
}

} // namespace
