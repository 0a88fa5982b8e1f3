#include "model/NamePattern.h"

#include <gtest/gtest.h>

namespace {

TEST(NamePatternTest, MatchesAsTheShellDoesInAnyLetterCase)
{
    const std::vector<std::tuple<std::string, std::string, bool>> cases {
        { "*.torrent", "Film.TORRENT", true },
        { "*.torrent", "Film.torrent.part", false },
        { "invoice *", "INVOICE 2024.pdf", true },
        { "invoice *", "Invoice", false },
        { "?pfel", "\xc3\x84pfel", true }, // one character, two bytes
        { "\xc3\xa4*", "\xc3\x84rger", true },
        { "*a*b", "xaxaxb", true },
        { "*a*b", "xaxaxbx", false },
        { "[a-c]*", "Bericht", true },
        { "[!a-c]*", "bericht", false },
        { "[^a-c]*", "draft", true },
        { "[]]x", "]x", true },
        { "\\*", "*", true },
        { "\\*", "a", false },
    };
    for (const auto &[pattern, name, matches] : cases)
        EXPECT_EQ(NamePattern::parse(pattern)->matches(name), matches) << pattern << " " << name;
    for (const char *unusable : { "", "a/b", "[ab", "[]", "ab\\" })
        EXPECT_FALSE(NamePattern::parse(unusable)) << unusable;
}

} // namespace
