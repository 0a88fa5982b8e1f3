#include "EngineTestSupport.h"
#include "FaultInjectingFileSystem.h"
#include "FileSystemError.h"
#include "PosixFileSystem.h"
#include "TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <tuple>

namespace fs = std::filesystem;
using testing::HasSubstr;

namespace {

class PlanBuildingTest : public testing::Test
{
protected:
    OrganizationPlan plan() const { return m_service.buildPlan(m_dir.path()); }

    // Destination (relative to the folder) and sub-group of the move of `name`.
    std::pair<std::string, std::optional<std::string>> target(
        const OrganizationPlan &plan, const std::string &name) const
    {
        const FileMoveOperation &operation = requireMove(plan, name);
        return { relativePath(m_dir.path(), operation.destinationURL), operation.subGroup };
    }

    TempDir m_dir;
    FileOrganizerService m_service;
};

using Target = std::pair<std::string, std::optional<std::string>>;

} // namespace

TEST_F(PlanBuildingTest, FolderWithNothingToMoveGivesAnEmptyPlan)
{
    EXPECT_TRUE(plan().operations.empty());
    EXPECT_EQ(plan().folderURL, m_dir.path());

    fs::create_directory(m_dir / "Stuff");
    writeFile(m_dir / "Images/old.jpg", "old"); // an earlier run's folder
    writeFile(m_dir / ".hidden.jpg");
    writeFile(m_dir / ".env");
    writeFile(m_dir / ".git/config");
    const TreeSnapshot before = snapshotTree(m_dir.path());
    EXPECT_TRUE(plan().operations.empty());
    EXPECT_EQ(describeDifference(before, snapshotTree(m_dir.path())), "");
}

TEST_F(PlanBuildingTest, OneMovePerTopLevelFileAndNothingIsTouched)
{
    writeFile(m_dir / "a.jpg", "A");
    writeFile(m_dir / "song.mp3");
    writeFile(m_dir / "main.cpp");
    writeFile(m_dir / "Inner/deep.pdf");
    const TreeSnapshot before = snapshotTree(m_dir.path());

    const OrganizationPlan result = plan();
    EXPECT_EQ(result.folderURL, m_dir.path());
    ASSERT_EQ(result.operations.size(), 3u);
    EXPECT_EQ(target(result, "a.jpg"), Target("Images/a.jpg", std::nullopt));
    EXPECT_EQ(target(result, "song.mp3"), Target("Audio/song.mp3", std::nullopt));
    EXPECT_EQ(target(result, "main.cpp"), Target("Code/main.cpp", std::nullopt));
    EXPECT_EQ(requireMove(result, "a.jpg").category, FileCategory::images);
    EXPECT_EQ(requireMove(result, "a.jpg").sourceURL, m_dir / "a.jpg");
    EXPECT_EQ(moveOf(result, "deep.pdf"), nullptr);
    EXPECT_EQ(describeDifference(before, snapshotTree(m_dir.path())), "");
}

TEST_F(PlanBuildingTest, ExtensionsDifferingOnlyInCaseShareTheCategoryFolder)
{
    writeFile(m_dir / "a.jpg");
    writeFile(m_dir / "b.JPG");
    writeFile(m_dir / "clip.ts");
    writeFile(m_dir / "clip2.TS");
    const OrganizationPlan result = plan();
    EXPECT_EQ(target(result, "a.jpg"), Target("Images/a.jpg", std::nullopt));
    EXPECT_EQ(target(result, "b.JPG"), Target("Images/b.JPG", std::nullopt));
    EXPECT_EQ(target(result, "clip.ts"), Target("Code/clip.ts", std::nullopt));
    EXPECT_EQ(target(result, "clip2.TS"), Target("Code/clip2.TS", std::nullopt));
}

TEST_F(PlanBuildingTest, SeveralExtensionsInACategoryGiveUpperCaseSubGroups)
{
    writeFile(m_dir / "a.jpg");
    writeFile(m_dir / "b.png");
    writeFile(m_dir / "c.Jpg");
    writeFile(m_dir / "report.pdf"); // alone in its category: no sub-group
    writeFile(m_dir / "archive.tar.gz");
    const OrganizationPlan result = plan();
    EXPECT_EQ(target(result, "a.jpg"), Target("Images/JPG/a.jpg", "JPG"));
    EXPECT_EQ(target(result, "c.Jpg"), Target("Images/JPG/c.Jpg", "JPG"));
    EXPECT_EQ(target(result, "b.png"), Target("Images/PNG/b.png", "PNG"));
    EXPECT_EQ(target(result, "report.pdf"), Target("Documents/report.pdf", std::nullopt));
    EXPECT_EQ(target(result, "archive.tar.gz"), Target("Archives/archive.tar.gz", std::nullopt));
}

TEST_F(PlanBuildingTest, SubGroupsUseFullUnicodeUpperCase)
{
    writeFile(m_dir
        / "a.stra\xc3\x9f"
          "e"); // "straße"
    writeFile(m_dir / "b.xyz");
    const OrganizationPlan result = plan();
    EXPECT_EQ(target(result,
                  "a.stra\xc3\x9f"
                  "e"),
        Target("Others/STRASSE/a.stra\xc3\x9f"
               "e",
            "STRASSE"));
    EXPECT_EQ(target(result, "b.xyz"), Target("Others/XYZ/b.xyz", "XYZ"));
}

TEST_F(PlanBuildingTest, FileWithoutExtensionBesideAnotherExtensionLandsDirectlyInOthers)
{
    writeFile(m_dir / "x.qqq");
    writeFile(m_dir / "README");
    const OrganizationPlan result = plan();
    EXPECT_EQ(target(result, "x.qqq"), Target("Others/QQQ/x.qqq", "QQQ"));
    // Present but empty: counted as a sub-group of its own, yet no folder level.
    EXPECT_EQ(target(result, "README"), Target("Others/README", ""));
}

TEST_F(PlanBuildingTest, EmptyExtensionsCountAsOneValue)
{
    writeFile(m_dir / "README");
    writeFile(m_dir / "Makefile");
    writeFile(m_dir / "notes."); // ends in a dot: empty extension as well
    const OrganizationPlan result = plan();
    EXPECT_EQ(target(result, "README"), Target("Others/README", std::nullopt));
    EXPECT_EQ(target(result, "Makefile"), Target("Others/Makefile", std::nullopt));
    EXPECT_EQ(target(result, "notes."), Target("Others/notes.", std::nullopt));
}

TEST_F(PlanBuildingTest, TakenNamesGetTheFirstFreeNumberKeepingExtensionCase)
{
    writeFile(m_dir / "Images/photo.jpg", "old");
    writeFile(m_dir / "photo.jpg");
    EXPECT_EQ(target(plan(), "photo.jpg"), Target("Images/photo (1).jpg", std::nullopt));

    writeFile(m_dir / "Images/photo (1).jpg", "old too");
    EXPECT_EQ(target(plan(), "photo.jpg"), Target("Images/photo (2).jpg", std::nullopt));

    fs::remove(m_dir / "photo.jpg");
    writeFile(m_dir / "Images/JPG/IMG.JPG");
    writeFile(m_dir / "IMG.JPG");
    writeFile(m_dir / "shot.png");
    const OrganizationPlan grouped = plan();
    EXPECT_EQ(target(grouped, "IMG.JPG"), Target("Images/JPG/IMG (1).JPG", "JPG"));
    EXPECT_EQ(target(grouped, "shot.png"), Target("Images/PNG/shot.png", "PNG"));
}

TEST_F(PlanBuildingTest, NumberingFollowsNameRulesForOddNames)
{
    for (const char *name : { "README", "notes.", "backup.tar.gz" }) {
        writeFile(m_dir / name);
        writeFile(m_dir / "Archives" / name);
        writeFile(m_dir / "Others" / name);
    }
    const OrganizationPlan result = plan();
    EXPECT_EQ(target(result, "README").first, "Others/README (1)");
    EXPECT_EQ(target(result, "notes.").first, "Others/notes. (1)");
    EXPECT_EQ(target(result, "backup.tar.gz").first, "Archives/backup.tar (1).gz");
}

TEST_F(PlanBuildingTest, AnyEntryMakesANameTakenEvenADanglingLink)
{
    fs::create_directories(m_dir / "Images");
    fs::create_symlink("nowhere", m_dir / "Images/photo.jpg");
    fs::create_directory(m_dir / "Images/photo (1).jpg");
    writeFile(m_dir / "photo.jpg");
    EXPECT_EQ(target(plan(), "photo.jpg").first, "Images/photo (2).jpg");

    EXPECT_EQ(
        m_service.uniqueDestination(m_dir / "Images/photo.jpg"), m_dir / "Images/photo (2).jpg");
    EXPECT_EQ(m_service.uniqueDestination(m_dir / "Images/free.jpg"), m_dir / "Images/free.jpg");
    EXPECT_EQ(m_service.uniqueDestination(m_dir / "Missing/free.jpg"), m_dir / "Missing/free.jpg");
}

TEST_F(PlanBuildingTest, TwoMovesCanShareADestination)
{
    writeFile(m_dir / "Images/photo.jpg", "old");
    writeFile(m_dir / "photo.jpg", "first");
    writeFile(m_dir / "photo (1).jpg", "second");
    const OrganizationPlan result = plan();
    EXPECT_EQ(target(result, "photo.jpg").first, "Images/photo (1).jpg");
    EXPECT_EQ(target(result, "photo (1).jpg").first, "Images/photo (1).jpg");

    // Carried out, the first in plan order wins and the other is reported and stays.
    SkipLog skips;
    skips.attachTo(m_service);
    const auto executed = m_service.executePlan(result);
    ASSERT_EQ(executed.size(), 1u);
    EXPECT_EQ(executed[0].id, result.operations[0].id);
    const std::string loser = result.operations[1].sourceURL.filename().string();
    ASSERT_EQ(skips.names(), std::vector<std::string> { loser });
    EXPECT_THAT(skips.entries()[0].second, HasSubstr("\"photo (1).jpg\""));
    EXPECT_THAT(skips.entries()[0].second, HasSubstr("already exists"));
    EXPECT_TRUE(entryExists(m_dir / loser));
    EXPECT_EQ(readFile(m_dir / "Images/photo.jpg"), "old");
    EXPECT_EQ(readFile(m_dir / "Images/photo (1).jpg"), loser == "photo.jpg" ? "second" : "first");
}

TEST_F(PlanBuildingTest, OnlyRegularFilesArePlanned)
{
    writeFile(m_dir / "real.jpg");
    fs::create_symlink("real.jpg", m_dir / "link.jpg");
    fs::create_symlink("gone.jpg", m_dir / "dangling.jpg");
    fs::create_directory(m_dir / "folder.jpg");
    fs::create_directory_symlink(m_dir / "folder.jpg", m_dir / "folderlink");
    ASSERT_EQ(::mkfifo((m_dir / "pipe.mp3").c_str(), 0600), 0);
    const OrganizationPlan result = plan();
    ASSERT_EQ(result.operations.size(), 1u);
    EXPECT_EQ(result.operations[0].sourceURL, m_dir / "real.jpg");
}

TEST_F(PlanBuildingTest, FileNamedLikeACategoryIsPlannedIntoOthers)
{
    writeFile(m_dir / "Images", "a file, not a folder");
    writeFile(m_dir / "photo.jpg");
    const OrganizationPlan result = plan();
    EXPECT_EQ(target(result, "Images"), Target("Others/Images", std::nullopt));
    EXPECT_EQ(target(result, "photo.jpg"), Target("Images/photo.jpg", std::nullopt));
}

TEST_F(PlanBuildingTest, NamesThatAreNotUtf8ArePlannedAsBytes)
{
    writeFile(m_dir / "caf\xe9.jpg");
    writeFile(m_dir / "\xff\xfe");
    const OrganizationPlan result = plan();
    EXPECT_EQ(target(result, "caf\xe9.jpg"), Target("Images/caf\xe9.jpg", std::nullopt));
    EXPECT_EQ(target(result, "\xff\xfe"), Target("Others/\xff\xfe", std::nullopt));
}

TEST_F(PlanBuildingTest, RebuildingGivesTheSameMovesWithNewIds)
{
    for (const char *name : { "a.jpg", "b.png", "c.pdf", "README", "x.qqq" })
        writeFile(m_dir / name);
    const OrganizationPlan first = plan();
    const OrganizationPlan second = plan();
    using Key = std::tuple<std::string, std::string, FileCategory, std::optional<std::string>>;
    auto keys = [](const OrganizationPlan &p) {
        std::set<Key> result;
        for (const FileMoveOperation &o : p.operations)
            result.emplace(o.sourceURL.string(), o.destinationURL.string(), o.category, o.subGroup);
        return result;
    };
    EXPECT_EQ(keys(first), keys(second));
    std::set<std::string> ids;
    for (const OrganizationPlan *p : { &first, &second }) {
        for (const FileMoveOperation &o : p->operations) {
            EXPECT_FALSE(o.id.isNull());
            ids.insert(o.id.toString());
        }
    }
    EXPECT_EQ(ids.size(), 10u);
}

TEST_F(PlanBuildingTest, CategoryGroupsAreContiguousInListingOrder)
{
    for (const char *name :
        { "a.jpg", "b.pdf", "c.jpg", "d.txt", "e.jpg", "f.mp3", "g.png", "h.pdf" })
        writeFile(m_dir / name);
    std::vector<DirectoryEntry> listing;
    ASSERT_EQ(PosixFileSystem().listFolder(m_dir.path(), listing), 0);

    const OrganizationPlan result = plan();
    ASSERT_EQ(result.operations.size(), 8u);
    std::vector<FileCategory> seen;
    std::map<FileCategory, std::vector<std::string>> byCategory;
    for (const FileMoveOperation &operation : result.operations) {
        if (seen.empty() || seen.back() != operation.category) {
            EXPECT_EQ(std::count(seen.begin(), seen.end(), operation.category), 0)
                << "category group split: " << rawValue(operation.category);
            seen.push_back(operation.category);
        }
        byCategory[operation.category].push_back(operation.sourceURL.filename().string());
    }
    for (const auto &[category, names] : byCategory) {
        std::vector<std::string> listed;
        for (const DirectoryEntry &entry : listing) {
            if (requireMove(result, entry.name).category == category)
                listed.push_back(entry.name);
        }
        EXPECT_EQ(names, listed) << rawValue(category);
    }
}

TEST_F(PlanBuildingTest, FolderThatCannotBeListedIsAnError)
{
    const fs::path missing = m_dir / "x/y";
    try {
        m_service.buildPlan(missing);
        FAIL() << "no error for a missing folder";
    } catch (const FileSystemError &error) {
        EXPECT_EQ(error.code(), ENOENT);
        EXPECT_THAT(error.description(), HasSubstr(missing.string()));
        EXPECT_THAT(error.description(), HasSubstr(std::strerror(ENOENT)));
    }

    writeFile(m_dir / "plain.txt");
    try {
        m_service.buildPlan(m_dir / "plain.txt");
        FAIL() << "no error for a file given as the folder";
    } catch (const FileSystemError &error) {
        EXPECT_EQ(error.code(), ENOTDIR);
        EXPECT_THAT(error.description(), HasSubstr("plain.txt"));
    }
}

TEST_F(PlanBuildingTest, UnreadableFolderIsAnErrorNamingFolderAndReason)
{
    writeFile(m_dir / "a.jpg");
    auto fileSystem = std::make_shared<FaultInjectingFileSystem>();
    fileSystem->failCall(FaultInjectingFileSystem::Operation::listFolder, 1, EACCES);
    FileOrganizerService service(fileSystem);
    try {
        service.buildPlan(m_dir.path());
        FAIL() << "no error for an unreadable folder";
    } catch (const FileSystemError &error) {
        EXPECT_EQ(error.code(), EACCES);
        EXPECT_THAT(error.description(), HasSubstr(m_dir.path().string()));
        EXPECT_THAT(error.description(), HasSubstr(std::strerror(EACCES)));
    }
    // The fault was a single call: the next scan works.
    EXPECT_EQ(service.buildPlan(m_dir.path()).operations.size(), 1u);
}
