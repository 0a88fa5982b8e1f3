#include "EngineTestSupport.h"
#include "UndoService.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using testing::HasSubstr;

namespace {

using UndoTest = EngineTest;

void setTimes(const fs::path &path, long long seconds, long nanoseconds)
{
    const timespec times[2] { { seconds, nanoseconds }, { seconds, nanoseconds } };
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

} // namespace

TEST_F(UndoTest, OrganizeThenUndoGivesBackTheExactTree)
{
    writeFile(m_dir / "caf\xe9.jpg", "jpeg bytes");
    writeFile(m_dir / "\xff\xfe", "no extension, not UTF-8");
    writeFiles(m_dir.path(),
        { "shot.PNG", "notes.", "run.sh", "report.pdf", ".hidden.jpg", "Projects/inner.jpg" });
    fs::create_directory(m_dir / "Empty Stuff");
    fs::create_symlink("report.pdf", m_dir / "link.pdf");
    ::chmod((m_dir / "run.sh").c_str(), 0755);
    ::chmod((m_dir / "report.pdf").c_str(), 0444);
    ::chmod((m_dir / "caf\xe9.jpg").c_str(), 0600);
    setTimes(m_dir / "caf\xe9.jpg", 1000000000, 123456789);
    setTimes(m_dir / "\xff\xfe", 1200000000, 1);
    setTimes(m_dir / "report.pdf", 946684800, 0);
    const TreeSnapshot before = snapshotTree(m_dir.path());

    const auto executed = organize();
    EXPECT_EQ(executed.size(), 6u);
    EXPECT_TRUE(m_skips.entries().empty());
    EXPECT_EQ(readFile(m_dir / "Images/JPG/caf\xe9.jpg"), "jpeg bytes");
    EXPECT_EQ(readFile(m_dir / "Others/\xff\xfe"), "no extension, not UTF-8");

    m_service.undoOperations(executed);
    // The category folder with sub-groups stays with its (now empty) sub-groups;
    // everything else is exactly as before.
    EXPECT_TRUE(isEmptyFolder(m_dir / "Images/JPG"));
    EXPECT_TRUE(isEmptyFolder(m_dir / "Images/PNG"));
    TreeSnapshot after = snapshotTree(m_dir.path());
    for (const char *leftover : { "Images", "Images/JPG", "Images/PNG" })
        EXPECT_EQ(after.erase(leftover), 1u) << leftover;
    EXPECT_EQ(describeDifference(before, after), "");
}

TEST_F(UndoTest, MovesGoBackNewestFirst)
{
    writeFiles(m_dir.path(), { "a.jpg", "b.png", "c.pdf" });
    const auto executed = organize();
    ASSERT_EQ(executed.size(), 3u);

    // Before each move back, note which files are already home.
    std::vector<std::vector<bool>> homeBefore;
    m_fileSystem->beforeCall(Op::renameNoReplace, 0, [&] {
        std::vector<bool> home;
        for (const FileMoveOperation &operation : executed)
            home.push_back(entryExists(operation.sourceURL));
        homeBefore.push_back(home);
    });
    m_service.undoOperations(executed);
    EXPECT_EQ(homeBefore,
        (std::vector<std::vector<bool>> {
            { false, false, false }, { false, false, true }, { false, true, true } }));
}

TEST_F(UndoTest, FileGoneFromItsDestinationIsPassedOverButADanglingLinkMovesBack)
{
    writeFiles(m_dir.path(), { "a.jpg", "b.pdf", "c.mp3" });
    const auto executed = organize();
    fs::remove(m_dir / "Documents/b.pdf");
    fs::remove(m_dir / "Images/a.jpg");
    fs::create_symlink("nowhere", m_dir / "Images/a.jpg");
    EXPECT_NO_THROW(m_service.undoOperations(executed));
    EXPECT_TRUE(fs::is_symlink(m_dir / "a.jpg"));
    EXPECT_EQ(readFile(m_dir / "c.mp3"), "c.mp3");
    EXPECT_EQ(namesIn(m_dir.path()), (Names { "a.jpg", "c.mp3" }));
}

TEST_F(UndoTest, OccupiedSourceStopsTheUndoWithAnError)
{
    writeFiles(m_dir.path(), { "a.jpg", "b.pdf", "c.mp3" });
    UndoService undo;
    undo.record(organize());
    ASSERT_EQ(undo.lastOperations().size(), 3u);
    const FileMoveOperation oldest = undo.lastOperations()[0];
    const FileMoveOperation middle = undo.lastOperations()[1];
    const FileMoveOperation newest = undo.lastOperations()[2];
    writeFile(middle.sourceURL, "someone else's");

    const FileSystemError error = errorFrom([&] { m_service.undoOperations(undo.take()); });
    EXPECT_EQ(error.code(), EEXIST);
    EXPECT_THAT(error.description(),
        HasSubstr("\"" + middle.sourceURL.filename().string() + "\" already exists"));
    EXPECT_TRUE(entryExists(newest.sourceURL));
    EXPECT_EQ(readFile(middle.sourceURL), "someone else's");
    EXPECT_TRUE(entryExists(middle.destinationURL));
    EXPECT_TRUE(entryExists(oldest.destinationURL)); // never tried
    // No clean-up ran: the emptied category folder of the newest move is still there.
    EXPECT_TRUE(isEmptyFolder(newest.destinationURL.parent_path()));

    // The record was taken before anything moved: a second undo does nothing.
    const TreeSnapshot afterFailure = snapshotTree(m_dir.path());
    m_service.undoOperations(undo.take());
    EXPECT_EQ(describeDifference(afterFailure, snapshotTree(m_dir.path())), "");
}

TEST_F(UndoTest, EmptyListDoesNothingNotEvenCleanUp)
{
    fs::create_directory(m_dir / "Images");
    m_service.undoOperations({});
    EXPECT_TRUE(isEmptyFolder(m_dir / "Images"));
}

TEST(UndoServiceTest, HoldsTheLatestRunAndHandsItOutOnce)
{
    const FileMoveOperation a { Uuid::random(), "/f/a.jpg", "/f/Images/a.jpg", FileCategory::images,
        {} };
    const FileMoveOperation b { Uuid::random(), "/f/b.pdf", "/f/Documents/b.pdf",
        FileCategory::documents, {} };
    UndoService undo;
    undo.record({ a, b });
    undo.record({ b }); // replaces, does not append
    EXPECT_EQ(idsOf(undo.take()), idsOf({ b }));
    EXPECT_TRUE(undo.take().empty());
    undo.record({ a });
    undo.clear();
    EXPECT_TRUE(undo.lastOperations().empty());
}
