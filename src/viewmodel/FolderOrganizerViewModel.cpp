#include "FolderOrganizerViewModel.h"

#include "ErrorTexts.h"
#include "FolderPath.h"
#include "FolderWatch.h"
#include "RunController.h"
#include "Translations.h"
#include "model/Text.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>
#include <chrono>
#include <iterator>
#include <utility>

// Counts are written with %n, so even English needs its plural forms ("1 file", "2
// files"); they are in place before anything is translated.
static void installPluralForms()
{
    Translations::installPluralForms();
}
Q_COREAPP_STARTUP_FUNCTION(installPluralForms)

namespace {

constexpr QLatin1String lastFolderPathKey("lastFolderPath");
// Beside "lastFolderPath", which is text, the bytes of a path that is not UTF-8.
constexpr QLatin1String lastFolderBytesKey("lastFolderPathBytes");
// Beside "lastFolderPath": the switch ("true" or "false") and the settle time in seconds.
constexpr QLatin1String tidyAutomaticallyKey("tidyAutomatically");
constexpr QLatin1String settleSecondsKey("autoTidySettleSeconds");
// A folder's name fit for one line: a newline in it would split a log line in two.
QString folderName(const QByteArray &path)
{
    return FolderPath::display(FolderPath::lastComponent(path));
}

QString organizedStatus(int count, int skipped)
{
    if (skipped == 0)
        return FolderOrganizerViewModel::tr("%n file(s) organized.", nullptr, count);
    return FolderOrganizerViewModel::tr("%n file(s) organized, %1.", nullptr, count)
        .arg(FolderOrganizerViewModel::tr("%n skipped", nullptr, skipped));
}

QString organizedLogLine(
    int count, int skipped, bool cancelled, const QString &folderName, bool automatic)
{
    QString line = automatic
        ? FolderOrganizerViewModel::tr("Organized %n file(s) in %1 automatically", nullptr, count)
              .arg(folderName)
        : FolderOrganizerViewModel::tr("Organized %n file(s) in %1", nullptr, count)
              .arg(folderName);
    if (skipped != 0) {
        //: A log line, then how many files of that run were skipped
        line = FolderOrganizerViewModel::tr("%1, %2").arg(
            line, FolderOrganizerViewModel::tr("%n skipped", nullptr, skipped));
    }
    if (cancelled) {
        //: A log line of a run that the user stopped before its end
        line = FolderOrganizerViewModel::tr("%1, cancelled").arg(line);
    }
    return line;
}

QString cancelledStatus(int organized)
{
    return FolderOrganizerViewModel::tr(
        "Cancelled — %n file(s) organized before the cancel.", nullptr, organized);
}

// The stored settle time; the default when none is stored or it is no whole number of
// seconds from 1 to a day.
int settleSecondsOf(const QString &stored)
{
    bool ok = false;
    const int seconds = stored.trimmed().toInt(&ok);
    return ok && seconds >= 1 && seconds <= 24 * 3600
        ? seconds
        : FolderOrganizerViewModel::defaultSettleSeconds;
}

} // namespace

FolderOrganizerViewModel::FolderOrganizerViewModel(std::unique_ptr<FolderChooser> chooser,
    std::unique_ptr<SettingsStore> settings, std::unique_ptr<Clock> clock,
    std::shared_ptr<FileSystem> fileSystem, QObject *parent, FolderWatch *watch)
    : QObject(parent)
    , m_chooser(std::move(chooser))
    , m_settings(std::move(settings))
    , m_clock(std::move(clock))
    , m_statusMessage(tr("Select a folder to get started."))
    , m_tidiesAutomatically(m_settings->stringValue(tidyAutomaticallyKey) == u"true")
    , m_settleSeconds(settleSecondsOf(m_settings->stringValue(settleSecondsKey)))
    , m_runs(std::make_unique<RunController>(std::move(fileSystem)))
    , m_watch(watch)
{
    connect(
        m_runs.get(), &RunController::progressed, this, &FolderOrganizerViewModel::updateProgress);
    const std::chrono::seconds settle(m_settleSeconds);
    if (m_watch)
        m_watch->setSettle(settle);
    else
        m_watch = new FolderWatch(settle);
    m_watch->setParent(this);
    connect(m_watch, &FolderWatch::filesSettled, this, &FolderOrganizerViewModel::takeSettled);
    connect(m_watch, &FolderWatch::watchFailed, this, [this](const QString &why) {
        // The switch stays on: the user sees why nothing is tidied, and choosing the
        // folder again or switching off and on tries anew.
        setErrorMessage(tr("Error: %1").arg(ErrorTexts::translate(why.toStdString())));
    });
    // Tidying waits for the preview to close, so the plan shown stays the truth.
    connect(this, &FolderOrganizerViewModel::isShowingPreviewChanged, this,
        &FolderOrganizerViewModel::tidySettledSoon);

    // The folder is taken as stored, even if it is gone by now: the first scan tells.
    const QString stored = m_settings->stringValue(lastFolderPathKey);
    if (stored.isEmpty())
        return;
    QByteArray bytes = FolderPath::toBytes(stored);
    const QByteArray storedBytes
        = QByteArray::fromBase64(m_settings->stringValue(lastFolderBytesKey).toLatin1());
    // Taken only while it still belongs to the stored text, which another program may
    // have rewritten.
    if (!storedBytes.isEmpty() && QString::fromUtf8(storedBytes) == stored)
        bytes = storedBytes;
    m_folderBytes = bytes;
    m_selectedFolderURL = FolderPath::toUrl(bytes);
    m_statusMessage = tr("Ready — %1").arg(folderName(bytes));
    queryCanUndo();
    loadRunDetails();
    followFolder();
}

FolderOrganizerViewModel::~FolderOrganizerViewModel() = default;

void FolderOrganizerViewModel::setIsShowingPreview(bool showing)
{
    assign(m_isShowingPreview, showing, &FolderOrganizerViewModel::isShowingPreviewChanged);
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
    m_isChoosing = true;
    const std::optional<QString> chosen = m_chooser->chooseFolder();
    m_isChoosing = false;
    if (!chosen || chosen->isEmpty() || m_isOrganizing) {
        tidySettledSoon();
        return;
    }

    const QByteArray bytes = FolderPath::toBytes(*chosen);
    // Undo is offered for the folder's own last run only: not for another's while
    // the journal is asked.
    if (bytes != m_folderBytes)
        setCanUndo(false);
    m_folderBytes = bytes;
    setSelectedFolderURL(FolderPath::toUrl(bytes));
    m_settings->setStringValue(lastFolderPathKey, QString::fromUtf8(bytes));
    const bool isText = Text::isValidUtf8(bytes.toStdString());
    m_settings->setStringValue(
        lastFolderBytesKey, isText ? QString() : QString::fromLatin1(bytes.toBase64()));
    setStatusMessage(tr("Ready — %1").arg(folderName(bytes)));
    // The folder's own last run, wherever it was made, is what Undo offers.
    refreshCanUndo();
    setActivityLog({}, {});
    setRunDetails(nullptr);
    loadRunDetails();
    // What settled in the folder left behind is not this folder's to tidy.
    m_settled.clear();
    m_putBack.clear();
    followFolder();
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
    if (m_selectedFolderURL.isEmpty() || m_isOrganizing)
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
                setStatusMessage(cancelledStatus(0));
            } else {
                setStatusMessage(tr("Nothing to organize — folder is already tidy."));
            }
        }));
    beginRun(RunKind::organizing);
}

void FolderOrganizerViewModel::undoLastOperation()
{
    if (m_selectedFolderURL.isEmpty() || m_isOrganizing)
        return;
    const std::filesystem::path folder = FolderPath::toFileSystem(m_folderBytes);
    m_runs->undo(folder, m_tidiesAutomatically,
        endingRun<RunController::UndoResult>([this, folder](RunController::UndoResult &result) {
            leaveAlone(folder, std::move(result.restoredNames));
            reportUndo(result.report, result.error, {});
        }));
    beginRun(RunKind::undoing);
}

void FolderOrganizerViewModel::undoRun(const QString &runId)
{
    if (m_selectedFolderURL.isEmpty() || m_isOrganizing || runId.isEmpty())
        return;
    const std::filesystem::path folder = FolderPath::toFileSystem(m_folderBytes);
    m_runs->undoRun(folder, runId.toStdString(), m_tidiesAutomatically,
        endingRun<RunController::UndoResult>(
            [this, folder, runId](RunController::UndoResult &result) {
                leaveAlone(folder, std::move(result.restoredNames));
                if (result.error.isEmpty() && result.report.nothingToUndo)
                    setStatusMessage(tr("Nothing to undo — that run's files are no longer where "
                                        "it put them."));
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
    const int restored = int(report.restored);
    QString message;
    if (report.cancelled)
        message = tr("Undo cancelled — %n file(s) restored before the cancel.", nullptr, restored);
    else if (report.notRestored.empty())
        message = tr("Undo complete — %n file(s) restored.", nullptr, restored);
    else
        message = tr(
            "Undo incomplete — %n file(s) restored, %1 could not be restored.", nullptr, restored)
                      .arg(tr("%n file(s)", nullptr, int(report.notRestored.size())));
    setStatusMessage(message);
    // A run taken back whole is not offered again; the line itself stays.
    if (!runId.isEmpty() && !report.cancelled && report.notRestored.empty())
        std::replace(m_activityRunIds.begin(), m_activityRunIds.end(), runId, QString());
    appendLog(message);
}

void FolderOrganizerViewModel::leaveAlone(
    const std::filesystem::path &folder, std::vector<std::string> names)
{
    if (m_tidiesAutomatically && folder == FolderPath::toFileSystem(m_folderBytes))
        m_putBack.insert(
            std::make_move_iterator(names.begin()), std::make_move_iterator(names.end()));
}

void FolderOrganizerViewModel::setTidiesAutomatically(bool on)
{
    if (on == m_tidiesAutomatically)
        return;
    m_tidiesAutomatically = on;
    m_settings->setStringValue(
        tidyAutomaticallyKey, on ? QStringLiteral("true") : QStringLiteral("false"));
    if (!on) {
        m_settled.clear();
        m_putBack.clear();
    }
    followFolder();
    emit tidiesAutomaticallyChanged();
}

void FolderOrganizerViewModel::followFolder()
{
    if (!m_tidiesAutomatically || m_folderBytes.isEmpty()) {
        m_watch->stop();
        return;
    }
    m_watch->watch(FolderPath::toFileSystem(m_folderBytes));
}

void FolderOrganizerViewModel::takeSettled(const std::vector<std::string> &names)
{
    if (!m_tidiesAutomatically)
        return;
    m_settled.insert(m_settled.end(), names.begin(), names.end());
    tidySettledSoon();
}

void FolderOrganizerViewModel::tidySettledSoon()
{
    // Queued, so whoever just ended a run or closed the preview hears that first.
    if (m_tidyQueued || m_settled.empty())
        return;
    m_tidyQueued = true;
    QMetaObject::invokeMethod(this, &FolderOrganizerViewModel::tidySettled, Qt::QueuedConnection);
}

void FolderOrganizerViewModel::tidySettled()
{
    m_tidyQueued = false;
    if (m_settled.empty() || !m_tidiesAutomatically || m_folderBytes.isEmpty())
        return;
    // The user is busy; the names wait until the run ends, the preview or the dialog closes.
    if (m_isOrganizing || m_isShowingPreview || m_isChoosing)
        return;
    std::sort(m_settled.begin(), m_settled.end());
    m_settled.erase(std::unique(m_settled.begin(), m_settled.end()), m_settled.end());
    // Once only: a file put back and then changed by the user is tidied again.
    std::erase_if(m_settled, [this](const std::string &name) { return m_putBack.erase(name); });
    if (m_settled.empty())
        return;
    const std::filesystem::path folder = FolderPath::toFileSystem(m_folderBytes);
    m_runs->tidy(folder, std::exchange(m_settled, {}), std::chrono::seconds(m_settleSeconds),
        endingRun<RunController::TidyResult>([this, folder](RunController::TidyResult &result) {
            // Still being written, or the folder busy with tidyra-cli: watched again.
            if (!result.retry.empty() && m_tidiesAutomatically
                && folder == FolderPath::toFileSystem(m_folderBytes))
                m_watch->retry(result.retry);
            const RunReport &report = result.report;
            if (result.error.isEmpty() && report.stoppedBy.empty() && !report.cancelled
                && (!result.ran || (report.moved == 0 && report.skipped == 0)))
                return; // nothing happened: nothing to tell
            reportExecution(report, result.error, folder, true);
        }));
    beginRun(RunKind::tidying);
}

void FolderOrganizerViewModel::cancelRun()
{
    if (!m_isOrganizing || m_runs->isCancelled())
        return;
    m_runs->cancel();
    setProgressMessage(tr("Stopping…"));
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
        if (m_runKind != RunKind::scanning)
            loadRunDetails();
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
    const std::size_t total = m_runs->progressTotal();
    const QString done = QString::number(m_runs->progressDone());
    switch (m_runKind) {
    case RunKind::scanning:
        setProgressMessage(tr("Scanning…"));
        break;
    case RunKind::organizing:
    case RunKind::tidying:
        setProgressMessage(total == 0
                ? tr("Organizing…")
                : tr("Organizing… %1 of %2").arg(done, QString::number(total)));
        break;
    case RunKind::undoing:
        setProgressMessage(total == 0 ? tr("Undoing…")
                                      : tr("Undoing… %1 of %2").arg(done, QString::number(total)));
        break;
    }
}

void FolderOrganizerViewModel::refreshCanUndo()
{
    // During a run the engine is the worker's; the end of the run asks again.
    if (!m_isOrganizing)
        queryCanUndo();
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
    const QString line = organizedLogLine(count, skipped, report.cancelled,
        folderName(FolderPath::fromFileSystem(folder)), automatic);
    if (!report.stoppedBy.empty())
        setErrorMessage(tr("Error: %1").arg(ErrorTexts::translate(report.stoppedBy)));
    else if (report.cancelled)
        setStatusMessage(cancelledStatus(count));
    else if (automatic) // asked for by no one, so it says where and how it came
        setStatusMessage(line);
    else
        setStatusMessage(organizedStatus(count, skipped));
    appendLog(line, QString::fromStdString(report.runId));
    if (automatic)
        emit tidiedAutomatically();
    else if (!report.cancelled)
        emit planApplied(count, skipped);
}

void FolderOrganizerViewModel::appendLog(const QString &message, const QString &runId)
{
    QStringList log = m_activityLog;
    QStringList runIds = m_activityRunIds;
    log.prepend(QLatin1Char('[') + m_clock->shortTimeOfDay() + QLatin1String("] ") + message);
    runIds.prepend(runId);
    if (log.size() > maxLogEntries) {
        log.resize(maxLogEntries);
        runIds.resize(maxLogEntries);
    }
    setActivityLog(log, runIds);
}

void FolderOrganizerViewModel::setSelectedFolderURL(const QUrl &url)
{
    assign(m_selectedFolderURL, url, &FolderOrganizerViewModel::selectedFolderURLChanged);
}

void FolderOrganizerViewModel::setCurrentPlan(std::shared_ptr<const OrganizationPlan> plan)
{
    // Plans have no meaningful equality (each scan is a new one), so every store counts.
    std::swap(m_currentPlan, plan);
    if (plan)
        m_runs->release(std::move(plan));
    emit currentPlanChanged();
}

void FolderOrganizerViewModel::setStatusMessage(const QString &message)
{
    assign(m_isStatusError, false, &FolderOrganizerViewModel::isStatusErrorChanged);
    assign(m_statusMessage, message, &FolderOrganizerViewModel::statusMessageChanged);
}

void FolderOrganizerViewModel::setErrorMessage(const QString &message)
{
    assign(m_isStatusError, true, &FolderOrganizerViewModel::isStatusErrorChanged);
    assign(m_statusMessage, message, &FolderOrganizerViewModel::statusMessageChanged);
}

void FolderOrganizerViewModel::setCanUndo(bool canUndo)
{
    assign(m_canUndo, canUndo, &FolderOrganizerViewModel::canUndoChanged);
}

void FolderOrganizerViewModel::setIsOrganizing(bool organizing)
{
    assign(m_isOrganizing, organizing, &FolderOrganizerViewModel::isOrganizingChanged);
}

void FolderOrganizerViewModel::setActivityLog(const QStringList &log, const QStringList &runIds)
{
    if (m_activityLog == log && m_activityRunIds == runIds)
        return;
    m_activityLog = log;
    m_activityRunIds = runIds;
    emit activityLogChanged();
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

void FolderOrganizerViewModel::showRunDetails()
{
    if (m_runDetails)
        emit runDetailsRequested();
}

void FolderOrganizerViewModel::setProgressMessage(const QString &message)
{
    assign(m_progressMessage, message, &FolderOrganizerViewModel::progressMessageChanged);
}
