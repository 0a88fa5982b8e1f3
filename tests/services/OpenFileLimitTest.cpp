#include "services/filesystem/OpenFileLimit.h"
#include "EngineTestSupport.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

// Run in child processes, whose limits a test may lower freely.
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

// Handles held elsewhere in the process leave the walker fewer than it counts on: it
// really runs out, lets go of the folders it no longer needs and goes on.
TEST_F(EngineTest, RunningOutOfHandlesMidRunSkipsNothing)
{
    // Twenty folders, each taking a file now and another later, after the walker had to
    // let go of its handle.
    for (int i = 0; i < 40; ++i)
        writeFile(m_dir / ("f" + std::to_string(i) + ".x" + std::to_string(i % 20)), "x");
    const auto withFewHandlesLeft = [&] {
        const rlimit limit { 64, 64 };
        if (::setrlimit(RLIMIT_NOFILE, &limit) != 0)
            std::_Exit(90);
        while (::fcntl(0, F_DUPFD, 0) >= 0) { }
        for (int fd = 52; fd < 64; ++fd)
            ::close(fd);
        const std::size_t moved = organizeRecorded().moved;
        std::_Exit(moved == 40 && m_skips.empty() && undo().restored == 40 ? 0 : 1);
    };
    EXPECT_EXIT(withFewHandlesLeft(), testing::ExitedWithCode(0), "");
}
