#include "FolderOrganizerViewModel.h"

#include "ActivityLog.h"
#include "ErrorTexts.h"
#include "FolderPath.h"
#include "LastFolder.h"
#include "RunController.h"
#include "RunHistoryModel.h"
#include "RunMessages.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

// A folder's name fit for one line: a newline in it would split a log line in two.
QString folderName(const QByteArray &path)
{
    return FolderPath::display(FolderPath::lastComponent(path));
}

} // namespace

FolderOrganizerViewModel::FolderOrganizerViewModel(std::unique_ptr<FolderChooser> chooser,
    std::unique_ptr<SettingsStore> settings, std::unique_ptr<Clock> clock,
    std::shared_ptr<FileSystem> fileSystem, QObject *parent, FolderWatch *watch)
    : QObject(parent)
    , m_chooser(std::move(chooser))
    , m_settings(std::move(settings))
    , m_statusMessage(tr("Select a folder to get started."))
    , m_log(std::make_unique<ActivityLog>(std::move(clock)))
    , m_history(std::make_unique<RunHistoryModel>())
    , m_autoTidy(std::make_unique<AutoTidy>(*m_settings, watch))
    , m_runs(std::make_unique<RunController>(std::move(fileSystem)))
{
    connect(
        m_runs.get(), &RunController::progressed, this, &FolderOrganizerViewModel::updateProgress);
    connect(m_autoTidy.get(), &AutoTidy::namesWaiting, this,
        &FolderOrganizerViewModel::tidySettledSoon);
    connect(m_autoTidy.get(), &AutoTidy::watchFailed, this, [this](const QString &why) {
        // The switch stays on: the user sees why nothing is tidied, and choosing the
        // folder again or switching off and on tries anew.
        setErrorMessage(tr("Error: %1").arg(why));
    });
    // Tidying waits for the preview to close, so the plan shown stays the truth.
    connect(this, &FolderOrganizerViewModel::isShowingPreviewChanged, this,
        &FolderOrganizerViewModel::tidySettledSoon);

    // The folder is taken as stored, even if it is gone by now: the first scan tells.
    const QByteArray bytes = LastFolder::read(*m_settings);
    if (bytes.isEmpty())
        return;
    m_folderBytes = bytes;
    m_selectedFolderURL = FolderPath::toUrl(bytes);
    m_statusMessage = tr("Ready — %1").arg(folderName(bytes));
    queryCanUndo();
    loadRunDetails();
    loadHistory();
    m_autoTidy->setFolder(FolderPath::toFileSystem(bytes));
}

FolderOrganizerViewModel::~FolderOrganizerViewModel() = default;

QStringList FolderOrganizerViewModel::activityLog() const
{
    return m_log->lines();
}

QString FolderOrganizerViewModel::activityRunId(int row) const
{
    return m_log->runId(row);
}

QString FolderOrganizerViewModel::selectedFolderName() const
{
    return m_folderBytes.isEmpty() ? QString() : folderName(m_folderBytes);
}

QString FolderOrganizerViewModel::selectedFolderPath() const
{
    return FolderPath::display(m_folderBytes);
}

void FolderOrganizerViewModel::chooseFolder()
{
    // A run belongs to its folder: its outcome and its undo must not land on another.
    if (m_isOrganizing || m_isChoosing)
        return;
    // The dialog runs its own event loop; an automatic run waits for it, or the choice
    // would be lost to that run.
    setIsChoosing(true);
    const std::optional<QString> chosen = m_chooser->chooseFolder();
    setIsChoosing(false);
    if (!chosen || chosen->isEmpty() || m_isOrganizing) {
        tidySettledSoon();
        return;
    }

    const QByteArray bytes = FolderPath::toBytes(*chosen);
    // Undo is offered for the folder's own last run only: not for another's while
    // the journal is asked.
    if (bytes != m_folderBytes) {
        setCanUndo(false);
        m_history->clear();
    }
    m_folderBytes = bytes;
    setSelectedFolderURL(FolderPath::toUrl(bytes));
    LastFolder::write(*m_settings, bytes);
    setStatusMessage(tr("Ready — %1").arg(folderName(bytes)));
    // The folder's own last run, wherever it was made, is what Undo offers; its
    // history is read whole, as files may have moved by hand since the last look.
    queryCanUndo();
    loadHistory();
    if (!m_log->isEmpty()) {
        m_log->clear();
        emit activityLogChanged();
    }
    setRunDetails(nullptr);
    loadRunDetails();
    m_autoTidy->setFolder(FolderPath::toFileSystem(bytes));
}

void FolderOrganizerViewModel::generatePreview()
{
    if (m_selectedFolderURL.isEmpty() || m_isOrganizing)
        return;
    m_runs->scan(FolderPath::toFileSystem(m_folderBytes),
        endingRun<RunController::ScanResult>([this](RunController::ScanResult &result) {
            if (m_runs->isCancelled())
                return;
            if (!result.plan) {
                setErrorMessage(tr("Error: %1").arg(result.error));
                return;
            }
            const bool hasMoves = !result.plan->moves.empty();
            m_currentObstacles = std::move(result.obstacles);
            setCurrentPlan(std::move(result.plan));
            if (hasMoves)
                setIsShowingPreview(true);
            else
                setStatusMessage(tr("Nothing to organize — folder is already tidy."));
        }));
    beginRun(RunKind::scanning);
}

void FolderOrganizerViewModel::applyCurrentPlan()
{
    if (!m_currentPlan || m_isOrganizing)
        return;
    setIsShowingPreview(false);
    m_runs->execute(m_currentPlan, FolderPath::toFileSystem(m_folderBytes),
        endingRun<RunController::ExecutionResult>(
            [this, folder = m_currentPlan->folderURL](RunController::ExecutionResult &result) {
                reportExecution(result.report, result.error, folder);
            }));
    beginRun(RunKind::organizing);
}

void FolderOrganizerViewModel::organizeNow()
{
    if (m_selectedFolderURL.isEmpty() || m_isOrganizing || isInDialog())
        return;
    m_runs->organize(FolderPath::toFileSystem(m_folderBytes),
        endingRun<RunController::OrganizeResult>([this](RunController::OrganizeResult &result) {
            if (!result.scan.plan) {
                setErrorMessage(tr("Error: %1").arg(result.scan.error));
            } else if (result.execution) {
                const std::filesystem::path folder = result.scan.plan->folderURL;
                m_currentObstacles = std::move(result.scan.obstacles);
                setCurrentPlan(std::move(result.scan.plan));
                reportExecution(result.execution->report, result.execution->error, folder);
            } else if (m_runs->isCancelled()) {
                setStatusMessage(RunMessages::cancelledStatus(0));
            } else {
                setStatusMessage(tr("Nothing to organize — folder is already tidy."));
            }
        }));
    beginRun(RunKind::organizing);
}

void FolderOrganizerViewModel::undoLastOperation()
{
    if (m_selectedFolderURL.isEmpty() || m_isOrganizing || isInDialog())
        return;
    const std::filesystem::path folder = FolderPath::toFileSystem(m_folderBytes);
    m_runs->undo(folder, m_autoTidy->isOn(),
        endingRun<RunController::UndoResult>([this, folder](RunController::UndoResult &result) {
            m_autoTidy->leaveAlone(folder, std::move(result.restoredNames));
            reportUndo(result.report, result.error, {});
        }));
    beginRun(RunKind::undoing);
}

void FolderOrganizerViewModel::undoRun(const QString &runId)
{
    if (m_selectedFolderURL.isEmpty() || m_isOrganizing || isInDialog() || runId.isEmpty())
        return;
    const std::filesystem::path folder = FolderPath::toFileSystem(m_folderBytes);
    m_runs->undoRun(folder, runId.toStdString(), m_autoTidy->isOn(),
        endingRun<RunController::UndoResult>(
            [this, folder, runId](RunController::UndoResult &result) {
                m_autoTidy->leaveAlone(folder, std::move(result.restoredNames));
                if (result.error.isEmpty() && result.report.nothingToUndo)
                    setStatusMessage(RunMessages::nothingToUndo());
                reportUndo(result.report, result.error, runId);
            }));
    beginRun(RunKind::undoing);
}

void FolderOrganizerViewModel::reportUndo(
    const UndoReport &report, const QString &error, const QString &runId)
{
    if (!error.isEmpty()) {
        // The journal keeps what was not moved back, for a later try.
        setErrorMessage(tr("Undo failed: %1").arg(error));
        return;
    }
    if (report.nothingToUndo)
        return;
    QString message = RunMessages::undoStatus(
        int(report.restored), report.cancelled, int(report.notRestored.size()));
    const QString aftermath
        = RunMessages::undoAftermath(int(report.alreadyBack), int(report.foldersNotRemoved.size()));
    if (!aftermath.isEmpty())
        message += QLatin1Char(' ') + aftermath;
    setStatusMessage(message, !report.notRestored.empty() || !report.foldersNotRemoved.empty());
    if (!runId.isEmpty() && !report.cancelled && report.notRestored.empty())
        m_log->forgetRun(runId);
    appendLog(message);
    if (!report.recordNotUpdated.empty())
        appendLog(RunMessages::undoNotRecorded(ErrorTexts::translate(report.recordNotUpdated)));
}

void FolderOrganizerViewModel::setTidiesAutomatically(bool on)
{
    if (m_autoTidy->setOn(on))
        emit tidiesAutomaticallyChanged();
}

void FolderOrganizerViewModel::tidySettledSoon()
{
    // Queued, so whoever just ended a run or closed the preview hears that first.
    if (m_tidyQueued || !m_autoTidy->hasWaiting())
        return;
    m_tidyQueued = true;
    QMetaObject::invokeMethod(this, &FolderOrganizerViewModel::tidySettled, Qt::QueuedConnection);
}

void FolderOrganizerViewModel::tidySettled()
{
    m_tidyQueued = false;
    if (!m_autoTidy->hasWaiting() || !m_autoTidy->isOn() || m_folderBytes.isEmpty())
        return;
    // The user is busy; the names wait until the run ends, the preview or the dialog closes.
    if (m_isOrganizing || isInDialog())
        return;
    std::vector<std::string> writtenWhole;
    std::vector<std::string> names = m_autoTidy->takeWaiting(writtenWhole);
    if (names.empty())
        return;
    // Kept only where they could all be among the skips told already.
    std::vector<std::string> tried;
    if (m_runDetails && names.size() <= m_runDetails->entries.size())
        tried = names;
    const std::filesystem::path folder = FolderPath::toFileSystem(m_folderBytes);
    m_runs->tidy(folder, std::move(names), std::move(writtenWhole),
        std::chrono::seconds(m_autoTidy->settleSeconds()),
        endingRun<RunController::TidyResult>(
            [this, folder, tried](RunController::TidyResult &result) {
                m_autoTidy->retry(folder, result.retry);
                const RunReport &report = result.report;
                const bool movedNothing = result.error.isEmpty() && report.stoppedBy.empty()
                    && !report.cancelled && report.moved == 0;
                if (movedNothing && (!result.ran || report.skipped == 0))
                    return; // nothing happened: nothing to tell
                // A file that can never move (its category folder is a link) is skipped
                // again at every switch-on: news once, not each time.
                if (movedNothing && !tried.empty() && toldSkipped(tried)) {
                    emit tidiedAutomatically();
                    return;
                }
                reportExecution(report, result.error, folder, true);
            }));
    beginRun(RunKind::tidying);
}

bool FolderOrganizerViewModel::toldSkipped(const std::vector<std::string> &names) const
{
    if (!m_runDetails || m_runDetails->kind != RunDetails::Kind::run)
        return false;
    const auto &told = m_runDetails->entries; // sorted by name
    return std::all_of(names.begin(), names.end(), [&told](const std::string &name) {
        const auto found = std::lower_bound(told.begin(), told.end(), name,
            [](const auto &entry, const std::string &key) { return entry.first < key; });
        return found != told.end() && found->first == name;
    });
}

void FolderOrganizerViewModel::cancelRun()
{
    if (!m_isOrganizing || m_runs->isCancelled())
        return;
    m_runs->cancel();
    setProgressMessage(RunMessages::stoppingProgress());
}

void FolderOrganizerViewModel::beginRun(RunKind kind)
{
    m_runKind = kind;
    setIsOrganizing(true);
    updateProgress();
}

template <typename Result>
std::function<void(Result &, bool)> FolderOrganizerViewModel::endingRun(
    std::function<void(Result &)> report)
{
    return [this, report = std::move(report)](Result &result, bool canUndo) {
        setCanUndo(canUndo);
        if (m_runKind != RunKind::scanning) {
            loadRunDetails();
            loadHistory();
        }
        report(result);
        setProgressMessage({});
        setIsOrganizing(false);
        tidySettledSoon();
    };
}

void FolderOrganizerViewModel::updateProgress()
{
    if (m_runs->isCancelled())
        return; // "Stopping…" stays until the run has stopped
    const std::size_t done = m_runs->progressDone(), total = m_runs->progressTotal();
    switch (m_runKind) {
    case RunKind::scanning:
        setProgressMessage(RunMessages::scanningProgress());
        break;
    case RunKind::organizing:
    case RunKind::tidying:
        setProgressMessage(RunMessages::organizingProgress(done, total));
        break;
    case RunKind::undoing:
        setProgressMessage(RunMessages::undoingProgress(done, total));
        break;
    }
}

void FolderOrganizerViewModel::refreshCanUndo()
{
    // During a run the engine is the worker's; the end of the run asks again.
    if (!m_isOrganizing) {
        queryCanUndo();
        loadHistory(true);
    }
}

void FolderOrganizerViewModel::queryCanUndo()
{
    if (m_folderBytes.isEmpty()) {
        setCanUndo(false);
        return;
    }
    const QByteArray bytes = m_folderBytes;
    m_runs->readCanUndo(FolderPath::toFileSystem(bytes), [this, bytes](bool canUndo) {
        // Another folder may have been chosen meanwhile.
        if (bytes == m_folderBytes)
            setCanUndo(canUndo);
    });
}

void FolderOrganizerViewModel::reportExecution(const RunReport &report, const QString &error,
    const std::filesystem::path &folder, bool automatic)
{
    if (!error.isEmpty()) {
        // Nothing moved; the earlier run stays the one to undo.
        setErrorMessage(tr("Error: %1").arg(error));
        return;
    }
    const int count = int(report.moved);
    const int skipped = int(report.skipped);
    const QString line = RunMessages::organizedLogLine(count, skipped, report.cancelled,
        folderName(FolderPath::fromFileSystem(folder)), automatic);
    if (!report.stoppedBy.empty())
        setErrorMessage(tr("Error: %1").arg(ErrorTexts::translate(report.stoppedBy)));
    else
        setStatusMessage(
            RunMessages::runStatus(count, skipped, report.cancelled, automatic, line), skipped > 0);
    appendLog(line, QString::fromStdString(report.runId));
    if (automatic)
        emit tidiedAutomatically();
    else if (!report.cancelled)
        emit planApplied(count, skipped);
}

void FolderOrganizerViewModel::appendLog(const QString &message, const QString &runId)
{
    m_log->add(message, runId);
    emit activityLogChanged();
}

void FolderOrganizerViewModel::setCurrentPlan(std::shared_ptr<const OrganizationPlan> plan)
{
    // Plans have no meaningful equality (each scan is a new one), so every store counts.
    std::swap(m_currentPlan, plan);
    if (plan)
        m_runs->release(std::move(plan));
    emit currentPlanChanged();
}

void FolderOrganizerViewModel::setRunDetails(std::shared_ptr<const RunDetails> details)
{
    const auto same = [](const RunDetails *a, const RunDetails *b) {
        if (!a || !b)
            return a == b;
        return a->kind == b->kind && a->folder == b->folder && a->entries == b->entries;
    };
    if (same(m_runDetails.get(), details.get()))
        return;
    m_runDetails = std::move(details);
    emit runDetailsChanged();
}

void FolderOrganizerViewModel::loadRunDetails()
{
    if (m_folderBytes.isEmpty())
        return;
    const QByteArray bytes = m_folderBytes;
    m_runs->readRunDetails(
        FolderPath::toFileSystem(bytes), [this, bytes](std::shared_ptr<const RunDetails> details) {
            // Another folder may have been chosen meanwhile.
            if (bytes == m_folderBytes)
                setRunDetails(std::move(details));
        });
}

void FolderOrganizerViewModel::loadHistory(bool reuse)
{
    if (m_folderBytes.isEmpty())
        return;
    const QByteArray bytes = m_folderBytes;
    m_runs->readHistory(
        FolderPath::toFileSystem(bytes), reuse, [this, bytes](std::vector<HistoryRun> runs) {
            // Another folder may have been chosen meanwhile.
            if (bytes == m_folderBytes)
                m_history->setRuns(std::move(runs));
        });
}

void FolderOrganizerViewModel::readRunFiles(const QString &runId)
{
    if (m_folderBytes.isEmpty() || m_isOrganizing || runId.isEmpty())
        return;
    const QByteArray bytes = m_folderBytes;
    m_runs->readRunFiles(FolderPath::toFileSystem(bytes), runId.toStdString(),
        [this, bytes, runId](std::shared_ptr<const RunDetails> files) {
            if (bytes == m_folderBytes)
                emit runFilesRead(runId, m_history->filesTitle(runId), std::move(files));
        });
}

void FolderOrganizerViewModel::showRunDetails()
{
    if (m_runDetails)
        emit runDetailsRequested();
}
