#include "EngineTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <tuple>

namespace fs = std::filesystem;
using testing::HasSubstr;

using PlanBuildingTest = EngineTest;

TEST_F(PlanBuildingTest, PlansOnlyVisibleRegularFilesAtTheTopAndTouchesNothing)
{
    EXPECT_TRUE(plan().operations.empty());

    writeFiles(m_dir.path(), { "real.jpg", "song.mp3", ".hidden.jpg", ".env" });
    writeFile(m_dir / "Inner/deep.pdf");
    writeFile(m_dir / "Images/old.jpg"); // an earlier run's folder
    fs::create_symlink("real.jpg", m_dir / "link.jpg");
    fs::create_symlink("gone.jpg", m_dir / "dangling.jpg");
    fs::create_directory(m_dir / "folder.jpg");
    ASSERT_EQ(::mkfifo((m_dir / "pipe.mp3").c_str(), 0600), 0);
    const TreeSnapshot before = snapshotTree(m_dir.path());

    const OrganizationPlan result = plan();
    EXPECT_EQ(result.folderURL, m_dir.path());
    ASSERT_EQ(result.operations.size(), 2u);
    EXPECT_EQ(targetOf(result, "real.jpg"), Target("Images/real.jpg", std::nullopt));
    EXPECT_EQ(targetOf(result, "song.mp3"), Target("Audio/song.mp3", std::nullopt));
    EXPECT_EQ(requireMove(result, "real.jpg").sourceURL, m_dir / "real.jpg");
    EXPECT_EQ(requireMove(result, "real.jpg").category, FileCategory::images);
    EXPECT_EQ(describeDifference(before, snapshotTree(m_dir.path())), "");
}

TEST_F(PlanBuildingTest, SubGroupsOnlyWhenACategoryHoldsSeveralExtensions)
{
    const std::string strasse = "a.stra\xc3\x9f"
                                "e";
    struct Case
    {
        Names files;
        std::vector<std::tuple<std::string, std::string, std::optional<std::string>>> expected;
    };
    const Case cases[] {
        // Extensions differing only in case are one value.
        { { "a.jpg", "b.JPG", "clip.ts", "clip2.TS" },
            { { "b.JPG", "Images/b.JPG", std::nullopt },
                { "clip2.TS", "Code/clip2.TS", std::nullopt } } },
        { { "a.jpg", "c.Jpg", "b.png", "report.pdf", "archive.tar.gz" },
            { { "c.Jpg", "Images/JPG/c.Jpg", "JPG" }, { "b.png", "Images/PNG/b.png", "PNG" },
                { "report.pdf", "Documents/report.pdf", std::nullopt },
                { "archive.tar.gz", "Archives/archive.tar.gz", std::nullopt } } },
        { { strasse, "b.xyz" },
            { { strasse, "Others/STRASSE/" + strasse, "STRASSE" },
                { "b.xyz", "Others/XYZ/b.xyz", "XYZ" } } },
        // The empty extension counts as a sub-group of its own, yet adds no folder level.
        { { "x.qqq", "README" },
            { { "x.qqq", "Others/QQQ/x.qqq", "QQQ" }, { "README", "Others/README", "" } } },
        // A name ending in a dot has an empty extension too; names need not be UTF-8.
        { { "README", "notes.", "Images", "\xff\xfe", "caf\xe9.jpg" },
            { { "notes.", "Others/notes.", std::nullopt },
                { "Images", "Others/Images", std::nullopt },
                { "\xff\xfe", "Others/\xff\xfe", std::nullopt },
                { "caf\xe9.jpg", "Images/caf\xe9.jpg", std::nullopt } } },
    };
    for (const Case &c : cases) {
        TempDir dir;
        for (const std::string &name : c.files)
            writeFile(dir / name);
        const OrganizationPlan result = m_service.buildPlan(dir.path());
        EXPECT_EQ(result.operations.size(), c.files.size());
        for (const auto &[name, destination, subGroup] : c.expected)
            EXPECT_EQ(targetOf(result, name), Target(destination, subGroup)) << name;
    }
}

TEST_F(PlanBuildingTest, TakenNamesGetTheFirstFreeNumberFollowingTheNameRules)
{
    // Any entry takes a name: a dangling link, a folder, a name that is not UTF-8.
    fs::create_directories(m_dir / "Images/JPG/photo (1).jpg");
    fs::create_symlink("nowhere", m_dir / "Images/JPG/photo.jpg");
    for (const char *name : { "Images/JPG/IMG.JPG", "Images/JPG/caf\xe9.jpg", "Others/README",
             "Others/notes.", "Archives/backup.tar.gz" })
        writeFile(m_dir / name, "old");
    writeFiles(m_dir.path(),
        { "photo.jpg", "IMG.JPG", "caf\xe9.jpg", "shot.png", "README", "notes.", "backup.tar.gz" });

    const OrganizationPlan result = plan();
    const std::pair<const char *, const char *> expected[] {
        { "photo.jpg", "Images/JPG/photo (2).jpg" },
        { "IMG.JPG", "Images/JPG/IMG (1).JPG" },
        { "caf\xe9.jpg", "Images/JPG/caf\xe9 (1).jpg" },
        { "shot.png", "Images/PNG/shot.png" },
        { "README", "Others/README (1)" },
        { "notes.", "Others/notes. (1)" },
        { "backup.tar.gz", "Archives/backup.tar (1).gz" },
    };
    for (const auto &[name, destination] : expected)
        EXPECT_EQ(targetOf(result, name).first, destination) << name;
    EXPECT_EQ(m_service.uniqueDestination(m_dir / "Images/free.jpg"), m_dir / "Images/free.jpg");
    EXPECT_EQ(m_service.uniqueDestination(m_dir / "Missing/a.jpg"), m_dir / "Missing/a.jpg");

    EXPECT_EQ(organize().size(), std::size(expected));
    EXPECT_EQ(readFile(m_dir / "Images/JPG/caf\xe9 (1).jpg"), "caf\xe9.jpg");
    EXPECT_EQ(readFile(m_dir / "Images/JPG/IMG.JPG"), "old");
    EXPECT_TRUE(fs::is_symlink(m_dir / "Images/JPG/photo.jpg"));
}

TEST_F(PlanBuildingTest, TwoMovesCanShareADestinationAndTheFirstInPlanOrderWins)
{
    writeFile(m_dir / "Images/photo.jpg", "old");
    writeFiles(m_dir.path(), { "photo.jpg", "photo (1).jpg" });
    const OrganizationPlan result = plan();
    EXPECT_EQ(targetOf(result, "photo.jpg").first, "Images/photo (1).jpg");
    EXPECT_EQ(targetOf(result, "photo (1).jpg").first, "Images/photo (1).jpg");

    const auto executed = m_service.executePlan(result);
    ASSERT_EQ(executed.size(), 1u);
    EXPECT_EQ(executed[0].id, result.operations[0].id);
    const std::string winner = result.operations[0].sourceURL.filename().string();
    const std::string loser = result.operations[1].sourceURL.filename().string();
    ASSERT_EQ(m_skips.names(), Names { loser });
    EXPECT_THAT(m_skips.entries()[0].second, HasSubstr("\"photo (1).jpg\" already exists"));
    EXPECT_EQ(readFile(m_dir / loser), loser);
    EXPECT_EQ(readFile(m_dir / "Images/photo (1).jpg"), winner);
    EXPECT_EQ(readFile(m_dir / "Images/photo.jpg"), "old");
}

TEST_F(PlanBuildingTest, FolderThatCannotBeListedIsAnErrorNamingFolderAndReason)
{
    writeFile(m_dir / "plain.txt");
    const std::pair<fs::path, int> cases[] { { m_dir / "x/y", ENOENT },
        { m_dir / "plain.txt", ENOTDIR }, { m_dir.path(), EACCES } };
    m_fileSystem->failCall(Op::listFolder, 1, EACCES); // injected: the tests run as root
    for (const auto &[folder, code] : cases) {
        const FileSystemError error = errorFrom([&] { m_service.buildPlan(folder); });
        EXPECT_EQ(error.code(), code);
        EXPECT_THAT(error.description(), HasSubstr(folder.string()));
        EXPECT_THAT(error.description(), HasSubstr(std::strerror(code)));
    }
    // The fault was a single call: the next scan works.
    EXPECT_EQ(plan().operations.size(), 1u);
}

TEST_F(PlanBuildingTest, DownloadsInProgressAreNeverPlanned)
{
    const Names inProgress { "movie.mp4.part", "setup.exe.crdownload", "a.zip.partial",
        "b.pdf.download", "c.iso.opdownload", "d.mkv.!qB", "e.mp3.PART", "f.tar.Crdownload",
        "big.iso", "big.iso.aria2", "song.mp3.part", "tool.deb.part" };
    for (const std::string &name : inProgress)
        writeFile(m_dir / name, name);
    // The browser's empty placeholder at the final name, beside its partial file.
    writeFile(m_dir / "song.mp3");
    // Not placeholders: a file with content, and an empty file without a partial one.
    writeFile(m_dir / "tool.deb", "an older download");
    writeFile(m_dir / "empty.txt");
    writeFiles(m_dir.path(), { "partial.txt", "x.part.txt", "aria2", "part" });

    Names planned;
    for (const FileMoveOperation &operation : plan().operations)
        planned.push_back(operation.sourceURL.filename().string());
    std::sort(planned.begin(), planned.end());
    EXPECT_EQ(
        planned, (Names { "aria2", "empty.txt", "part", "partial.txt", "tool.deb", "x.part.txt" }));

    EXPECT_EQ(organize().size(), 6u);
    for (const std::string &name : inProgress)
        EXPECT_EQ(readFile(m_dir / name), name);
    EXPECT_TRUE(fs::is_regular_file(m_dir / "song.mp3"));
}
