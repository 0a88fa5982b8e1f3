// Fails every call the engine makes, one at a time, with each error a disk can give,
// while organizing and while undoing, also on a file system without no-replace
// renames, and checks that no file is lost, duplicated, changed or moved outside,
// that the reported moves are the real ones, and that a clean undo then finishes.

#include "FaultInjectingFileSystem.h"
#include "Invariants.h"
#include "Scene.h"
#include "services/organizing/OrganizingService.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

using Op = FaultInjectingFileSystem::Operation;

// EINVAL and EPERM also drive the fallback from renaming to linking; ENOENT makes a
// taken name look free, which the no-replace move must still catch.
constexpr int errors[]
    = { EACCES, ENOSPC, EXDEV, EIO, EEXIST, ENAMETOOLONG, EINVAL, EPERM, EINTR, ENOENT };

struct Case
{
    bool undo; // the fault hits the undo, not the organizing run
    bool noRenameNoReplace; // every move links and unlinks, as on NFS
    Op operation;
    int nth;
    int error;
};

// Runs one case (nth 0: none fails) and returns what broke, empty when every promise held.
std::string runCase(const Case &run, FaultInjectingFileSystem &fileSystem)
{
    Scene scene;
    scene.fillWithClashes();
    const TreeSnapshot before = snapshotTree(scene.folder());
    const TreeSnapshot outsideBefore = snapshotTree(scene.outside());
    OrganizingService service(
        scene.state(), std::shared_ptr<FileSystem>(&fileSystem, [](FileSystem *) {}));
    std::size_t skipped = 0;
    service.setSkipReporter([&](const std::string &, const ErrorMessage &) { ++skipped; });
    const auto arm = [&](bool withFault) {
        fileSystem.reset();
        if (run.noRenameNoReplace)
            fileSystem.failCall(Op::renameNoReplace, 0, EINVAL);
        if (withFault && run.nth > 0)
            fileSystem.failCall(run.operation, run.nth, run.error);
    };
    OrganizationPlan plan;
    std::vector<FileMoveOperation> executed;
    bool organized = false;
    RunReport report;
    arm(!run.undo);
    // Refusing the whole run is allowed; the checks below say whether it left a mess.
    try {
        plan = service.buildPlan(scene.folder());
        report = service.organize(plan, {}, &executed);
        organized = true;
    } catch (const std::runtime_error &) { }
    std::string problems = Invariants::executedIsExact(plan, executed, before)
        + Invariants::eachFileOnce(before, snapshotTree(scene.folder()));
    // A journal that fails stops the run: the moves after it were never tried.
    if (organized && report.stoppedBy.empty()
        && skipped != plan.operations().size() - executed.size())
        problems += "each move that did not happen must be reported once as skipped\n";
    if (run.undo) {
        if (!organized)
            return "the organizing run before the undo failed\n";
        arm(true);
        try {
            service.undoLast(scene.folder());
        } catch (const std::runtime_error &) { } // it may stop; what it did must still be sound
        problems += Invariants::eachFileOnce(before, snapshotTree(scene.folder()))
            + Invariants::eachMoveDoneOrUndone(executed, before);
    }
    problems += describeDifference(outsideBefore, snapshotTree(scene.outside()));
    // An undo with nothing in the way finishes the job: every recorded file is back.
    OrganizingService clean(scene.state());
    clean.setSkipReporter([](const std::string &, const ErrorMessage &) {});
    try {
        if (!clean.undoLast(scene.folder()).notRestored.empty())
            problems += "a clean undo afterwards left files where they were\n";
    } catch (const std::runtime_error &error) {
        problems += std::string("a clean undo afterwards failed: ") + error.what() + '\n';
    }
    return problems + Invariants::sameTreeUpToEmptyFolders(before, snapshotTree(scene.folder()))
        + describeDifference(outsideBefore, snapshotTree(scene.outside()));
}

using FaultRunTest = testing::TestWithParam<bool>;

TEST_P(FaultRunTest, everyCallFailingInTurnKeepsEveryFile)
{
    int failures = 0;
    for (const bool noRenameNoReplace : { false, true }) {
        FaultInjectingFileSystem fileSystem;
        ASSERT_EQ(runCase({ GetParam(), noRenameNoReplace, Op::openFolder, 0, 0 }, fileSystem), "");
        // The clean run's calls, each of which is failed in turn.
        std::vector<int> counts;
        for (std::size_t i = 0; i < FaultInjectingFileSystem::operationCount; ++i)
            counts.push_back(fileSystem.callCount(static_cast<Op>(i)));
        ASSERT_GT(fileSystem.totalCalls(), 0);
        for (std::size_t i = 0; i < counts.size(); ++i) {
            for (int nth = 1; nth <= counts[i]; ++nth) {
                for (const int error : errors) {
                    const Case run { GetParam(), noRenameNoReplace, static_cast<Op>(i), nth,
                        error };
                    // Every rename already fails in the second mode; nothing more to inject.
                    if (noRenameNoReplace && run.operation == Op::renameNoReplace)
                        continue;
                    const std::string problems = runCase(run, fileSystem);
                    if (problems.empty())
                        continue;
                    ADD_FAILURE() << (noRenameNoReplace ? "without RENAME_NOREPLACE, " : "")
                                  << "call " << nth << " of operation " << i << " fails with "
                                  << strerrorname_np(error) << ":\n"
                                  << problems;
                    if (++failures >= 5)
                        GTEST_FAIL() << "stopping after 5 broken cases";
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Phases, FaultRunTest, testing::Bool(),
    [](const auto &info) { return info.param ? "Undo" : "Organize"; });

} // namespace
