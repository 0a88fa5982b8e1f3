#include "EngineTestSupport.h"

using SymlinkAndNameTest = EngineTest;

TEST_F(SymlinkAndNameTest, EntryInPlaceOfADestinationFolderIsNeverFollowedAndBlocksOnlyItsMoves)
{
    enum class Blocker { plainFile, linkToFolder, danglingLink };
    const std::tuple<const char *, Blocker, Names> cases[] {
        { "Images", Blocker::plainFile, { "photo.jpg" } },
        { "Images", Blocker::danglingLink, { "photo.jpg" } },
        // No sub-group folder is made through a link either.
        { "Images", Blocker::linkToFolder, { "photo.jpg", "shot.png" } },
        { "Images/JPG", Blocker::linkToFolder, { "photo.jpg" } },
    };
    for (const auto &[where, blocker, skipped] : cases) {
        SCOPED_TRACE(testing::Message() << where << ' ' << static_cast<int>(blocker));
        TempDir dir;
        TempDir outside;
        m_skips.clear();
        writeFiles(dir.path(), { "photo.jpg", "c.pdf" });
        if (skipped.size() > 1 || std::string(where) == "Images/JPG")
            writeFiles(dir.path(), { "shot.png" });
        const OrganizationPlan plan = m_service.buildPlan(dir.path());
        const fs::path path = dir / where;
        fs::create_directories(path.parent_path());
        if (blocker == Blocker::plainFile)
            writeFile(path, "a plain file");
        else
            fs::create_symlink(
                blocker == Blocker::linkToFolder ? outside.path() : outside / "made", path);
        const fs::file_type blockerType = fs::symlink_status(path).type();

        EXPECT_EQ(execute(plan).size(), plan.operations().size() - skipped.size());
        EXPECT_EQ(skippedNames(), skipped);
        for (const std::string &name : skipped)
            EXPECT_EQ(readFile(dir / name), name);
        EXPECT_EQ(readFile(dir / "Documents/c.pdf"), "c.pdf");
        EXPECT_EQ(fs::symlink_status(path).type(), blockerType);
        EXPECT_TRUE(fs::is_empty(outside.path()));
    }
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
        { real.string() + "/", (m_dir / "caf\xe9 real/../caf\xe9 real/.").string(),
            (m_dir / "chosen").string(), std::string("caf\xe9 real") }) {
        SCOPED_TRACE(spelling);
        EXPECT_EQ(m_service.organize(m_service.buildPlan(spelling)).moved, 1u);
        EXPECT_EQ(readFile(real / "Images/a.jpg"), "A");
        EXPECT_EQ(m_service.undoLast(spelling).restored, 1u);
        EXPECT_EQ(describeDifference(before, snapshotTree(real)), "");
    }
    fs::current_path(previous);
    EXPECT_TRUE(fs::is_symlink(m_dir / "chosen"));
}

TEST_F(SymlinkAndNameTest, NamesBeyondTheLengthLimitAreSkippedAndStay)
{
    // 255 bytes moves; with a number added it no longer fits.
    const std::string fits = std::string(251, 'b') + ".jpg";
    const std::string clashes = std::string(251, 'a') + ".jpg";
    writeFile(m_dir / "Images" / clashes, "already there");
    // U+0149 upper-cases to two code points, so the sub-group outgrows the file name.
    std::string extension;
    for (int i = 0; i < 126; ++i)
        extension += "\xc5\x89";
    const std::string odd = "a." + extension;
    writeFiles(m_dir.path(), { fits, clashes, odd, "b.qqq" });

    EXPECT_EQ(execute(plan()).size(), 2u);
    EXPECT_EQ(readFile(m_dir / "Images" / fits), fits);
    EXPECT_EQ(readFile(m_dir / "Others/QQQ/b.qqq"), "b.qqq");
    ASSERT_EQ(skippedNames(), (Names { odd, clashes }));
    EXPECT_THAT(
        m_skips[0].second + m_skips[1].second, HasSubstr("is longer than the file system allows"));
    EXPECT_EQ(readFile(m_dir / clashes), clashes);
    EXPECT_EQ(readFile(m_dir / odd), odd);
    EXPECT_EQ(readFile(m_dir / "Images" / clashes), "already there");
}
