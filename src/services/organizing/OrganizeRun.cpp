#include "services/organizing/OrganizeRun.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/filesystem/FileMover.h"
#include "services/filesystem/FolderWalker.h"
#include "services/filesystem/RoundTrips.h"
#include "services/filesystem/SerialWitness.h"
#include "services/journal/RunJournal.h"
#include "services/organizing/MadeFolders.h"
#include "services/organizing/MoveDecision.h"
#include "services/organizing/MoveStep.h"
#include "services/paths/PathText.h"

#include <algorithm>
#include <cerrno>
#include <set>

using PathText::joinedParts;

namespace {

// The handle of each target folder, asked of the walker once for as long as it gives up
// none: a run takes files in name order, so one move after another goes to another
// folder, and finding a folder by its path each time would cost more than the rest of
// the step on a local disk.
class TargetFolders
{
public:
    TargetFolders(FolderWalker &walker, std::size_t count)
        : m_walker(walker)
        , m_folders(count, -1)
        , m_givenUp(walker.givenUp())
    { }

    FolderWalker::Result open(std::size_t target, const std::vector<std::string> &parts)
    {
        if (m_walker.givenUp() != m_givenUp) {
            std::fill(m_folders.begin(), m_folders.end(), -1);
            m_givenUp = m_walker.givenUp();
        }
        if (m_folders[target] >= 0) {
            FolderWalker::Result held;
            held.fd = m_folders[target];
            return held;
        }
        const FolderWalker::Result opened = m_walker.open(parts, false);
        // Opening may have given up handles: the next call finds out and asks again.
        if (opened.error == 0)
            m_folders[target] = opened.fd;
        return opened;
    }

private:
    FolderWalker &m_walker;
    std::vector<int> m_folders;
    std::size_t m_givenUp;
};

} // namespace

RunReport OrganizeRun::execute(const OrganizationPlan &list, int root, RunJournal &journal,
    const RunControl &control, std::vector<std::uint32_t> *moved) const
{
    RunReport report;
    if (!announceFolders(list, root, journal, report))
        return report;
    FolderWalker walker(m_fileSystem, root);
    // Why moves into a target cannot happen, empty when they can.
    std::vector<ErrorMessage> blocked = openTargets(list, root, walker, journal);
    const auto &targets = list.targets;

    FileMover mover(m_fileSystem, root, &journal);
    TargetFolders folders(walker, targets.size());
    std::uint64_t type = 0;
    const bool overlap
        = m_fileSystem.fileSystemType(root, type) == 0 && RoundTrips::worthOverlapping(type);
    const std::size_t total = list.moves.size();
    std::vector<Ready> batch;
    batch.reserve(std::min(m_batchSize, total));
    std::size_t next = 0;
    while (next < total && !report.cancelled && report.stoppedBy.empty()) {
        // Each batch is checked and announced first: a file is moved only once the
        // journal holds, on disk, which file goes where. One sync a batch keeps that
        // cheap; a crash leaves at most one batch to settle by looking.
        batch.clear();
        // The held handles would follow a destination folder wherever another program
        // moves it, out of the chosen folder too: one that is no longer at its place
        // takes no more files. Once a batch keeps this cheap.
        for (const std::string &gone : walker.dropMoved()) {
            for (std::size_t i = 0; i < targets.size(); ++i) {
                const std::string path = joinedParts(targets[i].parts, targets[i].parts.size());
                if (blocked[i].empty() && path.starts_with(gone)
                    && (path.size() == gone.size() || path[gone.size()] == '/'))
                    blocked[i] = ErrorDescriptions::folderMovedAway(gone);
            }
        }
        announceBatch(list, root, journal, blocked, overlap, next, batch, report);
        if (!batch.empty()) {
            try {
                journal.sync();
            } catch (const std::exception &error) {
                report.stoppedBy = ErrorDescriptions::of(error);
                break;
            }
        }

        for (const Ready &ready : batch) {
            if (control.isCancelled()) {
                report.cancelled = true;
                break;
            }
            // Once a move showed the route, the rest of the batch goes at once where that
            // saves round trips.
            if (overlap && mover.routeKnown()
                && moveTogether(list, root, walker, mover, journal, control,
                    { &ready, batch.data() + batch.size() }, report, moved))
                break;
            const OrganizationPlan::Move &move = *ready.move;
            const auto &parts = targets[move.target].parts;
            ErrorMessage why;
            if (MoveStep::into(mover, root, folders.open(move.target, parts), parts, move.source,
                    move.destinationName(), ready.identity, why)) {
                skip(move.source, why, journal, report);
                continue;
            }
            ++report.moved;
            journal.mark(mover.usedFallback() ? JournalLines::Mark::movedByFallback
                                              : JournalLines::Mark::moved,
                move.index);
            if (moved)
                moved->push_back(move.index);
        }
        // Files, not plan slots: a cancel may cut the batch short.
        if (control.progress)
            control.progress(report.moved + report.skipped, total);
    }
    try {
        journal.end(report.moved);
        journal.sync();
    } catch (const std::exception &) {
        // The intents are on disk already; undo settles the rest by looking.
    }
    MadeFolders::removeEmpty(m_fileSystem, root, walker.created());
    return report;
}

bool OrganizeRun::moveTogether(const OrganizationPlan &list, int root, FolderWalker &walker,
    const FileMover &mover, RunJournal &journal, const RunControl &control,
    std::span<const Ready> ready, RunReport &report, std::vector<std::uint32_t> *moved) const
{
    if (ready.size() < 2)
        return false;
    // The walker is this thread's: each folder is opened here, and its handle is used
    // by the threads only while none was given up since.
    const std::size_t givenUp = walker.givenUp();
    std::vector<FolderWalker::Result> folders;
    folders.reserve(ready.size());
    for (const Ready &each : ready)
        folders.push_back(walker.open(list.targets[each.move->target].parts, false));
    if (walker.givenUp() != givenUp)
        return false;

    struct Outcome
    {
        bool tried = false;
        bool fallback = false;
        std::error_code error;
        ErrorMessage why;
    };
    std::vector<Outcome> outcomes(ready.size());
    SerialWitness witness(journal);
    std::vector<FileMover> movers;
    movers.reserve(RoundTrips::lanes);
    for (std::size_t lane = 0; lane < RoundTrips::lanes; ++lane)
        movers.emplace_back(mover, &witness);
    // Two moves to one name are never under way at once: they share a lane. The intents
    // are on disk already; each outcome goes into the journal below, once its move is done.
    RoundTrips::spread(
        ready.size(),
        [&](std::size_t i) {
            return RoundTrips::laneOf(ready[i].move->target, ready[i].move->destinationName());
        },
        [&](std::size_t lane, std::size_t i) {
            if (control.isCancelled())
                return;
            const OrganizationPlan::Move &move = *ready[i].move;
            const FolderWalker::Result &folder = folders[i];
            Outcome &outcome = outcomes[i];
            outcome.tried = true;
            outcome.error
                = MoveStep::into(movers[lane], root, folder, list.targets[move.target].parts,
                    move.source, move.destinationName(), ready[i].identity, outcome.why);
            outcome.fallback = movers[lane].usedFallback();
        });
    for (std::size_t i = 0; i < ready.size(); ++i) {
        const OrganizationPlan::Move &move = *ready[i].move;
        const Outcome &outcome = outcomes[i];
        if (!outcome.tried) {
            report.cancelled = true;
            continue;
        }
        if (outcome.error) {
            skip(move.source, outcome.why, journal, report);
            continue;
        }
        ++report.moved;
        journal.mark(
            outcome.fallback ? JournalLines::Mark::movedByFallback : JournalLines::Mark::moved,
            move.index);
        if (moved)
            moved->push_back(move.index);
    }
    return true;
}

bool OrganizeRun::announceFolders(
    const OrganizationPlan &list, int root, RunJournal &journal, RunReport &report) const
{
    // Folders are announced, on disk, before they are made: a run killed in between
    // leaves none that undo does not know of.
    std::set<std::vector<std::string>> toMake;
    FolderWalker look(m_fileSystem, root);
    for (const OrganizationPlan::Target &target : list.targets) {
        const FolderWalker::Result found = look.open(target.parts, false);
        for (std::size_t depth = found.failedDepth;
             found.error == ENOENT && depth < target.parts.size(); ++depth)
            toMake.emplace(target.parts.begin(), target.parts.begin() + depth + 1);
    }
    for (const std::vector<std::string> &parts : toMake)
        journal.folderToMake(parts);
    if (!toMake.empty()) {
        try {
            journal.sync();
        } catch (const std::exception &error) {
            report.stoppedBy = ErrorDescriptions::of(error);
            return false;
        }
    }
    return true;
}

std::vector<ErrorMessage> OrganizeRun::openTargets(
    const OrganizationPlan &list, int root, FolderWalker &walker, RunJournal &journal) const
{
    const auto &targets = list.targets;
    std::vector<ErrorMessage> blocked(targets.size());
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const FolderWalker::Result opened = walker.open(targets[i].parts, true);
        if (opened.creationFailed) {
            MadeFolders::removeEmpty(m_fileSystem, root, walker.created());
            throw EngineError(opened.error,
                ErrorDescriptions::cannotCreateFolder(
                    joinedParts(targets[i].parts, opened.failedDepth + 1), list.folderURL,
                    opened.error));
        }
        // Something that is not a folder of ours stands in the way: it is left alone
        // and the moves into it are reported as skipped.
        if (opened.error != 0)
            blocked[i] = ErrorDescriptions::blockedFolder(
                joinedParts(targets[i].parts, opened.failedDepth + 1), opened.error);
    }
    for (const FolderWalker::Created &made : walker.created())
        journal.folderMade({ made.parts, made.identity.inode });
    return blocked;
}

void OrganizeRun::announceBatch(const OrganizationPlan &list, int root, RunJournal &journal,
    const std::vector<ErrorMessage> &blocked, bool overlap, std::size_t &next,
    std::vector<Ready> &batch, RunReport &report) const
{
    const std::size_t total = list.moves.size();
    const std::size_t first = next;
    const std::vector<Look> looks
        = overlap ? lookAhead(list, root, blocked, first) : std::vector<Look>();
    const std::size_t looked = first + looks.size();
    for (; next < total && batch.size() < m_batchSize; ++next) {
        const OrganizationPlan::Move &move = list.moves[next];
        MoveDecision facts { !blocked[move.target].empty() };
        EntryInfo info;
        if (!facts.targetBlocked) {
            // Skipped moves leave room in the batch: those past the looks are taken now.
            if (next < looked) [[unlikely]] {
                facts.lookError = looks[next - first].error;
                info = looks[next - first].info;
            } else
                facts.lookError = m_fileSystem.statIn(root, move.source, info);
            facts.regular = info.type == EntryType::regular;
        }
        switch (facts.decide()) {
        case MoveDecision::Action::skipBlocked:
            skip(move.source, blocked[move.target], journal, report);
            continue;
        case MoveDecision::Action::skipUnreadable:
            skip(move.source,
                ErrorDescriptions::moveFailed(
                    move.source, move.source, {}, systemError(facts.lookError)),
                journal, report);
            continue;
        case MoveDecision::Action::skipChanged:
            skip(move.source,
                ErrorDescriptions::moveFailed(
                    move.source, move.source, {}, EngineCondition::changedMeanwhile),
                journal, report);
            continue;
        case MoveDecision::Action::announce:
            break;
        }
        journal.intend(
            move.index, move.source, list.targets[move.target].parts, move.destinationName(), info);
        batch.push_back({ &move, info.identity });
    }
}

std::vector<OrganizeRun::Look> OrganizeRun::lookAhead(const OrganizationPlan &list, int root,
    const std::vector<ErrorMessage> &blocked, std::size_t first) const
{
    std::vector<Look> looks(std::min(m_batchSize, list.moves.size() - first));
    RoundTrips::spread(
        looks.size(), [](std::size_t i) { return i; },
        [&](std::size_t, std::size_t i) {
            const OrganizationPlan::Move &move = list.moves[first + i];
            if (blocked[move.target].empty())
                looks[i].error = m_fileSystem.statIn(root, move.source, looks[i].info);
        });
    return looks;
}

void OrganizeRun::skip(const std::string &name, const ErrorMessage &description,
    RunJournal &journal, RunReport &report) const
{
    ++report.skipped;
    m_skipReporter(name, description);
    journal.skipped(name, description);
}
