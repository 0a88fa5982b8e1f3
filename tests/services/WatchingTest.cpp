#include "EngineTestSupport.h"
#include "services/journal/JournalStore.h"
#include "services/rules/RulesFile.h"
#include "services/watching/AutoTidyRun.h"
#include "services/watching/ChangeSource.h"
#include "services/watching/InotifyChangeSource.h"
#include "services/watching/SettleTracker.h"
#include "services/watching/WatchedFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace std::chrono_literals;
using TimePoint = SettleTracker::TimePoint;

namespace {

// Changes a test hands in, as inotify would report them.
struct FakeChangeSource : ChangeSource
{
    int readyHandle() const override { return -1; }
    void takeChanges(std::vector<Change> &changes, bool &overflowed) override
    {
        for (std::string &name : std::exchange(pending, {}))
            changes.push_back({ std::move(name) });
        overflowed = std::exchange(overflow, false);
    }
    Names pending;
    bool overflow = false;
};

Names sorted(Names names)
{
    std::sort(names.begin(), names.end());
    return names;
}

// Files written long enough ago to have settled by their modification time too.
void writeOld(const fs::path &file, std::string_view content = "x")
{
    writeFile(file, content);
    const timespec times[2] = { { 0, UTIME_OMIT }, { ::time(nullptr) - 3600, 0 } };
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
}

} // namespace

TEST(SettleTrackerTest, NameSettlesAfterSettleTimeAndAChangeRestartsIt)
{
    SettleTracker tracker(60s);
    const TimePoint start {};
    EXPECT_EQ(tracker.nextDeadline(), std::nullopt); // nothing waits: no timer at all
    tracker.changed("a.pdf", start);
    EXPECT_EQ(tracker.nextDeadline(), start + 60s);
    EXPECT_TRUE(tracker.takeSettled(start + 59s).empty());
    tracker.changed("a.pdf", start + 59s);
    EXPECT_TRUE(tracker.takeSettled(start + 60s).empty());
    EXPECT_EQ(tracker.takeSettled(start + 119s), Names { "a.pdf" });
    EXPECT_EQ(tracker.waiting(), 0u);
    EXPECT_EQ(tracker.nextDeadline(), std::nullopt);
}

// A file closed after writing, or moved in, is settled without a further look; one
// still open for writing, or touched since, is looked at again before its run.
TEST(InotifyChangeSourceTest, TellsWhichFilesWereLastClosedAfterWriting)
{
    const TempDir dir;
    const TempDir outside;
    SettleTracker tracker(0s);
    {
        InotifyChangeSource source(dir.path());
        writeFile(dir / "closed.jpg", "x");
        writeFile(dir / "touched.jpg", "x");
        ASSERT_EQ(::utimensat(AT_FDCWD, (dir / "touched.jpg").c_str(), nullptr, 0), 0);
        writeFile(outside / "moved.jpg", "x");
        fs::rename(outside / "moved.jpg", dir / "moved.jpg");
        const FileDescriptor writer(
            ::open((dir / "open.jpg").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
        ASSERT_EQ(::write(writer.get(), "x", 1), 1);
        std::vector<ChangeSource::Change> changes;
        bool overflowed = false;
        source.takeChanges(changes, overflowed);
        for (const ChangeSource::Change &change : changes)
            tracker.changed(change.name, {}, change.endsWrite);
    }
    Names writtenWhole;
    EXPECT_EQ(sorted(tracker.takeSettled({}, &writtenWhole)).size(), 4u);
    EXPECT_EQ(sorted(writtenWhole), (Names { "closed.jpg", "moved.jpg" }));
}

// A watched folder removed or moved away is watched no longer, and the watch says so.
TEST(InotifyChangeSourceTest, AFolderRemovedOrMovedAwayEndsTheWatch)
{
    const TempDir dir;
    for (const bool moved : { false, true }) {
        fs::create_directory(dir / "watched");
        InotifyChangeSource source(dir / "watched");
        if (moved)
            fs::rename(dir / "watched", dir / "elsewhere");
        else
            fs::remove(dir / "watched");
        std::vector<ChangeSource::Change> changes;
        bool overflowed = false;
        EXPECT_EQ(
            errorFrom([&] { source.takeChanges(changes, overflowed); }).code().value(), ENOENT)
            << moved;
    }
}

TEST(SettleTrackerTest, BurstIsGatheredIntoOneRunButATrickleIsNotHeldForever)
{
    SettleTracker tracker(60s);
    const TimePoint start {};
    // A copy of 300 files, one every 100 ms: settling close after each other.
    Names names;
    for (int k = 0; k < 300; ++k) {
        names.push_back("file" + std::to_string(k));
        tracker.changed(names.back(), start + k * 100ms);
    }
    EXPECT_TRUE(tracker.takeSettled(start + 60s).empty());
    EXPECT_EQ(tracker.nextDeadline(), start + 29900ms + 60s);
    EXPECT_EQ(sorted(tracker.takeSettled(start + 29900ms + 60s)), sorted(names));

    // One file every 5 s, for ever: the first run still comes a settle time after due.
    for (int k = 0; k < 40; ++k)
        tracker.changed("slow" + std::to_string(k), start + k * 5s);
    EXPECT_EQ(tracker.nextDeadline(), start + 120s);
    EXPECT_EQ(tracker.takeSettled(start + 120s).size(), 13u); // changed by 60 s
}

TEST(WatchedFolderTest, StartCountsFilesThereAndOverflowRescansEverything)
{
    TempDir dir;
    writeFile(dir / "here.txt");
    writeFile(dir / ".hidden");
    fs::create_directory(dir / "Folder");
    auto source = std::make_unique<FakeChangeSource>();
    FakeChangeSource &changes = *source;
    WatchedFolder watched(dir.path(), std::move(source), 1s);
    const TimePoint start {};
    watched.changeAll(start);
    EXPECT_EQ(watched.tracker().takeSettled(start + 1s), Names { "here.txt" });

    // Events were lost: every file counts as changed, not only those reported.
    writeFile(dir / "new.txt");
    changes.pending = { "reported.txt", ".part-scratch" };
    changes.overflow = true;
    watched.readChanges(start + 2s);
    EXPECT_EQ(sorted(watched.tracker().takeSettled(start + 3s)),
        (Names { "here.txt", "new.txt", "reported.txt" }));
}

class AutoTidyRunTest : public EngineTest
{
protected:
    AutoTidyRunTest() { m_service.setLockWait(0ms); }
    AutoTidyRun::Result run(const Names &settled)
    {
        return AutoTidyRun(m_service, 60s, m_state.path()).run(m_dir.path(), settled);
    }
};

TEST_F(AutoTidyRunTest, MovesOnlySettledFilesAndLeavesDownloadsInProgress)
{
    writeOld(m_dir / "report.pdf");
    writeOld(m_dir / "not-settled.pdf");
    writeOld(m_dir / "movie.mkv.part");
    writeOld(m_dir / "movie.mkv", ""); // the browser's placeholder
    writeOld(m_dir / "big.iso.crdownload");
    const AutoTidyRun::Result result
        = run({ "report.pdf", "movie.mkv.part", "movie.mkv", "big.iso.crdownload", "gone.txt" });
    EXPECT_TRUE(result.ran);
    EXPECT_EQ(result.report.moved, 1u);
    EXPECT_TRUE(result.retry.empty()); // a download's end is a change of its own
    EXPECT_TRUE(fs::exists(m_dir / "Documents/report.pdf"));
    for (const char *left :
        { "not-settled.pdf", "movie.mkv.part", "movie.mkv", "big.iso.crdownload" })
        EXPECT_TRUE(fs::exists(m_dir / left)) << left;
    EXPECT_TRUE(m_skips.empty());
    // Recorded as a run like any other: undo takes it back.
    EXPECT_EQ(undo().restored, 1u);
    EXPECT_TRUE(fs::exists(m_dir / "report.pdf"));
}

TEST_F(AutoTidyRunTest, FileStillBeingWrittenIsLeftForALaterRun)
{
    writeFile(m_dir / "fresh.txt"); // modified just now
    writeOld(m_dir / "open.txt");
    writeOld(m_dir / "done.txt");
    FileDescriptor writer(::open((m_dir / "open.txt").c_str(), O_WRONLY | O_APPEND | O_CLOEXEC));
    ASSERT_TRUE(writer.isValid());
    AutoTidyRun::Result result = run({ "fresh.txt", "open.txt", "done.txt" });
    EXPECT_EQ(result.report.moved, 1u);
    EXPECT_EQ(sorted(result.retry), (Names { "fresh.txt", "open.txt" }));
    EXPECT_TRUE(fs::exists(m_dir / "open.txt"));

    // Closed, and nothing written meanwhile: the next run takes it.
    writer.reset();
    result = run({ "open.txt" });
    EXPECT_EQ(result.report.moved, 1u);
    EXPECT_TRUE(fs::exists(m_dir / "Documents/open.txt"));

    // Where no lease can be taken (another user's file, a file system without them),
    // only the time tells: a file still open is taken.
    writeOld(m_dir / "held.txt");
    writer.reset(::open((m_dir / "held.txt").c_str(), O_WRONLY | O_APPEND | O_CLOEXEC));
    m_fileSystem->failCall(Op::hasWriter, 0, EINVAL);
    EXPECT_EQ(run({ "held.txt" }).report.moved, 1u);
}

// A settled file the watch could not look at is not dropped: the run looks again, and
// moves it or says why.
TEST_F(AutoTidyRunTest, AFileTheWatchCouldNotLookAtIsLeftToTheRun)
{
    writeOld(m_dir / "a.txt");
    m_fileSystem->failCall(Op::statIn, 1, EIO);
    EXPECT_EQ(run({ "a.txt" }).report.moved, 1u);
}

TEST_F(AutoTidyRunTest, BusyFolderHandsEveryNameBackAndLosesNothing)
{
    writeOld(m_dir / "a.txt");
    writeOld(m_dir / "b.png");
    const JournalStore store(m_state.path());
    store.prepare();
    AutoTidyRun::Result result;
    {
        // A manual run at work on the folder holds it.
        const FileDescriptor manual
            = store.lock(OpenFolder::open(m_service.fileSystem(), m_dir.path()).identity, 0ms);
        result = run({ "a.txt", "b.png" });
    }
    EXPECT_FALSE(result.ran);
    EXPECT_EQ(sorted(result.retry), (Names { "a.txt", "b.png" }));
    EXPECT_TRUE(fs::exists(m_dir / "a.txt"));
    EXPECT_TRUE(fs::exists(m_dir / "b.png"));

    result = run(result.retry);
    EXPECT_EQ(result.report.moved, 2u);
    EXPECT_TRUE(result.retry.empty());
}

// An undo from another program puts the files back while the watch runs: they come in
// as new names, settle, and stay while they are what the undo put back. A file changed
// since, swapped for another, or tidied again by a later run is a new file to tidy.
TEST_F(AutoTidyRunTest, WhatAnUndoPutBackStaysUntilTheUserChangesIt)
{
    const Names names { "kept.txt", "longer.txt", "touched.png", "swapped.pdf", "by-hand.jpg",
        "blocked.txt" };
    for (const std::string &name : names)
        writeOld(m_dir / name, name);
    ASSERT_EQ(run(names).report.moved, names.size());
    writeOld(m_dir / "blocked.txt", "a new file where one would go back");
    const OrganizingService other(m_state.path());
    ASSERT_EQ(other.undoLast(m_dir.path()).restored, 5u);

    struct stat before = {};
    ASSERT_EQ(::stat((m_dir / "longer.txt").c_str(), &before), 0);
    const timespec kept[2] = { { 0, UTIME_OMIT }, before.st_mtim };
    writeFile(m_dir / "longer.txt", "longer.txt and more");
    ASSERT_EQ(::utimensat(AT_FDCWD, (m_dir / "longer.txt").c_str(), kept, 0), 0);
    const timespec earlier[2] = { { 0, UTIME_OMIT }, { before.st_mtim.tv_sec - 60, 0 } };
    ASSERT_EQ(::utimensat(AT_FDCWD, (m_dir / "touched.png").c_str(), earlier, 0), 0);
    writeFile(m_outside / "swapped.pdf", "SWAPPED.pdf");
    ASSERT_EQ(::utimensat(AT_FDCWD, (m_outside / "swapped.pdf").c_str(), kept, 0), 0);
    fs::rename(m_outside / "swapped.pdf", m_dir / "swapped.pdf");
    OrganizationPlan byHand = plan();
    byHand.keepOnly(
        [](const OrganizationPlan::Move &move) { return move.source == "by-hand.jpg"; });
    const std::vector<FileMoveOperation> tidiedByHand = execute(byHand);
    ASSERT_EQ(tidiedByHand.size(), 1u);
    fs::rename(tidiedByHand[0].destinationURL, m_dir / "by-hand.jpg");

    auto source = std::make_unique<FakeChangeSource>();
    source->pending = names;
    WatchedFolder watched(m_dir.path(), std::move(source), 60s);
    const TimePoint start {};
    watched.readChanges(start);
    const AutoTidyRun::Result result = run(watched.tracker().takeSettled(start + 60s));
    EXPECT_EQ(result.report.moved, 5u);
    EXPECT_TRUE(result.retry.empty());
    EXPECT_TRUE(fs::exists(m_dir / "kept.txt"));
    for (const char *tidied :
        { "longer.txt", "touched.png", "swapped.pdf", "by-hand.jpg", "blocked.txt" })
        EXPECT_FALSE(fs::exists(m_dir / tidied)) << tidied;
}

// The rules file is read again before each run; while it is broken nothing moves and
// every name waits, and once fixed the next run follows it.
TEST_F(AutoTidyRunTest, FollowsTheRulesFileAsItChanges)
{
    RulesFile rules(*m_fileSystem, m_state / "rules.toml");
    AutoTidyRun autoRun(m_service, 60s, m_state.path());
    autoRun.setRules(&rules);
    writeOld(m_dir / "a.epub");
    writeOld(m_dir / "b.epub");
    writeFile(m_state / "rules.toml", "[category.Books]\nadd = [\"epub\"]\n");
    EXPECT_EQ(autoRun.run(m_dir.path(), { "a.epub" }).report.moved, 1u);
    EXPECT_TRUE(fs::exists(m_dir / "Books/a.epub"));

    writeFile(m_state / "rules.toml", "[category.Books]\nadd = [\"epub\"]\nfolder = \".b\"\n");
    AutoTidyRun::Result broken = autoRun.run(m_dir.path(), { "b.epub" });
    EXPECT_FALSE(broken.ran);
    EXPECT_EQ(broken.rulesProblem.nested.at(0).kind, ErrorKind::rulesFolderHidden);
    EXPECT_EQ(broken.retry, Names { "b.epub" });
    EXPECT_TRUE(fs::exists(m_dir / "b.epub"));

    writeFile(m_state / "rules.toml", "[category.Novels]\nadd = [\"epub\"]\n");
    EXPECT_TRUE(autoRun.run(m_dir.path(), { "b.epub" }).rulesProblem.empty());
    EXPECT_TRUE(fs::exists(m_dir / "Novels/b.epub"));
}
