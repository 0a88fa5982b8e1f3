#pragma once

#include "AutoTidy.h"
#include "Clock.h"
#include "FolderChooser.h"
#include "FolderPath.h"
#include "SettingsStore.h"
#include "model/OrganizationPlan.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The one state the user interface draws, and every user action. Scans, organizing runs,
// undos and reads of the journal go to the worker of a RunController, so the window
// stays alive; the properties change on the UI thread only, when it answers. One run at
// a time: isOrganizing is true while it lasts, and actions other than choosing a folder
// and cancelling do nothing meanwhile. While the preview or the folder dialog is open,
// nothing but that dialog changes the folder either. Engine failures become the status message and
// never leave an action. Runs are recorded in the journal shared with tidyra-cli
// ($XDG_STATE_HOME/tidyra), so Undo survives a restart and can take back a run made from
// the terminal. With "Tidy Automatically" on, AutoTidy watches the selected folder and
// hands over the files that have settled, and a run like any other organizes them.
class ActivityLog;
class FileSystem;
class FolderRecords;
class FolderWatch;
class PlanObstacles;
class RulesEditor;
class RunOutcomes;
class RunController;
class RunHistoryModel;
struct RunDetails;
struct RunReport;
struct UndoReport;

class FolderOrganizerViewModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(FolderPath selectedFolder READ selectedFolder NOTIFY selectedFolderChanged)
    Q_PROPERTY(bool isShowingPreview READ isShowingPreview WRITE setIsShowingPreview NOTIFY
            isShowingPreviewChanged)
    Q_PROPERTY(bool isChoosingFolder READ isChoosingFolder NOTIFY isChoosingFolderChanged)
    Q_PROPERTY(std::shared_ptr<const OrganizationPlan> currentPlan READ currentPlan NOTIFY
            currentPlanChanged)
    Q_PROPERTY(QString statusMessage READ statusMessage NOTIFY statusMessageChanged)
    Q_PROPERTY(bool isStatusError READ isStatusError NOTIFY isStatusErrorChanged)
    Q_PROPERTY(bool isStatusWarning READ isStatusWarning NOTIFY isStatusWarningChanged)
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY canUndoChanged)
    Q_PROPERTY(bool isOrganizing READ isOrganizing NOTIFY isOrganizingChanged)
    Q_PROPERTY(QStringList activityLog READ activityLog NOTIFY activityLogChanged)
    Q_PROPERTY(
        std::shared_ptr<const RunDetails> runDetails READ runDetails NOTIFY runDetailsChanged)
    Q_PROPERTY(QString progressMessage READ progressMessage NOTIFY progressMessageChanged)
    Q_PROPERTY(bool tidiesAutomatically READ tidiesAutomatically WRITE setTidiesAutomatically NOTIFY
            tidiesAutomaticallyChanged)

public:
    // An empty `fileSystem` means the real one. `watch` goes to AutoTidy, which adopts it
    // and gives it the settle time of the settings; none means one on inotify.
    FolderOrganizerViewModel(std::unique_ptr<FolderChooser> chooser,
        std::unique_ptr<SettingsStore> settings, std::unique_ptr<Clock> clock,
        std::shared_ptr<FileSystem> fileSystem = {}, QObject *parent = nullptr,
        FolderWatch *watch = nullptr);
    // Stops a run after its current move and waits for it (RunController).
    ~FolderOrganizerViewModel() override;

    // Empty when none is selected.
    const FolderPath &selectedFolder() const { return m_folder; }
    bool isShowingPreview() const { return m_isShowingPreview; }
    void setIsShowingPreview(bool showing)
    {
        assign(m_isShowingPreview, showing, &FolderOrganizerViewModel::isShowingPreviewChanged);
    }
    // The folder dialog is open.
    bool isChoosingFolder() const { return m_isChoosing; }
    // The user is in the preview or the folder dialog: what they see there stays the
    // truth, so no run or undo starts meanwhile.
    bool isInDialog() const { return m_isShowingPreview || m_isChoosing; }
    // The last plan stored, in the engine's compact form, shared with the preview
    // rather than copied: a plan of 100,000 moves is held once. Null before any.
    const std::shared_ptr<const OrganizationPlan> &currentPlan() const { return m_currentPlan; }
    QString statusMessage() const { return m_statusMessage; }
    // The status tells a failure ("Error: ...", "Undo failed: ...").
    bool isStatusError() const { return m_isStatusError; }
    // The status tells an outcome that left files out: skipped by a run, not restored
    // (or folders not removed) by an undo.
    bool isStatusWarning() const { return m_isStatusWarning; }
    // What stands in the way of moves of currentPlan, found when it was made; null
    // with no plan.
    const std::shared_ptr<const PlanObstacles> &currentObstacles() const
    {
        return m_currentObstacles;
    }
    bool canUndo() const;
    bool isOrganizing() const { return m_isOrganizing; }
    QStringList activityLog() const;
    // The id of the recorded run that the log's line `row` tells of; empty for lines of
    // no run (undos) and for a run taken back whole since.
    QString activityRunId(int row) const;
    // What the selected folder's last run skipped, or its last undo could not restore,
    // as the run journal keeps it (so also after a restart, and for runs of
    // tidyra-cli); null when they left nothing out. Read on the worker after each run
    // and each choice of a folder.
    const std::shared_ptr<const RunDetails> &runDetails() const;
    // The selected folder's recorded runs, newest first, whoever made them: read on the
    // worker at start, on each choice of a folder, after each run and undo and on
    // refreshCanUndo. Each offers "Undo This Run" (undoRun).
    RunHistoryModel *runHistory() const;
    // How far the run is ("Organizing… 41200 of 100000"), updated a few times a second;
    // empty when no run is going.
    QString progressMessage() const { return m_progressMessage; }
    // Whether files that settle in the selected folder are organized without being asked;
    // remembered in the settings. Kept while no folder is selected, but watching nothing.
    bool tidiesAutomatically() const { return m_autoTidy->isOn(); }
    // How long a file must stay unchanged before an automatic run takes it.
    int settleSeconds() const { return m_autoTidy->settleSeconds(); }
    // The user's sorting rules, which every scan and run reads first (a file changed
    // meanwhile is read again); a file that turns out wrong stops every run, automatic
    // ones too, with the error shown, until it is right again or set aside.
    RulesEditor *rulesEditor() const { return m_rulesEditor.get(); }
    // The run going is an automatic one (isOrganizing is true for it too).
    bool isTidyingAutomatically() const { return m_isOrganizing && m_runKind == RunKind::tidying; }

public slots:
    void chooseFolder();
    void generatePreview();
    void applyCurrentPlan();
    void organizeNow();
    void undoLastOperation();
    // Undoes the run `runId` of the selected folder (a line of the log), which need not
    // be the last; later runs keep their files.
    void undoRun(const QString &runId);
    void setTidiesAutomatically(bool on);
    // Stops the run after the current move; what moved so far stays recorded for undo.
    // A scan cannot be stopped half-way: its plan is dropped when it ends.
    void cancelRun();
    // Asks the journal again, on the worker, whether the selected folder has a run to
    // undo, which tidyra-cli may have recorded or undone meanwhile, and reads the
    // history again when its runs changed there.
    void refreshCanUndo();
    // Asks the views to show runDetails (the tray menu's "Details…" does).
    void showRunDetails();
    // Asks the views to show the Rules window.
    void showRules() { emit rulesRequested(); }
    // Reads the files of the run `runId` of the selected folder's history on the
    // worker, then sends runFilesRead; nothing while a run lasts.
    void readRunFiles(const QString &runId);

signals:
    void selectedFolderChanged();
    void isShowingPreviewChanged();
    void isChoosingFolderChanged();
    void currentPlanChanged();
    void statusMessageChanged();
    void isStatusErrorChanged();
    void isStatusWarningChanged();
    void canUndoChanged();
    void isOrganizingChanged();
    void activityLogChanged();
    void runDetailsChanged();
    // showRunDetails was called and there are details to show.
    void runDetailsRequested();
    void rulesRequested();
    // The files of the run `runId` (RunController::readRunFiles), and the title that
    // names the run; null files when the run could not be read.
    void runFilesRead(
        const QString &runId, const QString &title, std::shared_ptr<const RunDetails> files);
    void progressMessageChanged();
    void tidiesAutomaticallyChanged();
    // After every execution the user asked for (not an automatic one) that was not
    // cancelled, with what it moved and skipped.
    void planApplied(int organizedCount, int skippedCount);
    // An automatic run was recorded: Undo now takes it back.
    void tidiedAutomatically();

private:
    // A part that tells outcomes through the status line and the log.
    friend class RunOutcomes;

    enum class RunKind { scanning, organizing, tidying, undoing };

    // Marks a run of `kind` as started, once the controller has it.
    void beginRun(RunKind kind);
    // The controller's answer wrapped: canUndo and the details first, then `report`,
    // then the run is over.
    template <typename Result>
    std::function<void(Result &, bool)> endingRun(std::function<void(Result &)> report);
    void updateProgress();
    // Names that settled wait while the user is busy (a run, the preview, the folder
    // dialog) and go to one automatic run once nothing is in the way.
    void tidySettledSoon();
    void tidySettled();

    void appendLog(const QString &message, const QString &runId = {});
    // Tells the rules editor whether a run found the rules file right.
    void noteRules(bool rulesInvalid, const QString &error);

    // Stores `value` and emits `changed`, only when the value really changes.
    template <typename T>
    void assign(T &field, const T &value, void (FolderOrganizerViewModel::*changed)())
    {
        if (field == value)
            return;
        field = value;
        emit(this->*changed)();
    }
    void setCurrentPlan(std::shared_ptr<const OrganizationPlan> plan);
    void setStatusMessage(const QString &message, bool isWarning = false)
    {
        assign(m_isStatusError, false, &FolderOrganizerViewModel::isStatusErrorChanged);
        assign(m_isStatusWarning, isWarning, &FolderOrganizerViewModel::isStatusWarningChanged);
        assign(m_statusMessage, message, &FolderOrganizerViewModel::statusMessageChanged);
    }
    void setErrorMessage(const QString &message)
    {
        assign(m_isStatusWarning, false, &FolderOrganizerViewModel::isStatusWarningChanged);
        assign(m_isStatusError, true, &FolderOrganizerViewModel::isStatusErrorChanged);
        assign(m_statusMessage, message, &FolderOrganizerViewModel::statusMessageChanged);
    }
    void setIsChoosing(bool choosing)
    {
        assign(m_isChoosing, choosing, &FolderOrganizerViewModel::isChoosingFolderChanged);
    }
    void setIsOrganizing(bool organizing)
    {
        assign(m_isOrganizing, organizing, &FolderOrganizerViewModel::isOrganizingChanged);
    }
    void setProgressMessage(const QString &message)
    {
        assign(m_progressMessage, message, &FolderOrganizerViewModel::progressMessageChanged);
    }

    std::unique_ptr<FolderChooser> m_chooser;
    std::unique_ptr<SettingsStore> m_settings;

    FolderPath m_folder;
    bool m_isShowingPreview = false;
    // Never replaced while a run lasts: the worker may be carrying it out.
    std::shared_ptr<const OrganizationPlan> m_currentPlan;
    QString m_statusMessage;
    bool m_isStatusError = false;
    bool m_isStatusWarning = false;
    std::shared_ptr<const PlanObstacles> m_currentObstacles;
    bool m_isOrganizing = false;
    std::unique_ptr<ActivityLog> m_log;
    std::unique_ptr<RunOutcomes> m_outcomes;
    QString m_progressMessage;
    RunKind m_runKind = RunKind::scanning;
    bool m_isChoosing = false; // the folder dialog is open
    bool m_tidyQueued = false;

    std::unique_ptr<AutoTidy> m_autoTidy;
    std::unique_ptr<RunController> m_runs;
    std::unique_ptr<FolderRecords> m_records; // uses m_runs
    std::unique_ptr<RulesEditor> m_rulesEditor; // uses m_runs
};
