// Plans a folder and builds its preview tree in a process of its own, and prints the
// peak resident memory after each step, in KiB: "start PEAK plan PEAK preview PEAK moves N".
// The peak is VmHWM of this process's memory: ru_maxrss would also count the parent's
// memory when started with vfork, as posix_spawn does.

#include "model/PreviewTree.h"
#include "services/filesystem/PosixFileSystem.h"
#include "services/organizing/PlanBuilder.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

long peakKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const long start = peakKiB();
    PosixFileSystem disk;
    const OrganizationPlan plan = PlanBuilder(disk).buildPlan(argv[1]);
    const long planned = peakKiB();
    const auto tree = buildPreviewTree(plan);
    const long previewed = peakKiB();
    std::printf("start %ld plan %ld preview %ld moves %zu categories %zu\n", start, planned,
        previewed, plan.moves.size(), tree.size());
    return 0;
}
