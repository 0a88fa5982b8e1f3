#include "EngineTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace fs = std::filesystem;
using testing::HasSubstr;

using SymlinkAndNameTest = EngineTest;

TEST_F(SymlinkAndNameTest, EntryInPlaceOfADestinationFolderIsNeverFollowedAndBlocksOnlyItsMoves)
{
    enum class Blocker { plainFile, linkToFolder, danglingLink };
    struct Case
    {
        const char *where;
        Blocker blocker;
        Names files;
        Names skipped;
    };
    const Case cases[] {
        { "Images", Blocker::plainFile, { "photo.jpg", "c.pdf" }, { "photo.jpg" } },
        { "Images", Blocker::linkToFolder, { "photo.jpg", "c.pdf" }, { "photo.jpg" } },
        { "Images", Blocker::danglingLink, { "photo.jpg", "c.pdf" }, { "photo.jpg" } },
        // No sub-group folder is made through the link either.
        { "Images", Blocker::linkToFolder, { "photo.jpg", "shot.png", "c.pdf" },
            { "photo.jpg", "shot.png" } },
        { "Images/JPG", Blocker::linkToFolder, { "photo.jpg", "shot.png", "c.pdf" },
            { "photo.jpg" } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message()
            << c.where << ' ' << static_cast<int>(c.blocker) << ' ' << c.files.size());
        TempDir dir;
        TempDir outside;
        FileOrganizerService service;
        SkipLog skips;
        skips.attachTo(service);
        for (const std::string &name : c.files)
            writeFile(dir / name, name);
        const OrganizationPlan plan = service.buildPlan(dir.path());
        const fs::path blocker = dir / c.where;
        fs::create_directories(blocker.parent_path());
        if (c.blocker == Blocker::plainFile)
            writeFile(blocker, "a plain file");
        else if (c.blocker == Blocker::linkToFolder)
            fs::create_directory_symlink(outside.path(), blocker);
        else
            fs::create_symlink(outside / "made", blocker);
        const fs::file_type blockerType = fs::symlink_status(blocker).type();

        const auto executed = service.executePlan(plan);
        EXPECT_EQ(executed.size(), c.files.size() - c.skipped.size());
        Names skipped = skips.names();
        std::sort(skipped.begin(), skipped.end());
        EXPECT_EQ(skipped, c.skipped);
        for (const std::string &name : c.skipped)
            EXPECT_EQ(readFile(dir / name), name);
        EXPECT_EQ(readFile(dir / "Documents/c.pdf"), "c.pdf");
        EXPECT_EQ(fs::symlink_status(blocker).type(), blockerType);
        EXPECT_EQ(describeDifference({}, snapshotTree(outside.path())), "");
    }
}

TEST_F(SymlinkAndNameTest, MovesThatWouldLeaveTheFolderAreRefused)
{
    writeFiles(m_dir.path(), { "a.jpg", "b.jpg" });
    OrganizationPlan plan = this->plan();
    ASSERT_EQ(plan.operations.size(), 2u);
    // As a damaged or forged record might name them.
    plan.operations[0].destinationURL
        = m_dir / "Images/../.." / m_outside.path().filename() / "a.jpg";
    plan.operations[1].destinationURL = m_outside / "b.jpg";
    EXPECT_TRUE(m_service.executePlan(plan).empty());
    EXPECT_EQ(m_skips.entries().size(), 2u);
    EXPECT_EQ(namesIn(m_dir.path()), (Names { "a.jpg", "b.jpg" }));
    EXPECT_TRUE(snapshotTree(m_outside.path()).empty());
}

TEST_F(SymlinkAndNameTest, UndoNeverReachesThroughACategoryFolderReplacedByALink)
{
    writeFile(m_dir / "a.jpg", "A");
    ASSERT_EQ(organizeRecorded().moved, 1u);
    fs::rename(m_dir / "Images", m_dir / "Moved away");
    writeFile(m_outside / "a.jpg", "outside");
    fs::create_directory_symlink(m_outside.path(), m_dir / "Images");

    EXPECT_EQ(undo().notRestored.size(), 1u);
    EXPECT_FALSE(entryExists(m_dir / "a.jpg"));
    EXPECT_EQ(readFile(m_outside / "a.jpg"), "outside");
}

TEST_F(SymlinkAndNameTest, AnySpellingOfTheFolderOrganizesAndUndoes)
{
    const fs::path real = m_dir / "caf\xe9 real"; // its own name is not UTF-8 either
    writeFile(real / "a.jpg", "A");
    fs::create_directory_symlink(real, m_dir / "chosen");
    const TreeSnapshot before = snapshotTree(real);
    const fs::path previous = fs::current_path();
    fs::current_path(m_dir.path());
    for (const std::string &spelling :
        { real.string(), real.string() + "/", (m_dir / "caf\xe9 real/../caf\xe9 real/.").string(),
            (m_dir / "chosen").string(), std::string("caf\xe9 real") }) {
        SCOPED_TRACE(spelling);
        EXPECT_EQ(m_undo.organize(m_service, m_service.buildPlan(spelling)).moved, 1u);
        EXPECT_EQ(readFile(real / "Images/a.jpg"), "A");
        EXPECT_EQ(m_undo.undoLast(m_service, spelling).restored, 1u);
        EXPECT_EQ(describeDifference(before, snapshotTree(real)), "");
    }
    fs::current_path(previous);
    EXPECT_TRUE(m_skips.entries().empty());
    EXPECT_TRUE(fs::is_symlink(m_dir / "chosen"));
}

TEST_F(SymlinkAndNameTest, NamesBeyondTheLengthLimitAreSkippedAndStay)
{
    // 255 bytes moves; with a number added it no longer fits.
    const std::string fits = std::string(251, 'b') + ".jpg";
    const std::string clashes = std::string(251, 'a') + ".jpg";
    writeFile(m_dir / "Images" / clashes, "already there");
    writeFiles(m_dir.path(), { fits, clashes });

    const auto executed = organize();
    ASSERT_EQ(executed.size(), 1u);
    EXPECT_EQ(readFile(m_dir / "Images" / fits), fits);
    ASSERT_EQ(m_skips.names(), Names { clashes });
    EXPECT_THAT(m_skips.entries()[0].second, HasSubstr("is longer than the file system allows"));
    EXPECT_EQ(readFile(m_dir / clashes), clashes);
    EXPECT_EQ(readFile(m_dir / "Images" / clashes), "already there");

    // U+0149 upper-cases to two code points, so the sub-group outgrows the file name.
    std::string extension;
    for (int i = 0; i < 126; ++i)
        extension += "\xc5\x89";
    const std::string odd = "a." + extension;
    m_skips.clear();
    writeFiles(m_dir.path(), { odd, "b.qqq" });
    EXPECT_EQ(organize().size(), 1u);
    Names skipped = m_skips.names();
    std::sort(skipped.begin(), skipped.end());
    EXPECT_EQ(skipped, (Names { odd, clashes }));
    EXPECT_EQ(readFile(m_dir / odd), odd);
    EXPECT_EQ(readFile(m_dir / "Others/QQQ/b.qqq"), "b.qqq");
}

TEST_F(SymlinkAndNameTest, SkipLinesAndDescriptionsShowControlCharactersEscaped)
{
    const std::string forged = "a\n[Tidyra] Skipped fake.jpg";
    const std::string escape = "b\x1b[2J.jpg";
    writeFiles(m_dir.path(), { forged, escape });
    FileOrganizerService service; // the default reporter, which prints
    const OrganizationPlan plan = service.buildPlan(m_dir.path());
    writeFile(m_dir / "Images", "a plain file in the way");

    testing::internal::CaptureStdout();
    const auto executed = service.executePlan(plan);
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(executed.empty());
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 2) << printed;
    EXPECT_THAT(printed, HasSubstr("[Tidyra] Skipped a\\n[Tidyra] Skipped fake.jpg: "));
    EXPECT_THAT(printed, HasSubstr("[Tidyra] Skipped b\\x1B[2J.jpg: "));
    EXPECT_EQ(printed.find('\x1b'), std::string::npos);
    // The moves themselves stay byte-exact.
    fs::remove(m_dir / "Images");
    EXPECT_EQ(service.executePlan(plan).size(), 2u);
    EXPECT_EQ(readFile(m_dir / "Images" / forged), forged);

    const std::string description
        = errorFrom([&] { service.buildPlan(m_dir / "gone\n\x1b]0;title\x07"); }).description();
    EXPECT_THAT(description, HasSubstr("gone\\n\\x1B]0;title\\x07\": "));
    EXPECT_EQ(description.find_first_of("\n\x1b\x07"), std::string::npos);
}
