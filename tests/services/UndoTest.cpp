#include "EngineTestSupport.h"
#include "FaultInjectingFileSystem.h"
#include "FileSystemError.h"
#include "TempDir.h"
#include "UndoService.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using testing::HasSubstr;
using Op = FaultInjectingFileSystem::Operation;

namespace {

class UndoTest : public testing::Test
{
protected:
    UndoTest() { m_skips.attachTo(m_service); }

    std::vector<FileMoveOperation> organize()
    {
        return m_service.executePlan(m_service.buildPlan(m_dir.path()));
    }

    TempDir m_dir;
    FileOrganizerService m_service;
    SkipLog m_skips;
};

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
    writeFile(m_dir / "shot.PNG", "png");
    writeFile(m_dir / "notes.", "dot");
    writeFile(m_dir / "run.sh", "#!/bin/sh\n");
    writeFile(m_dir / "report.pdf", "pdf");
    writeFile(m_dir / ".hidden.jpg", "hidden");
    writeFile(m_dir / "Projects/inner.jpg", "inner");
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

TEST_F(UndoTest, RunWithoutSubGroupsLeavesNoFoldersBehind)
{
    writeFile(m_dir / "a.jpg", "A");
    writeFile(m_dir / "b.jpg", "B");
    writeFile(m_dir / "c.pdf", "C");
    writeFile(m_dir / "README", "R");
    fs::create_directory(m_dir / "Empty Stuff");
    const TreeSnapshot before = snapshotTree(m_dir.path());
    m_service.undoOperations(organize());
    EXPECT_EQ(describeDifference(before, snapshotTree(m_dir.path())), "");
}

TEST_F(UndoTest, CategoryFolderThatReceivedAnotherEntryStays)
{
    writeFile(m_dir / "a.jpg", "A");
    const auto executed = organize();
    writeFile(m_dir / "Images/.directory", "x");
    m_service.undoOperations(executed);
    EXPECT_EQ(readFile(m_dir / "a.jpg"), "A");
    EXPECT_EQ(namesIn(m_dir / "Images"), std::vector<std::string> { ".directory" });
}

TEST_F(UndoTest, MovesGoBackNewestFirst)
{
    writeFile(m_dir / "a.jpg", "A");
    writeFile(m_dir / "b.png", "B");
    writeFile(m_dir / "c.pdf", "C");
    auto fileSystem = std::make_shared<FaultInjectingFileSystem>();
    FileOrganizerService service(fileSystem);
    const auto executed = service.executePlan(service.buildPlan(m_dir.path()));
    ASSERT_EQ(executed.size(), 3u);

    // Before each move back, note which files are already home.
    std::vector<std::vector<bool>> homeBefore;
    fileSystem->beforeCall(Op::renameNoReplace, 0, [&] {
        std::vector<bool> home;
        for (const FileMoveOperation &operation : executed)
            home.push_back(entryExists(operation.sourceURL));
        homeBefore.push_back(home);
    });
    service.undoOperations(executed);
    ASSERT_EQ(homeBefore.size(), 3u);
    EXPECT_EQ(homeBefore[0], (std::vector<bool> { false, false, false }));
    EXPECT_EQ(homeBefore[1], (std::vector<bool> { false, false, true }));
    EXPECT_EQ(homeBefore[2], (std::vector<bool> { false, true, true }));
}

TEST_F(UndoTest, FileGoneFromItsDestinationIsPassedOver)
{
    writeFile(m_dir / "a.jpg", "A");
    writeFile(m_dir / "b.pdf", "B");
    writeFile(m_dir / "c.mp3", "C");
    const auto executed = organize();
    fs::remove(m_dir / "Documents/b.pdf");
    EXPECT_NO_THROW(m_service.undoOperations(executed));
    EXPECT_EQ(readFile(m_dir / "a.jpg"), "A");
    EXPECT_EQ(readFile(m_dir / "c.mp3"), "C");
    EXPECT_FALSE(entryExists(m_dir / "b.pdf"));
    EXPECT_EQ(namesIn(m_dir.path()), (std::vector<std::string> { "a.jpg", "c.mp3" }));
}

TEST_F(UndoTest, DanglingLinkAtTheDestinationIsStillAnEntryToMoveBack)
{
    writeFile(m_dir / "a.jpg", "A");
    const auto executed = organize();
    fs::remove(m_dir / "Images/a.jpg");
    fs::create_symlink("nowhere", m_dir / "Images/a.jpg");
    m_service.undoOperations(executed);
    EXPECT_TRUE(fs::is_symlink(m_dir / "a.jpg"));
}

TEST_F(UndoTest, OccupiedSourceStopsTheUndoWithAnError)
{
    writeFile(m_dir / "a.jpg", "A");
    writeFile(m_dir / "b.pdf", "B");
    writeFile(m_dir / "c.mp3", "C");
    const auto executed = organize();
    ASSERT_EQ(executed.size(), 3u);
    // Occupy the source of the middle move in execution order.
    const FileMoveOperation middle = executed[1];
    const FileMoveOperation oldest = executed[0];
    const FileMoveOperation newest = executed[2];
    writeFile(middle.sourceURL, "someone else's");

    UndoService undo;
    undo.record(executed);
    try {
        m_service.undoOperations(undo.take());
        FAIL() << "undo over an occupied source did not fail";
    } catch (const FileSystemError &error) {
        EXPECT_EQ(error.code(), EEXIST);
        EXPECT_THAT(error.description(), HasSubstr(middle.sourceURL.filename().string()));
        EXPECT_THAT(error.description(), HasSubstr("already exists"));
    }
    EXPECT_TRUE(entryExists(newest.sourceURL));
    EXPECT_FALSE(entryExists(newest.destinationURL));
    EXPECT_EQ(readFile(middle.sourceURL), "someone else's");
    EXPECT_TRUE(entryExists(middle.destinationURL));
    EXPECT_TRUE(entryExists(oldest.destinationURL)); // never tried
    EXPECT_FALSE(entryExists(oldest.sourceURL));
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

TEST_F(UndoTest, RunWhoseMovesAllFailedHasNothingToUndo)
{
    writeFile(m_dir / "a.jpg");
    const OrganizationPlan plan = m_service.buildPlan(m_dir.path());
    fs::remove(m_dir / "a.jpg");
    UndoService undo;
    undo.record(m_service.executePlan(plan));
    EXPECT_TRUE(undo.lastOperations().empty());
    const TreeSnapshot before = snapshotTree(m_dir.path());
    m_service.undoOperations(undo.take());
    EXPECT_EQ(describeDifference(before, snapshotTree(m_dir.path())), "");
}

TEST_F(UndoTest, FileCreatedInAnEmptiedCategoryFolderDuringCleanUpSurvives)
{
    writeFile(m_dir / "a.jpg", "A");
    auto fileSystem = std::make_shared<FaultInjectingFileSystem>();
    FileOrganizerService service(fileSystem);
    const auto executed = service.executePlan(service.buildPlan(m_dir.path()));
    fileSystem->beforeCall(
        Op::removeFolder, 1, [&] { writeFile(m_dir / "Images/late.jpg", "late"); });
    service.undoOperations(executed);
    EXPECT_EQ(readFile(m_dir / "a.jpg"), "A");
    EXPECT_EQ(readFile(m_dir / "Images/late.jpg"), "late");
}

TEST(UndoServiceTest, HoldsOneRunAndHandsItOutOnce)
{
    UndoService undo;
    EXPECT_TRUE(undo.lastOperations().empty());
    EXPECT_TRUE(undo.take().empty());

    const FileMoveOperation a { Uuid::random(), "/f/a.jpg", "/f/Images/a.jpg", FileCategory::images,
        {} };
    const FileMoveOperation b { Uuid::random(), "/f/b.pdf", "/f/Documents/b.pdf",
        FileCategory::documents, {} };
    const FileMoveOperation c { Uuid::random(), "/f/c.mp3", "/f/Audio/c.mp3", FileCategory::audio,
        {} };
    undo.record({ a, b });
    EXPECT_EQ(idsOf(undo.lastOperations()), idsOf({ a, b }));
    undo.record({ c }); // replaces, does not append
    EXPECT_EQ(idsOf(undo.lastOperations()), idsOf({ c }));

    const auto taken = undo.take();
    EXPECT_EQ(idsOf(taken), idsOf({ c }));
    EXPECT_EQ(taken[0].sourceURL, c.sourceURL);
    EXPECT_TRUE(undo.lastOperations().empty());
    EXPECT_TRUE(undo.take().empty());

    undo.record({ a, b, c });
    undo.clear();
    EXPECT_TRUE(undo.lastOperations().empty());
    undo.record({ a });
    undo.record({});
    EXPECT_TRUE(undo.lastOperations().empty());
}
