#include "services/watching/AutoTidyRun.h"

#include "services/errors/EngineError.h"
#include "services/filesystem/FileDescriptor.h"
#include "services/organizing/OrganizingService.h"
#include "services/rules/RulesFile.h"
#include "services/watching/PutBackNames.h"

#include <cerrno>
#include <ctime>
#include <unordered_map>
#include <unordered_set>

namespace {

std::int64_t wallClockNow()
{
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

} // namespace

AutoTidyRun::AutoTidyRun(const OrganizingService &runs, std::chrono::milliseconds settle,
    std::filesystem::path stateFolder)
    : m_runs(runs)
    , m_settle(settle)
    , m_stateFolder(std::move(stateFolder))
{
    if (m_stateFolder.empty()) {
        try {
            m_stateFolder = JournalStore::defaultFolder();
        } catch (const EngineError &) {
            // No journal place: the run itself fails, saying why.
        }
    }
}

bool AutoTidyRun::leavePutBack(const std::filesystem::path &folder, const OpenFolder &root,
    OrganizationPlan &plan, Result &result) const
{
    if (m_stateFolder.empty())
        return true;
    const JournalStore journals(m_stateFolder, &m_runs.fileSystem());
    if (journals.runsOf(root.identity, folder).empty())
        return true;
    // Held while the journal is read: an undo at work may have put files back that
    // its journal does not name yet. An undo that starts later puts back no file
    // this plan has seen.
    FileDescriptor lock;
    try {
        journals.prepare();
        lock = journals.lock(root.identity, std::chrono::milliseconds(0));
    } catch (const EngineError &error) {
        if (error.code() != EngineCondition::folderBusy)
            throw;
        for (const OrganizationPlan::Move &move : plan.moves)
            result.retry.push_back(move.source);
        return false;
    }
    std::vector<std::string> names;
    for (const OrganizationPlan::Move &move : plan.moves)
        names.push_back(move.source);
    const std::unordered_set<std::string> putBack
        = PutBackNames(journals).among(root, folder, names);
    if (!putBack.empty())
        plan.keepOnly(
            [&](const OrganizationPlan::Move &move) { return putBack.count(move.source) == 0; });
    return true;
}

bool AutoTidyRun::stillWritten(int root, const std::string &name, std::int64_t modified) const
{
    // Within half the settle time either way: the watch's steady clock and the file's
    // wall-clock time may disagree a little, and a file stamped far in the future
    // should not wait forever.
    const std::int64_t age = wallClockNow() - modified;
    const std::int64_t margin = std::chrono::nanoseconds(m_settle).count() / 2;
    if (age < margin && age > -margin)
        return true;

    // For a file of another user's, or on a file system without leases, the time
    // above is all there is to go by.
    bool written = false;
    return m_runs.fileSystem().hasWriter(root, name, written) == 0 && written;
}

AutoTidyRun::Result AutoTidyRun::run(const std::filesystem::path &folder,
    const std::vector<std::string> &settled, const RunControl &control,
    std::vector<FileMoveOperation> *executed, const std::vector<std::string> &writtenWhole) const
{
    Result result;
    if (settled.empty())
        return result;
    std::shared_ptr<const SortingRules> rules = SortingRules::builtIn();
    if (m_rules) {
        try {
            rules = m_rules->current();
        } catch (const EngineError &error) {
            if (error.code() != EngineCondition::rulesInvalid)
                throw;
            result.rulesProblem = error.message();
            result.retry = settled;
            return result;
        }
    }
    const std::unordered_set<std::string> wanted(settled.begin(), settled.end());
    OrganizationPlan plan = m_runs.buildPlan(folder, *rules);
    plan.keepOnly(
        [&](const OrganizationPlan::Move &move) { return wanted.count(move.source) != 0; });
    if (plan.moves.empty())
        return result;

    const OpenFolder root = OpenFolder::open(m_runs.fileSystem(), folder);
    if (!leavePutBack(folder, root, plan, result) || plan.moves.empty())
        return result;
    const std::unordered_set<std::string> whole(writtenWhole.begin(), writtenWhole.end());
    plan.keepOnly([&](const OrganizationPlan::Move &move) {
        // The run itself checks that each file is still a regular file.
        if (whole.count(move.source) != 0)
            return true;
        EntryInfo info;
        if (const int error = m_runs.fileSystem().statIn(root.handle.get(), move.source, info))
            return error != ENOENT; // gone meanwhile: nothing to do; else the run says why
        if (info.type != EntryType::regular)
            return false;
        if (stillWritten(root.handle.get(), move.source, info.modified)) {
            result.retry.push_back(move.source);
            return false;
        }
        return true;
    });
    if (plan.moves.empty())
        return result;

    try {
        result.report = m_runs.organize(plan, control, executed, RunOrigin::automatic);
        result.ran = true;
    } catch (const EngineError &error) {
        if (error.code() != EngineCondition::folderBusy)
            throw;
        for (const OrganizationPlan::Move &move : plan.moves)
            result.retry.push_back(move.source);
    }
    return result;
}
