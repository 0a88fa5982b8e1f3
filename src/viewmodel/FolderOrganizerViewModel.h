#pragma once

#include "Clock.h"
#include "FileOrganizerService.h"
#include "FolderChooser.h"
#include "OrganizationPlan.h"
#include "SettingsStore.h"
#include "UndoService.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>
#include <optional>

// The one state the user interface draws, and every user action. Each action runs to
// its end on the calling (UI) thread and reports only by changing properties; engine
// failures become the status message and never leave an action. Runs are recorded in
// the journal shared with tidyra-cli ($XDG_STATE_HOME/tidyra), so Undo survives a
// restart and can take back a run made from the terminal.
class FolderOrganizerViewModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QUrl selectedFolderURL READ selectedFolderURL NOTIFY selectedFolderURLChanged)
    Q_PROPERTY(bool isShowingPreview READ isShowingPreview WRITE setIsShowingPreview NOTIFY
            isShowingPreviewChanged)
    Q_PROPERTY(
        std::optional<OrganizationPlan> currentPlan READ currentPlan NOTIFY currentPlanChanged)
    Q_PROPERTY(QString statusMessage READ statusMessage NOTIFY statusMessageChanged)
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY canUndoChanged)
    Q_PROPERTY(bool isOrganizing READ isOrganizing NOTIFY isOrganizingChanged)
    Q_PROPERTY(QStringList activityLog READ activityLog NOTIFY activityLogChanged)
    Q_PROPERTY(QStringList lastSkipped READ lastSkipped NOTIFY lastSkippedChanged)

public:
    static constexpr int maxLogEntries = 50;

    // An empty `fileSystem` means the real one.
    FolderOrganizerViewModel(std::unique_ptr<FolderChooser> chooser,
        std::unique_ptr<SettingsStore> settings, std::unique_ptr<Clock> clock,
        std::shared_ptr<FileSystem> fileSystem = {}, QObject *parent = nullptr);

    QUrl selectedFolderURL() const { return m_selectedFolderURL; }
    bool isShowingPreview() const { return m_isShowingPreview; }
    void setIsShowingPreview(bool showing);
    const std::optional<OrganizationPlan> &currentPlan() const { return m_currentPlan; }
    QString statusMessage() const { return m_statusMessage; }
    bool canUndo() const { return m_canUndo; }
    bool isOrganizing() const { return m_isOrganizing; }
    QStringList activityLog() const { return m_activityLog; }
    // The moves the last execution skipped, as "NAME: REASON"; emptied by a folder choice.
    QStringList lastSkipped() const { return m_lastSkipped; }

    // Last path component of the selected folder; empty when none is selected.
    QString selectedFolderName() const;
    // Full local path of the selected folder; empty when none is selected.
    QString selectedFolderPath() const;


public slots:
    void chooseFolder();
    void generatePreview();
    void applyCurrentPlan();
    void organizeNow();
    void undoLastOperation();

signals:
    void selectedFolderURLChanged();
    void isShowingPreviewChanged();
    void currentPlanChanged();
    void statusMessageChanged();
    void canUndoChanged();
    void isOrganizingChanged();
    void activityLogChanged();
    void lastSkippedChanged();
    // After every execution that ran to its end, with what it moved and what it skipped.
    void planApplied(int organizedCount, int skippedCount);

private:
    // The selected folder's plan, or nothing after showing the scan's error.
    std::optional<OrganizationPlan> scanSelectedFolder();
    // Whether the selected folder has a recorded run to undo, from any front end.
    void refreshCanUndo();
    void applyPlan(const OrganizationPlan &plan);
    void appendLog(const QString &message);

    void setSelectedFolderURL(const QUrl &url);
    void setCurrentPlan(std::optional<OrganizationPlan> plan);
    void setStatusMessage(const QString &message);
    void setCanUndo(bool canUndo);
    void setIsOrganizing(bool organizing);
    void setActivityLog(const QStringList &log);
    void setLastSkipped(const QStringList &skipped);
    // Collects one skipped move of the running execution and prints its console line.
    void reportSkipped(const std::string &name, const std::string &description);

    std::unique_ptr<FolderChooser> m_chooser;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<Clock> m_clock;

    QUrl m_selectedFolderURL;
    bool m_isShowingPreview = false;
    std::optional<OrganizationPlan> m_currentPlan;
    QString m_statusMessage;
    bool m_canUndo = false;
    bool m_isOrganizing = false;
    QStringList m_activityLog;
    QStringList m_lastSkipped;
    // Filled by the engine while an execution runs, taken when it returns.
    QStringList m_runSkipped;

    FileOrganizerService m_organizer;
    UndoService m_undoService;
};
