#include "FolderOrganizerViewModel.h"

#include "ErrorTexts.h"
#include "FileOrganizerService.h"
#include "FolderPath.h"
#include "MemoryRelease.h"
#include "PlanObstacles.h"
#include "Text.h"
#include "Translations.h"
#include "UndoService.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <cstdio>
#include <exception>
#include <utility>

// Counts are written with %n, so even English needs its plural forms ("1 file", "2
// files"); they are in place before anything is translated.
static void installPluralForms()
{
    Translations::installPluralForms();
}
Q_COREAPP_STARTUP_FUNCTION(installPluralForms)

namespace {

const QString lastFolderPathKey = QStringLiteral("lastFolderPath");
// Beside "lastFolderPath", which is text, the bytes of a path that is not UTF-8.
const QString lastFolderBytesKey = QStringLiteral("lastFolderPathBytes");
// A few progress updates a second: enough to see it move, too few to cost anything.
constexpr int progressIntervalMs = 250;

// A folder's name fit for one line: a newline in it would split a log line in two.
QString folderName(const QByteArray &path)
{
    return FolderPath::display(FolderPath::lastComponent(path));
}

// In the user's language, the arguments (names) as the engine wrote them.
QString describe(const std::exception &error)
{
    return ErrorTexts::translate(error.what());
}

// A file name fit for one line: control characters escaped (a newline in a name would
// forge a line), as on the console and in the preview.
QString displayName(const std::string &name)
{
    return QString::fromStdString(Text::displayText(name));
}

QString organizedStatus(int count, int skipped)
{
    if (skipped == 0)
        return FolderOrganizerViewModel::tr("%n file(s) organized.", nullptr, count);
    return FolderOrganizerViewModel::tr("%n file(s) organized, %1.", nullptr, count)
        .arg(FolderOrganizerViewModel::tr("%n skipped", nullptr, skipped));
}

QString organizedLogLine(int count, int skipped, bool cancelled, const QString &folderName)
{
    QString line = FolderOrganizerViewModel::tr("Organized %n file(s) in %1", nullptr, count)
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

} // namespace

FolderOrganizerViewModel::FolderOrganizerViewModel(std::unique_ptr<FolderChooser> chooser,
    std::unique_ptr<SettingsStore> settings, std::unique_ptr<Clock> clock,
    std::shared_ptr<FileSystem> fileSystem, QObject *parent)
    : QObject(parent)
    , m_chooser(std::move(chooser))
    , m_settings(std::move(settings))
    , m_clock(std::move(clock))
    , m_statusMessage(tr("Select a folder to get started."))
    , m_organizer(std::make_unique<FileOrganizerService>(std::move(fileSystem)))
    , m_undoService(std::make_unique<UndoService>())
{
    m_organizer->setSkipReporter([this](const std::string &name, const std::string &description) {
        reportSkipped(name, description);
    });
    m_progressTimer.setInterval(progressIntervalMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &FolderOrganizerViewModel::updateProgress);
    m_worker = new QObject;
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.setObjectName(QStringLiteral("Tidyra worker"));
    m_thread.start();

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
    m_canUndo = m_undoService->canUndo(*m_organizer, FolderPath::toFileSystem(bytes));
    loadRunDetails();
}

FolderOrganizerViewModel::~FolderOrganizerViewModel()
{
    // The queued report of a run still going is dropped with this object; the journal
    // has its record.
    m_cancel = true;
    m_thread.quit();
    m_thread.wait();
}

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
    if (m_isOrganizing)
        return;
    const std::optional<QString> chosen = m_chooser->chooseFolder();
    if (!chosen || chosen->isEmpty() || m_isOrganizing)
        return;

    const QByteArray bytes = FolderPath::toBytes(*chosen);
    m_folderBytes = bytes;
    setSelectedFolderURL(FolderPath::toUrl(bytes));
    m_settings->setStringValue(lastFolderPathKey, QString::fromUtf8(bytes));
    const bool isText = Text::isValidUtf8(bytes.toStdString());
    m_settings->setStringValue(
        lastFolderBytesKey, isText ? QString() : QString::fromLatin1(bytes.toBase64()));
    setStatusMessage(tr("Ready — %1").arg(folderName(bytes)));
    // The folder's own last run, wherever it was made, is what Undo offers.
    refreshCanUndo();
    setActivityLog({});
    setRunDetails(nullptr);
    loadRunDetails();
}

void FolderOrganizerViewModel::generatePreview()
{
    if (m_selectedFolderURL.isEmpty() || m_isOrganizing)
        return;
    const std::filesystem::path folder = FolderPath::toFileSystem(m_folderBytes);
    startRun<ScanResult>(
        RunKind::scanning, [this, folder] { return scan(folder); },
        [this](ScanResult &result) {
            if (m_cancel)
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
        });
}

void FolderOrganizerViewModel::applyCurrentPlan()
{
    if (!m_currentPlan || m_isOrganizing)
        return;
    setIsShowingPreview(false);
    // Shared, not copied: the worker keeps it alive whatever happens meanwhile.
    const std::shared_ptr<const MoveList> plan = m_currentPlan;
    startRun<ExecutionResult>(
        RunKind::organizing, [this, plan] { return execute(*plan); },
        [this, folder = plan->folder](
            ExecutionResult &result) { reportExecution(result, folder); });
}

void FolderOrganizerViewModel::organizeNow()
{
    if (m_selectedFolderURL.isEmpty() || m_isOrganizing)
        return;
    const std::filesystem::path folder = FolderPath::toFileSystem(m_folderBytes);
    startRun<OrganizeResult>(
        RunKind::organizing,
        [this, folder] {
            OrganizeResult result { scan(folder), std::nullopt };
            if (result.scan.plan && !result.scan.plan->moves.empty() && !m_cancel)
                result.execution = execute(*result.scan.plan);
            return result;
        },
        [this](OrganizeResult &result) {
            if (!result.scan.plan) {
                setErrorMessage(tr("Error: %1").arg(result.scan.error));
            } else if (result.execution) {
                const std::filesystem::path folder = result.scan.plan->folder;
                m_currentObstacles = std::move(result.scan.obstacles);
                setCurrentPlan(std::move(result.scan.plan));
                reportExecution(*result.execution, folder);
            } else if (m_cancel) {
                setStatusMessage(cancelledStatus(0));
            } else {
                setStatusMessage(tr("Nothing to organize — folder is already tidy."));
            }
        });
}

void FolderOrganizerViewModel::undoLastOperation()
{
    if (m_selectedFolderURL.isEmpty() || m_isOrganizing)
        return;
    const std::filesystem::path folder = FolderPath::toFileSystem(m_folderBytes);
    startRun<UndoResult>(
        RunKind::undoing,
        [this, folder] {
            UndoResult result;
            try {
                result.report = m_undoService->undoLast(*m_organizer, folder, runControl());
            } catch (const std::exception &error) {
                result.error = describe(error);
            }
            return result;
        },
        [this](UndoResult &result) {
            if (!result.error.isEmpty()) {
                // The journal keeps what was not moved back, for a later try.
                setErrorMessage(tr("Undo failed: %1").arg(result.error));
                return;
            }
            const UndoReport &report = result.report;
            if (report.nothingToUndo)
                return;
            const int restored = int(report.restored);
            QString message;
            if (report.cancelled)
                message = tr(
                    "Undo cancelled — %n file(s) restored before the cancel.", nullptr, restored);
            else if (report.notRestored.empty())
                message = tr("Undo complete — %n file(s) restored.", nullptr, restored);
            else
                message = tr("Undo incomplete — %n file(s) restored, %1 could not be restored.",
                    nullptr, restored)
                              .arg(tr("%n file(s)", nullptr, int(report.notRestored.size())));
            setStatusMessage(message);
            appendLog(message);
        });
}

void FolderOrganizerViewModel::cancelRun()
{
    if (!m_isOrganizing || m_cancel)
        return;
    m_cancel = true;
    setProgressMessage(tr("Stopping…"));
}

template <typename Result>
void FolderOrganizerViewModel::startRun(
    RunKind kind, std::function<Result()> work, std::function<void(Result &)> done)
{
    m_cancel = false;
    m_progressDone = 0;
    m_progressTotal = 0;
    m_runKind = kind;
    setIsOrganizing(true);
    updateProgress();
    m_progressTimer.start();
    // The report is queued to this object, so it runs on the UI thread; when this
    // object is gone by then, the report goes with it.
    QMetaObject::invokeMethod(
        m_worker,
        [this, work, done] {
            auto result = std::make_shared<Result>(work());
            QMetaObject::invokeMethod(
                this,
                [this, result, done] {
                    m_progressTimer.stop();
                    queryCanUndo();
                    if (m_runKind != RunKind::scanning)
                        loadRunDetails();
                    done(*result);
                    setProgressMessage({});
                    setIsOrganizing(false);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void FolderOrganizerViewModel::updateProgress()
{
    if (m_cancel)
        return; // "Stopping…" stays until the run has stopped
    const std::size_t total = m_progressTotal;
    const QString done = QString::number(m_progressDone);
    switch (m_runKind) {
    case RunKind::scanning:
        setProgressMessage(tr("Scanning…"));
        break;
    case RunKind::organizing:
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

FolderOrganizerViewModel::ScanResult FolderOrganizerViewModel::scan(
    const std::filesystem::path &folder) const
{
    try {
        auto plan = std::make_shared<const MoveList>(m_organizer->planMoves(folder));
        auto obstacles = std::make_shared<const PlanObstacles>(m_organizer->fileSystem(), *plan);
        return { std::move(plan), std::move(obstacles), {} };
    } catch (const std::exception &error) {
        return { nullptr, nullptr, describe(error) };
    }
}

FolderOrganizerViewModel::ExecutionResult FolderOrganizerViewModel::execute(const MoveList &plan)
{
    ExecutionResult result;
    m_runSkipped = 0;
    try {
        result.report = m_undoService->organize(*m_organizer, plan, runControl());
    } catch (const std::exception &error) {
        result.error = describe(error);
    }
    result.skipped = std::exchange(m_runSkipped, 0);
    return result;
}

RunControl FolderOrganizerViewModel::runControl()
{
    RunControl control;
    control.cancel = &m_cancel;
    control.progress = [this](std::size_t done, std::size_t total) {
        m_progressDone = done;
        m_progressTotal = total;
    };
    return control;
}

void FolderOrganizerViewModel::refreshCanUndo()
{
    // During a run the engine is the worker's; the end of the run asks again.
    if (!m_isOrganizing)
        queryCanUndo();
}

void FolderOrganizerViewModel::queryCanUndo()
{
    setCanUndo(!m_folderBytes.isEmpty()
        && m_undoService->canUndo(*m_organizer, FolderPath::toFileSystem(m_folderBytes)));
}

void FolderOrganizerViewModel::reportExecution(
    const ExecutionResult &result, const std::filesystem::path &folder)
{
    if (!result.error.isEmpty()) {
        // Nothing moved; the earlier run stays the one to undo.
        setErrorMessage(tr("Error: %1").arg(result.error));
        return;
    }
    const RunReport &report = result.report;
    const int count = int(report.moved);
    const int skipped = result.skipped;
    if (!report.stoppedBy.empty())
        setErrorMessage(tr("Error: %1").arg(ErrorTexts::translate(report.stoppedBy)));
    else if (report.cancelled)
        setStatusMessage(cancelledStatus(count));
    else
        setStatusMessage(organizedStatus(count, skipped));
    appendLog(organizedLogLine(
        count, skipped, report.cancelled, folderName(FolderPath::fromFileSystem(folder))));
    if (!report.cancelled)
        emit planApplied(count, skipped);
}

void FolderOrganizerViewModel::appendLog(const QString &message)
{
    QStringList log = m_activityLog;
    log.prepend(QLatin1Char('[') + m_clock->shortTimeOfDay() + QLatin1String("] ") + message);
    if (log.size() > maxLogEntries)
        log.resize(maxLogEntries);
    setActivityLog(log);
}

void FolderOrganizerViewModel::reportSkipped(
    const std::string &name, const std::string &description)
{
    // The description names the file too, so it is made fit for one line as well.
    const QString entry = displayName(name) + QLatin1String(": ") + displayName(description);
    ++m_runSkipped;
    // The console line stays for those who start Tidyra from a terminal.
    const QByteArray line = "[Tidyra] Skipped " + entry.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
    std::fflush(stdout);
}

void FolderOrganizerViewModel::setSelectedFolderURL(const QUrl &url)
{
    assign(m_selectedFolderURL, url, &FolderOrganizerViewModel::selectedFolderURLChanged);
}

void FolderOrganizerViewModel::setCurrentPlan(std::shared_ptr<const MoveList> plan)
{
    // Plans have no meaningful equality (each scan is a new one), so every store counts.
    std::swap(m_currentPlan, plan);
    // Freeing a large plan takes a while: the worker does it, and hands the memory
    // back to the system.
    if (plan)
        QMetaObject::invokeMethod(
            m_worker,
            [old = std::move(plan)]() mutable {
                old.reset();
                releaseFreedMemory();
            },
            Qt::QueuedConnection);
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

void FolderOrganizerViewModel::setActivityLog(const QStringList &log)
{
    assign(m_activityLog, log, &FolderOrganizerViewModel::activityLogChanged);
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
    QMetaObject::invokeMethod(
        m_worker,
        [this, bytes] {
            std::shared_ptr<const RunDetails> details;
            try {
                if (auto found = m_undoService->lastDetails(FolderPath::toFileSystem(bytes)))
                    details = std::make_shared<const RunDetails>(std::move(*found));
            } catch (const std::exception &) {
                // An unreadable journal has nothing to tell here; Undo reports it.
            }
            QMetaObject::invokeMethod(
                this,
                [this, bytes, details = std::move(details)]() mutable {
                    // Another folder may have been chosen meanwhile.
                    if (bytes == m_folderBytes)
                        setRunDetails(std::move(details));
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
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
