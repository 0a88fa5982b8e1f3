#include "EngineTestSupport.h"

#include <set>
#include <sys/stat.h>

using PlanBuildingTest = EngineTest;

TEST_F(PlanBuildingTest, PlansOnlyVisibleRegularFilesAtTheTopAndTouchesNothing)
{
    EXPECT_TRUE(plan().moves.empty());
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
    ASSERT_EQ(result.operations().size(), 2u);
    EXPECT_EQ(targetOf(result, "real.jpg"), "Images/real.jpg");
    EXPECT_EQ(targetOf(result, "song.mp3"), "Audio/song.mp3");
    for (const FileMoveOperation &operation : result.operations()) {
        EXPECT_EQ(operation.sourceURL, m_dir / operation.sourceURL.filename());
        EXPECT_EQ(operation.destinationURL.parent_path().filename(), operation.category.folder);
    }
    EXPECT_EQ(describeDifference(before, snapshotTree(m_dir.path())), "");
}

// Whether a move has a sub-group of its own or of the empty extension is checked
// where it shows, in the CLI's JSON preview.
TEST_F(PlanBuildingTest, SubGroupsOnlyWhenACategoryHoldsSeveralExtensions)
{
    const std::vector<std::vector<std::pair<std::string, std::string>>> cases {
        // Extensions differing only in case are one value.
        { { "a.jpg", "Images/a.jpg" }, { "b.JPG", "Images/b.JPG" } },
        { { "c.Jpg", "Images/JPG/c.Jpg" }, { "b.png", "Images/PNG/b.png" },
            { "report.pdf", "Documents/report.pdf" },
            { "archive.tar.gz", "Archives/archive.tar.gz" } },
        { { "a.stra\u00dfe", "Others/STRASSE/a.stra\u00dfe" }, { "b.xyz", "Others/XYZ/b.xyz" } },
        // The empty extension is a sub-group of its own, yet adds no folder level.
        { { "x.qqq", "Others/QQQ/x.qqq" }, { "README", "Others/README" } },
        // A name ending in a dot has an empty extension too; names need not be UTF-8.
        { { "notes.", "Others/notes." }, { "Images", "Others/Images" },
            { "\xff\xfe", "Others/\xff\xfe" }, { "caf\xe9.jpg", "Images/caf\xe9.jpg" } },
    };
    for (const auto &files : cases) {
        TempDir dir;
        for (const auto &file : files)
            writeFile(dir / file.first);
        const OrganizationPlan result = m_service.buildPlan(dir.path());
        EXPECT_EQ(result.operations().size(), files.size());
        for (const auto &[name, destination] : files)
            EXPECT_EQ(targetOf(result, name), destination) << name;
    }
}

TEST_F(PlanBuildingTest, TakenNamesGetTheFirstFreeNumber)
{
    // Any entry takes a name: a dangling link, a folder, a name that is not UTF-8.
    fs::create_directories(m_dir / "Images/JPG/photo (1).jpg");
    fs::create_symlink("nowhere", m_dir / "Images/JPG/photo.jpg");
    for (const char *name : { "Images/JPG/IMG.JPG", "Images/JPG/caf\xe9.jpg", "Others/README",
             "Others/notes.", "Archives/backup.tar.gz" })
        writeFile(m_dir / name, "old");
    writeFiles(m_dir.path(),
        { "photo.jpg", "photo (1).jpg", "IMG.JPG", "caf\xe9.jpg", "shot.png", "README", "notes.",
            "backup.tar.gz" });

    const OrganizationPlan result = plan();
    const std::pair<const char *, const char *> expected[] {
        { "photo.jpg", "Images/JPG/photo (2).jpg" },
        // A number in the name is part of it, never counted on.
        { "photo (1).jpg", "Images/JPG/photo (1) (1).jpg" },
        { "IMG.JPG", "Images/JPG/IMG (1).JPG" },
        { "caf\xe9.jpg", "Images/JPG/caf\xe9 (1).jpg" },
        { "shot.png", "Images/PNG/shot.png" },
        { "README", "Others/README (1)" },
        { "notes.", "Others/notes. (1)" },
        { "backup.tar.gz", "Archives/backup.tar (1).gz" },
    };
    for (const auto &[name, destination] : expected)
        EXPECT_EQ(targetOf(result, name), destination) << name;
    EXPECT_EQ(execute(result).size(), std::size(expected));
    EXPECT_EQ(readFile(m_dir / "Images/JPG/IMG.JPG"), "old");
    EXPECT_TRUE(fs::is_symlink(m_dir / "Images/JPG/photo.jpg"));
}

TEST_F(PlanBuildingTest, NoTwoMovesArePromisedOneNameAndBothMove)
{
    writeFile(m_dir / "Images/photo.jpg", "old");
    writeFiles(m_dir.path(), { "photo.jpg", "photo (1).jpg", "photo (2).jpg" });
    const OrganizationPlan result = plan();
    // Plan order follows the listing; whichever comes first has the lower number.
    const std::set<std::string> destinations { targetOf(result, "photo.jpg"),
        targetOf(result, "photo (1).jpg"), targetOf(result, "photo (2).jpg") };
    EXPECT_EQ(destinations.size(), 3u);
    EXPECT_FALSE(destinations.contains("Images/photo.jpg"));

    EXPECT_EQ(execute(result).size(), 3u);
    EXPECT_TRUE(m_skips.empty());
    for (const char *name : { "photo.jpg", "photo (1).jpg", "photo (2).jpg" })
        EXPECT_EQ(readFile(m_dir / targetOf(result, name)), name);
    EXPECT_EQ(readFile(m_dir / "Images/photo.jpg"), "old");
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
    writeFiles(m_dir.path(), { "x.part.txt", "aria2" });

    Names planned;
    const OrganizationPlan result = plan();
    for (const FileMoveOperation &operation : result.operations())
        planned.push_back(operation.sourceURL.filename().string());
    std::sort(planned.begin(), planned.end());
    EXPECT_EQ(planned, (Names { "aria2", "empty.txt", "tool.deb", "x.part.txt" }));
}
