#include "EngineTestSupport.h"
#include "TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>

namespace fs = std::filesystem;
using testing::HasSubstr;

namespace {

class SymlinkAndNameTest : public testing::Test
{
protected:
    SymlinkAndNameTest() { m_skips.attachTo(m_service); }

    TempDir m_dir;
    TempDir m_outside;
    FileOrganizerService m_service;
    SkipLog m_skips;
};

} // namespace

TEST_F(SymlinkAndNameTest, LinkedCategoryFolderIsNeverFollowed)
{
    fs::create_directory_symlink(m_outside.path(), m_dir / "Images");
    writeFile(m_dir / "photo.jpg", "P");
    writeFile(m_dir / "c.pdf", "C");
    const OrganizationPlan plan = m_service.buildPlan(m_dir.path());
    EXPECT_EQ(relativePath(m_dir.path(), requireMove(plan, "photo.jpg").destinationURL),
        "Images/photo.jpg");

    const auto executed = m_service.executePlan(plan);
    ASSERT_EQ(executed.size(), 1u);
    EXPECT_EQ(executed[0].id, requireMove(plan, "c.pdf").id);
    EXPECT_EQ(m_skips.names(), std::vector<std::string> { "photo.jpg" });
    EXPECT_EQ(readFile(m_dir / "photo.jpg"), "P");
    EXPECT_TRUE(fs::is_symlink(m_dir / "Images"));
    EXPECT_TRUE(snapshotTree(m_outside.path()).empty());
}

TEST_F(SymlinkAndNameTest, NoSubGroupFolderIsCreatedThroughALinkedCategoryFolder)
{
    fs::create_directory_symlink(m_outside.path(), m_dir / "Images");
    writeFile(m_dir / "a.jpg", "A");
    writeFile(m_dir / "b.png", "B");
    const OrganizationPlan plan = m_service.buildPlan(m_dir.path());
    EXPECT_EQ(
        relativePath(m_dir.path(), requireMove(plan, "a.jpg").destinationURL), "Images/JPG/a.jpg");

    EXPECT_NO_THROW({
        const auto executed = m_service.executePlan(plan);
        EXPECT_TRUE(executed.empty());
    });
    EXPECT_EQ(m_skips.entries().size(), 2u);
    EXPECT_EQ(readFile(m_dir / "a.jpg"), "A");
    EXPECT_EQ(readFile(m_dir / "b.png"), "B");
    EXPECT_TRUE(snapshotTree(m_outside.path()).empty())
        << describeDifference({}, snapshotTree(m_outside.path()));
}

TEST_F(SymlinkAndNameTest, LinkedSubGroupFolderIsNeverFollowed)
{
    fs::create_directory(m_dir / "Images");
    fs::create_directory_symlink(m_outside.path(), m_dir / "Images/JPG");
    writeFile(m_dir / "a.jpg", "A");
    writeFile(m_dir / "b.png", "B");
    const auto executed = m_service.executePlan(m_service.buildPlan(m_dir.path()));
    ASSERT_EQ(executed.size(), 1u);
    EXPECT_EQ(executed[0].sourceURL, m_dir / "b.png");
    EXPECT_EQ(m_skips.names(), std::vector<std::string> { "a.jpg" });
    EXPECT_EQ(readFile(m_dir / "a.jpg"), "A");
    EXPECT_EQ(readFile(m_dir / "Images/PNG/b.png"), "B");
    EXPECT_TRUE(snapshotTree(m_outside.path()).empty());
}

TEST_F(SymlinkAndNameTest, LinkedFilesAtTheTopStayWhereTheyAre)
{
    writeFile(m_outside / "target.jpg", "T");
    fs::create_symlink(m_outside / "target.jpg", m_dir / "link.jpg");
    const OrganizationPlan plan = m_service.buildPlan(m_dir.path());
    EXPECT_TRUE(plan.operations.empty());
    EXPECT_TRUE(m_service.executePlan(plan).empty());
    EXPECT_TRUE(fs::is_symlink(m_dir / "link.jpg"));
    EXPECT_EQ(namesIn(m_dir.path()), std::vector<std::string> { "link.jpg" });
}

TEST_F(SymlinkAndNameTest, NameAtTheLengthLimitMovesWhenItFits)
{
    const std::string name = std::string(251, 'a') + ".jpg";
    ASSERT_EQ(name.size(), 255u);
    writeFile(m_dir / name, "long");
    const auto executed = m_service.executePlan(m_service.buildPlan(m_dir.path()));
    EXPECT_EQ(executed.size(), 1u);
    EXPECT_EQ(readFile(m_dir / "Images" / name), "long");
}

TEST_F(SymlinkAndNameTest, NumberedNameBeyondTheLimitIsSkippedAndTheFileStays)
{
    const std::string name = std::string(251, 'a') + ".jpg";
    writeFile(m_dir / "Images" / name, "already there");
    writeFile(m_dir / name, "new");
    writeFile(m_dir / "c.pdf", "C");

    OrganizationPlan plan;
    ASSERT_NO_THROW(plan = m_service.buildPlan(m_dir.path()));
    ASSERT_EQ(plan.operations.size(), 2u);
    const auto executed = m_service.executePlan(plan);
    ASSERT_EQ(executed.size(), 1u);
    EXPECT_EQ(executed[0].sourceURL, m_dir / "c.pdf");
    ASSERT_EQ(m_skips.names(), std::vector<std::string> { name });
    const std::string &description = m_skips.entries()[0].second;
    EXPECT_TRUE(description.find("long") != std::string::npos
        || description.find("limit") != std::string::npos)
        << description;
    EXPECT_EQ(readFile(m_dir / name), "new");
    EXPECT_EQ(readFile(m_dir / "Images" / name), "already there");
    EXPECT_EQ(namesIn(m_dir / "Images"), std::vector<std::string> { name });
}

TEST_F(SymlinkAndNameTest, NamesThatAreNotUtf8MoveByteForByte)
{
    writeFile(m_dir / "caf\xe9.jpg", "bytes");
    writeFile(m_dir / "\xff\xfe.bin", "more");
    const auto executed = m_service.executePlan(m_service.buildPlan(m_dir.path()));
    EXPECT_EQ(executed.size(), 2u);
    EXPECT_EQ(namesIn(m_dir / "Images"), std::vector<std::string> { "caf\xe9.jpg" });
    EXPECT_EQ(namesIn(m_dir / "Others"), std::vector<std::string> { "\xff\xfe.bin" });
}

TEST_F(SymlinkAndNameTest, ClashOnANameThatIsNotUtf8IsNumberedByteForByte)
{
    writeFile(m_dir / "Images/caf\xe9.jpg", "old");
    writeFile(m_dir / "caf\xe9.jpg", "new");
    const OrganizationPlan plan = m_service.buildPlan(m_dir.path());
    EXPECT_EQ(relativePath(m_dir.path(), requireMove(plan, "caf\xe9.jpg").destinationURL),
        "Images/caf\xe9 (1).jpg");
    m_service.executePlan(plan);
    EXPECT_EQ(readFile(m_dir / "Images/caf\xe9 (1).jpg"), "new");
}

TEST_F(SymlinkAndNameTest, DanglingLinkNamedLikeACategoryIsNotCreatedThrough)
{
    fs::create_symlink(m_outside / "made", m_dir / "Images");
    writeFile(m_dir / "photo.jpg", "P");
    EXPECT_TRUE(m_service.executePlan(m_service.buildPlan(m_dir.path())).empty());
    EXPECT_EQ(m_skips.names(), std::vector<std::string> { "photo.jpg" });
    EXPECT_EQ(readFile(m_dir / "photo.jpg"), "P");
    EXPECT_FALSE(entryExists(m_outside / "made"));
}

TEST_F(SymlinkAndNameTest, MovesThatWouldLeaveTheFolderAreRefused)
{
    writeFile(m_dir / "a.jpg", "A");
    writeFile(m_dir / "b.jpg", "B");
    OrganizationPlan plan = m_service.buildPlan(m_dir.path());
    ASSERT_EQ(plan.operations.size(), 2u);
    // As a damaged or forged record might name them.
    for (FileMoveOperation &operation : plan.operations) {
        if (operation.sourceURL.filename() == "a.jpg")
            operation.destinationURL
                = m_dir / "Images/../.." / m_outside.path().filename() / "a.jpg";
        else
            operation.destinationURL = m_outside / "b.jpg";
    }
    EXPECT_TRUE(m_service.executePlan(plan).empty());
    EXPECT_EQ(m_skips.entries().size(), 2u);
    EXPECT_EQ(readFile(m_dir / "a.jpg"), "A");
    EXPECT_EQ(readFile(m_dir / "b.jpg"), "B");
    EXPECT_TRUE(snapshotTree(m_outside.path()).empty());
}

TEST_F(SymlinkAndNameTest, UndoNeverReachesThroughACategoryFolderReplacedByALink)
{
    writeFile(m_dir / "a.jpg", "A");
    const auto executed = m_service.executePlan(m_service.buildPlan(m_dir.path()));
    ASSERT_EQ(executed.size(), 1u);
    fs::rename(m_dir / "Images", m_dir / "Moved away");
    writeFile(m_outside / "a.jpg", "outside");
    fs::create_directory_symlink(m_outside.path(), m_dir / "Images");

    EXPECT_NO_THROW(m_service.undoOperations(executed));
    EXPECT_FALSE(entryExists(m_dir / "a.jpg"));
    EXPECT_EQ(readFile(m_outside / "a.jpg"), "outside");
}

TEST_F(SymlinkAndNameTest, FolderWhoseOwnNameIsNotUtf8OrganizesAndUndoes)
{
    const fs::path folder = m_dir / "caf\xe9 folder";
    writeFile(folder / "a.jpg", "A");
    writeFile(folder / "b.pdf", "B");
    const TreeSnapshot before = snapshotTree(folder);
    const auto executed = m_service.executePlan(m_service.buildPlan(folder));
    EXPECT_EQ(executed.size(), 2u);
    EXPECT_EQ(readFile(folder / "Images/a.jpg"), "A");
    m_service.undoOperations(executed);
    EXPECT_EQ(describeDifference(before, snapshotTree(folder)), "");
}

TEST_F(SymlinkAndNameTest, FolderSpelledWithTrailingSlashOrDotsOrThroughALinkWorks)
{
    writeFile(m_dir / "real/a.jpg", "A");
    fs::create_directory_symlink(m_dir / "real", m_dir / "chosen");
    const TreeSnapshot before = snapshotTree(m_dir / "real");
    for (const std::string &spelling : { (m_dir / "real").string() + "/",
             (m_dir / "real/../real/.").string(), (m_dir / "chosen").string() }) {
        SCOPED_TRACE(spelling);
        const auto executed = m_service.executePlan(m_service.buildPlan(spelling));
        EXPECT_EQ(executed.size(), 1u);
        EXPECT_EQ(readFile(m_dir / "real/Images/a.jpg"), "A");
        m_service.undoOperations(executed);
        EXPECT_EQ(describeDifference(before, snapshotTree(m_dir / "real")), "");
    }
    EXPECT_TRUE(m_skips.entries().empty());
    EXPECT_TRUE(fs::is_symlink(m_dir / "chosen"));
}

TEST_F(SymlinkAndNameTest, RelativeFolderPathWorks)
{
    writeFile(m_dir / "here/a.jpg", "A");
    const fs::path previous = fs::current_path();
    fs::current_path(m_dir.path());
    std::vector<FileMoveOperation> executed;
    EXPECT_NO_THROW({
        executed = m_service.executePlan(m_service.buildPlan("here"));
        m_service.undoOperations(executed);
    });
    fs::current_path(previous);
    EXPECT_EQ(executed.size(), 1u);
    EXPECT_EQ(readFile(m_dir / "here/a.jpg"), "A");
    EXPECT_FALSE(entryExists(m_dir / "here/Images"));
}

TEST_F(SymlinkAndNameTest, SubGroupNameBeyondTheLimitSkipsOnlyItsFiles)
{
    // U+0149 upper-cases to two code points, so the folder name outgrows the file name.
    std::string extension;
    for (int i = 0; i < 126; ++i)
        extension += "\xc5\x89";
    const std::string name = "a." + extension;
    writeFile(m_dir / name, "odd");
    writeFile(m_dir / "b.qqq", "B");
    const auto executed = m_service.executePlan(m_service.buildPlan(m_dir.path()));
    ASSERT_EQ(executed.size(), 1u);
    EXPECT_EQ(m_skips.names(), std::vector<std::string> { name });
    EXPECT_EQ(readFile(m_dir / name), "odd");
    EXPECT_EQ(readFile(m_dir / "Others/QQQ/b.qqq"), "B");
}
