#include "EngineTestSupport.h"
#include "services/filesystem/FileMover.h"

#include <sys/stat.h>

#include <atomic>
#include <set>
#include <thread>

namespace {

// How a file system without no-replace renames moves: by hard links (NFS, CIFS) or,
// with no hard links either (exFAT through FUSE), by an exclusive reservation.
enum class Route { link, reservation };

// One photo.jpg planned into Images/, on a file system that rejects RENAME_NOREPLACE.
class MoveFallbackTest : public EngineTest, public testing::WithParamInterface<Route>
{
protected:
    void start(bool undoToo)
    {
        fs::remove_all(m_dir.path());
        fs::remove_all(m_state.path());
        writeFile(m_dir / "photo.jpg", "P");
        m_fileSystem->reset();
        if (undoToo) {
            ASSERT_EQ(organizeRecorded().moved, 1u);
        }
        m_fileSystem->failCall(Op::renameNoReplace, 0, EINVAL);
        if (GetParam() == Route::reservation)
            m_fileSystem->failCall(Op::hardLink, 0, EPERM);
    }
};

} // namespace

// Another program saves a new version over a name between any two calls of a move,
// on the way there and back: neither version is ever lost, and nothing of ours stays.
TEST_P(MoveFallbackTest, MovesBothWaysAndANewVersionSavedMeanwhileIsNeverRemoved)
{
    for (const bool back : { false, true }) {
        for (const Op operation : { Op::statIn, Op::hardLink, Op::renameReplacing, Op::unlinkFile,
                 Op::createExclusive }) {
            for (int nth = 1; nth <= 4; ++nth) {
                SCOPED_TRACE(testing::Message() << (back ? "undo" : "organize") << ", before call "
                                                << nth << " of operation " << int(operation));
                start(back);
                const fs::path saved = m_dir / (back ? "Images/photo.jpg" : "photo.jpg");
                bool fired = false;
                m_fileSystem->beforeCall(operation, nth, [&] {
                    fired = true;
                    writeFile(saved.string() + ".new", "new");
                    fs::rename(saved.string() + ".new", saved);
                });
                stoppable([&] { back ? (void)undo() : (void)organizeRecorded(); });
                if (!fired)
                    continue;
                std::multiset<std::string> contents;
                for (const auto &entry : fs::recursive_directory_iterator(m_dir.path())) {
                    if (entry.is_regular_file())
                        contents.insert(readFile(entry.path()));
                    EXPECT_THAT(
                        entry.path().filename().string(), testing::Not(HasSubstr(".tidyra")));
                }
                // The old version was replaced by the save itself; the new one stays.
                EXPECT_EQ(contents.count("new"), 1u);
                EXPECT_LE(contents.count("P"), 1u);
                EXPECT_EQ(contents.count(""), 0u) << "a reservation left behind";
            }
        }
    }
}

// On a share the moves of a batch, and of its undo, go at once, from several threads:
// each file arrives once, where it was planned, and comes back, a name the link route
// could not remove included; a cancel stops every thread, and the next undo finishes.
TEST_P(MoveFallbackTest, FilesMovedAtOnceOnAShareAllArriveAndComeBack)
{
    const bool link = GetParam() == Route::link;
    for (const bool cancelled : { false, true }) {
        start(false);
        for (const std::string name : { "a.txt", "A.TXT", "b.pdf", "c.mp3", "d.zip", "e.png" })
            for (int i = 0; i < 10; ++i)
                writeFile(m_dir / (std::to_string(i) + name), name);
        const TreeSnapshot before = snapshotTree(m_dir.path());
        m_fileSystem->pretendFileSystem(0x65735546);
        std::set<std::thread::id> threads;
        std::atomic<bool> cancel = false;
        RunControl control;
        control.cancel = &cancel;
        const auto watch = [&](int cancelAt) {
            threads.clear();
            m_fileSystem->beforeCall(
                Op::renameReplacing, 0, [&] { threads.insert(std::this_thread::get_id()); });
            if (cancelled)
                m_fileSystem->beforeCall(Op::renameReplacing, cancelAt, [&] { cancel = true; });
        };
        watch(10);
        if (link && !cancelled)
            m_fileSystem->failCall(Op::unlinkFile, 0, EIO);
        const RunReport run = m_service.organize(plan(), control);
        EXPECT_EQ(run.cancelled, cancelled);
        EXPECT_EQ(run.moved < 61u, cancelled);
        EXPECT_GT(threads.size(), 2u * !cancelled);
        if (!cancelled) {
            EXPECT_EQ(readFile(m_dir / "Documents/TXT/0A.TXT"), "A.TXT");
        }
        m_fileSystem->reset();
        m_fileSystem->failCall(Op::renameNoReplace, 0, EINVAL);
        if (!link)
            m_fileSystem->failCall(Op::hardLink, 0, EPERM);
        cancel = false;
        watch(2);
        const UndoReport back = m_service.undoLast(m_dir.path(), control);
        EXPECT_EQ(back.restored < run.moved, cancelled);
        EXPECT_GT(threads.size(), 2u * !cancelled);
        EXPECT_EQ(back.restored + (cancelled ? undo().restored : 0), run.moved);
        EXPECT_EQ(describeDifference(before, snapshotTree(m_dir.path())), "");
    }
}

// Saved over twice in the window: the file that went aside comes back under a free
// numbered name, never hidden and never over the newest one.
TEST_P(MoveFallbackTest, ASecondSaveMeanwhileLeavesBothVersionsInSight)
{
    if (GetParam() != Route::link)
        return;
    start(false);
    const auto save = [&](const std::string &content) {
        writeFile(m_dir / "new", content);
        fs::rename(m_dir / "new", m_dir / "photo.jpg");
    };
    // The first replacing rename puts the journal's last-run note in place.
    m_fileSystem->beforeCall(Op::renameReplacing, 2, [&] { save("second"); });
    // The first link is the probe of whether links keep one identity.
    m_fileSystem->beforeCall(Op::hardLink, 3, [&] { save("third"); });
    ASSERT_EQ(organizeRecorded().moved, 1u);
    EXPECT_EQ(readFile(m_dir / "Images/photo.jpg"), "P");
    EXPECT_EQ(readFile(m_dir / "photo.jpg"), "third");
    EXPECT_EQ(readFile(m_dir / "photo (1).jpg"), "second");
    EXPECT_EQ(namesIn(m_dir.path()), (Names { "Images", "photo (1).jpg", "photo.jpg" }));
}

// The planned file replaced just before the move, and the replacement's old name taken
// away just after it: the new name, now its only one, stays. Into the reservation
// route, another program writes just after it is made: nothing is renamed over it.
TEST_P(MoveFallbackTest, AnotherProgramsFileKeepsItsOnlyNameAndItsContent)
{
    start(false);
    const bool link = GetParam() == Route::link;
    // The first link and the first exclusive file are the probe's.
    m_fileSystem->beforeCall(link ? Op::hardLink : Op::createExclusive, 2, [&] {
        if (link)
            writeFile(m_dir / "other", "theirs"), fs::rename(m_dir / "other", m_dir / "photo.jpg");
        m_fileSystem->beforeCall(Op::statIn, 1, [&] {
            if (link)
                fs::remove(m_dir / "photo.jpg");
            else
                writeFile(m_dir / "Images/photo.jpg", "theirs");
        });
    });
    EXPECT_EQ(organizeRecorded().moved, 0u);
    EXPECT_EQ(readFile(m_dir / "Images/photo.jpg"), "theirs");
    if (!link) {
        EXPECT_EQ(readFile(m_dir / "photo.jpg"), "P");
    }
}

// A run killed inside a link-route move leaves the file's old name aside; undo, knowing
// the move went that way, takes it away once the file is back.
TEST_F(EngineTest, UndoTakesAwayTheNameALinkRouteMoveLeftAside)
{
    writeFile(m_dir / "photo.jpg", "P");
    // Known by size and time, as on NTFS through FUSE, whose links keep one identity.
    m_fileSystem->pretendFileSystem(0x65735546);
    m_fileSystem->failCall(Op::renameNoReplace, 0, EINVAL);
    ASSERT_EQ(organizeRecorded().moved, 1u);
    struct stat moved = {};
    ASSERT_EQ(::stat((m_dir / "Images/photo.jpg").c_str(), &moved), 0);
    fs::create_hard_link(
        m_dir / "Images/photo.jpg", m_dir / FileMover::asideName({ 0, moved.st_ino }));
    m_fileSystem->reset();
    EXPECT_EQ(undo().restored, 1u);
    EXPECT_EQ(namesIn(m_dir.path()), Names { "photo.jpg" });

    // Another file under that name is none of the run's: it stays where it is.
    ASSERT_EQ(organizeRecorded().moved, 1u);
    ASSERT_EQ(::stat((m_dir / "Images/photo.jpg").c_str(), &moved), 0);
    const std::string aside = FileMover::asideName({ 0, moved.st_ino });
    writeFile(m_dir / aside, "other");
    fs::remove(m_dir / "Images/photo.jpg");
    EXPECT_EQ(undo().restored, 0u);
    EXPECT_FALSE(fs::exists(m_dir / "photo.jpg"));
    EXPECT_EQ(readFile(m_dir / aside), "other");
}

// Killed at any call of a run or of its undo from its first move on (nothing after that call
// happens, nothing buffered is written), then undone until there is nothing left to undo: the
// folder is as it was, with no reservation, aside name or probe left. Where files are known by size
// and time (FUSE: exFAT, sshfs, NTFS), an empty file and the empty reservation made for it are told
// apart only by the journal. The second file's name is reserved without a look first.
TEST_P(MoveFallbackTest, AKillAtAnyCallEndsInTheOriginalTreeAfterUndo)
{
    for (const bool back : { false, true }) {
        for (const bool fuse : { false, true }) {
            bool killed = true;
            for (int nth = 0; killed; ++nth) {
                SCOPED_TRACE(testing::Message()
                    << (back ? "undo" : "organize") << " killed at call " << nth
                    << " after its first move began" << (fuse ? ", on FUSE" : ""));
                fs::remove_all(m_dir.path());
                fs::remove_all(m_state.path());
                const std::string content = fuse ? "" : "P";
                writeFile(m_dir / "photo.jpg", content);
                writeFile(m_dir / "scan.jpg", content);
                const auto tick = fs::last_write_time(m_dir / "photo.jpg");
                fs::last_write_time(m_dir / "scan.jpg", tick);
                const TreeSnapshot before = snapshotTree(m_dir.path());
                const auto restart = [&] {
                    m_fileSystem->reset();
                    m_fileSystem->pretendFileSystem(fuse ? 0x65735546 : 0);
                    m_fileSystem->failCall(Op::renameNoReplace, 0, EINVAL);
                    if (GetParam() == Route::reservation)
                        m_fileSystem->failCall(Op::hardLink, 0, EPERM);
                    // Times as coarse as a stick's: every empty file has the file's.
                    if (fuse)
                        m_fileSystem->beforeCall(Op::statIn, 0, [&] {
                            for (const auto &entry : fs::recursive_directory_iterator(m_dir.path()))
                                if (entry.is_regular_file() && entry.file_size() == 0)
                                    fs::last_write_time(entry.path(), tick);
                        });
                };
                restart();
                if (back) {
                    ASSERT_EQ(organizeRecorded().moved, 2u);
                }
                m_fileSystem->beforeCall(
                    Op::renameNoReplace, 1, [&, nth] { m_fileSystem->killAt(nth); });
                stoppable([&] { back ? (void)undo() : (void)organizeRecorded(); });
                killed = m_fileSystem->killed();
                restart();
                // Half the time a run comes first: what the kill left is settled before
                // it moves anything, never taken for the user's file or this run's move.
                // An undo cut short then stays in the history, to be undone by its id.
                if (nth % 2 == 1)
                    organizeRecorded();
                for (int undos = 0; undos < 3 && !undo().nothingToUndo; ++undos) { }
                for (const RunHistoryEntry &run : m_service.history(m_dir.path()))
                    if (run.undoable > 0)
                        m_service.undoRun(m_dir.path(), run.id);
                EXPECT_EQ(describeDifference(before, snapshotTree(m_dir.path())), "");
            }
        }
    }
    m_fileSystem->reset();
}

INSTANTIATE_TEST_SUITE_P(Routes, MoveFallbackTest, testing::Values(Route::link, Route::reservation),
    [](const auto &info) { return info.param == Route::link ? "Link" : "Reservation"; });

TEST_F(EngineTest, MovesThatCannotBeDoneSafelyFailAndTheFileStays)
{
    writeFile(m_dir / "photo.jpg", "P");
    // Another device: Tidyra never copies.
    m_fileSystem->failCall(Op::renameNoReplace, 1, EXDEV);
    EXPECT_EQ(organizeRecorded().moved, 0u);
    ASSERT_EQ(m_skips.size(), 1u);
    EXPECT_THAT(m_skips[0].second, HasSubstr("on another device, and Tidyra never copies"));

    // A name taken between the reservation's check and the move is not replaced.
    m_skips.clear();
    m_fileSystem->reset();
    m_fileSystem->failCall(Op::renameNoReplace, 0, EINVAL);
    m_fileSystem->failCall(Op::hardLink, 0, EPERM);
    m_fileSystem->beforeCall(
        Op::createExclusive, 1, [&] { writeFile(m_dir / "Images/photo.jpg", "other"); });
    EXPECT_EQ(organizeRecorded().moved, 0u);
    EXPECT_THAT(m_skips.at(0).second, HasSubstr("already exists in \"Images\""));
    EXPECT_EQ(readFile(m_dir / "photo.jpg"), "P");
    EXPECT_EQ(readFile(m_dir / "Images/photo.jpg"), "other");

    // An empty file takes the new name just before the move, and the run is killed as
    // it would reserve the name: undo leaves that file, which the journal never claimed.
    fs::remove(m_dir / "Images/photo.jpg");
    m_fileSystem->reset();
    m_fileSystem->failCall(Op::renameNoReplace, 0, EINVAL);
    m_fileSystem->failCall(Op::hardLink, 0, EPERM);
    m_fileSystem->beforeCall(
        Op::renameNoReplace, 1, [&] { writeFile(m_dir / "Images/photo.jpg", ""); });
    // The first exclusive file is the probe's.
    m_fileSystem->beforeCall(Op::createExclusive, 2, [&] { m_fileSystem->killAt(0); });
    stoppable([&] { organizeRecorded(); });
    m_fileSystem->reset();
    undo();
    EXPECT_TRUE(fs::exists(m_dir / "Images/photo.jpg"));

    // Once a reservation kept its lack of permissions, names are reserved without a look
    // first, and an empty file that took the name is found only by the failed create: a
    // kill just after that leaves the user's file, which has permissions, where it is.
    fs::remove_all(m_dir / "Images");
    writeFile(m_dir / "a.jpg", "A");
    m_fileSystem->reset();
    m_fileSystem->failCall(Op::renameNoReplace, 0, EINVAL);
    m_fileSystem->failCall(Op::hardLink, 0, EPERM);
    std::string second;
    m_fileSystem->beforeCall(Op::createExclusive, 3, [&] {
        second = fs::exists(m_dir / "a.jpg") ? "a.jpg" : "photo.jpg";
        writeFile(m_dir / "Images" / second, "");
        m_fileSystem->killAt(1);
    });
    stoppable([&] { organizeRecorded(); });
    m_fileSystem->reset();
    EXPECT_EQ(undo().restored, 1u);
    EXPECT_EQ(namesIn(m_dir / "Images"), Names { second });
    EXPECT_EQ(namesIn(m_dir.path()), (Names { "Images", "a.jpg", "photo.jpg" }));
}

// ntfs-3g replaces a long name by linking the old file to a cut-down name first, and
// that name outlives the rename: the reservation must not stay behind under it.
TEST_F(EngineTest, AReservationAFileSystemKeptUnderACutDownNameGoes)
{
    const std::string name = std::string(240, 'L') + ".pdf";
    writeFile(m_dir / name, "P");
    fs::create_directory(m_dir / "Documents");
    writeFile(m_dir / "Documents/LL", ""); // the user's own, with a name like a cut-down one
    m_fileSystem->failCall(Op::renameNoReplace, 0, EINVAL);
    m_fileSystem->failCall(Op::hardLink, 0, EPERM);
    m_fileSystem->beforeCall(Op::renameReplacing, 0, [&] {
        if (fs::exists(m_dir / "Documents" / name) && !fs::exists(m_dir / "Documents/LLLL"))
            fs::create_hard_link(m_dir / "Documents" / name, m_dir / "Documents/LLLL");
    });
    EXPECT_EQ(organizeRecorded().moved, 1u);
    EXPECT_EQ(namesIn(m_dir / "Documents"), (Names { "LL", name }));
    EXPECT_EQ(readFile(m_dir / "Documents" / name), "P");
}

// An undo killed between reserving a file's old name and moving the file back, and the
// file then removed by the user: the empty reservation goes with the next run, and is
// never organized as a file of the user's.
TEST_F(EngineTest, AKilledUndosReservationGoesThoughTheFileWasRemoved)
{
    writeFile(m_dir / "photo.jpg", "P");
    m_fileSystem->failCall(Op::renameNoReplace, 0, EINVAL);
    m_fileSystem->failCall(Op::hardLink, 0, EPERM);
    ASSERT_EQ(organizeRecorded().moved, 1u);
    m_fileSystem->beforeCall(Op::renameReplacing, 0, [&] {
        if (fs::exists(m_dir / "photo.jpg"))
            m_fileSystem->killAt(0);
    });
    stoppable([&] { undo(); });
    ASSERT_EQ(fs::file_size(m_dir / "photo.jpg"), 0u);
    fs::remove(m_dir / "Images/photo.jpg");
    m_fileSystem->reset();
    EXPECT_EQ(organizeRecorded().moved, 0u);
    EXPECT_EQ(namesIn(m_dir.path()), Names { "Images" });
}

// A run killed inside a link-route move on FUSE (the old name set aside, not yet
// removed), then its category folder moved away by the user: undo drops the name set
// aside, a second name of the file that went away with the folder.
TEST_F(EngineTest, AnAsideNameGoesWhenTheFilesFolderWasMovedAway)
{
    writeFile(m_dir / "photo.jpg", "P");
    m_fileSystem->pretendFileSystem(0x65735546);
    m_fileSystem->failCall(Op::renameNoReplace, 0, EINVAL);
    m_fileSystem->beforeCall(Op::unlinkFile, 0, [&] {
        for (const auto &entry : fs::directory_iterator(m_dir.path()))
            if (entry.path().filename().string().starts_with(".tidyra-moving-"))
                m_fileSystem->killAt(0);
    });
    stoppable([&] { organizeRecorded(); });
    ASSERT_TRUE(m_fileSystem->killed());
    fs::rename(m_dir / "Images", m_outside / "Images");
    fs::create_directory_symlink(m_outside / "Images", m_dir / "Images");
    m_fileSystem->reset();
    m_fileSystem->pretendFileSystem(0x65735546);
    undo();
    EXPECT_EQ(namesIn(m_dir.path()), Names { "Images" });
    EXPECT_EQ(readFile(m_outside / "Images/photo.jpg"), "P");
}
