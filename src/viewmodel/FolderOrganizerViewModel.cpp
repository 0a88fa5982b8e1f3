#include "FolderOrganizerViewModel.h"

#include "Text.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QFile>

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

// The last component of a local path, ignoring trailing slashes ("/" stays "/").
QString lastPathComponent(const QString &path)
{
    qsizetype end = path.size();
    while (end > 1 && path.at(end - 1) == QLatin1Char('/'))
        --end;
    const QString trimmed = path.left(end);
    if (trimmed == QLatin1String("/"))
        return trimmed;
    return trimmed.mid(trimmed.lastIndexOf(QLatin1Char('/')) + 1);
}

std::filesystem::path toFileSystemPath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString fromFileSystemPath(const std::filesystem::path &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

QString describe(const std::exception &error)
{
    return QString::fromUtf8(error.what());
}

// A file name fit for one line: invalid UTF-8 and control characters (a newline in a
// name would forge a line) become U+FFFD.
// Control characters escaped, as on the console and in the preview.
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

QString organizedLogLine(int count, int skipped, const QString &folderName)
{
    const QString line = FolderOrganizerViewModel::tr("Organized %n file(s) in %1", nullptr, count)
                             .arg(folderName);
    if (skipped == 0)
        return line;
    //: A log line, then how many files of that run were skipped
    return FolderOrganizerViewModel::tr("%1, %2").arg(
        line, FolderOrganizerViewModel::tr("%n skipped", nullptr, skipped));
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
    , m_organizer(std::move(fileSystem))
{
    m_organizer.setSkipReporter([this](const std::string &name, const std::string &description) {
        reportSkipped(name, description);
    });
    // The folder is taken as stored, even if it is gone by now: the first scan tells.
    const QString stored = m_settings->stringValue(lastFolderPathKey);
    if (stored.isEmpty())
        return;
    m_selectedFolderURL = QUrl::fromLocalFile(stored);
    m_statusMessage = tr("Ready — %1").arg(lastPathComponent(stored));
    m_canUndo = m_undoService.canUndo(m_organizer, toFileSystemPath(stored));
}

void FolderOrganizerViewModel::setIsShowingPreview(bool showing)
{
    if (m_isShowingPreview == showing)
        return;
    m_isShowingPreview = showing;
    emit isShowingPreviewChanged();
}

QString FolderOrganizerViewModel::selectedFolderName() const
{
    return lastPathComponent(selectedFolderPath());
}

QString FolderOrganizerViewModel::selectedFolderPath() const
{
    return m_selectedFolderURL.isEmpty() ? QString() : m_selectedFolderURL.toLocalFile();
}

void FolderOrganizerViewModel::chooseFolder()
{
    const std::optional<QString> chosen = m_chooser->chooseFolder();
    if (!chosen || chosen->isEmpty())
        return;

    const QUrl url = QUrl::fromLocalFile(*chosen);
    const QString path = url.toLocalFile();
    setSelectedFolderURL(url);
    m_settings->setStringValue(lastFolderPathKey, path);
    setStatusMessage(tr("Ready — %1").arg(lastPathComponent(path)));
    // The folder's own last run, wherever it was made, is what Undo offers.
    refreshCanUndo();
    setActivityLog({});
    setLastSkipped({});
}

std::optional<OrganizationPlan> FolderOrganizerViewModel::scanSelectedFolder()
{
    try {
        return m_organizer.buildPlan(toFileSystemPath(selectedFolderPath()));
    } catch (const std::exception &error) {
        setStatusMessage(tr("Error: %1").arg(describe(error)));
        return std::nullopt;
    }
}

void FolderOrganizerViewModel::generatePreview()
{
    if (m_selectedFolderURL.isEmpty())
        return;
    std::optional<OrganizationPlan> plan = scanSelectedFolder();
    if (!plan)
        return;

    const bool hasMoves = !plan->operations.empty();
    setCurrentPlan(std::move(plan));
    if (hasMoves)
        setIsShowingPreview(true);
    else
        setStatusMessage(tr("Nothing to organize — folder is already tidy."));
}

void FolderOrganizerViewModel::applyCurrentPlan()
{
    if (!m_currentPlan)
        return;
    setIsShowingPreview(false);
    // A copy: the plan applied must not change under the call, whatever it emits.
    const OrganizationPlan plan = *m_currentPlan;
    applyPlan(plan);
}

void FolderOrganizerViewModel::organizeNow()
{
    if (m_selectedFolderURL.isEmpty())
        return;
    const std::optional<OrganizationPlan> plan = scanSelectedFolder();
    if (!plan)
        return;

    if (plan->operations.empty()) {
        setStatusMessage(tr("Nothing to organize — folder is already tidy."));
        return;
    }
    setCurrentPlan(plan);
    applyPlan(*plan);
}

void FolderOrganizerViewModel::undoLastOperation()
{
    if (m_selectedFolderURL.isEmpty())
        return;
    UndoReport report;
    try {
        report = m_undoService.undoLast(m_organizer, toFileSystemPath(selectedFolderPath()));
    } catch (const std::exception &error) {
        // The journal keeps what was not moved back, for a later try.
        setStatusMessage(tr("Undo failed: %1").arg(describe(error)));
        refreshCanUndo();
        return;
    }
    refreshCanUndo();
    if (report.nothingToUndo)
        return;

    const int restored = int(report.restored);
    const QString message = report.notRestored.empty()
        ? tr("Undo complete — %n file(s) restored.", nullptr, restored)
        : tr("Undo incomplete — %n file(s) restored, %1 could not be restored.", nullptr, restored)
              .arg(tr("%n file(s)", nullptr, int(report.notRestored.size())));
    setStatusMessage(message);
    appendLog(message);
}

void FolderOrganizerViewModel::refreshCanUndo()
{
    setCanUndo(!m_selectedFolderURL.isEmpty()
        && m_undoService.canUndo(m_organizer, toFileSystemPath(selectedFolderPath())));
}

void FolderOrganizerViewModel::applyPlan(const OrganizationPlan &plan)
{
    setIsOrganizing(true);
    RunReport report;
    m_runSkipped.clear();
    try {
        report = m_undoService.organize(m_organizer, plan);
    } catch (const std::exception &error) {
        // Nothing moved; the earlier run stays the one to undo.
        setStatusMessage(tr("Error: %1").arg(describe(error)));
        setIsOrganizing(false);
        return;
    }

    refreshCanUndo();
    const int count = int(report.moved);
    const int skipped = int(m_runSkipped.size());
    setLastSkipped(std::exchange(m_runSkipped, {}));
    if (!report.stoppedBy.empty())
        setStatusMessage(tr("Error: %1").arg(QString::fromStdString(report.stoppedBy)));
    else
        setStatusMessage(organizedStatus(count, skipped));
    appendLog(
        organizedLogLine(count, skipped, lastPathComponent(fromFileSystemPath(plan.folderURL))));
    setIsOrganizing(false);
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
    m_runSkipped.append(entry);
    // The console line stays for those who start Tidyra from a terminal.
    const QByteArray line = "[Tidyra] Skipped " + entry.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
    std::fflush(stdout);
}

void FolderOrganizerViewModel::setSelectedFolderURL(const QUrl &url)
{
    if (m_selectedFolderURL == url)
        return;
    m_selectedFolderURL = url;
    emit selectedFolderURLChanged();
}

void FolderOrganizerViewModel::setCurrentPlan(std::optional<OrganizationPlan> plan)
{
    // Plans have no meaningful equality (fresh move identities), so every store counts.
    m_currentPlan = std::move(plan);
    emit currentPlanChanged();
}

void FolderOrganizerViewModel::setStatusMessage(const QString &message)
{
    if (m_statusMessage == message)
        return;
    m_statusMessage = message;
    emit statusMessageChanged();
}

void FolderOrganizerViewModel::setCanUndo(bool canUndo)
{
    if (m_canUndo == canUndo)
        return;
    m_canUndo = canUndo;
    emit canUndoChanged();
}

void FolderOrganizerViewModel::setIsOrganizing(bool organizing)
{
    if (m_isOrganizing == organizing)
        return;
    m_isOrganizing = organizing;
    emit isOrganizingChanged();
}

void FolderOrganizerViewModel::setActivityLog(const QStringList &log)
{
    if (m_activityLog == log)
        return;
    m_activityLog = log;
    emit activityLogChanged();
}

void FolderOrganizerViewModel::setLastSkipped(const QStringList &skipped)
{
    if (m_lastSkipped == skipped)
        return;
    m_lastSkipped = skipped;
    emit lastSkippedChanged();
}
