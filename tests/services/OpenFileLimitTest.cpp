#include "OpenFileLimit.h"
#include "EngineTestSupport.h"
#include "UndoService.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

void setLimit(rlim_t soft, rlim_t hard)
{
    const rlimit limit { soft, hard };
    if (::setrlimit(RLIMIT_NOFILE, &limit) != 0)
        std::_Exit(90);
}

rlim_t softLimit()
{
    rlimit limit {};
    ::getrlimit(RLIMIT_NOFILE, &limit);
    return limit.rlim_cur;
}

} // namespace

// Each case runs in a child process, whose limits the test may lower freely.
TEST(OpenFileLimitTest, TheSoftLimitIsRaisedToTheHardOne)
{
    EXPECT_EXIT(
        {
            setLimit(64, 512);
            OpenFileLimit::raiseToHardLimit();
            std::_Exit(softLimit() == 512 && OpenFileLimit::current() == 512 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(OpenFileLimitTest, NoFileIsSkippedForWantOfHandlesWhereTheHardLimitIsLow)
{
    TempDir dir;
    // Many more sub-group folders than handles: one per extension in "Others".
    constexpr int files = 300;
    for (int i = 0; i < files; ++i)
        writeFile(dir / ("f" + std::to_string(i) + ".x" + std::to_string(i)), "x");
    EXPECT_EXIT(
        {
            setLimit(64, 64);
            OpenFileLimit::raiseToHardLimit();
            FileOrganizerService service;
            int skipped = 0;
            service.setSkipReporter([&](const std::string &name, const std::string &why) {
                if (++skipped == 1)
                    std::fprintf(stderr, "skipped %s: %s\n", name.c_str(), why.c_str());
            });
            const UndoService undo(dir.path().parent_path() / (dir.path().filename().native() + "-state"));
            const RunReport run = undo.organize(service, service.buildPlan(dir.path()));
            const UndoReport back = undo.undoLast(service, dir.path());
            std::_Exit(skipped == 0 && run.moved == files && back.restored == files ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
    for (int i = 0; i < files; ++i)
        EXPECT_TRUE(entryExists(dir / ("f" + std::to_string(i) + ".x" + std::to_string(i)))) << i;
}
