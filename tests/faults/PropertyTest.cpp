// Random folders, organized and undone, with and without another program changing the
// folder at random moments. Deterministic by seed: TIDYRA_PROPERTY_SEED (first seed),
// TIDYRA_PROPERTY_RUNS (how many; 1 when only a seed is given) and
// TIDYRA_PROPERTY_SECONDS (time limit) explore further. A failure names its seed.

#include "FaultInjectingFileSystem.h"
#include "Interferer.h"
#include "Invariants.h"
#include "services/organizing/FileOrganizerService.h"
#include "services/organizing/UndoService.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

using Op = FaultInjectingFileSystem::Operation;

std::uint64_t fromEnvironment(const char *name, std::uint64_t fallback)
{
    const char *text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

// Runs `body` once per seed until three seeds fail or the time is up.
void forEachSeed(const std::function<std::string(std::mt19937_64 &)> &body)
{
    const std::uint64_t first = fromEnvironment("TIDYRA_PROPERTY_SEED", 1);
    const std::uint64_t runs
        = fromEnvironment("TIDYRA_PROPERTY_RUNS", std::getenv("TIDYRA_PROPERTY_SEED") ? 1 : 800);
    const auto end = std::chrono::steady_clock::now()
        + std::chrono::seconds(fromEnvironment("TIDYRA_PROPERTY_SECONDS", 60));
    int failures = 0;
    for (std::uint64_t seed = first; seed < first + runs; ++seed) {
        if (std::chrono::steady_clock::now() > end)
            return; // explored as far as the time allows
        std::mt19937_64 random(seed);
        const std::string problems = body(random);
        if (!problems.empty())
            ADD_FAILURE() << "seed " << seed << " (replay with TIDYRA_PROPERTY_SEED=" << seed
                          << "):\n"
                          << problems;
        if (!problems.empty() && ++failures >= 3)
            GTEST_FAIL() << "stopping after 3 failing seeds";
    }
}

// The other program acts just before a few random calls of the engine.
void addHooks(FaultInjectingFileSystem &fileSystem, Interferer &interferer, std::mt19937_64 &random,
    const std::string &phase)
{
    constexpr Op hooked[] = { Op::openFolder, Op::listFolder, Op::openSubfolder, Op::makeFolder,
        Op::statIn, Op::renameNoReplace, Op::removeFolder };
    fileSystem.reset();
    for (std::size_t i = 0, count = 1 + pick(random, 4); i < count; ++i) {
        const Op operation = hooked[pick(random, std::size(hooked))];
        const int nth = 1 + static_cast<int>(pick(random, 12));
        const std::string when = "before call " + std::to_string(nth) + " of operation "
            + std::to_string(static_cast<int>(operation)) + " during " + phase;
        fileSystem.beforeCall(operation, nth, [&interferer, when] { interferer.act(when); });
    }
}

// Half the seeds run alone and must give back exactly the tree they found, with the
// executed list telling the truth; the other half meet another program, and then no
// file may be lost, duplicated or moved outside, whatever else happens.
TEST(PropertyTest, organizeThenUndoKeepsEveryFileWithAndWithoutInterference)
{
    forEachSeed([](std::mt19937_64 &random) {
        Scene scene;
        scene.fillRandomly(random);
        scene.outsideFile("swap-target/there-before.txt");
        const TreeSnapshot before = snapshotTree(scene.folder());
        const TreeSnapshot outsideBefore = snapshotTree(scene.outside());
        const bool interfere = chance(random, 0.5);
        Interferer interferer(scene, random, scene.outside() / "swap-target");
        interferer.expected = Invariants::fileContents(before);
        const auto fileSystem = std::make_shared<FaultInjectingFileSystem>();
        FileOrganizerService service(fileSystem);
        service.setSkipReporter([](const std::string &, const std::string &) {});
        const UndoService undo(scene.state());
        const auto check = [&](const std::string &step, const std::string &strict) {
            const std::string problems = (interfere ? Invariants::contentsAre(
                                              interferer.expected, snapshotTree(scene.folder()))
                                                    : strict)
                + describeDifference(outsideBefore, snapshotTree(scene.outside()));
            return problems.empty()
                ? problems
                : step + ":\n" + problems + "the other program:\n" + interferer.log;
        };
        if (interfere)
            addHooks(*fileSystem, interferer, random, "organizing");
        OrganizationPlan plan;
        std::vector<FileMoveOperation> executed;
        try {
            plan = service.buildPlan(scene.folder());
            if (interfere && chance(random, 0.5))
                interferer.act("between planning and organizing");
            undo.organize(service, plan, {}, &executed);
        } catch (const std::runtime_error &error) {
            // The folder may be gone from under the scan; only the promises matter then.
            if (!interfere)
                return std::string("organizing failed: ") + error.what();
        }
        if (std::string problems = check("after organizing",
                Invariants::executedIsExact(plan, executed, before)
                    + Invariants::eachFileOnce(before, snapshotTree(scene.folder())));
            !problems.empty())
            return problems;
        if (interfere && chance(random, 0.5))
            interferer.act("between organizing and undo");
        if (interfere)
            addHooks(*fileSystem, interferer, random, "undo");
        try {
            undo.undoLast(service, scene.folder());
        } catch (const std::runtime_error &error) {
            // A file in the way stops the undo; that is allowed, losing one is not.
            if (!interfere)
                return std::string("undo failed: ") + error.what();
        }
        return check("after undo",
            Invariants::sameTreeUpToEmptyFolders(before, snapshotTree(scene.folder())));
    });
}

} // namespace
