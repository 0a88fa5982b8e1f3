#include "Uuid.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

TEST(UuidTest, RandomIdsAreVersionFourAndDistinct)
{
    EXPECT_TRUE(Uuid().isNull());
    const std::regex form("[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}");
    std::set<std::string> seen;
    for (int i = 0; i < 1000; ++i) {
        const std::string text = Uuid::random().toString();
        EXPECT_TRUE(std::regex_match(text, form)) << text;
        seen.insert(text);
    }
    EXPECT_EQ(seen.size(), 1000u);
}
