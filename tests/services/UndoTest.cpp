#include "EngineTestSupport.h"
#include "services/errors/EngineError.h"
#include "services/journal/JournalStore.h"

#include <map>
#include <regex>
#include <sstream>

using UndoTest = EngineTest;

TEST_F(UndoTest, CountsOnlyWhatCameBackAndNamesTheRest)
{
    writeFiles(m_dir.path(), { "a.jpg", "b.pdf", "c.mp3", "d.txt" });
    ASSERT_EQ(organizeRecorded().moved, 4u);
    fs::remove(m_dir / "Documents/PDF/b.pdf"); // deleted by the user
    // Replaced by another file, made first so that it cannot reuse the old inode number.
    writeFile(m_dir / "Audio/other", "another file");
    fs::rename(m_dir / "Audio/other", m_dir / "Audio/c.mp3");
    writeFile(m_dir / "d.txt", "new"); // the old name is taken

    const UndoReport report = undo();
    EXPECT_EQ(report.restored, 1u);
    ASSERT_EQ(report.notRestored.size(), 3u);
    std::map<std::string, std::string> why;
    for (const auto &[name, message] : report.notRestored)
        why[name] = message.english();
    EXPECT_THAT(why["b.pdf"], HasSubstr("is no longer in \"Documents/PDF\""));
    EXPECT_THAT(why["c.mp3"], HasSubstr("is another item now"));
    EXPECT_THAT(why["d.txt"], HasSubstr("\"d.txt\" already exists"));
    EXPECT_EQ(readFile(m_dir / "Audio/c.mp3"), "another file");
    // Only the file in the way stays pending; the others are settled for good.
    fs::remove(m_dir / "d.txt");
    EXPECT_EQ(undo().restored, 1u);
    EXPECT_TRUE(undo().nothingToUndo);
}

// An empty file at a move's new name, while the file is still at its old one, is taken
// by undo only when the journal proves the run made it: never one that took the name
// between the announcement and the move (an empty file the same plan sent there
// first), nor one the user made after a run killed before its first move.
TEST_F(UndoTest, UndoLeavesAnEmptyFileItDidNotMake)
{
    writeFile(m_dir / "Images/photo.jpg", "mine");
    writeFiles(m_dir.path(), { "a.pdf", "photo.jpg" });
    m_fileSystem->beforeCall(
        Op::renameNoReplace, 1, [&] { writeFile(m_dir / "Images/photo (1).jpg", ""); });
    EXPECT_EQ(organizeRecorded().moved, 1u);
    EXPECT_EQ(undo().restored, 1u);
    EXPECT_TRUE(fs::exists(m_dir / "Images/photo (1).jpg"));

    fs::remove_all(m_dir.path());
    writeFiles(m_dir.path(), { "notes.txt" });
    const std::string target = targetOf(plan(), "notes.txt");
    m_fileSystem->beforeCall(Op::renameNoReplace, 1, [&] { m_fileSystem->killAt(0); });
    stoppable([&] { organizeRecorded(); });
    m_fileSystem->reset();
    writeFile(m_dir / target, "");
    EXPECT_TRUE(undo().nothingToUndo);
    EXPECT_TRUE(fs::exists(m_dir / target));
}

TEST_F(UndoTest, AFailedUndoKeepsTheRecordAndCanBeRepeated)
{
    writeFiles(m_dir.path(), { "a.jpg", "b.png", "c.pdf" });
    ASSERT_EQ(organizeRecorded().moved, 3u);
    // Out of file handles on the second move back, and a category folder that cannot
    // be opened, at first or at all: nothing is forgotten, and one look is not enough
    // to give up.
    m_fileSystem->failCall(Op::openSubfolder, 1, EACCES);
    m_fileSystem->failCall(Op::renameNoReplace, 2, EMFILE);
    m_fileSystem->failCall(Op::openSubfolder, 3, EACCES);
    m_fileSystem->failCall(Op::openSubfolder, 4, EACCES);
    const UndoReport failed = undo();
    EXPECT_EQ(failed.notRestored.size(), 2u);
    EXPECT_EQ(failed.restored, 1u);

    m_fileSystem->reset();
    EXPECT_EQ(undo().restored, 2u);
    EXPECT_EQ(namesIn(m_dir.path()), (Names { "a.jpg", "b.png", "c.pdf" }));
}

TEST_F(UndoTest, ATornLastLineIsPassedOverAndIntentsAreSettledByLooking)
{
    writeFiles(m_dir.path(), { "a.jpg", "b.png" });
    ASSERT_EQ(organizeRecorded().moved, 2u);
    // As after a crash: no "done" marks, and half a line at the end.
    const fs::path file = runFile();
    std::istringstream lines(readFile(file));
    std::string kept;
    for (std::string line; std::getline(lines, line);)
        if (!line.starts_with("{\"d\":"))
            kept += line + '\n';
    writeFile(file, kept + "{\"i\":2,\"from\":\"c.j");
    // One file stays, so the journal does too: its torn line was ended before the marks
    // that settle and undo the run.
    m_fileSystem->failCall(Op::renameNoReplace, 1, EACCES);
    EXPECT_EQ(undo().restored, 1u) << "each file is found by its inode where the run put it";
    EXPECT_THAT(readFile(file), HasSubstr("\"c.j\n{\"f\":0}\n"));
    EXPECT_EQ(undo().restored, 1u);
    EXPECT_EQ(namesIn(m_dir.path()), (Names { "a.jpg", "b.png" }));

    // Intents come in rising order: one repeating an index is no line of this run's.
    ASSERT_EQ(organizeRecorded().moved, 2u);
    const fs::path again = runFile();
    writeFile(again, std::regex_replace(readFile(again), std::regex(R"(\{"i":1,)"), R"({"i":0,)"));
    EXPECT_EQ(undo().restored, 1u);
}

// The folder is held for the whole undo, also when named; the last run of all is undone
// only in the folder that was organized, never in a new one made at its old path.
TEST_F(UndoTest, UndoHoldsTheFolderAndChecksWhichFolderItIs)
{
    writeFiles(m_dir.path(), { "a.jpg" });
    ASSERT_EQ(organizeRecorded().moved, 1u);
    const FileIdentity identity = OpenFolder::open(m_service.fileSystem(), m_dir.path()).identity;
    bool held = false;
    m_fileSystem->beforeCall(Op::renameNoReplace, 1, [&] {
        try {
            JournalStore(m_state.path()).lock(identity, {});
        } catch (const EngineError &error) {
            held = error.code() == EngineCondition::folderBusy;
        }
    });
    EXPECT_EQ(undo().restored, 1u);
    EXPECT_TRUE(held);

    ASSERT_EQ(organizeRecorded().moved, 1u);
    const fs::path moved = m_dir.path().string() + "-renamed";
    fs::rename(m_dir.path(), moved);
    EXPECT_THAT(errorFrom([&] { m_service.undoLast(std::nullopt); }).what(),
        HasSubstr("No such file or directory; if the folder was moved or renamed, undo it by"));
    writeFiles(m_dir.path(), { "new.jpg" });
    EXPECT_EQ(errorFrom([&] { m_service.undoLast(std::nullopt); }).code(),
        EngineCondition::notTheOrganizedFolder);
    EXPECT_EQ(namesIn(m_dir.path()), Names { "new.jpg" });
    EXPECT_EQ(m_service.undoLast(moved).restored, 1u);
    fs::remove_all(moved);
}

// A killed run (no end line) is kept by the next run of its folder, and undone after it.
TEST_F(UndoTest, AKilledRunIsUndoneAfterTheRunThatFollowedIt)
{
    writeFiles(m_dir.path(), { "a.jpg" });
    cutRunFile(organizeRecorded().runId, "{\"e\":");
    writeFiles(m_dir.path(), { "b.pdf" });
    ASSERT_EQ(organizeRecorded().moved, 1u);
    EXPECT_EQ(undo().restored, 1u);
    EXPECT_TRUE(m_service.canUndo(m_dir.path()));
    EXPECT_EQ(undo().restored, 1u);
    EXPECT_FALSE(m_service.canUndo(m_dir.path()));
    EXPECT_EQ(namesIn(m_dir.path()), (Names { "a.jpg", "b.pdf" }));
}

// An older run whose undo stopped half-way is history once a later run is undone: Undo
// says so both before and when asked.
TEST_F(UndoTest, AnOlderRunLeftHalfUndoneIsNotTheLastRunAnyMore)
{
    writeFiles(m_dir.path(), { "a.jpg", "b.pdf" });
    ASSERT_EQ(organizeRecorded().moved, 2u);
    writeFile(m_dir / "a.jpg", "in the way");
    ASSERT_EQ(undo().notRestored.size(), 1u);
    ASSERT_EQ(organizeRecorded().moved, 2u); // the file in the way and b.pdf, put back
    EXPECT_EQ(undo().restored, 2u);
    EXPECT_FALSE(m_service.canUndo(m_dir.path()));
    EXPECT_TRUE(undo().nothingToUndo);
}

TEST_F(UndoTest, DetailsTellWhatTheLastRunOrUndoLeftOut)
{
    EXPECT_FALSE(m_service.lastDetails(m_dir.path()));
    // A plain file named like a category folder keeps files out of it.
    writeFiles(m_dir.path(), { "b.jpg", "a.jpg", "Images" });
    ASSERT_EQ(organizeRecorded().moved, 1u);
    auto details = m_service.lastDetails(m_dir / ""); // the folder, however spelled
    ASSERT_TRUE(details);
    EXPECT_EQ(details->kind, RunDetails::Kind::run);
    ASSERT_EQ(details->entries.size(), 2u);
    EXPECT_EQ(details->entries[0].first, "a.jpg");
    EXPECT_THAT(details->entries[1].second.english(), HasSubstr("\"Images\""));

    // A run that moves nothing keeps no run file, but its details stay; a new file a
    // killed run left beside them is no obstacle.
    const fs::path kept = *fs::directory_iterator(m_state / "details");
    writeFile(kept.native() + ".new", "left by a kill");
    writeFiles(m_dir.path(), { "c.pdf" });
    m_fileSystem->failCall(Op::renameNoReplace, 0, EACCES);
    const RunReport nothing = organizeRecorded();
    ASSERT_EQ(nothing.moved, 0u);
    EXPECT_EQ(nothing.runId, ""); // no run file for an id to name
    details = m_service.lastDetails(m_dir.path());
    ASSERT_TRUE(details);
    EXPECT_EQ(details->entries.size(), 3u);
    m_fileSystem->reset();

    fs::remove(m_dir / "Others/Images");
    EXPECT_EQ(undo().notRestored.size(), 1u);
    details = m_service.lastDetails(m_dir.path());
    ASSERT_TRUE(details);
    EXPECT_EQ(details->kind, RunDetails::Kind::undo);
    EXPECT_EQ(details->entries.at(0).first, "Images");

    EXPECT_EQ(organizeRecorded().moved, 3u);
    EXPECT_FALSE(m_service.lastDetails(m_dir.path()));
}
