#include "RunController.h"

#include "ErrorTexts.h"
#include "MemoryRelease.h"
#include "services/organizing/OrganizingService.h"
#include "services/organizing/PlanObstacles.h"
#include "services/rules/RulesFile.h"
#include "services/watching/AutoTidyRun.h"

#include <QMetaObject>

#include <algorithm>
#include <exception>
#include <utility>

namespace {

// A few progress updates a second: enough to see it move, too few to cost anything.
constexpr int progressIntervalMs = 250;

// In the user's language, the arguments (names) as the engine wrote them.
QString describe(const std::exception &error)
{
    return ErrorTexts::translate(error);
}

} // namespace

RunController::RunController(std::shared_ptr<FileSystem> fileSystem, QObject *parent)
    : QObject(parent)
    , m_runs(std::make_unique<OrganizingService>(std::filesystem::path(), std::move(fileSystem)))
    , m_rulesPath(RulesFile::defaultPath())
    , m_rules(std::make_unique<RulesFile>(m_runs->fileSystem(), m_rulesPath))
{
    m_progressTimer.setInterval(progressIntervalMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &RunController::progressed);
    m_worker = new QObject;
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.setObjectName(QStringLiteral("Tidyra worker"));
    m_thread.start();
}

RunController::~RunController()
{
    // The queued answer of a run still going is dropped with this object; the journal
    // has its record.
    m_cancel = true;
    m_thread.quit();
    m_thread.wait();
}

template <typename Result>
void RunController::start(
    std::function<Result()> work, const std::filesystem::path &folder, Done<Result> done)
{
    m_cancel = false;
    m_progressDone = 0;
    m_progressTotal = 0;
    m_progressTimer.start();
    // The answer is queued to this object, so it runs on the UI thread.
    QMetaObject::invokeMethod(
        m_worker,
        [this, work = std::move(work), folder, done = std::move(done)] {
            auto result = std::make_shared<Result>(work());
            // Asked after the run, on the worker, as the journal is read for it.
            const bool canUndo = canUndoOnWorker(folder);
            QMetaObject::invokeMethod(
                this,
                [this, result, canUndo, done] {
                    m_progressTimer.stop();
                    done(*result, canUndo);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void RunController::scan(const std::filesystem::path &folder, Done<ScanResult> done)
{
    start<ScanResult>([this, folder] { return scanOnWorker(folder); }, folder, std::move(done));
}

void RunController::execute(std::shared_ptr<const OrganizationPlan> plan,
    const std::filesystem::path &folder, Done<ExecutionResult> done)
{
    start<ExecutionResult>(
        [this, plan = std::move(plan)] { return executeOnWorker(*plan); }, folder, std::move(done));
}

void RunController::organize(const std::filesystem::path &folder, Done<OrganizeResult> done)
{
    start<OrganizeResult>(
        [this, folder] {
            OrganizeResult result { scanOnWorker(folder), std::nullopt };
            if (result.scan.plan && !result.scan.plan->moves.empty() && !m_cancel)
                result.execution = executeOnWorker(*result.scan.plan);
            return result;
        },
        folder, std::move(done));
}

void RunController::undo(
    const std::filesystem::path &folder, bool listRestored, Done<UndoResult> done)
{
    startUndo(
        folder, listRestored,
        [this, folder](const RunControl &control) { return m_runs->undoLast(folder, control); },
        std::move(done));
}

void RunController::undoRun(const std::filesystem::path &folder, const std::string &runId,
    bool listRestored, Done<UndoResult> done)
{
    startUndo(
        folder, listRestored,
        [this, folder, runId](
            const RunControl &control) { return m_runs->undoRun(folder, runId, control); },
        std::move(done));
}

void RunController::startUndo(const std::filesystem::path &folder, bool listRestored,
    std::function<UndoReport(const RunControl &)> undo, Done<UndoResult> done)
{
    start<UndoResult>(
        [this, listRestored, undo = std::move(undo)] {
            UndoResult result;
            RunControl control = runControl();
            // Also what an undo that failed half-way put back.
            if (listRestored)
                control.restored
                    = [&result](const std::string &name) { result.restoredNames.push_back(name); };
            try {
                result.report = undo(control);
            } catch (const std::exception &error) {
                result.error = describe(error);
            }
            return result;
        },
        folder, std::move(done));
}

void RunController::tidy(const std::filesystem::path &folder, std::vector<std::string> names,
    std::vector<std::string> writtenWhole, std::chrono::milliseconds settle, Done<TidyResult> done)
{
    start<TidyResult>(
        [this, folder, names = std::move(names), writtenWhole = std::move(writtenWhole), settle] {
            TidyResult result;
            try {
                AutoTidyRun run(*m_runs, settle);
                run.setRules(m_rules.get());
                AutoTidyRun::Result outcome
                    = run.run(folder, names, runControl(), nullptr, writtenWhole);
                result.ran = outcome.ran;
                result.report = std::move(outcome.report);
                result.retry = std::move(outcome.retry);
                // Nothing moved while the rules are wrong; the names wait for them.
                result.rulesInvalid = !outcome.rulesProblem.empty();
                if (result.rulesInvalid)
                    result.error = ErrorTexts::translate(outcome.rulesProblem);
            } catch (const std::exception &error) {
                result.error = describe(error);
            }
            return result;
        },
        folder, std::move(done));
}

void RunController::readCanUndo(const std::filesystem::path &folder, std::function<void(bool)> done)
{
    ask<bool>([this, folder] { return canUndoOnWorker(folder); }, std::move(done));
}

void RunController::readRunDetails(const std::filesystem::path &folder,
    std::function<void(std::shared_ptr<const RunDetails>)> done)
{
    ask<std::shared_ptr<const RunDetails>>(
        [this, folder] {
            std::shared_ptr<const RunDetails> details;
            try {
                if (auto found = m_runs->lastDetails(folder))
                    details = std::make_shared<const RunDetails>(std::move(*found));
            } catch (const std::exception &) {
                // An unreadable journal has nothing to tell here; Undo reports it.
            }
            return details;
        },
        std::move(done));
}

void RunController::readHistory(const std::filesystem::path &folder, bool reuse,
    std::function<void(std::vector<HistoryRun>)> done)
{
    ask<std::vector<HistoryRun>>(
        [this, folder, reuse] {
            std::vector<HistoryRun> runs;
            try {
                std::string stamp = m_runs->historyStamp(folder);
                if (reuse && folder == m_lastHistory.folder && stamp == m_lastHistory.stamp)
                    return m_lastHistory.runs;
                for (const RunHistoryEntry &entry : m_runs->history(folder))
                    runs.push_back({ QString::fromStdString(entry.id),
                        QDateTime::fromString(
                            QString::fromStdString(entry.started), Qt::ISODateWithMs)
                            .toUTC(),
                        entry.origin == RunOrigin::automatic, entry.moved, entry.undoable,
                        entry.ended, entry.undone });
                m_lastHistory = { folder, std::move(stamp), runs };
            } catch (const std::exception &) {
                // An unreadable journal or a folder gone has no history to show.
                m_lastHistory = {};
            }
            return runs;
        },
        std::move(done));
}

void RunController::readRunFiles(const std::filesystem::path &folder, const std::string &runId,
    std::function<void(std::shared_ptr<const RunDetails>)> done)
{
    ask<std::shared_ptr<const RunDetails>>(
        [this, folder, runId]() -> std::shared_ptr<const RunDetails> {
            std::vector<RecordedMove> moves;
            try {
                moves = m_runs->runMoves(folder, runId);
            } catch (const std::exception &) {
                return nullptr; // gone with the folder, or forgotten meanwhile
            }
            auto files = std::make_shared<RunDetails>();
            files->folder = folder;
            files->entries.reserve(moves.size());
            // Each text once, shared by the files it is for.
            const std::string back = tr("put back by an undo").toStdString();
            const std::string elsewhere = tr("no longer where the run put them").toStdString();
            //: Where files a run moved still are: a folder below the one organized
            const QString inFolder = tr("still in \"%1\"");
            const qsizetype at = inFolder.indexOf(QLatin1String("%1"));
            const std::string beforeFolder = inFolder.left(at < 0 ? 0 : at).toStdString();
            const std::string afterFolder
                = at < 0 ? std::string() : inFolder.mid(at + 2).toStdString();
            std::string lastFolder;
            std::string inLastFolder;
            for (RecordedMove &move : moves) {
                std::string where = move.where == RecordedMove::Where::back ? back : elsewhere;
                if (move.where == RecordedMove::Where::inPlace) {
                    const std::string to = move.to.substr(0, move.to.rfind('/'));
                    // The folder's bytes as they are: the details view shows them fit.
                    if (to != lastFolder) {
                        lastFolder = to;
                        inLastFolder = beforeFolder + to + afterFolder;
                    }
                    where = inLastFolder;
                }
                files->entries.emplace_back(
                    std::move(move.from), ErrorMessage(ErrorKind::plainText, { std::move(where) }));
            }
            std::sort(files->entries.begin(), files->entries.end());
            return files;
        },
        std::move(done));
}

void RunController::release(std::shared_ptr<const OrganizationPlan> plan)
{
    QMetaObject::invokeMethod(
        m_worker,
        [old = std::move(plan)]() mutable {
            old.reset();
            releaseFreedMemory();
        },
        Qt::QueuedConnection);
}

std::shared_ptr<const SortingRules> RunController::rulesOnWorker(QString &error) const
{
    try {
        return m_rules->current();
    } catch (const std::exception &failure) {
        error = describe(failure);
        return nullptr;
    }
}

RunController::ScanResult RunController::scanOnWorker(const std::filesystem::path &folder) const
{
    QString rulesError;
    const std::shared_ptr<const SortingRules> rules = rulesOnWorker(rulesError);
    if (!rules)
        return { nullptr, nullptr, rulesError, true };
    try {
        auto plan = std::make_shared<const OrganizationPlan>(m_runs->buildPlan(folder, *rules));
        auto obstacles = std::make_shared<const PlanObstacles>(m_runs->fileSystem(), *plan);
        return { std::move(plan), std::move(obstacles), {} };
    } catch (const std::exception &error) {
        return { nullptr, nullptr, describe(error) };
    }
}

RunController::ExecutionResult RunController::executeOnWorker(const OrganizationPlan &plan)
{
    ExecutionResult result;
    try {
        result.report = m_runs->organize(plan, runControl());
    } catch (const std::exception &error) {
        result.error = describe(error);
    }
    return result;
}

RunControl RunController::runControl()
{
    RunControl control;
    control.cancel = &m_cancel;
    control.progress = [this](std::size_t done, std::size_t total) {
        m_progressDone = done;
        m_progressTotal = total;
    };
    return control;
}

bool RunController::canUndoOnWorker(const std::filesystem::path &folder) const
{
    return !folder.empty() && m_runs->canUndo(folder);
}
