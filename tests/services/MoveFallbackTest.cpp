#include "EngineTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>

namespace fs = std::filesystem;
using testing::HasSubstr;

namespace {

// One photo.jpg planned into Images/, run through a file system told to fail.
class MoveFallbackTest : public EngineTest
{
protected:
    MoveFallbackTest() { writeFile(source(), "P"); }

    fs::path source() const { return m_dir / "photo.jpg"; }
    fs::path destination() const { return m_dir / "Images/photo.jpg"; }

    struct Fault
    {
        Op operation;
        int error;
    };
    void failNext(const std::vector<Fault> &faults)
    {
        m_fileSystem->reset();
        m_skips.clear();
        for (const Fault &fault : faults)
            m_fileSystem->failCall(fault.operation, 1, fault.error);
    }
};

} // namespace

TEST_F(MoveFallbackTest, RenameWithoutTheNoReplaceFlagMovesByLinkAndUnlinkBothWays)
{
    for (int error : { EINVAL, ENOSYS, EOPNOTSUPP }) {
        SCOPED_TRACE(error);
        failNext({ { Op::renameNoReplace, error } });
        const auto executed = organize();
        EXPECT_EQ(executed.size(), 1u);
        EXPECT_TRUE(m_skips.entries().empty());
        EXPECT_EQ(m_fileSystem->callCount(Op::hardLink), 1);
        EXPECT_FALSE(entryExists(source()));
        EXPECT_EQ(readFile(destination()), "P");
        EXPECT_EQ(linkCount(destination()), 1u);

        failNext({ { Op::renameNoReplace, error } });
        m_service.undoOperations(executed);
        EXPECT_EQ(m_fileSystem->callCount(Op::hardLink), 1);
        EXPECT_EQ(readFile(source()), "P");
        EXPECT_EQ(linkCount(source()), 1u);
        EXPECT_FALSE(entryExists(m_dir / "Images"));
    }
}

TEST_F(MoveFallbackTest, MoveThatCannotBeDoneSafelyFailsAndTheFileStaysOnceWhereItWas)
{
    struct Case
    {
        std::vector<Fault> faults;
        const char *description;
        int undoCode;
    };
    const Case cases[] {
        { { { Op::renameNoReplace, EINVAL }, { Op::hardLink, EPERM } },
            "supports neither renaming without replacing nor hard links", EPERM },
        { { { Op::renameNoReplace, EXDEV } }, "on another device, and Tidyra never copies", EXDEV },
        // The link was made, so it has to be taken away again.
        { { { Op::renameNoReplace, EINVAL }, { Op::unlinkFile, EIO } }, "photo.jpg", EIO },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.description);
        failNext(c.faults);
        EXPECT_TRUE(organize().empty());
        ASSERT_EQ(m_skips.names(), Names { "photo.jpg" });
        EXPECT_THAT(m_skips.entries()[0].second, HasSubstr(c.description));
        EXPECT_EQ(readFile(source()), "P");
        EXPECT_EQ(linkCount(source()), 1u);
        EXPECT_FALSE(entryExists(destination()));

        // The same on the way back: an error, and the file stays organized.
        failNext({});
        const auto executed = organize();
        failNext(c.faults);
        const FileSystemError error = errorFrom([&] { m_service.undoOperations(executed); });
        EXPECT_EQ(error.code(), c.undoCode);
        EXPECT_THAT(error.description(), HasSubstr(c.description));
        EXPECT_EQ(readFile(destination()), "P");
        EXPECT_EQ(linkCount(destination()), 1u);
        EXPECT_FALSE(entryExists(source()));
        failNext({});
        m_service.undoOperations(executed);
    }
}

TEST_F(MoveFallbackTest, DestinationTakenJustBeforeTheMoveIsNeverReplaced)
{
    for (bool linkFallback : { false, true }) {
        SCOPED_TRACE(linkFallback);
        const OrganizationPlan plan = this->plan();
        failNext({});
        if (linkFallback)
            m_fileSystem->failCall(Op::renameNoReplace, 1, EINVAL);
        m_fileSystem->beforeCall(linkFallback ? Op::hardLink : Op::renameNoReplace, 1,
            [&] { writeFile(destination(), "other"); });
        EXPECT_TRUE(m_service.executePlan(plan).empty());
        ASSERT_EQ(m_skips.entries().size(), 1u);
        EXPECT_THAT(
            m_skips.entries()[0].second, HasSubstr("\"photo.jpg\" already exists in \"Images\""));
        EXPECT_EQ(readFile(source()), "P");
        EXPECT_EQ(readFile(destination()), "other");
        fs::remove(destination());
    }
}
