#include "OpenFileLimit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/resource.h>

// Runs in a child process, whose limits the test may lower freely. That no file is
// skipped for want of handles is tested end to end, through tidyra-cli.
TEST(OpenFileLimitTest, TheSoftLimitIsRaisedToTheHardOne)
{
    EXPECT_EXIT(
        {
            rlimit limit {};
            limit.rlim_cur = 64;
            limit.rlim_max = 512;
            if (::setrlimit(RLIMIT_NOFILE, &limit) != 0)
                std::_Exit(90);
            OpenFileLimit::raiseToHardLimit();
            ::getrlimit(RLIMIT_NOFILE, &limit);
            std::_Exit(limit.rlim_cur == 512 && OpenFileLimit::current() == 512 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}
