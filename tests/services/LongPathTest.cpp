#include "DeepFolder.h"
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <fcntl.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

using LongPathTest = EngineTest;

TEST_F(LongPathTest, AFolderDeeperThanPathMaxIsScannedOrganizedAndUndone)
{
    const DeepFolder deep(m_dir.path());
    ASSERT_GT(deep.path().native().size(), std::size_t(PATH_MAX));
    ASSERT_EQ(::mkdirat(deep.handle(), "Images", 0755), 0);
    deep.write("Images/photo.jpg", "older photo");
    for (const char *name : { "photo.jpg", "report.pdf", "song.mp3" })
        deep.write(name, name);

    // The clash check must see the photo already in "Images" however deep it lies.
    const OrganizationPlan result = m_service.buildPlan(deep.path());
    ASSERT_EQ(result.operations.size(), 3u);
    EXPECT_EQ(
        requireMove(result, "photo.jpg").destinationURL, deep.path() / "Images/photo (1).jpg");

    EXPECT_EQ(m_undo.organize(m_service, result).moved, 3u);
    EXPECT_TRUE(m_skips.entries().empty());
    EXPECT_EQ(deep.read("Images/photo (1).jpg"), "photo.jpg");
    EXPECT_EQ(deep.read("Images/photo.jpg"), "older photo");
    EXPECT_EQ(deep.read("Audio/song.mp3"), "song.mp3");

    EXPECT_EQ(m_undo.undoLast(m_service, deep.path()).restored, 3u);
    for (const char *name : { "photo.jpg", "report.pdf", "song.mp3" })
        EXPECT_EQ(deep.read(name), name);
    EXPECT_FALSE(deep.exists("Audio"));
    EXPECT_EQ(deep.read("Images/photo.jpg"), "older photo");
}
