// What the journal must have on disk before anything moves, and what a journal that
// fails in the middle of a run leaves: a run that stops after its batch and undoes whole.

#include "EngineTestSupport.h"

namespace {

// More than one batch of intents.
constexpr int fileCount = 5000;

Names fillFolder(const fs::path &folder)
{
    Names names;
    for (int i = 0; i < fileCount; ++i) {
        names.push_back("f" + std::to_string(10000 + i) + (i % 2 ? ".txt" : ".jpg"));
        writeFile(folder / names.back(), names.back());
    }
    return names;
}

using RunJournalTest = EngineTest;

TEST_F(RunJournalTest, NothingMovesBeforeTheJournalSaysSoOnDisk)
{
    fillFolder(m_dir.path());
    const OrganizationPlan planned = plan();
    m_fileSystem->reset();
    ASSERT_EQ(m_undo.organize(m_service, planned).moved, std::size_t(fileCount));

    // The run file's header and its folder are synced before the next file (the
    // last-run note) is made; no move is made while a journal write is not synced.
    int created = 0;
    bool headerSynced = false;
    bool folderSynced = false;
    bool unsynced = false;
    bool announced = false;
    int syncsBetweenMoves = 0;
    int moves = 0;
    for (const Op operation : m_fileSystem->calls()) {
        created += operation == Op::createFile;
        headerSynced = headerSynced || (operation == Op::syncData && created == 1);
        folderSynced
            = folderSynced || (operation == Op::syncFolder && headerSynced && created == 1);
        if (operation == Op::syncData)
            syncsBetweenMoves += unsynced && moves > 0;
        // The folders to make are written and synced after the last-run note.
        announced = (announced || (operation == Op::syncData && unsynced))
            && operation != Op::renameReplacing;
        unsynced = operation == Op::writeFile || (unsynced && operation != Op::syncData);
        if (operation == Op::makeFolder) {
            ASSERT_TRUE(announced) << "a folder made before it is announced on disk";
        }
        if (operation == Op::renameReplacing) {
            ASSERT_FALSE(unsynced) << "the last-run note put in place before it is synced";
        }
        if (operation == Op::renameNoReplace || operation == Op::hardLink) {
            ASSERT_TRUE(headerSynced && folderSynced) << "a move before the run file is durable";
            ASSERT_FALSE(unsynced) << "a move before its intent is synced";
            ++moves;
        }
    }
    EXPECT_GE(syncsBetweenMoves, 2) << "the second batch is announced and synced too";
}

TEST_F(RunJournalTest, AJournalFailingMidRunStopsAfterTheBatchAndTheRunUndoesWhole)
{
    for (const Op failing : { Op::writeFile, Op::syncData }) {
        SCOPED_TRACE(failing == Op::writeFile ? "a write fails" : "a sync fails");
        const Names names = fillFolder(m_dir.path());
        const OrganizationPlan planned = plan();
        m_fileSystem->reset();
        // The first journal write or sync after the first move: the next batch's.
        m_fileSystem->beforeCall(
            Op::renameNoReplace, 1, [this, failing] { m_fileSystem->failCall(failing, 1, EIO); });
        const RunReport report = m_undo.organize(m_service, planned);
        EXPECT_THAT(report.stoppedBy, HasSubstr("cannot write the undo journal"));
        EXPECT_GT(report.moved, 0u);
        EXPECT_LT(report.moved, std::size_t(fileCount));

        m_fileSystem->reset();
        const UndoReport undone = undo();
        EXPECT_EQ(undone.restored, report.moved);
        EXPECT_TRUE(undone.notRestored.empty());
        EXPECT_EQ(namesIn(m_dir.path()), names);
        for (const std::string &name : names)
            fs::remove(m_dir / name);
    }
}

// A cancel, which progress reports are a moment for, stops a run and an undo soon.
TEST_F(RunJournalTest, ACancelStopsTheRunAndTheUndo)
{
    fillFolder(m_dir.path());
    std::atomic<bool> cancel = false;
    RunControl control;
    control.cancel = &cancel;
    control.progress = [&](std::size_t, std::size_t) { cancel = true; };
    const RunReport run = m_undo.organize(m_service, plan(), control);
    EXPECT_TRUE(run.cancelled);
    EXPECT_LT(run.moved, std::size_t(fileCount));
    cancel = false;
    const UndoReport undone = m_undo.undoLast(m_service, m_dir.path(), control);
    EXPECT_TRUE(undone.cancelled);
    EXPECT_LT(undone.restored, run.moved);
    // What the cancel left is still the last run's, for the next undo.
    EXPECT_TRUE(m_undo.canUndo(m_service, m_dir.path()));
    EXPECT_EQ(undo().restored, run.moved - undone.restored);
}

} // namespace
