#include "FolderOrganizerViewModel.h"

#include "ActivityLog.h"
#include "ErrorTexts.h"
#include "FolderRecords.h"
#include "LastFolder.h"
#include "RulesEditor.h"
#include "RunController.h"
#include "RunHistoryModel.h"
#include "RunMessages.h"
#include "RunOutcomes.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>
#include <chrono>
#include <utility>

FolderOrganizerViewModel::FolderOrganizerViewModel(std::unique_ptr<FolderChooser> chooser,
    std::unique_ptr<SettingsStore> settings, std::unique_ptr<Clock> clock,
    std::shared_ptr<FileSystem> fileSystem, QObject *parent, FolderWatch *watch)
    : QObject(parent)
    , m_chooser(std::move(chooser))
    , m_settings(std::move(settings))
    , m_statusMessage(tr("Select a folder to get started."))
    , m_log(std::make_unique<ActivityLog>(std::move(clock)))
    , m_outcomes(std::make_unique<RunOutcomes>(*this))
    , m_autoTidy(std::make_unique<AutoTidy>(*m_settings, watch))
    , m_runs(std::make_unique<RunController>(std::move(fileSystem)))
    , m_records(std::make_unique<FolderRecords>(*m_runs))
    , m_rulesEditor(std::make_unique<RulesEditor>(*m_runs))
{
    connect(m_records.get(), &FolderRecords::canUndoChanged, this,
        &FolderOrganizerViewModel::canUndoChanged);
    connect(m_records.get(), &FolderRecords::runDetailsChanged, this,
        &FolderOrganizerViewModel::runDetailsChanged);
    connect(
        m_runs.get(), &RunController::progressed, this, &FolderOrganizerViewModel::updateProgress);
    connect(m_autoTidy.get(), &AutoTidy::namesWaiting, this,
        &FolderOrganizerViewModel::tidySettledSoon);
    connect(m_autoTidy.get(), &AutoTidy::watchFailed, this, [this](const QString &why) {
        // The switch stays on: the user sees why nothing is tidied, and choosing the
        // folder again or switching off and on tries anew.
        setErrorMessage(tr("Error: %1").arg(why));
    });
    // The preview shows what the rules in force do.
    connect(m_rulesEditor.get(), &RulesEditor::saved, this, [this] {
        if (m_isShowingPreview)
            generatePreview();
    });
    connect(m_rulesEditor.get(), &RulesEditor::setAsideDone, this, [this](const QString &path) {
        appendLog(
            tr("Your rules file is set aside as %1; the built-in rules are in force.").arg(path));
        if (!isInDialog() || m_isShowingPreview)
            generatePreview();
    });
    // Tidying waits for the preview to close, so the plan shown stays the truth.
    connect(this, &FolderOrganizerViewModel::isShowingPreviewChanged, this,
        &FolderOrganizerViewModel::tidySettledSoon);

    // The folder is taken as stored, even if it is gone by now: the first scan tells.
    const FolderPath folder = LastFolder::read(*m_settings);
    if (folder.isEmpty())
        return;
    m_folder = folder;
    m_records->setFolder(folder);
    m_statusMessage = tr("Ready — %1").arg(folder.displayName());
    m_records->readCanUndo();
    m_records->readRunDetails();
    m_records->readHistory();
    m_autoTidy->setFolder(folder);
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

bool FolderOrganizerViewModel::canUndo() const
{
    return m_records->canUndo();
}

const std::shared_ptr<const RunDetails> &FolderOrganizerViewModel::runDetails() const
{
    return m_records->runDetails();
}

RunHistoryModel *FolderOrganizerViewModel::runHistory() const
{
    return m_records->history();
}

void FolderOrganizerViewModel::chooseFolder()
{
    // A run belongs to its folder: its outcome and its undo must not land on another.
    if (m_isOrganizing || m_isChoosing)
        return;
    // The dialog runs its own event loop; an automatic run waits for it, or the choice
    // would be lost to that run.
    setIsChoosing(true);
    const std::optional<FolderPath> chosen = m_chooser->chooseFolder();
    setIsChoosing(false);
    if (!chosen || chosen->isEmpty() || m_isOrganizing) {
        tidySettledSoon();
        return;
    }

    // Undo is offered for the folder's own last run only: not for another's while
    // the journal is asked.
    m_records->setFolder(*chosen);
    assign(m_folder, *chosen, &FolderOrganizerViewModel::selectedFolderChanged);
    LastFolder::write(*m_settings, m_folder);
    setStatusMessage(tr("Ready — %1").arg(m_folder.displayName()));
    // The folder's own last run, wherever it was made, is what Undo offers; its
    // history is read whole, as files may have moved by hand since the last look.
    m_records->readCanUndo();
    m_records->readHistory();
    if (!m_log->isEmpty()) {
        m_log->clear();
        emit activityLogChanged();
    }
    m_records->setRunDetails(nullptr);
    m_records->readRunDetails();
    m_autoTidy->setFolder(m_folder);
}

void FolderOrganizerViewModel::generatePreview()
{
    if (m_folder.isEmpty() || m_isOrganizing)
        return;
    m_runs->scan(m_folder.fileSystemPath(),
        endingRun<RunController::ScanResult>([this](RunController::ScanResult &result) {
            if (m_runs->isCancelled())
                return;
            noteRules(result.rulesInvalid, result.error);
            // A preview made again for new rules closes when it has nothing to show.
            const bool hasMoves = result.plan && !result.plan->moves.empty();
            if (!hasMoves)
                setIsShowingPreview(false);
            if (!result.plan) {
                setErrorMessage(tr("Error: %1").arg(result.error));
                return;
            }
            m_currentObstacles = std::move(result.obstacles);
            setCurrentPlan(std::move(result.plan));
            if (hasMoves)
                setIsShowingPreview(true);
            else
                m_outcomes->nothingToOrganize(*m_currentPlan);
        }));
    beginRun(RunKind::scanning);
}

void FolderOrganizerViewModel::applyCurrentPlan()
{
    if (!m_currentPlan || m_isOrganizing)
        return;
    setIsShowingPreview(false);
    m_runs->execute(m_currentPlan, m_folder.fileSystemPath(),
        endingRun<RunController::ExecutionResult>(
            [this, folder = FolderPath(m_currentPlan->folderURL)](
                RunController::ExecutionResult &result) {
                m_outcomes->execution(result.report, result.error, folder);
            }));
    beginRun(RunKind::organizing);
}

void FolderOrganizerViewModel::organizeNow()
{
    if (m_folder.isEmpty() || m_isOrganizing || isInDialog())
        return;
    m_runs->organize(m_folder.fileSystemPath(),
        endingRun<RunController::OrganizeResult>([this](RunController::OrganizeResult &result) {
            noteRules(result.scan.rulesInvalid, result.scan.error);
            if (!result.scan.plan) {
                setErrorMessage(tr("Error: %1").arg(result.scan.error));
            } else if (result.execution) {
                const FolderPath folder(result.scan.plan->folderURL);
                m_currentObstacles = std::move(result.scan.obstacles);
                setCurrentPlan(std::move(result.scan.plan));
                m_outcomes->execution(result.execution->report, result.execution->error, folder);
            } else if (m_runs->isCancelled()) {
                setStatusMessage(RunMessages::cancelledStatus(0));
            } else {
                m_outcomes->nothingToOrganize(*result.scan.plan);
            }
        }));
    beginRun(RunKind::organizing);
}

void FolderOrganizerViewModel::undoLastOperation()
{
    if (m_folder.isEmpty() || m_isOrganizing || isInDialog())
        return;
    const FolderPath folder = m_folder;
    m_runs->undo(folder.fileSystemPath(), m_autoTidy->isOn(),
        endingRun<RunController::UndoResult>([this, folder](RunController::UndoResult &result) {
            m_autoTidy->leaveAlone(folder, std::move(result.restoredNames));
            m_outcomes->undo(result.report, result.error, {});
        }));
    beginRun(RunKind::undoing);
}

void FolderOrganizerViewModel::undoRun(const QString &runId)
{
    if (m_folder.isEmpty() || m_isOrganizing || isInDialog() || runId.isEmpty())
        return;
    const FolderPath folder = m_folder;
    m_runs->undoRun(folder.fileSystemPath(), runId.toStdString(), m_autoTidy->isOn(),
        endingRun<RunController::UndoResult>(
            [this, folder, runId](RunController::UndoResult &result) {
                m_autoTidy->leaveAlone(folder, std::move(result.restoredNames));
                if (result.error.isEmpty() && result.report.nothingToUndo)
                    setStatusMessage(RunMessages::nothingToUndo());
                m_outcomes->undo(result.report, result.error, runId);
            }));
    beginRun(RunKind::undoing);
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
    if (!m_autoTidy->hasWaiting() || !m_autoTidy->isOn() || m_folder.isEmpty())
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
    if (runDetails() && names.size() <= runDetails()->entries.size())
        tried = names;
    const FolderPath folder = m_folder;
    m_runs->tidy(folder.fileSystemPath(), std::move(names), std::move(writtenWhole),
        std::chrono::seconds(m_autoTidy->settleSeconds()),
        endingRun<RunController::TidyResult>(
            [this, folder, tried](RunController::TidyResult &result) {
                m_autoTidy->retry(folder, result.retry);
                noteRules(result.rulesInvalid, result.error);
                const RunReport &report = result.report;
                const bool movedNothing = result.error.isEmpty() && report.stoppedBy.empty()
                    && !report.cancelled && report.moved == 0;
                if (movedNothing && (!result.ran || report.skipped == 0))
                    return; // nothing happened: nothing to tell
                // A file that can never move (its category folder is a link) is skipped
                // again at every switch-on: news once, not each time.
                if (movedNothing && !tried.empty() && m_records->toldSkipped(tried)) {
                    emit tidiedAutomatically();
                    return;
                }
                m_outcomes->execution(report, result.error, folder, true);
            }));
    beginRun(RunKind::tidying);
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
        m_records->setCanUndo(canUndo);
        if (m_runKind != RunKind::scanning) {
            m_records->readRunDetails();
            m_records->readHistory();
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
        m_records->readCanUndo();
        m_records->readHistory(true);
    }
}

void FolderOrganizerViewModel::noteRules(bool rulesInvalid, const QString &error)
{
    // Runs read the rules first: a plan, or a failure of another kind, says they are right.
    m_rulesEditor->setFileError(rulesInvalid ? error : QString());
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

void FolderOrganizerViewModel::readRunFiles(const QString &runId)
{
    if (m_isOrganizing || runId.isEmpty())
        return;
    m_records->readRunFiles(
        runId, [this, runId](const QString &title, std::shared_ptr<const RunDetails> files) {
            emit runFilesRead(runId, title, std::move(files));
        });
}

void FolderOrganizerViewModel::showRunDetails()
{
    if (runDetails())
        emit runDetailsRequested();
}
