#pragma once

#include <QPointer>
#include <QWidget>

struct OrganizationPlan;
class ActionArea;
class ActivitySection;
class FolderHeader;
class FolderOrganizerViewModel;
class HistorySection;
class PreviewView;
class RulesWindow;

// The main window's content: the selected folder, the commands with the status line,
// the activity log of this session and the folder's recorded runs. It presents the preview dialog
// while the view model asks for it, and gives the focus back where a run took it from.
class ContentView : public QWidget
{
    Q_OBJECT

public:
    explicit ContentView(FolderOrganizerViewModel *viewModel, QWidget *parent = nullptr);
    ~ContentView() override;

    FolderOrganizerViewModel *viewModel() const { return m_viewModel; }
    FolderHeader *header() const { return m_header; }
    ActionArea *actionArea() const { return m_actionArea; }
    ActivitySection *activitySection() const { return m_activity; }
    HistorySection *historySection() const { return m_history; }
    // The preview dialog while it is up, else null.
    PreviewView *previewView() const;
    // The Rules window while it is open, else null.
    RulesWindow *rulesWindow() const;
    // Opens the Rules window, or brings it forward.
    void showRules();

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void syncPreview();
    void returnFocus();

    FolderOrganizerViewModel *m_viewModel;
    FolderHeader *m_header;
    ActionArea *m_actionArea;
    ActivitySection *m_activity;
    HistorySection *m_history;
    QPointer<PreviewView> m_preview;
    // The plan the preview shows: a plan made again for new rules replaces the dialog.
    const OrganizationPlan *m_previewPlan = nullptr;
    QPointer<RulesWindow> m_rules;
    // Where the focus was when a run turned that control off, and where it went then.
    QPointer<QWidget> m_focusBeforeRun;
    QPointer<QWidget> m_focusDuringRun;
};
