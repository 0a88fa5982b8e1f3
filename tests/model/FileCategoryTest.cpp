#include "model/FileCategory.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

using namespace std::string_view_literals;

// Every folder name is looked up below; only the exact name may be found.
TEST(FileCategoryTest, LookupByFolderNameIsExact)
{
    for (std::string_view text :
        { "3d models"sv, "threeDModels"sv, "Images "sv, "images"sv, ""sv, "Images\0"sv })
        EXPECT_FALSE(categoryFromRawValue(text).has_value()) << '"' << text << '"';
}

// Written out by hand, so that a slip in the product's table shows.
TEST(FileCategoryTest, EachCategoryHoldsExactlyItsListedExtensions)
{
    const std::pair<const char *, const char *> table[] {
        { "Videos", "mp4 mov avi mkv wmv flv webm m4v 3gp ts m2ts vob rm rmvb" },
        { "Images", "jpg jpeg png gif bmp tiff tif webp heic heif raw cr2 nef arw svg ico" },
        { "Documents",
            "pdf doc docx xls xlsx ppt pptx txt rtf odt ods odp pages numbers key epub mobi azw "
            "md csv" },
        { "Audio", "mp3 wav aac flac ogg m4a wma opus aiff aif mid midi" },
        { "Code",
            "js ts jsx tsx py java c cpp h hpp cs go rs rb php html css scss sass less sh bash "
            "zsh sql r swift kt dart vue svelte json yaml yml toml xml env gitignore dockerfile" },
        { "Archives", "zip rar tar gz 7z bz2 xz iso tgz" },
        { "Installers", "dmg pkg exe msi deb rpm appimage flatpak flatpakref snap" },
        { "Design", "psd ai eps indd sketch fig xd" },
        { "Fonts", "ttf otf woff woff2 eot" },
        { "3D Models", "obj fbx blend stl glb gltf dae 3ds" },
        { "Others", "" },
    };
    std::size_t listed = 0;
    for (const auto &[folder, list] : table) {
        const FileCategory category = categoryFromRawValue(folder).value();
        std::istringstream words(list);
        std::vector<std::string> expected;
        for (std::string word; words >> word; ++listed) {
            expected.push_back(word);
            // "ts" is listed twice; the later category, Code, wins.
            EXPECT_EQ(categoryForExtension(word), word == "ts" ? FileCategory::code : category)
                << word;
        }
        const auto actual = extensions(category);
        EXPECT_EQ(std::vector<std::string>(actual.begin(), actual.end()), expected) << folder;
    }
    EXPECT_EQ(listed, 139u);
    EXPECT_EQ(extensionMap().size(), 138u);
}

TEST(FileCategoryTest, ClassifiesExtensionsInAnyLetterCase)
{
    const std::pair<std::string_view, FileCategory> cases[] {
        { "JpEg", FileCategory::images },
        { "3DS", FileCategory::threeDModels },
        { "AppImage", FileCategory::installers },
        // KELVIN SIGN lower-cases to a plain "k" under the Unicode mapping.
        { "\u212aEY", FileCategory::documents },
        // An extension is what follows a name's last dot, so none holds a dot; names
        // without one are covered by the plan tests.
        { "jpg ", FileCategory::others },
        { "JP\xff", FileCategory::others }, // not UTF-8
        // Full-width letters lower-case to full-width letters, not to ASCII.
        { "\xef\xbc\xaa\xef\xbc\xb0\xef\xbc\xa7", FileCategory::others },
    };
    for (const auto &[extension, category] : cases)
        EXPECT_EQ(categoryForExtension(extension), category) << extension;
}
