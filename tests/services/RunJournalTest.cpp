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
    ASSERT_EQ(m_service.organize(planned).moved, std::size_t(fileCount));

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
    // The first journal write or sync after the first move: the next batch's; on the
    // reservation route (its probe is the first exclusive create), the second move's
    // reservation, written at once with the first move's mark.
    for (const auto &[failing, after, nth] : { std::tuple { Op::writeFile, Op::renameNoReplace, 1 },
             std::tuple { Op::syncData, Op::renameNoReplace, 1 },
             std::tuple { Op::writeFile, Op::createExclusive, 2 } }) {
        SCOPED_TRACE(int(failing) * 100 + int(after));
        const Names names = fillFolder(m_dir.path());
        const OrganizationPlan planned = plan();
        m_fileSystem->reset();
        if (after == Op::createExclusive) {
            m_fileSystem->failCall(Op::renameNoReplace, 0, EINVAL);
            m_fileSystem->failCall(Op::hardLink, 0, EPERM);
        }
        m_fileSystem->beforeCall(
            after, nth, [this, failing, nth] { m_fileSystem->failCall(failing, nth, EIO); });
        const RunReport report = m_service.organize(planned);
        EXPECT_THAT(report.stoppedBy.english(), HasSubstr("cannot write the undo journal"));
        EXPECT_GT(report.moved, 0u);
        EXPECT_LT(report.moved, std::size_t(fileCount));

        // The next run makes the moves it could not, to the same names: they stay that
        // run's, even where the stopped run's empty folder for them went.
        m_fileSystem->reset();
        const RunReport rest = m_service.organize(plan());
        const UndoReport undone = m_service.undoRun(m_dir.path(), report.runId);
        EXPECT_EQ(undone.restored, report.moved);
        EXPECT_TRUE(undone.notRestored.empty());
        EXPECT_EQ(undo().restored, rest.moved);
        EXPECT_EQ(namesIn(m_dir.path()), names);
        for (const std::string &name : names)
            fs::remove(m_dir / name);
    }
}

// A run stopped inside a batch announced moves it never made; the next run makes them,
// to the same names. They stay the next run's, in the history, in an undo of the older
// run by its id and in the next run's own undo, whether the older one was cancelled or
// killed (no end line, its last marks lost: the next run settles it by looking first).
TEST_F(RunJournalTest, MovesAStoppedRunNeverMadeStayTheNextRunsOwn)
{
    for (const bool killed : { false, true }) {
        SCOPED_TRACE(killed ? "killed" : "cancelled");
        Names names;
        for (char c = 'a'; c < 'k'; ++c)
            names.push_back(std::string(1, c) + ".jpg");
        for (const std::string &name : names)
            writeFile(m_dir / name, name);
        std::atomic<bool> cancel = false;
        RunControl control;
        control.cancel = &cancel;
        m_fileSystem->reset();
        m_fileSystem->beforeCall(Op::renameNoReplace, 4, [&] { cancel = true; });
        const RunReport first = m_service.organize(plan(), control);
        ASSERT_EQ(first.moved, 4u);
        if (killed) {
            const fs::path file = runFile(first.runId);
            std::string text = readFile(file);
            text.erase(text.rfind("{\"e\":"));
            for (int k = 0; k < 2; ++k)
                text.erase(text.rfind("{\"d\":"));
            writeFile(file, text);
            const RunHistoryEntry entry = m_service.history(m_dir.path()).at(0);
            EXPECT_EQ(entry.moved, 4u);
            EXPECT_EQ(entry.undoable, 4u);
        }
        m_fileSystem->reset();
        EXPECT_EQ(m_service.organize(plan()).moved, 6u);
        const std::vector<RunHistoryEntry> history = m_service.history(m_dir.path());
        ASSERT_EQ(history.size(), killed ? 4u : 2u);
        EXPECT_EQ(history[1].moved, 4u);
        EXPECT_EQ(history[1].undoable, 4u);
        EXPECT_EQ(history[0].undoable, 6u);

        EXPECT_EQ(m_service.undoRun(m_dir.path(), first.runId).restored, 4u);
        EXPECT_EQ(namesIn(m_dir / "Images").size(), 6u);
        const UndoReport later = undo();
        EXPECT_EQ(later.restored, 6u);
        EXPECT_TRUE(later.notRestored.empty());
        EXPECT_EQ(namesIn(m_dir.path()), names);
        for (const std::string &name : names)
            fs::remove(m_dir / name);
    }
}

// An undo that cannot write in its journal that it begins moves nothing. One whose
// later lines cannot be written (a full disk) still puts every file back and removes
// the run's folders, and says that the record is behind. The next undo settles the
// record by looking: the files are back, and there is nothing to undo.
TEST_F(RunJournalTest, AnUndoThatCannotRecordItselfSaysWhatItDid)
{
    writeFiles(m_dir.path(), { "a.pdf", "b.txt" });
    ASSERT_EQ(organizeRecorded().moved, 2u);
    m_fileSystem->failCall(Op::writeFile, 0, ENOSPC);
    EXPECT_EQ(errorFrom([&] { undo(); }).code().value(), ENOSPC);
    EXPECT_EQ(namesIn(m_dir.path()), Names { "Documents" });
    m_fileSystem->reset();
    m_fileSystem->beforeCall(
        Op::syncData, 1, [this] { m_fileSystem->failCall(Op::writeFile, 0, ENOSPC); });
    const UndoReport full = undo();
    EXPECT_EQ(full.restored, 2u);
    EXPECT_THAT(full.recordNotUpdated.english(), HasSubstr("No space left on device"));
    EXPECT_EQ(namesIn(m_dir.path()), (Names { "a.pdf", "b.txt" }));

    m_fileSystem->reset();
    EXPECT_TRUE(undo().nothingToUndo);
    const std::vector<RunHistoryEntry> history = m_service.history(m_dir.path());
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].moved, 2u);
    EXPECT_TRUE(history[0].undone);
}

// A cancel, which progress reports are a moment for, stops a run and an undo soon.
TEST_F(RunJournalTest, ACancelStopsTheRunAndTheUndo)
{
    fillFolder(m_dir.path());
    std::atomic<bool> cancel = false;
    RunControl control;
    control.cancel = &cancel;
    control.progress = [&](std::size_t, std::size_t) { cancel = true; };
    const RunReport run = m_service.organize(plan(), control);
    EXPECT_TRUE(run.cancelled);
    EXPECT_LT(run.moved, std::size_t(fileCount));
    cancel = false;
    const UndoReport undone = m_service.undoLast(m_dir.path(), control);
    EXPECT_TRUE(undone.cancelled);
    EXPECT_LT(undone.restored, run.moved);
    // What the cancel left is still the last run's, for the next undo.
    EXPECT_TRUE(m_service.canUndo(m_dir.path()));
    EXPECT_EQ(undo().restored, run.moved - undone.restored);
}

} // namespace
