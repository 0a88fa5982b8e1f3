#include "EngineTestSupport.h"
#include "services/errors/EngineError.h"
#include "services/filesystem/InodeTrust.h"
#include "services/filesystem/PosixFileSystem.h"
#include "services/journal/JournalReader.h"
#include "services/journal/JournalStore.h"
#include "services/organizing/RecordedFileLook.h"

#include <regex>

#include <linux/magic.h>
#include <sys/stat.h>
#include <unistd.h>

using JournalTrustTest = EngineTest;

// As on a disk plugged in again or mounted anew, or with another folder's header: the
// run file edited to what the folder shows then. A file is known by what still holds
// there, inode and device, inode alone beside size and time, or size and time only;
// one changed since stays, and another folder's run is none of this folder's.
TEST_F(JournalTrustTest, AfterARemountFilesAreKnownByWhatStillHolds)
{
    struct Case
    {
        const char *what;
        std::uint64_t fileSystem; // pretended, 0 for the real one
        std::vector<std::pair<const char *, const char *>> edits; // pattern, replacement
        std::size_t restored;
    };
    const char *const anyInode = R"("inode":\d+,"size")";
    const Case cases[] = {
        { "inode numbers not trusted", 0,
            { { R"("inodes":"stable")", R"("inodes":"unstable")" },
                { anyInode, R"("inode":7,"size")" } },
            2 },
        { "plugged in again", 0, { { R"("device":\d+)", R"("device":1)" } }, 2 },
        { "mounted anew over FUSE", FUSE_SUPER_MAGIC,
            { { R"("device":\d+,"inode":\d+)", R"("device":1,"inode":1)" },
                { anyInode, R"("inode":7,"size")" } },
            2 },
        { "another folder's", 0,
            { { R"("device":\d+)", R"("device":1)" },
                { R"("folder":"[^"]*")", R"("folder":"/elsewhere")" } },
            0 },
    };
    for (const Case &test : cases) {
        for (const fs::path &folder : { m_dir.path(), m_state.path() })
            for (const auto &entry : fs::directory_iterator(folder))
                fs::remove_all(entry);
        m_fileSystem->pretendFileSystem(test.fileSystem);
        writeFiles(m_dir.path(), { "a.jpg", "b.pdf", "c.mp3" });
        ASSERT_EQ(organizeRecorded().moved, 3u);
        const fs::path file = runFile();
        std::string text = readFile(file);
        for (const auto &[pattern, replacement] : test.edits)
            text = std::regex_replace(text, std::regex(pattern), replacement);
        writeFile(file, text);
        writeFile(m_dir / "Audio/c.mp3", "c.mp4"); // same size, another time

        const UndoReport report = undo();
        EXPECT_EQ(report.restored, test.restored) << test.what;
        if (test.restored == 0)
            continue;
        ASSERT_EQ(report.notRestored.size(), 1u) << test.what;
        EXPECT_THAT(report.notRestored[0].second.english(),
            HasSubstr("has changed since it was moved there"));
        EXPECT_EQ(namesIn(m_dir.path()), (Names { "Audio", "a.jpg", "b.pdf" })) << test.what;
    }
}

// A kill before the header reached the disk leaves an empty or torn run file: a run
// that never happened, which is no obstacle to undoing the one before.
TEST_F(JournalTrustTest, ARunFileWithoutAHeaderIsARunThatNeverHappened)
{
    writeFiles(m_dir.path(), { "a.jpg", "b.pdf" });
    ASSERT_EQ(organizeRecorded().moved, 2u);
    const fs::path file = runFile();
    std::string newer = file.native();
    newer = newer.substr(0, newer.rfind('.', newer.size() - 7)) + ".ffffffffffffffff.jsonl";
    for (const char *torn : { "", "{\"tidyra\":\"ru", "{\"tidyra\":\"run\",\"vers" }) {
        writeFile(newer, torn);
        EXPECT_TRUE(m_service.canUndo(m_dir.path()));
    }
    EXPECT_EQ(undo().restored, 2u);
    // The torn file is gone; the undone run stays as history, with nothing to undo.
    EXPECT_EQ(namesIn(m_state / "runs"), Names { file.filename() });
    EXPECT_FALSE(m_service.canUndo(m_dir.path()));

    // A last-run note naming anything but a run file of the runs folder is no run.
    writeFile(m_outside / "run.jsonl", "not a run");
    writeFile(m_state / "last-run", (m_outside / "run.jsonl").string() + "\n");
    EXPECT_TRUE(m_service.undoLast(std::nullopt).nothingToUndo);
    EXPECT_TRUE(fs::exists(m_outside / "run.jsonl"));
}

// The journal's folder is trusted only when it is the user's own and private, and
// nothing in it is followed or read unless it is the user's own file.
TEST_F(JournalTrustTest, OnlyAPrivateJournalOfTheUsersOwnIsUsed)
{
    writeFiles(m_dir.path(), { "a.jpg" });
    ::chmod(m_state.path().c_str(), 0770);
    const auto refusal = [&] {
        try {
            organizeRecorded();
        } catch (const EngineError &error) {
            return std::string(error.what());
        }
        return std::string();
    };
    EXPECT_THAT(refusal(), HasSubstr("\"" + m_state.path().string() + "\" can be changed by "));
    EXPECT_THAT(refusal(), HasSubstr("chmod 700"));
    ::chmod(m_state.path().c_str(), 0700);
    EXPECT_EQ(namesIn(m_dir.path()), Names { "a.jpg" });

    // A lock planted as a link is not followed.
    const JournalStore store(m_state.path());
    store.prepare();
    store.lock(OpenFolder::open(m_service.fileSystem(), m_dir.path()).identity, {});
    const fs::path lock = fs::directory_iterator(m_state / "locks")->path();
    fs::remove(lock);
    fs::create_symlink(m_outside / "planted", lock);
    EXPECT_THROW(organizeRecorded(), EngineError);
    EXPECT_FALSE(fs::exists(m_outside / "planted"));
    fs::remove(lock);
    ASSERT_EQ(organizeRecorded().moved, 1u);
    // What the journal makes inside its folder is private from the start.
    for (const char *made : { "runs", "locks" })
        EXPECT_EQ(fs::status(m_state / made).permissions(), fs::perms::owner_all) << made;

    // A run file that is not the user's own is not read.
    if (::geteuid() != 0)
        GTEST_SKIP() << "handing a file to another user needs root";
    const fs::path file = runFile();
    ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
    EXPECT_THROW(undo(), EngineError);
    EXPECT_EQ(namesIn(m_dir.path()), Names { "Images" });
}

// A line longer than any Tidyra writes is passed over without being held whole.
TEST(JournalReaderTest, AnAbsurdLineIsPassedOverAndTheRestIsRead)
{
    const TempDir dir;
    writeFile(dir / "run", "first\n" + std::string(JournalReader::maxLine * 3, 'x') + "\nlast");
    PosixFileSystem fileSystem;
    JournalReader reader(fileSystem, dir / "run");
    JournalReader::Line line;
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line.text, "first");
    ASSERT_TRUE(reader.next(line));
    EXPECT_TRUE(line.tooLong);
    EXPECT_TRUE(line.text.empty());
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line.text, "last");
    EXPECT_FALSE(line.complete);
    EXPECT_FALSE(reader.next(line));
}

// Files on a disk whose inode numbers may change with a remount are known by size and
// time; only local disk file systems are trusted to keep them.
TEST(InodeTrustTest, OnlyFileSystemsThatKeepInodeNumbersAreTrusted)
{
    for (const std::uint64_t untrusted : std::initializer_list<std::uint64_t> { FUSE_SUPER_MAGIC,
             MSDOS_SUPER_MAGIC, EXFAT_SUPER_MAGIC, SMB_SUPER_MAGIC, CIFS_SUPER_MAGIC,
             SMB2_SUPER_MAGIC, V9FS_MAGIC, 0u })
        EXPECT_FALSE(InodeTrust::stableAcrossMounts(untrusted)) << std::hex << untrusted;
    for (const std::uint64_t trusted : std::initializer_list<std::uint64_t> {
             EXT4_SUPER_MAGIC, BTRFS_SUPER_MAGIC, XFS_SUPER_MAGIC, TMPFS_MAGIC })
        EXPECT_TRUE(InodeTrust::stableAcrossMounts(trusted)) << std::hex << trusted;
}

// ext4 hands a freed inode number out again: a file saved over the moved one twice can
// have its number, but it was born later, and only where that is known does it decide.
TEST(RecordedFileLookTest, AFileBornAfterTheMoveIsAnotherThoughItHasItsInodeNumber)
{
    using Recognition = RecordedFileLook::Recognition;
    JournalLines::Intent intent;
    intent.inode = 13;
    intent.size = 2;
    intent.modified = 5;
    intent.born = 100;
    const FileIdentity moved { 1, 13 };
    EntryInfo seen { EntryType::regular, moved, 2, 1, 5 };
    seen.born = 100;
    EXPECT_TRUE(RecordedFileLook::isRecordedFile(seen, intent, moved, Recognition::inode));
    seen.size = 3; // edited where it was put: still the file moved
    EXPECT_TRUE(RecordedFileLook::isRecordedFile(seen, intent, moved, Recognition::inode));
    seen.born = 200;
    EXPECT_FALSE(RecordedFileLook::isRecordedFile(seen, intent, moved, Recognition::inode));
    seen.size = 2;
    EXPECT_FALSE(RecordedFileLook::isRecordedFile(seen, intent, moved, Recognition::inodeAndStamp));
    intent.born = 0; // written before birth times were kept
    EXPECT_TRUE(RecordedFileLook::isRecordedFile(seen, intent, moved, Recognition::inode));
}
