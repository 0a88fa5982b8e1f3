// Fails every call the engine makes, one at a time, with each error a disk can give,
// during organizing and during undo, and checks after each run that no file was lost,
// duplicated, changed or moved outside, and that the reported moves are the real ones.

#include "FaultInjectingFileSystem.h"
#include "FileOrganizerService.h"
#include "FileSystemError.h"
#include "Fixtures.h"
#include "Invariants.h"
#include "JournalError.h"
#include "UndoService.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <memory>
#include <sstream>

namespace {

using Op = FaultInjectingFileSystem::Operation;

constexpr std::array allOperations = { Op::openFolder, Op::listFolder, Op::openSubfolder,
    Op::makeFolder, Op::entryIn, Op::renameNoReplace, Op::hardLink, Op::unlinkFile,
    Op::removeFolder, Op::statIn, Op::statFolder, Op::renameReplacing, Op::createExclusive };

const char *operationName(Op operation)
{
    static constexpr std::array names = { "openFolder", "listFolder", "openSubfolder", "makeFolder",
        "entryIn", "renameNoReplace", "hardLink", "unlinkFile", "removeFolder", "statIn",
        "statFolder", "renameReplacing", "createExclusive" };
    return names[static_cast<std::size_t>(operation)];
}

// EINVAL and EPERM also drive the fallback from renaming to linking; ENOENT makes a
// taken name look free, which the no-replace move must still catch.
constexpr std::array errors
    = { EACCES, ENOSPC, EXDEV, EIO, EEXIST, ENAMETOOLONG, EINVAL, EPERM, EINTR, ENOENT };

enum class Phase { organize, undo };

// Whether the file system refuses RENAME_NOREPLACE, so that every move links and unlinks.
enum class Mover { rename, linkAndUnlink };

struct Case
{
    Phase phase;
    Mover mover;
    Op operation;
    int nth;
    int error;
};

std::string describe(const Fixture &fixture, const Case &run)
{
    std::ostringstream out;
    out << fixture.name << (run.phase == Phase::organize ? ", organize" : ", undo")
        << (run.mover == Mover::rename ? "" : " (no RENAME_NOREPLACE)") << ": call " << run.nth
        << " of " << operationName(run.operation) << " fails with " << strerrorname_np(run.error);
    return out.str();
}

std::shared_ptr<FaultInjectingFileSystem> fileSystemFor(Mover mover)
{
    auto fileSystem = std::make_shared<FaultInjectingFileSystem>();
    if (mover == Mover::linkAndUnlink)
        fileSystem->failCall(Op::renameNoReplace, 0, EINVAL);
    return fileSystem;
}

std::array<int, FaultInjectingFileSystem::operationCount> cleanCounts(
    const Fixture &fixture, Phase phase, Mover mover)
{
    Scene scene;
    fixture.build(scene);
    auto fileSystem = fileSystemFor(mover);
    FileOrganizerService service(fileSystem);
    service.setSkipReporter([](const std::string &, const std::string &) {});
    const UndoService undo(scene.state());
    undo.organize(service, service.buildPlan(scene.folder()));
    if (phase == Phase::undo) {
        fileSystem->reset();
        undo.undoLast(service, scene.folder());
    }
    std::array<int, FaultInjectingFileSystem::operationCount> counts {};
    for (Op operation : allOperations)
        counts[static_cast<std::size_t>(operation)] = fileSystem->callCount(operation);
    return counts;
}

// Runs one case and returns what broke, empty when every promise held.
std::string runCase(const Fixture &fixture, const Case &run)
{
    Scene scene;
    fixture.build(scene);
    const TreeSnapshot before = snapshotTree(scene.folder());
    const TreeSnapshot outsideBefore = snapshotTree(scene.outside());

    auto fileSystem = fileSystemFor(run.mover);
    FileOrganizerService service(fileSystem);
    std::size_t skipped = 0;
    service.setSkipReporter([&](const std::string &, const std::string &) { ++skipped; });

    const UndoService undo(scene.state());
    std::string problems;
    OrganizationPlan plan;
    std::vector<FileMoveOperation> executed;
    bool planned = false;
    bool organized = false;
    if (run.phase == Phase::organize)
        fileSystem->failCall(run.operation, run.nth, run.error);
    try {
        plan = service.buildPlan(scene.folder());
        planned = true;
        undo.organize(service, plan, {}, &executed);
        organized = true;
    } catch (const std::runtime_error &) {
        // Refusing the whole run is allowed; the checks below say whether it left a mess.
    }

    if (run.phase == Phase::organize) {
        const TreeSnapshot after = snapshotTree(scene.folder());
        problems += Invariants::eachFileOnce(before, after);
        if (planned)
            problems += Invariants::executedIsExact(plan, executed, before);
        if (organized && skipped != plan.operations.size() - executed.size())
            problems += "each move that did not happen must be reported once as skipped\n";
    } else {
        if (!organized)
            return "the organizing run before the undo failed\n";
        problems += Invariants::executedIsExact(plan, executed, before);
        fileSystem->reset();
        if (run.mover == Mover::linkAndUnlink)
            fileSystem->failCall(Op::renameNoReplace, 0, EINVAL);
        fileSystem->failCall(run.operation, run.nth, run.error);
        try {
            undo.undoLast(service, scene.folder());
        } catch (const std::runtime_error &) {
            // An undo may stop on a failure; what it did must still be sound.
        }
        problems += Invariants::eachFileOnce(before, snapshotTree(scene.folder()));
        problems += Invariants::eachMoveDoneOrUndone(executed, before);
    }
    problems += describeDifference(outsideBefore, snapshotTree(scene.outside()));

    // An undo with nothing in the way finishes the job: every recorded file is back.
    FileOrganizerService clean;
    clean.setSkipReporter([](const std::string &, const std::string &) {});
    try {
        const UndoReport report = undo.undoLast(clean, scene.folder());
        if (!report.notRestored.empty())
            problems += "undo afterwards left " + std::to_string(report.notRestored.size())
                + " files: " + report.notRestored.front().second + '\n';
    } catch (const std::runtime_error &error) {
        problems += std::string("undo afterwards failed: ") + error.what() + '\n';
    }
    problems += Invariants::allUndone(executed, before);
    problems += Invariants::sameTreeUpToEmptyFolders(before, snapshotTree(scene.folder()));
    problems += describeDifference(outsideBefore, snapshotTree(scene.outside()));
    return problems;
}

struct FaultRunParam
{
    std::size_t fixture;
    Phase phase;
};

class FaultRunTest : public testing::TestWithParam<FaultRunParam>
{
};

TEST_P(FaultRunTest, everyCallFailingInTurnKeepsEveryFile)
{
    const Fixture &fixture = fixtures()[GetParam().fixture];
    const Phase phase = GetParam().phase;
    int failures = 0;
    int cases = 0;
    for (Mover mover : { Mover::rename, Mover::linkAndUnlink }) {
        const auto counts = cleanCounts(fixture, phase, mover);
        for (Op operation : allOperations) {
            // Every rename already fails in the second mode; nothing more to inject.
            if (mover == Mover::linkAndUnlink && operation == Op::renameNoReplace)
                continue;
            for (int nth = 1; nth <= counts[static_cast<std::size_t>(operation)]; ++nth) {
                for (int error : errors) {
                    const Case run { phase, mover, operation, nth, error };
                    const std::string problems = runCase(fixture, run);
                    ++cases;
                    if (problems.empty())
                        continue;
                    ADD_FAILURE() << describe(fixture, run) << ":\n" << problems;
                    if (++failures >= 5)
                        GTEST_FAIL() << "stopping after 5 broken cases";
                }
            }
        }
    }
    RecordProperty("cases", cases);
    EXPECT_GT(cases, 0);
}

std::string paramName(const testing::TestParamInfo<FaultRunParam> &info)
{
    return fixtures()[info.param.fixture].name
        + (info.param.phase == Phase::organize ? "_Organize" : "_Undo");
}

std::vector<FaultRunParam> allParams()
{
    std::vector<FaultRunParam> params;
    for (std::size_t i = 0; i < fixtures().size(); ++i) {
        params.push_back({ i, Phase::organize });
        params.push_back({ i, Phase::undo });
    }
    return params;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, FaultRunTest, testing::ValuesIn(allParams()), paramName);

} // namespace
