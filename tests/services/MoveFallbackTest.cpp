#include "EngineTestSupport.h"
#include "FaultInjectingFileSystem.h"
#include "FileSystemError.h"
#include "TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>

namespace fs = std::filesystem;
using testing::HasSubstr;
using Op = FaultInjectingFileSystem::Operation;

namespace {

// One photo.jpg planned into Images/, run through a file system that can be told to fail.
class MoveFallbackTest : public testing::Test
{
protected:
    MoveFallbackTest()
        : m_fileSystem(std::make_shared<FaultInjectingFileSystem>())
        , m_service(m_fileSystem)
    {
        m_skips.attachTo(m_service);
        writeFile(m_dir / "photo.jpg", "P");
        m_plan = m_service.buildPlan(m_dir.path());
    }

    fs::path source() const { return m_dir / "photo.jpg"; }
    fs::path destination() const { return m_dir / "Images/photo.jpg"; }

    void expectFileStayedAtSource()
    {
        EXPECT_EQ(readFile(source()), "P");
        EXPECT_EQ(linkCount(source()), 1u);
        EXPECT_FALSE(entryExists(destination()));
    }

    TempDir m_dir;
    std::shared_ptr<FaultInjectingFileSystem> m_fileSystem;
    FileOrganizerService m_service;
    SkipLog m_skips;
    OrganizationPlan m_plan;
};

class RenameFlagRejectedTest : public MoveFallbackTest, public testing::WithParamInterface<int>
{
};

} // namespace

TEST_P(RenameFlagRejectedTest, MovesByLinkAndUnlinkInstead)
{
    m_fileSystem->failCall(Op::renameNoReplace, 0, GetParam());
    const auto executed = m_service.executePlan(m_plan);
    EXPECT_EQ(idsOf(executed), idsOf(m_plan.operations));
    EXPECT_TRUE(m_skips.entries().empty());
    EXPECT_GE(m_fileSystem->callCount(Op::hardLink), 1);
    EXPECT_FALSE(entryExists(source()));
    EXPECT_EQ(readFile(destination()), "P");
    EXPECT_EQ(linkCount(destination()), 1u);

    // Undo takes the same way back.
    m_service.undoOperations(executed);
    EXPECT_EQ(readFile(source()), "P");
    EXPECT_EQ(linkCount(source()), 1u);
    EXPECT_FALSE(entryExists(m_dir / "Images"));
}

INSTANTIATE_TEST_SUITE_P(
    Errors, RenameFlagRejectedTest, testing::Values(EINVAL, ENOSYS, EOPNOTSUPP));

TEST_F(MoveFallbackTest, RefusedHardLinkGivesAClearFailureAndTheFileStays)
{
    m_fileSystem->failCall(Op::renameNoReplace, 1, EINVAL);
    m_fileSystem->failCall(Op::hardLink, 1, EPERM);
    EXPECT_TRUE(m_service.executePlan(m_plan).empty());
    ASSERT_EQ(m_skips.names(), std::vector<std::string> { "photo.jpg" });
    EXPECT_THAT(m_skips.entries()[0].second, HasSubstr("photo.jpg"));
    expectFileStayedAtSource();
}

TEST_F(MoveFallbackTest, AnotherDeviceGivesAClearFailureAndTheFileStays)
{
    m_fileSystem->failCall(Op::renameNoReplace, 1, EXDEV);
    EXPECT_TRUE(m_service.executePlan(m_plan).empty());
    ASSERT_EQ(m_skips.names(), std::vector<std::string> { "photo.jpg" });
    EXPECT_THAT(m_skips.entries()[0].second, HasSubstr("another device"));
    expectFileStayedAtSource();
}

TEST_F(MoveFallbackTest, FailedUnlinkAfterTheLinkRemovesTheNewLinkAgain)
{
    m_fileSystem->failCall(Op::renameNoReplace, 1, EINVAL);
    m_fileSystem->failCall(Op::unlinkFile, 1, EIO);
    EXPECT_TRUE(m_service.executePlan(m_plan).empty());
    EXPECT_EQ(m_skips.names(), std::vector<std::string> { "photo.jpg" });
    expectFileStayedAtSource();
}

TEST_F(MoveFallbackTest, DestinationTakenDuringTheLinkFallbackIsNotReplaced)
{
    m_fileSystem->failCall(Op::renameNoReplace, 1, EINVAL);
    m_fileSystem->beforeCall(Op::hardLink, 1, [&] { writeFile(destination(), "other"); });
    EXPECT_TRUE(m_service.executePlan(m_plan).empty());
    ASSERT_EQ(m_skips.names(), std::vector<std::string> { "photo.jpg" });
    EXPECT_THAT(m_skips.entries()[0].second, HasSubstr("already exists"));
    EXPECT_EQ(readFile(source()), "P");
    EXPECT_EQ(readFile(destination()), "other");
}

TEST_F(MoveFallbackTest, DestinationTakenJustBeforeTheRenameIsNotReplaced)
{
    m_fileSystem->beforeCall(Op::renameNoReplace, 1, [&] { writeFile(destination(), "other"); });
    EXPECT_TRUE(m_service.executePlan(m_plan).empty());
    ASSERT_EQ(m_skips.entries().size(), 1u);
    EXPECT_THAT(m_skips.entries()[0].second, HasSubstr("\"photo.jpg\""));
    EXPECT_THAT(m_skips.entries()[0].second, HasSubstr("already exists"));
    EXPECT_THAT(m_skips.entries()[0].second, HasSubstr("\"Images\""));
    EXPECT_EQ(readFile(source()), "P");
    EXPECT_EQ(readFile(destination()), "other");
}

TEST_F(MoveFallbackTest, UndoAcrossDevicesFailsAndLeavesTheFileOrganized)
{
    const auto executed = m_service.executePlan(m_plan);
    ASSERT_EQ(executed.size(), 1u);
    m_fileSystem->failCall(Op::renameNoReplace, 1, EXDEV);
    try {
        m_service.undoOperations(executed);
        FAIL() << "undo across devices did not fail";
    } catch (const FileSystemError &error) {
        EXPECT_EQ(error.code(), EXDEV);
        EXPECT_THAT(error.description(), HasSubstr("photo.jpg"));
        EXPECT_THAT(error.description(), HasSubstr("another device"));
    }
    EXPECT_EQ(readFile(destination()), "P");
    EXPECT_FALSE(entryExists(source()));
}

TEST_F(MoveFallbackTest, UndoWithRefusedHardLinkFailsAndLeavesTheFileOrganized)
{
    const auto executed = m_service.executePlan(m_plan);
    ASSERT_EQ(executed.size(), 1u);
    m_fileSystem->failCall(Op::renameNoReplace, 1, EOPNOTSUPP);
    m_fileSystem->failCall(Op::hardLink, 1, EPERM);
    EXPECT_THROW(m_service.undoOperations(executed), FileSystemError);
    EXPECT_EQ(readFile(destination()), "P");
    EXPECT_EQ(linkCount(destination()), 1u);
    EXPECT_FALSE(entryExists(source()));
}
