// The baseline on its own: organizes FOLDER and moves everything back, printing the
// time of each step, for profiling or comparing with other tools.

#include "Baseline.h"

#include <chrono>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    using Clock = std::chrono::steady_clock;
    const auto since = [](Clock::time_point start) {
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };
    Baseline::prepare();
    auto start = Clock::now();
    const Baseline::Plan plan = Baseline::plan(argv[1]);
    const double planned = since(start);
    start = Clock::now();
    const std::size_t moved = Baseline::organize(argv[1], plan);
    const double organized = since(start);
    start = Clock::now();
    const std::size_t back = Baseline::undo(argv[1], plan);
    const double undone = since(start);
    std::printf("plan %.1f ms (%zu moves), organize %.1f ms (%zu moved), undo %.1f ms (%zu back)\n",
        planned, plan.moves.size(), organized, moved, undone, back);
    return 0;
}
