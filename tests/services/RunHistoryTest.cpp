#include "EngineTestSupport.h"

#include "services/organizing/RecordedRun.h"

#include <cerrno>
#include <map>

// Runs of one file each, dropped into the folder just before.
class RunHistoryTest : public EngineTest
{
protected:
    RunReport organizeOne(const std::string &name, RunOrigin origin = RunOrigin::manual)
    {
        writeFile(m_dir / name, name);
        return m_service.organize(plan(), {}, nullptr, origin);
    }
};

// Undo takes back the last run only; any older run goes back by its id, leaving the
// files of the runs after it (and the folders they share) where they are.
TEST_F(RunHistoryTest, OlderRunsAreUndoneByIdWithoutTouchingLaterOnes)
{
    const fs::path folder = m_dir.path();
    const RunReport first = organizeOne("a.jpg");
    const RunReport second = organizeOne("b.jpg", RunOrigin::automatic);
    const RunReport third = organizeOne("c.pdf");
    ASSERT_FALSE(first.runId.empty());

    std::vector<RunHistoryEntry> history = m_service.history(folder);
    ASSERT_EQ(history.size(), 3u);
    EXPECT_EQ(history[0].id, third.runId);
    EXPECT_EQ(history[1].id, second.runId);
    EXPECT_EQ(history[1].origin, RunOrigin::automatic);
    EXPECT_EQ(history[2].origin, RunOrigin::manual);
    EXPECT_EQ(history[2].moved, 1u);
    EXPECT_EQ(history[2].undoable, 1u);

    EXPECT_EQ(undo().restored, 1u);
    EXPECT_FALSE(m_service.canUndo(folder));
    EXPECT_TRUE(undo().nothingToUndo);

    m_fileSystem->reset();
    const UndoReport older = m_service.undoRun(folder, first.runId);
    EXPECT_EQ(older.restored, 1u);
    // The record says it is undone, on the disk, before the undo answers.
    // (The details file, made last, is not synced: it only explains.)
    const std::vector<Op> &calls = m_fileSystem->calls();
    const auto details = std::find(calls.rbegin(), calls.rend(), Op::createFile);
    const auto lastWrite = std::find(details, calls.rend(), Op::writeFile);
    EXPECT_NE(std::find(details, lastWrite, Op::syncData), lastWrite);
    EXPECT_EQ(namesIn(folder), (Names { "Images", "a.jpg", "c.pdf" }));
    EXPECT_EQ(namesIn(folder / "Images"), Names { "b.jpg" });
    EXPECT_TRUE(m_service.undoRun(std::nullopt, first.runId).nothingToUndo);

    history = m_service.history(folder);
    ASSERT_EQ(history.size(), 3u);
    EXPECT_TRUE(history[0].undone);
    EXPECT_EQ(history[1].undoable, 1u);
    EXPECT_EQ(history[2].undoable, 0u);
    // A file moved on since, or another file in its place, is no longer undoable.
    fs::rename(folder / "Images/b.jpg", folder / "b2.jpg");
    EXPECT_EQ(m_service.history(folder)[1].undoable, 0u);
    writeFile(folder / "Images/b.jpg", "b.jpg");
    EXPECT_EQ(m_service.history(folder)[1].undoable, 0u);
    fs::remove(folder / "Images/b.jpg");
    // Once the later run is undone too, the folder the first one had to leave goes.
    fs::rename(folder / "b2.jpg", folder / "Images/b.jpg");
    EXPECT_EQ(m_service.undoRun(folder, second.runId).restored, 1u);
    EXPECT_EQ(namesIn(folder), (Names { "a.jpg", "b.jpg", "c.pdf" }));

    for (const std::string &id : { std::string("0123456789abcdef"), second.runId.substr(0, 8) })
        EXPECT_EQ(
            errorFrom([&] { m_service.undoRun(folder, id); }).code(), EngineCondition::noSuchRun);
    // Another folder's run is not this folder's to undo.
    EXPECT_EQ(errorFrom([&] { m_service.undoRun(m_outside.path(), second.runId); }).code(),
        EngineCondition::noSuchRun);
}

// The history keeps the last runs of a folder; a killed run older than those stays,
// as its files may still be away.
TEST_F(RunHistoryTest, AFolderKeepsItsLastRunsAndItsKilledOnes)
{
    const fs::path folder = m_dir.path();
    const RunReport killed = organizeOne("k.jpg");
    cutRunFile(killed.runId, "{\"e\":");
    for (std::size_t k = 0; k <= RecordedRun::keptRuns; ++k)
        organizeOne(std::to_string(k) + ".pdf");

    const std::vector<RunHistoryEntry> history = m_service.history(folder);
    ASSERT_EQ(history.size(), RecordedRun::keptRuns + 1);
    EXPECT_EQ(history.back().id, killed.runId);
    EXPECT_FALSE(history.back().ended);
    EXPECT_EQ(history.back().undoable, 1u);
}

// Reading, locking and making the journal's folders go through the file-system layer:
// each failing leaves every file where it was, and the next try works.
TEST_F(RunHistoryTest, JournalFailuresBeforeTheFirstMoveMoveNothing)
{
    writeFiles(m_dir.path(), { "a.jpg" });
    for (const auto &[operation, error] : { std::pair { Op::makePrivateFolder, EACCES },
             std::pair { Op::tryLock, ENOLCK }, std::pair { Op::openOrCreate, EROFS } }) {
        m_fileSystem->reset();
        m_fileSystem->failCall(operation, 0, error);
        EXPECT_EQ(errorFrom([&] { organizeRecorded(); }).code().value(), error);
        EXPECT_EQ(namesIn(m_dir.path()), Names { "a.jpg" });
    }
    m_fileSystem->reset();
    ASSERT_EQ(organizeRecorded().moved, 1u);
    m_fileSystem->failCall(Op::readAt, 0, EIO);
    EXPECT_EQ(errorFrom([&] { undo(); }).code().value(), EIO);
    EXPECT_EQ(namesIn(m_dir.path()), Names { "Images" });
    m_fileSystem->reset();
    EXPECT_EQ(undo().restored, 1u);
}

// The history counts what happened: a killed run undone counts the moves it made, not
// the moves it announced and never made.
TEST_F(RunHistoryTest, AKilledRunCountsTheMovesItMade)
{
    writeFiles(m_dir.path(), { "a.jpg", "b.jpg", "c.jpg", "d.jpg" });
    std::atomic<bool> cancel = false;
    RunControl control;
    control.cancel = &cancel;
    m_fileSystem->beforeCall(Op::renameNoReplace, 1, [&] { cancel = true; });
    const RunReport run = m_service.organize(plan(), control);
    ASSERT_EQ(run.moved, 1u);
    cutRunFile(run.runId, "{\"d\":");
    EXPECT_EQ(undo().restored, 1u);
    const std::vector<RunHistoryEntry> history = m_service.history(m_dir.path());
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].moved, 1u);
    EXPECT_TRUE(history[0].undone);

    // Its category folder moved away since, a link in its place: the file went with it.
    writeFile(m_dir / "e.pdf", "e");
    const RunReport second = m_service.organize(plan(), {});
    const fs::path secondFile = runFile(second.runId);
    writeFile(secondFile, readFile(secondFile).substr(0, readFile(secondFile).find("{\"d\":")));
    fs::rename(m_dir / "Documents", m_outside / "Documents");
    fs::create_directory_symlink(m_outside / "Documents", m_dir / "Documents");
    EXPECT_EQ(m_service.history(m_dir.path())[0].moved, 5u);
    // One the user removed since: the run went on past it, so it had moved it.
    fs::remove(m_dir / "Images/a.jpg");
    EXPECT_EQ(m_service.history(m_dir.path())[0].moved, 5u);
    // One saved over since moved too; one under both names (a kill inside a link-route
    // move) is at its old place still: neither is undoable.
    writeFile(m_dir / "saving", "another");
    fs::rename(m_dir / "saving", m_dir / "Images/b.jpg");
    fs::create_hard_link(m_dir / "Images/c.jpg", m_dir / "c.jpg");
    const RunHistoryEntry entry = m_service.history(m_dir.path())[0];
    EXPECT_EQ(entry.moved, 4u);
    EXPECT_EQ(entry.undoable, 1u) << "d.jpg";

    // A run killed before its first move, whose file the user then removed and whose
    // folder the user moved away: the file went nowhere with the folder.
    writeFile(m_dir / "f.mp3", "f");
    m_fileSystem->beforeCall(Op::renameNoReplace, 1, [&] { m_fileSystem->killAt(0); });
    organizeRecorded();
    ASSERT_TRUE(m_fileSystem->killed());
    m_fileSystem->reset();
    fs::remove(m_dir / "f.mp3");
    fs::rename(m_dir / "Audio", m_outside / "Audio");
    fs::create_directory_symlink(m_outside / "Audio", m_dir / "Audio");
    EXPECT_EQ(m_service.history(m_dir.path())[0].moved, 0u);
}

// An undo killed right after its first move back, before any line of its reached the
// journal: the next run settles what it put back, so that when that run moves the same
// file to the same place again, the older run never takes it for its own.
TEST_F(RunHistoryTest, AKilledUndoLendsItsRunNoLaterMove)
{
    writeFiles(m_dir.path(), { "a.jpg", "b.jpg" });
    ASSERT_EQ(m_service.organize(plan(), {}).moved, 2u);
    m_fileSystem->beforeCall(Op::renameNoReplace, 1, [&] { m_fileSystem->killAt(2); });
    stoppable([&] { undo(); });
    m_fileSystem->reset();
    const Names putBack = namesIn(m_dir.path());
    ASSERT_EQ(putBack.size(), 2u) << "Images and the one file put back";
    ASSERT_EQ(m_service.organize(plan(), {}).moved, 1u);
    const std::vector<RunHistoryEntry> history = m_service.history(m_dir.path());
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[1].undoable, 1u) << putBack[1] << " is the later run's now";
    EXPECT_EQ(m_service.undoRun(m_dir.path(), history[1].id).restored, 1u);
    EXPECT_EQ(namesIn(m_dir.path()).size(), 2u);
    EXPECT_TRUE(fs::exists(m_dir / "Images" / putBack[1]));
}

// A run killed before its first move made its folder; a later run filled it. Undoing
// the killed run first must leave the folder to the later run's undo, not forget it.
TEST_F(RunHistoryTest, AFolderOfARunKilledBeforeItsFirstMoveGoesWithTheRunThatFilledIt)
{
    writeFile(m_dir / "a.jpg", "a");
    m_fileSystem->beforeCall(Op::renameNoReplace, 1, [&] { m_fileSystem->killAt(0); });
    stoppable([&] { m_service.organize(plan(), {}); });
    m_fileSystem->reset();
    const fs::path killed = runFile();
    ASSERT_TRUE(fs::is_directory(m_dir / "Images"));
    ASSERT_EQ(m_service.organize(plan(), {}).moved, 1u);
    m_service.undoRun(m_dir.path(), JournalStore::runId(killed));
    EXPECT_TRUE(fs::exists(m_dir / "Images/a.jpg"));
    EXPECT_EQ(undo().restored, 1u);
    EXPECT_EQ(namesIn(m_dir.path()), (Names { "a.jpg" }));
}

// A made folder that cannot be removed (an I/O error) is said, and stays known: the
// next undo of the folder removes it.
TEST_F(RunHistoryTest, AFolderThatCouldNotBeRemovedGoesWithTheNextUndo)
{
    organizeOne("a.jpg");
    m_fileSystem->failCall(Op::removeFolder, 0, EIO);
    const UndoReport undone = undo();
    EXPECT_EQ(undone.restored, 1u);
    ASSERT_EQ(undone.foldersNotRemoved.size(), 1u);
    EXPECT_EQ(undone.foldersNotRemoved[0].first, "Images");
    EXPECT_THAT(undone.foldersNotRemoved[0].second.english(), HasSubstr("Input/output error"));
    EXPECT_EQ(namesIn(m_dir.path()), (Names { "Images", "a.jpg" }));
    m_fileSystem->reset();
    EXPECT_TRUE(undo().nothingToUndo);
    EXPECT_EQ(namesIn(m_dir.path()), Names { "a.jpg" });
}

// An older run undone while a later one had files in its folders keeps them. An undo
// of the later run that has to leave a file behind still takes those now empty.
TEST_F(RunHistoryTest, AnUndoLeavingAFileBehindClearsAnOlderRunsEmptyFolders)
{
    writeFiles(m_dir.path(), { "a.jpg", "a.ttf" });
    const RunReport first = organizeRecorded();
    writeFiles(m_dir.path(), { "b.jpg", "b.ttf" });
    organizeRecorded();
    EXPECT_EQ(m_service.undoRun(m_dir.path(), first.runId).restored, 2u);
    writeFile(m_dir / "b.ttf", "another");
    EXPECT_EQ(undo().restored, 1u);
    EXPECT_EQ(namesIn(m_dir.path()), (Names { "Fonts", "a.jpg", "a.ttf", "b.jpg", "b.ttf" }));
}

// The stamp a window reuses its history by: the same while the journal stays as it is,
// new with each run recorded and each undo.
TEST_F(RunHistoryTest, TheHistoryStampChangesWithEveryRunAndUndo)
{
    const fs::path folder = m_dir.path();
    organizeOne("a.jpg");
    const std::string first = m_service.historyStamp(folder);
    m_service.history(folder);
    EXPECT_EQ(m_service.historyStamp(folder), first);
    organizeOne("b.jpg");
    const std::string second = m_service.historyStamp(folder);
    EXPECT_NE(second, first);
    undo();
    EXPECT_NE(m_service.historyStamp(folder), second);
}

// A run's files as its details list them, with where each is now: in place, put back by
// an undo, or gone from where the run put it.
TEST_F(RunHistoryTest, ARunsMovesTellWhereEachFileIsNow)
{
    writeFiles(m_dir.path(), { "a.jpg", "b.jpg", "c.pdf" });
    const RunReport run = organizeRecorded();
    fs::remove(m_dir / "Images/b.jpg");
    using Where = RecordedMove::Where;
    const auto whereabouts = [&] {
        std::map<std::string, std::pair<std::string, Where>> found;
        for (const RecordedMove &move : m_service.runMoves(m_dir.path(), run.runId))
            found[move.from] = { move.to, move.where };
        return found;
    };
    using Found = std::map<std::string, std::pair<std::string, Where>>;
    EXPECT_EQ(whereabouts(),
        (Found { { "a.jpg", { "Images/a.jpg", Where::inPlace } },
            { "b.jpg", { "Images/b.jpg", Where::elsewhere } },
            { "c.pdf", { "Documents/c.pdf", Where::inPlace } } }));
    EXPECT_EQ(undo().restored, 2u);
    EXPECT_EQ(whereabouts(),
        (Found { { "a.jpg", { "Images/a.jpg", Where::back } },
            { "b.jpg", { "Images/b.jpg", Where::elsewhere } },
            { "c.pdf", { "Documents/c.pdf", Where::back } } }));
    EXPECT_EQ(errorFrom([&] { m_service.runMoves(m_dir.path(), "nonesuch"); }).code(),
        EngineCondition::noSuchRun);
}
