#include "FileName.h"

#include <gtest/gtest.h>

#include <string>

TEST(FileNameTest, SplitsAtTheLastDot)
{
    struct Case
    {
        std::string name, extension, baseName;
    };
    const Case cases[] {
        { "photo.JPG", "JPG", "photo" },
        { "backup.tar.gz", "gz", "backup.tar" },
        { "README", "", "README" },
        { "notes.", "", "notes." },
        { "x.y z", "y z", "x" },
        { "photo.\xff", "\xff", "photo" },
        { "", "", "" },
    };
    for (const Case &c : cases) {
        EXPECT_EQ(FileName::extension(c.name), c.extension) << c.name;
        EXPECT_EQ(FileName::baseName(c.name), c.baseName) << c.name;
    }
}

TEST(FileNameTest, NumberedNamesKeepTheExtensionAndItsCase)
{
    EXPECT_EQ(FileName::numbered("IMG.JPG", 2), "IMG (2).JPG");
    EXPECT_EQ(FileName::numbered("README", 1), "README (1)");
    EXPECT_EQ(FileName::numbered("notes.", 1), "notes. (1)");
    EXPECT_EQ(FileName::numbered("backup.tar.gz", 1), "backup.tar (1).gz");
    EXPECT_EQ(FileName::numbered("photo (1).jpg", 1), "photo (1) (1).jpg");
    EXPECT_EQ(FileName::numbered("caf\xe9.jpg", 3), "caf\xe9 (3).jpg");
    // Plain decimal, never grouped.
    EXPECT_EQ(FileName::numbered("a.txt", 18446744073709551615ULL), "a (18446744073709551615).txt");
}
