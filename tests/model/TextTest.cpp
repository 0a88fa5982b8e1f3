#include "model/Text.h"

#include <gtest/gtest.h>

#include <unicode/uloc.h>

#include <string>

namespace {

const std::string composedE = "\xc3\xa9"; // U+00E9
const std::string decomposedE = "e\xcc\x81"; // e + U+0301

} // namespace

TEST(TextTest, CaseMappingIsFullUnicodeMappingAndKeepsInvalidBytes)
{
    EXPECT_EQ(Text::toUpperCase("stra\u00dfe"), "STRASSE");
    EXPECT_EQ(Text::toLowerCase("\xce\xa3\xce\x91"), "\xcf\x83\xce\xb1"); // ΣΑ -> σα
    EXPECT_EQ(Text::toUpperCase("1 (2).x-y_z"), "1 (2).X-Y_Z");
    // Not UTF-8: only ASCII letters change, every byte stays, a valid "é" included.
    EXPECT_EQ(Text::toUpperCase("caf\xe9.jpg"), "CAF\xe9.JPG");
    EXPECT_EQ(Text::toUpperCase("\u00e9\xff-a"), "\u00e9\xff-A");
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

TEST(TextTest, DisplayTextReplacesInvalidSequencesAndEscapesWhatWouldForgeALine)
{
    EXPECT_TRUE(Text::isValidUtf8(composedE + decomposedE + "\xf0\x9f\x98\x80"));
    for (const char *invalid : { "caf\xe9", "\xc0\xaf", "\xed\xa0\x80", "\xe2\x82",
             "\xf4\x90\x80\x80" }) // plain Latin-1, overlong, surrogate, cut short, too high
        EXPECT_FALSE(Text::isValidUtf8(invalid)) << invalid;

    EXPECT_EQ(Text::displayText("caf\xe9.jpg"), "caf\xef\xbf\xbd.jpg");
    EXPECT_EQ(Text::displayText("caf\xc3\xa9.jpg"), "caf\xc3\xa9.jpg");
    const std::string shown = Text::displayText("\xff\xfe\xe2\x82");
    EXPECT_TRUE(Text::isValidUtf8(shown));
    EXPECT_EQ(shown.find('\xff'), std::string::npos);
    // A newline must not start a "[Tidyra] ..." line of its own, nor an escape
    // sequence reach the terminal; C1 controls and Unicode line breaks count too.
    EXPECT_EQ(Text::displayText("a\n[Tidyra] Skipped b"), "a\\n[Tidyra] Skipped b");
    EXPECT_EQ(Text::displayText("x\x1b[2J\r\t\x7f\x01.jpg"), "x\\x1B[2J\\r\\t\\x7F\\x01.jpg");
    EXPECT_EQ(Text::displayText("c1\u009b1m\u2028."), "c1\\u009B1m\\u2028.");
    EXPECT_EQ(Text::displayText("\u0080\u009f"), "\\u0080\\u009F");
    EXPECT_EQ(Text::displayText("a\u2029b"), "a\\u2029b");
    EXPECT_EQ(Text::displayText("caf\xe9\n"), "caf\xef\xbf\xbd\\n");
    // Shown once or twice, a name reads the same; everything else passes unchanged.
    EXPECT_EQ(Text::displayText(Text::displayText("a\nb\\n")), "a\\nb\\n");
    EXPECT_EQ(Text::displayText("日本語 ok\\.txt"), "日本語 ok\\.txt");
}
