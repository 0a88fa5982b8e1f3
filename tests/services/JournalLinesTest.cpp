// Whatever bytes a name holds, a journal line gives it back exactly.

#include "services/journal/JournalLines.h"
#include "services/journal/JournalLineReader.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// 1 to 255 bytes of what needs care in a line: quotes, backslashes, newlines and other
// control characters, UTF-8, and bytes that are not.
std::string randomName(std::mt19937 &random)
{
    static const std::string pieces[] = { "\"", "\\", "\n", "\t", "\x01", "\x1f", "\x7f", "a", " ",
        ".", "\xc3\xa9", "\xf0\x9f\x93\x81", "\xff", "\xc3", "\xed\xa0\x80", "\\u0041" };
    const std::size_t length = std::uniform_int_distribution<std::size_t>(1, 255)(random);
    std::string name;
    while (name.size() < length)
        name += pieces[random() % std::size(pieces)];
    name.resize(length);
    return name == "." || name == ".." ? name + "x" : name;
}

TEST(JournalLinesTest, EveryNameComesBackExactly)
{
    std::mt19937 random(20261206);
    for (int round = 0; round < 2000; ++round) {
        const std::string from = randomName(random);
        const std::string to = randomName(random);
        const std::string sub = randomName(random);
        EntryInfo info { EntryType::regular, { 0, random() }, random(), 1,
            round % 2 ? -std::int64_t(random()) : std::int64_t(random()) << 20 };
        info.born = round % 3 ? std::int64_t(random()) << 20 : 0;
        std::string line;
        JournalLines::appendIntent(line, std::uint64_t(round), from, { "Images", sub }, to, info);
        ASSERT_EQ(line.find('\n'), line.size() - 1) << "one line a record";
        const auto parsed = JournalLines::parseLine(line.substr(0, line.size() - 1));
        const auto *intent = std::get_if<JournalLines::Intent>(&parsed);
        ASSERT_NE(intent, nullptr) << line;
        EXPECT_EQ(intent->from, from);
        EXPECT_EQ(intent->to, (std::vector<std::string> { "Images", sub, to }));
        EXPECT_EQ(
            std::tuple(intent->index, intent->inode, intent->size, intent->modified, intent->born),
            std::tuple(
                std::uint64_t(round), info.identity.inode, info.size, info.modified, info.born));
        line.clear();
        // A failure's value, nested one included, comes back from the details whole.
        const ErrorMessage why(ErrorKind::cannotMoveTo, { to, sub }, round % 2 ? EACCES : 0,
            { ErrorMessage(ErrorKind::noLongerThere, { from }, ENOENT) });
        JournalLines::appendDetail(line, from, why);
        EXPECT_EQ(JournalLines::parseDetail(line.substr(0, line.size() - 1)), std::pair(from, why));
    }
}

TEST(JournalLinesTest, OtherSpellingsAreReadAndDamagedLinesAreNone)
{
    const auto intent = JournalLines::parseLine(
        R"( { "i" : 3, "from":"a\n\u00e9\ud83d\udcc1\\b",)"
        R"("to":{"base64":"SW1hZ2VzL3guanBn"},"inode":9,"size":0,"mtime":-1 } )");
    ASSERT_TRUE(std::holds_alternative<JournalLines::Intent>(intent));
    EXPECT_EQ(std::get<JournalLines::Intent>(intent).from, "a\n\xc3\xa9\xf0\x9f\x93\x81\\b");
    for (const char *damaged :
        { "{\"d\":1", "{\"d\":01}", "{\"d\":1.5}", "{\"d\":-1}", "{\"d\":1}x",
            "{\"i\":1,\"from\":\"\xff\",\"to\":\"Images/a\",\"inode\":1,\"size\":0,\"mtime\":0}",
            "{\"i\":1,\"from\":\"a\",\"to\":\"Images/../a\",\"inode\":1,\"size\":0,\"mtime\":0}",
            "{\"i\":1,\"from\":\"a\",\"to\":\"Images/A/B/a\",\"inode\":1,\"size\":0,\"mtime\":0}",
            "{\"i\":1,\"from\":\"../a\",\"to\":\"Images/a\",\"inode\":1,\"size\":0,\"mtime\":0}",
            "{\"i\":1,\"from\":\"a\",\"to\":\".Sub/a\",\"inode\":1,\"size\":0,\"mtime\":0}",
            "{\"i\":1,\"from\":\"\\ud800\",\"to\":\"Images/a\",\"inode\":1,\"size\":0,\"mtime\":0}",
            "{\"i\":1,\"from\":\"a\",\"to\":\"Images/a\",\"inode\":1}",
            "{\"make\":{\"base64\":\"!!\"}}", "{\"make\":{\"base64\":\"SW1hZ2VzL0FCQx==\"}}",
            "{\"d\":1,\"\xbf\":1}", "[1]", "" })
        EXPECT_TRUE(std::holds_alternative<std::monostate>(JournalLines::parseLine(damaged)))
            << damaged;
}

// The reader keeps nothing of its line, which may be gone before it is asked.
TEST(JournalLinesTest, TheReaderOutlivesItsLine)
{
    const auto read = [] { return JournalLineReader(std::string(R"({"inode":7,"modified":12})")); };
    const JournalLineReader reader = read();
    EXPECT_EQ(reader.unsignedNumber("modified"), 12u);
}

} // namespace
