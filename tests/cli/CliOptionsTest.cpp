// What tidyra-cli makes of a command line, before anything runs.
#include "CliOptions.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

TEST(CliOptionsTest, EachCommandLineAsksForOneCommand)
{
    using enum CliRequest::Command;
    const struct
    {
        std::vector<std::string> words;
        CliRequest::Command expected;
    } table[] = {
        // The rest is run by the end-to-end tests.
        { { "watch", "d", "--settle", "86400" }, watch },
        { { "undo", "--help" }, answered },
    };
    for (const auto &row : table) {
        std::vector<std::string> words { "tidyra-cli" };
        words.insert(words.end(), row.words.begin(), row.words.end());
        std::vector<char *> argv;
        for (std::string &word : words)
            argv.push_back(word.data());
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(CliOptions().parse(static_cast<int>(argv.size()), argv.data(), out, err).command,
            row.expected)
            << testing::PrintToString(row.words);
    }
}
