#include "EngineTestSupport.h"

#include <cstring>

using PlanExecutionTest = EngineTest;

// Vanished files are skipped and the rest goes ahead.
TEST_F(PlanExecutionTest, FoldersTheRunMadeGoWhenLeftEmptyAndUserFoldersStay)
{
    writeFiles(m_dir.path(), { "a.jpg", "b.jpg", "c.pdf", "d.mp3", "e.wav" });
    fs::create_directory(m_dir / "Empty Stuff");
    const OrganizationPlan plan = this->plan();
    for (const char *name : { "a.jpg", "b.jpg", "d.mp3", "e.wav" })
        fs::remove(m_dir / name);
    EXPECT_EQ(execute(plan).size(), 1u);
    ASSERT_EQ(skippedNames(), (Names { "a.jpg", "b.jpg", "d.mp3", "e.wav" }));
    EXPECT_EQ(m_skips[0].second, '"' + m_skips[0].first + "\" is no longer there");
    // Sub-group folders too: Audio/MP3 and Audio/WAV, then Audio itself.
    EXPECT_EQ(namesIn(m_dir.path()), (Names { "Documents", "Empty Stuff" }));

    // A folder put in the place of one the run made is someone else's: it stays.
    writeFiles(m_dir.path(), { "a.jpg" });
    m_fileSystem->failCall(Op::renameNoReplace, 1, EACCES);
    m_fileSystem->beforeCall(Op::renameNoReplace, 1, [&] {
        fs::rename(m_dir / "Images", m_outside / "Images");
        fs::create_directory(m_dir / "Images");
    });
    EXPECT_EQ(organizeRecorded().moved, 0u);
    EXPECT_EQ(namesIn(m_dir.path()), (Names { "Documents", "Empty Stuff", "Images", "a.jpg" }));
}

TEST_F(PlanExecutionTest, FolderCreationFailureThrowsBeforeAnyMove)
{
    writeFiles(m_dir.path(), { "a.jpg", "c.pdf" });
    const OrganizationPlan plan = this->plan();
    for (int failingCall : { 1, 2 }) {
        SCOPED_TRACE(failingCall);
        m_fileSystem->reset();
        m_fileSystem->failCall(Op::makeFolder, failingCall, EACCES);
        const EngineError error = errorFrom([&] { execute(plan); });
        EXPECT_EQ(error.code(), std::errc::permission_denied);
        EXPECT_THAT(error.description(), HasSubstr(std::strerror(EACCES)));
        EXPECT_THAT(error.description(), testing::ContainsRegex("\"(Images|Documents)\""));
        EXPECT_EQ(m_fileSystem->callCount(Op::renameNoReplace), 0);
        EXPECT_EQ(m_fileSystem->callCount(Op::hardLink), 0);
        // A folder made before the failure is taken away again.
        EXPECT_EQ(namesIn(m_dir.path()), (Names { "a.jpg", "c.pdf" }));
    }
}

// Another program makes the folder between the look and the making: the run goes on
// into it, and leaves it, as not its own, when undone.
TEST_F(PlanExecutionTest, AFolderAppearingJustBeforeItIsMadeIsUsed)
{
    writeFiles(m_dir.path(), { "a.jpg" });
    m_fileSystem->beforeCall(Op::makeFolder, 1, [&] { fs::create_directory(m_dir / "Images"); });
    EXPECT_EQ(organizeRecorded().moved, 1u);
    EXPECT_TRUE(m_skips.empty());
    EXPECT_EQ(m_fileSystem->callCount(Op::makeFolder), 1);
    EXPECT_EQ(readFile(m_dir / "Images/a.jpg"), "a.jpg");
    EXPECT_EQ(undo().restored, 1u);
    EXPECT_EQ(namesIn(m_dir.path()), (Names { "Images", "a.jpg" }));
}

// What is put in a planned file's place is not ours to move; and clean-up works only
// through the folder opened at the start, so a folder swapped for a link meanwhile
// leads it nowhere.
TEST_F(PlanExecutionTest, EntriesSwappedInAfterPlanningStayAndCleanUpNeverLeavesTheFolder)
{
    writeFiles(m_dir.path(), { "a.jpg", "b.pdf", "c.mp3" });
    const OrganizationPlan plan = this->plan();
    fs::remove(m_dir / "a.jpg");
    fs::create_directory(m_dir / "a.jpg");
    fs::remove(m_dir / "b.pdf");
    fs::create_symlink(m_outside / "elsewhere.pdf", m_dir / "b.pdf");
    fs::create_directory(m_outside / "Audio");
    const fs::path moved = m_dir.path().string() + "-moved";
    m_fileSystem->beforeCall(Op::removeFolder, 1, [&] {
        fs::rename(m_dir.path(), moved);
        fs::create_directory_symlink(m_outside.path(), m_dir.path());
    });

    EXPECT_EQ(execute(plan).size(), 1u);
    EXPECT_EQ(skippedNames(), (Names { "a.jpg", "b.pdf" }));
    EXPECT_THAT(m_skips[0].second, HasSubstr("was replaced by another item"));
    EXPECT_TRUE(fs::is_directory(moved / "a.jpg"));
    EXPECT_TRUE(fs::is_symlink(moved / "b.pdf"));
    EXPECT_TRUE(fs::is_empty(m_outside / "Audio"));
    fs::remove(m_dir.path());
    fs::rename(moved, m_dir.path());
}

// Another program moves a category folder out of the chosen folder during a run and
// puts a link in its place: the handle held on it would carry every later file out of
// the folder too. The next batch sends none there, and says why.
TEST_F(PlanExecutionTest, ACategoryFolderMovedAwayMidRunTakesNoMoreFiles)
{
    // Images come first in a plan; one file more than a batch holds, and a sub-group,
    // so that the next batch has two images and the document.
    constexpr std::size_t batch = 4;
    m_service.setBatchSize(batch);
    writeFiles(
        m_dir.path(), { "p1.jpg", "p2.jpg", "p3.jpg", "p4.jpg", "p5.jpg", "b.png", "c.pdf" });
    m_fileSystem->beforeCall(Op::renameNoReplace, 2, [&] {
        fs::rename(m_dir / "Images", m_outside / "Images");
        fs::create_directory_symlink(m_outside / "Images", m_dir / "Images");
    });

    const RunReport report = organizeRecorded();
    EXPECT_EQ(report.moved, batch + 1);
    ASSERT_EQ(report.skipped, 2u);
    for (const auto &[name, why] : m_skips) {
        EXPECT_EQ(why,
            "\"Images\" was moved away or replaced during the run, so nothing more was moved "
            "into it");
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(m_dir / name))) << name;
    }
    EXPECT_EQ(readFile(m_dir / "Documents/c.pdf"), "c.pdf");
    EXPECT_EQ(m_service.history(m_dir.path()).front().undoable, 1u);
}
