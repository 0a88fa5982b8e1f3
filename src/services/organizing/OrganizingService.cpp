#include "services/organizing/OrganizingService.h"

#include "model/Text.h"
#include "services/errors/EngineError.h"
#include "services/filesystem/PosixFileSystem.h"
#include "services/organizing/OrganizeRun.h"
#include "services/organizing/PlanBuilder.h"
#include "services/organizing/RecordedRun.h"
#include "services/organizing/RecordedUndo.h"
#include "services/organizing/RunHistory.h"

#include <cstdio>

namespace fs = std::filesystem;

namespace {

void printSkipped(const std::string &name, const ErrorMessage &description)
{
    const std::string line
        = "[Tidyra] Skipped " + Text::displayText(name) + ": " + description.english() + '\n';
    // Nothing is to be done about a terminal that is gone; the run goes on.
    static_cast<void>(std::fwrite(line.data(), 1, line.size(), stdout));
    static_cast<void>(std::fflush(stdout));
}

} // namespace

OrganizingService::OrganizingService(fs::path stateFolder, std::shared_ptr<FileSystem> fileSystem)
    : m_fileSystem(fileSystem ? std::move(fileSystem) : std::make_shared<PosixFileSystem>())
    , m_skipReporter(printSkipped)
{
    // Settled once, here: the app calls in from its UI thread and its worker.
    if (stateFolder.empty()) {
        try {
            stateFolder = JournalStore::defaultFolder();
        } catch (const EngineError &error) {
            m_noPlace = error.message();
            return;
        }
    }
    m_store.emplace(std::move(stateFolder));
}

const JournalStore &OrganizingService::store() const
{
    if (!m_store)
        throw EngineError(EngineCondition::journalUnusable, m_noPlace);
    return *m_store;
}

void OrganizingService::setSkipReporter(SkipReporter reporter)
{
    m_skipReporter = reporter ? std::move(reporter) : SkipReporter(printSkipped);
}

OrganizationPlan OrganizingService::buildPlan(
    const fs::path &folderURL, const SortingRules &rules) const
{
    return PlanBuilder(*m_fileSystem).buildPlan(folderURL, rules);
}

RunReport OrganizingService::organize(const OrganizationPlan &plan, const RunControl &control,
    std::vector<FileMoveOperation> *executed, RunOrigin origin) const
{
    RecordedRun run(journals(), plan.folderURL, origin, m_lockWait);
    std::vector<std::uint32_t> moved;
    RunReport report;
    try {
        report
            = OrganizeRun(*m_fileSystem, m_skipReporter, m_batchSize)
                  .execute(plan, run.root(), run.journal(), control, executed ? &moved : nullptr);
    } catch (const EngineError &) {
        // Thrown before the first move: this run never happened.
        run.abandon();
        throw;
    }
    run.finish(report);
    if (report.moved > 0)
        report.runId = run.id();
    if (executed) {
        for (const std::uint32_t index : moved)
            executed->push_back(plan.operation(index));
    }
    return report;
}

UndoReport OrganizingService::undoLast(
    const std::optional<fs::path> &folder, const RunControl &control) const
{
    const JournalStore place = journals();
    return RecordedUndo(place, m_lockWait).undoLast(folder, control);
}

UndoReport OrganizingService::undoRun(const std::optional<fs::path> &folder,
    const std::string &runId, const RunControl &control) const
{
    const JournalStore place = journals();
    return RecordedUndo(place, m_lockWait).undoRun(folder, runId, control);
}

std::vector<RunHistoryEntry> OrganizingService::history(const fs::path &folder) const
{
    const JournalStore place = journals();
    return RunHistory(place).history(folder);
}

std::vector<RecordedMove> OrganizingService::runMoves(
    const fs::path &folder, const std::string &runId) const
{
    const JournalStore place = journals();
    return RunHistory(place).runMoves(folder, runId);
}

std::string OrganizingService::historyStamp(const fs::path &folder) const
{
    const JournalStore place = journals();
    return RunHistory(place).historyStamp(folder);
}

bool OrganizingService::canUndo(const fs::path &folder) const
{
    // No journal place: nothing to undo.
    if (!m_store)
        return false;
    const JournalStore place = journals();
    return RunHistory(place).canUndo(folder);
}

std::optional<RunDetails> OrganizingService::lastDetails(const fs::path &folder) const
{
    // Read through the real file system, whatever the runs go through.
    if (!m_store)
        return std::nullopt;
    return RunHistory(*m_store).lastDetails(folder);
}
