#include "FileCategory.h"

#include <gtest/gtest.h>

#include <barrier>
#include <set>
#include <string>
#include <thread>
#include <vector>

using namespace std::string_view_literals;

TEST(FileCategoryTest, CasesHaveTheirFolderNamesIconsAndColoursInDeclarationOrder)
{
    struct Expected
    {
        FileCategory category;
        std::string_view raw;
        std::string_view icon;
        NamedColor color;
    };
    const std::vector<Expected> expected {
        { FileCategory::videos, "Videos", "film", NamedColor::purple },
        { FileCategory::images, "Images", "photo", NamedColor::blue },
        { FileCategory::documents, "Documents", "doc.text", NamedColor::orange },
        { FileCategory::audio, "Audio", "music.note", NamedColor::pink },
        { FileCategory::code, "Code", "chevron.left.forwardslash.chevron.right",
            NamedColor::green },
        { FileCategory::archives, "Archives", "archivebox", NamedColor::brown },
        { FileCategory::installers, "Installers", "arrow.down.app", NamedColor::red },
        { FileCategory::design, "Design", "paintbrush", NamedColor::indigo },
        { FileCategory::fonts, "Fonts", "textformat", NamedColor::teal },
        { FileCategory::threeDModels, "3D Models", "cube", NamedColor::cyan },
        { FileCategory::others, "Others", "folder", NamedColor::gray },
    };
    ASSERT_EQ(allCases.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(std::string(expected[i].raw));
        EXPECT_EQ(allCases[i], expected[i].category);
        EXPECT_EQ(rawValue(allCases[i]), expected[i].raw);
        EXPECT_EQ(iconName(allCases[i]), expected[i].icon);
        EXPECT_EQ(color(allCases[i]), expected[i].color);
        EXPECT_EQ(categoryFromRawValue(expected[i].raw), expected[i].category);
    }
}

TEST(FileCategoryTest, RawValueLookupIsExactAndCaseSensitive)
{
    EXPECT_EQ(categoryFromRawValue("3D Models"), FileCategory::threeDModels);
    for (std::string_view text : { "3d models"sv, "threeDModels"sv, "3D  Models"sv, " Images"sv,
             "Images "sv, "images"sv, "IMAGES"sv, ""sv, "Image"sv, "Images\0"sv })
        EXPECT_FALSE(categoryFromRawValue(text).has_value()) << '"' << text << '"';
}

TEST(FileCategoryTest, ExtensionListsHaveTheirSizesAndAreLowerCaseWithoutDots)
{
    const std::vector<std::size_t> sizes { 14, 16, 20, 12, 38, 9, 4, 7, 5, 8, 0 };
    std::size_t total = 0;
    for (std::size_t i = 0; i < allCases.size(); ++i) {
        const auto list = extensions(allCases[i]);
        EXPECT_EQ(list.size(), sizes[i]) << rawValue(allCases[i]);
        total += list.size();
        for (std::string_view ext : list) {
            EXPECT_FALSE(ext.empty());
            EXPECT_EQ(ext.find('.'), std::string_view::npos) << ext;
            for (char c : ext)
                EXPECT_FALSE(c >= 'A' && c <= 'Z') << ext;
        }
    }
    EXPECT_EQ(total, 133u);
    // A few entries whose place is easy to get wrong.
    EXPECT_EQ(extensions(FileCategory::videos)[9], "ts");
    EXPECT_EQ(extensions(FileCategory::code)[1], "ts");
    EXPECT_EQ(extensions(FileCategory::code).back(), "dockerfile");
    EXPECT_EQ(extensions(FileCategory::threeDModels).back(), "3ds");
}

TEST(FileCategoryTest, MapHasEveryListedExtensionAndTheLaterCategoryWinsTs)
{
    const auto &map = extensionMap();
    EXPECT_EQ(map.size(), 132u);
    for (const auto &[ext, category] : map)
        EXPECT_NE(category, FileCategory::others) << ext;
    for (FileCategory category : allCases) {
        for (std::string_view ext : extensions(category)) {
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
    EXPECT_EQ(categoryForExtension("jpg"), FileCategory::images);
    EXPECT_EQ(categoryForExtension("JPG"), FileCategory::images);
    EXPECT_EQ(categoryForExtension("JpEg"), FileCategory::images);
    EXPECT_EQ(categoryForExtension("ts"), FileCategory::code);
    EXPECT_EQ(categoryForExtension("TS"), FileCategory::code);
    EXPECT_EQ(categoryForExtension("gz"), FileCategory::archives);
    EXPECT_EQ(categoryForExtension("svg"), FileCategory::images);
    EXPECT_EQ(categoryForExtension("json"), FileCategory::code);
    EXPECT_EQ(categoryForExtension("md"), FileCategory::documents);
    EXPECT_EQ(categoryForExtension("csv"), FileCategory::documents);
    EXPECT_EQ(categoryForExtension("eps"), FileCategory::design);
    EXPECT_EQ(categoryForExtension("iso"), FileCategory::archives);
    EXPECT_EQ(categoryForExtension("3DS"), FileCategory::threeDModels);
    EXPECT_EQ(categoryForExtension("env"), FileCategory::code);
    EXPECT_EQ(categoryForExtension("gitignore"), FileCategory::code);
    EXPECT_EQ(categoryForExtension("Dockerfile"), FileCategory::code);
}

TEST(FileCategoryTest, UnknownEmptyAndOddExtensionsAreOthers)
{
    EXPECT_EQ(categoryForExtension(""), FileCategory::others);
    EXPECT_EQ(categoryForExtension("xyz"), FileCategory::others);
    EXPECT_EQ(categoryForExtension("tar.gz"), FileCategory::others); // only the last one counts
    EXPECT_EQ(categoryForExtension(".jpg"), FileCategory::others);
    EXPECT_EQ(categoryForExtension("jpg "), FileCategory::others);
    EXPECT_EQ(categoryForExtension("\xff\xfe"), FileCategory::others); // not UTF-8
    EXPECT_EQ(categoryForExtension("JP\xff"), FileCategory::others);
    // Full-width letters lower-case to full-width letters, not to ASCII.
    EXPECT_EQ(categoryForExtension("\xef\xbc\xaa\xef\xbc\xb0\xef\xbc\xa7"), FileCategory::others);
}

TEST(FileCategoryTest, LowerCasingFollowsUnicodeNotJustAscii)
{
    // KELVIN SIGN lower-cases to a plain "k" under the default Unicode mapping.
    EXPECT_EQ(categoryForExtension("\xe2\x84\xaa"
                                   "EY"),
        FileCategory::documents);
}

TEST(FileCategoryTest, ConcurrentFirstUsesSeeOneCompleteMap)
{
    constexpr int threadCount = 8;
    std::barrier start(threadCount);
    std::vector<const void *> addresses(threadCount);
    std::vector<std::size_t> sizes(threadCount);
    std::vector<FileCategory> lookups(threadCount);
    std::vector<std::thread> threads;
    for (int i = 0; i < threadCount; ++i) {
        threads.emplace_back([&, i] {
            start.arrive_and_wait();
            lookups[i] = categoryForExtension(i % 2 ? "TS" : "png");
            const auto &map = extensionMap();
            addresses[i] = &map;
            sizes[i] = map.size();
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    for (int i = 0; i < threadCount; ++i) {
        EXPECT_EQ(addresses[i], addresses[0]);
        EXPECT_EQ(sizes[i], 132u);
        EXPECT_EQ(lookups[i], i % 2 ? FileCategory::code : FileCategory::images);
    }
}
