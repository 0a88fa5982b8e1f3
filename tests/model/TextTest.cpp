#include "Text.h"

#include <gtest/gtest.h>

#include <unicode/uloc.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const std::string composedE = "\xc3\xa9"; // U+00E9
const std::string decomposedE = "e\xcc\x81"; // e + U+0301

} // namespace

TEST(TextTest, CaseMappingIsFullUnicodeMapping)
{
    EXPECT_EQ(Text::toUpperCase("stra\xc3\x9f"
                                "e"),
        "STRASSE");
    EXPECT_EQ(Text::toUpperCase("jpg"), "JPG");
    EXPECT_EQ(Text::toLowerCase("JPG"), "jpg");
    EXPECT_EQ(Text::toUpperCase("\xc3\xa4\xc3\xb6\xc3\xbc"), "\xc3\x84\xc3\x96\xc3\x9c"); // äöü
    EXPECT_EQ(Text::toLowerCase("\xce\xa3\xce\x91"), "\xcf\x83\xce\xb1"); // ΣΑ -> σα
    EXPECT_EQ(Text::toUpperCase(""), "");
    EXPECT_EQ(Text::toUpperCase("1 (2).x-y_z"), "1 (2).X-Y_Z");
}

TEST(TextTest, CaseMappingIgnoresTheProcessLocale)
{
    // Turkish would map "i" to a dotted capital I; the root mapping must not.
    const std::string previous = uloc_getDefault();
    UErrorCode status = U_ZERO_ERROR;
    uloc_setDefault("tr_TR", &status);
    ASSERT_TRUE(U_SUCCESS(status));
    const std::string upper = Text::toUpperCase("\xc3\xa9ti"); // "éti": not ASCII, so ICU runs
    const std::string lower = Text::toLowerCase("\xc3\x89TI");
    uloc_setDefault(previous.c_str(), &status);
    EXPECT_EQ(upper, "\xc3\x89TI");
    EXPECT_EQ(lower, "\xc3\xa9ti");
}

TEST(TextTest, InvalidUtf8MapsOnlyAsciiLettersAndKeepsEveryByte)
{
    EXPECT_EQ(Text::toUpperCase("caf\xe9.jpg"), "CAF\xe9.JPG");
    EXPECT_EQ(Text::toLowerCase("CAF\xc9.JPG"), "caf\xc9.jpg");
    // A valid "é" next to an invalid byte is left as it is rather than mangled.
    EXPECT_EQ(Text::toUpperCase("\xc3\xa9\xff"
                                "a"),
        "\xc3\xa9\xff"
        "A");
}

TEST(TextTest, RecognisesValidUtf8)
{
    EXPECT_TRUE(Text::isValidUtf8(""));
    EXPECT_TRUE(Text::isValidUtf8("plain.txt"));
    EXPECT_TRUE(Text::isValidUtf8(composedE + decomposedE + "\xf0\x9f\x98\x80"));
    EXPECT_FALSE(Text::isValidUtf8("caf\xe9"));
    EXPECT_FALSE(Text::isValidUtf8("\xc0\xaf")); // overlong "/"
    EXPECT_FALSE(Text::isValidUtf8("\xed\xa0\x80")); // surrogate
    EXPECT_FALSE(Text::isValidUtf8("\xe2\x82")); // cut short
    EXPECT_FALSE(Text::isValidUtf8("\xf4\x90\x80\x80")); // beyond U+10FFFF
}

TEST(TextTest, DisplayTextReplacesOnlyInvalidSequences)
{
    EXPECT_EQ(Text::displayText("caf\xe9.jpg"), "caf\xef\xbf\xbd.jpg");
    EXPECT_EQ(Text::displayText("caf\xc3\xa9.jpg"), "caf\xc3\xa9.jpg");
    EXPECT_EQ(Text::displayText(""), "");
    const std::string shown = Text::displayText("\xff\xfe\xe2\x82");
    EXPECT_TRUE(Text::isValidUtf8(shown));
    EXPECT_NE(shown.find("\xef\xbf\xbd"), std::string::npos);
    EXPECT_EQ(shown.find('\xff'), std::string::npos);
}

TEST(TextTest, OrderIsCaseSensitiveCodePointOrderWithoutNumbers)
{
    EXPECT_TRUE(Text::lessThan("Zebra.txt", "apple.txt"));
    EXPECT_FALSE(Text::lessThan("apple.txt", "Zebra.txt"));
    EXPECT_TRUE(Text::lessThan("10.txt", "2.txt"));
    EXPECT_TRUE(Text::lessThan("a", "a.txt")); // a proper prefix first
    EXPECT_FALSE(Text::lessThan("a", "a"));
    EXPECT_TRUE(Text::lessThan("z", composedE));
    // Code point order, not UTF-16 order: U+FF5E comes before U+1F600.
    EXPECT_TRUE(Text::lessThan("\xef\xbd\x9e", "\xf0\x9f\x98\x80"));
    EXPECT_FALSE(Text::lessThan("\xf0\x9f\x98\x80", "\xef\xbd\x9e"));
}

TEST(TextTest, ComposedAndDecomposedFormsSortAlike)
{
    EXPECT_EQ(Text::sortKey(decomposedE), Text::sortKey(composedE));
    EXPECT_FALSE(Text::lessThan(decomposedE, composedE));
    EXPECT_FALSE(Text::lessThan(composedE, decomposedE));
    // Decomposed "é" starts with a plain "e", yet sorts after "f" like the composed one.
    EXPECT_TRUE(Text::lessThan("f.txt", decomposedE + ".txt"));
    EXPECT_TRUE(Text::lessThan(composedE + "a", decomposedE + "b"));
    EXPECT_TRUE(Text::lessThan(decomposedE + "a", composedE + "b"));

    std::vector<std::string> names { decomposedE + "b.txt", "f.txt", composedE + "a.txt", "E.txt" };
    std::sort(names.begin(), names.end(), Text::lessThan);
    EXPECT_EQ(names,
        (std::vector<std::string> {
            "E.txt", "f.txt", composedE + "a.txt", decomposedE + "b.txt" }));
}

TEST(TextTest, InvalidUtf8SortsByItsBytes)
{
    EXPECT_TRUE(Text::lessThan("caf\xe9", "caf\xea"));
    EXPECT_FALSE(Text::lessThan("caf\xea", "caf\xe9"));
    EXPECT_EQ(Text::sortKey("caf\xe9"), "caf\xe9");
}

TEST(TextTest, FileCountsArePlainDecimalWithPluralS)
{
    EXPECT_EQ(Text::fileCount(0), "0 files");
    EXPECT_EQ(Text::fileCount(1), "1 file");
    EXPECT_EQ(Text::fileCount(2), "2 files");
    EXPECT_EQ(Text::fileCount(1000), "1000 files");
    EXPECT_EQ(Text::fileCount(100000), "100000 files");
}
