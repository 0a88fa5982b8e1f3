#include "FileCategory.h"

#include <gtest/gtest.h>

#include <barrier>
#include <string>
#include <thread>
#include <vector>

using namespace std::string_view_literals;

TEST(FileCategoryTest, FolderNamesRoundTripAndLookupIsExact)
{
    EXPECT_EQ(rawValue(FileCategory::threeDModels), "3D Models");
    for (FileCategory category : allCases)
        EXPECT_EQ(categoryFromRawValue(rawValue(category)), category) << rawValue(category);
    for (std::string_view text : { "3d models"sv, "threeDModels"sv, " Images"sv, "Images "sv,
             "images"sv, ""sv, "Image"sv, "Images\0"sv })
        EXPECT_FALSE(categoryFromRawValue(text).has_value()) << '"' << text << '"';
}

TEST(FileCategoryTest, MapHoldsEveryListedExtensionAndTheLaterCategoryWinsTs)
{
    const auto &map = extensionMap();
    EXPECT_EQ(map.size(), 132u); // "ts" is listed twice
    EXPECT_TRUE(extensions(FileCategory::others).empty());
    for (FileCategory category : allCases) {
        for (std::string_view ext : extensions(category)) {
            EXPECT_EQ(ext.find_first_of(".ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string_view::npos);
            const auto found = map.find(std::string(ext));
            ASSERT_NE(found, map.end()) << ext;
            if (ext != "ts") {
                EXPECT_EQ(found->second, category) << ext;
            }
        }
    }
    EXPECT_EQ(map.at("ts"), FileCategory::code);
}

TEST(FileCategoryTest, ClassifiesExtensionsInAnyLetterCase)
{
    const std::pair<std::string_view, FileCategory> cases[] {
        { "jpg", FileCategory::images },
        { "JpEg", FileCategory::images },
        { "ts", FileCategory::code },
        { "TS", FileCategory::code },
        { "Dockerfile", FileCategory::code },
        { "3DS", FileCategory::threeDModels },
        // KELVIN SIGN lower-cases to a plain "k" under the Unicode mapping.
        { "\xe2\x84\xaa"
          "EY",
            FileCategory::documents },
        { "", FileCategory::others },
        { "xyz", FileCategory::others },
        { "tar.gz", FileCategory::others }, // only the last extension counts
        { ".jpg", FileCategory::others },
        { "jpg ", FileCategory::others },
        { "JP\xff", FileCategory::others }, // not UTF-8
        // Full-width letters lower-case to full-width letters, not to ASCII.
        { "\xef\xbc\xaa\xef\xbc\xb0\xef\xbc\xa7", FileCategory::others },
    };
    for (const auto &[extension, category] : cases)
        EXPECT_EQ(categoryForExtension(extension), category) << extension;
}

TEST(FileCategoryTest, ConcurrentFirstUsesSeeOneCompleteMap)
{
    constexpr int threadCount = 8;
    std::barrier start(threadCount);
    std::vector<const void *> maps(threadCount);
    std::vector<std::size_t> sizes(threadCount);
    std::vector<FileCategory> lookups(threadCount);
    std::vector<std::jthread> threads;
    for (int i = 0; i < threadCount; ++i) {
        threads.emplace_back([&, i] {
            start.arrive_and_wait();
            lookups[i] = categoryForExtension(i % 2 ? "TS" : "png");
            maps[i] = &extensionMap();
            sizes[i] = extensionMap().size();
        });
    }
    threads.clear(); // joins
    for (int i = 0; i < threadCount; ++i) {
        EXPECT_EQ(maps[i], &extensionMap());
        EXPECT_EQ(sizes[i], 132u);
        EXPECT_EQ(lookups[i], i % 2 ? FileCategory::code : FileCategory::images);
    }
}
