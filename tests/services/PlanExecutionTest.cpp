#include "EngineTestSupport.h"
#include "FaultInjectingFileSystem.h"
#include "FileSystemError.h"
#include "TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace fs = std::filesystem;
using testing::HasSubstr;
using Op = FaultInjectingFileSystem::Operation;

namespace {

class PlanExecutionTest : public testing::Test
{
protected:
    PlanExecutionTest() { m_skips.attachTo(m_service); }

    TempDir m_dir;
    FileOrganizerService m_service;
    SkipLog m_skips;
};

} // namespace

TEST_F(PlanExecutionTest, AllMovesSucceedAndComeBackInPlanOrderWithTheirIds)
{
    writeFile(m_dir / "a.jpg", "A");
    writeFile(m_dir / "b.png", "B");
    writeFile(m_dir / "c.pdf", "C");
    writeFile(m_dir / "README", "R");
    writeFile(m_dir / "x.qqq", "X");
    const OrganizationPlan plan = m_service.buildPlan(m_dir.path());

    const auto executed = m_service.executePlan(plan);
    EXPECT_EQ(idsOf(executed), idsOf(plan.operations));
    EXPECT_TRUE(m_skips.entries().empty());
    EXPECT_EQ(readFile(m_dir / "Images/JPG/a.jpg"), "A");
    EXPECT_EQ(readFile(m_dir / "Images/PNG/b.png"), "B");
    EXPECT_EQ(readFile(m_dir / "Documents/c.pdf"), "C");
    EXPECT_EQ(readFile(m_dir / "Others/README"), "R");
    EXPECT_EQ(readFile(m_dir / "Others/QQQ/x.qqq"), "X");
    EXPECT_EQ(
        namesIn(m_dir.path()), (std::vector<std::string> { "Documents", "Images", "Others" }));
    for (const FileMoveOperation &operation : executed)
        EXPECT_FALSE(entryExists(operation.sourceURL)) << operation.sourceURL;
}

TEST_F(PlanExecutionTest, EmptyPlanCreatesNothingButStillCleansUp)
{
    fs::create_directory(m_dir / "Images");
    fs::create_directory(m_dir / "Empty Stuff");
    const OrganizationPlan plan = m_service.buildPlan(m_dir.path());
    ASSERT_TRUE(plan.operations.empty());
    EXPECT_TRUE(m_service.executePlan(plan).empty());
    EXPECT_EQ(namesIn(m_dir.path()), std::vector<std::string> { "Empty Stuff" });
}

TEST_F(PlanExecutionTest, VanishedSourceIsSkippedAndTheRestGoesAhead)
{
    writeFile(m_dir / "a.jpg", "A");
    writeFile(m_dir / "photo.jpg");
    writeFile(m_dir / "c.pdf", "C");
    const OrganizationPlan plan = m_service.buildPlan(m_dir.path());
    fs::remove(m_dir / "photo.jpg");

    const auto executed = m_service.executePlan(plan);
    EXPECT_EQ(executed.size(), 2u);
    for (const FileMoveOperation &operation : executed)
        EXPECT_NE(operation.id, requireMove(plan, "photo.jpg").id);
    ASSERT_EQ(m_skips.names(), std::vector<std::string> { "photo.jpg" });
    EXPECT_THAT(m_skips.entries()[0].second, HasSubstr("\"photo.jpg\""));
    EXPECT_EQ(readFile(m_dir / "Images/a.jpg"), "A");
    EXPECT_EQ(readFile(m_dir / "Documents/c.pdf"), "C");
}

TEST_F(PlanExecutionTest, DefaultReporterPrintsOneSkippedLine)
{
    writeFile(m_dir / "photo.jpg");
    const OrganizationPlan plan = m_service.buildPlan(m_dir.path());
    fs::remove(m_dir / "photo.jpg");
    m_service.executePlan(plan);
    ASSERT_EQ(m_skips.entries().size(), 1u);
    const std::string description = m_skips.entries()[0].second;

    FileOrganizerService service; // default reporter
    testing::internal::CaptureStdout();
    service.executePlan(plan);
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(printed, "[Tidyra] Skipped photo.jpg: " + description + "\n");
}

TEST_F(PlanExecutionTest, CategoryWithoutSubGroupsWhoseMovesAllFailIsRemovedAgain)
{
    writeFile(m_dir / "a.jpg");
    writeFile(m_dir / "b.jpg");
    writeFile(m_dir / "c.pdf", "C");
    const OrganizationPlan plan = m_service.buildPlan(m_dir.path());
    fs::remove(m_dir / "a.jpg");
    fs::remove(m_dir / "b.jpg");

    const auto executed = m_service.executePlan(plan);
    EXPECT_EQ(executed.size(), 1u);
    EXPECT_EQ(m_skips.entries().size(), 2u);
    EXPECT_FALSE(entryExists(m_dir / "Images"));
    EXPECT_EQ(readFile(m_dir / "Documents/c.pdf"), "C");
}

TEST_F(PlanExecutionTest, CategoryWithSubGroupsWhoseMovesAllFailKeepsItsEmptySubGroups)
{
    writeFile(m_dir / "a.jpg");
    writeFile(m_dir / "b.png");
    const OrganizationPlan plan = m_service.buildPlan(m_dir.path());
    fs::remove(m_dir / "a.jpg");
    fs::remove(m_dir / "b.png");

    EXPECT_TRUE(m_service.executePlan(plan).empty());
    EXPECT_EQ(m_skips.entries().size(), 2u);
    EXPECT_TRUE(isEmptyFolder(m_dir / "Images/JPG"));
    EXPECT_TRUE(isEmptyFolder(m_dir / "Images/PNG"));
}

TEST_F(PlanExecutionTest, EntryAppearingInPlaceOfACategoryFolderBlocksOnlyItsMoves)
{
    writeFile(m_dir / "photo.jpg", "P");
    writeFile(m_dir / "c.pdf", "C");
    const OrganizationPlan plan = m_service.buildPlan(m_dir.path());
    writeFile(m_dir / "Images", "a plain file");

    const auto executed = m_service.executePlan(plan);
    ASSERT_EQ(executed.size(), 1u);
    EXPECT_EQ(executed[0].id, requireMove(plan, "c.pdf").id);
    EXPECT_EQ(m_skips.names(), std::vector<std::string> { "photo.jpg" });
    EXPECT_EQ(readFile(m_dir / "photo.jpg"), "P");
    EXPECT_EQ(readFile(m_dir / "Images"), "a plain file");
}

TEST_F(PlanExecutionTest, FolderCreationFailureStopsBeforeAnyMove)
{
    writeFile(m_dir / "a.jpg", "A");
    writeFile(m_dir / "c.pdf", "C");
    auto fileSystem = std::make_shared<FaultInjectingFileSystem>();
    FileOrganizerService service(fileSystem);
    const OrganizationPlan plan = service.buildPlan(m_dir.path());
    const TreeSnapshot before = snapshotTree(m_dir.path());

    fileSystem->failCall(Op::makeFolder, 1, EACCES);
    try {
        service.executePlan(plan);
        FAIL() << "no error when a folder cannot be created";
    } catch (const FileSystemError &error) {
        EXPECT_EQ(error.code(), EACCES);
        EXPECT_THAT(error.description(), HasSubstr(std::strerror(EACCES)));
        EXPECT_TRUE(error.description().find("Images") != std::string::npos
            || error.description().find("Documents") != std::string::npos)
            << error.description();
    }
    EXPECT_EQ(fileSystem->callCount(Op::renameNoReplace), 0);
    EXPECT_EQ(fileSystem->callCount(Op::hardLink), 0);
    EXPECT_EQ(describeDifference(before, snapshotTree(m_dir.path())), "");
}

TEST_F(PlanExecutionTest, FolderCreatedBeforeACreationFailureStaysAndNothingMoves)
{
    writeFile(m_dir / "a.jpg", "A");
    writeFile(m_dir / "c.pdf", "C");
    auto fileSystem = std::make_shared<FaultInjectingFileSystem>();
    FileOrganizerService service(fileSystem);
    const OrganizationPlan plan = service.buildPlan(m_dir.path());

    fileSystem->failCall(Op::makeFolder, 2, EROFS);
    EXPECT_THROW(service.executePlan(plan), FileSystemError);
    EXPECT_EQ(readFile(m_dir / "a.jpg"), "A");
    EXPECT_EQ(readFile(m_dir / "c.pdf"), "C");
    // No clean-up after the failure: the first folder is still there, empty.
    EXPECT_EQ(isEmptyFolder(m_dir / "Images") + isEmptyFolder(m_dir / "Documents"), 1);
}

TEST_F(PlanExecutionTest, ExistingCategoryFoldersAreReusedAndTheirContentKept)
{
    writeFile(m_dir / "Images/old.jpg", "old");
    writeFile(m_dir / "Images/.thumbnails/x", "t");
    writeFile(m_dir / "new.jpg", "new");
    const auto executed = m_service.executePlan(m_service.buildPlan(m_dir.path()));
    EXPECT_EQ(executed.size(), 1u);
    EXPECT_EQ(readFile(m_dir / "Images/old.jpg"), "old");
    EXPECT_EQ(readFile(m_dir / "Images/new.jpg"), "new");
    EXPECT_EQ(readFile(m_dir / "Images/.thumbnails/x"), "t");
}

TEST_F(PlanExecutionTest, MovesKeepContentModeAndModificationTime)
{
    writeFile(m_dir / "a.sh", "#!/bin/sh\n");
    fs::permissions(m_dir / "a.sh", fs::perms(0751));
    const auto stamp = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    fs::last_write_time(m_dir / "a.sh", stamp);
    const TreeSnapshot before = snapshotTree(m_dir.path());

    m_service.executePlan(m_service.buildPlan(m_dir.path()));
    const TreeSnapshot after = snapshotTree(m_dir.path());
    ASSERT_EQ(after.count("Code/a.sh"), 1u);
    EXPECT_EQ(after.at("Code/a.sh"), before.at("a.sh"));
}
