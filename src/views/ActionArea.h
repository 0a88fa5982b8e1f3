#pragma once

#include <QPointer>
#include <QWidget>

class BusySpinner;
class FolderOrganizerViewModel;
class QCheckBox;
class QPushButton;
class QToolButton;
class RulesRepairActions;
class RunDetailsView;
class StyledLabel;
class SymbolView;

// The main window's commands (preview, organize, and undo, whose tooltip names the run it
// takes back), the "Tidy Automatically" switch with "Rules…" beside it, and the status
// line under them; while a run lasts, the line tells its progress and offers to cancel
// it; after a run or undo that left files out, it warns and offers their details; while
// the rules file cannot be used, it offers to open it or to go back to the defaults.
class ActionArea : public QWidget
{
    Q_OBJECT

public:
    explicit ActionArea(FolderOrganizerViewModel *viewModel, QWidget *parent = nullptr);

    QPushButton *previewButton() const { return m_previewButton; }
    QPushButton *organizeButton() const { return m_organizeButton; }
    QPushButton *undoButton() const { return m_undoButton; }
    QCheckBox *tidyAutomaticallyBox() const { return m_tidyBox; }
    QToolButton *rulesButton() const { return m_rulesButton; }
    RulesRepairActions *rulesRepair() const { return m_rulesRepair; }
    BusySpinner *spinner() const { return m_spinner; }
    SymbolView *infoSymbol() const { return m_infoSymbol; }
    SymbolView *errorSymbol() const { return m_errorSymbol; }
    SymbolView *warningSymbol() const { return m_warningSymbol; }
    StyledLabel *statusLabel() const { return m_status; }
    QToolButton *cancelButton() const { return m_cancelButton; }
    QToolButton *detailsButton() const { return m_detailsButton; }
    // The details window, while it is open.
    RunDetailsView *detailsView() const;
    // Opens (or raises) the window with the last run's details.
    void showDetails();

protected:
    void changeEvent(QEvent *event) override;

private:
    void refreshButtons();
    void refreshStatus();

    FolderOrganizerViewModel *m_viewModel;
    QPushButton *m_previewButton;
    QPushButton *m_organizeButton;
    QPushButton *m_undoButton;
    QCheckBox *m_tidyBox;
    QToolButton *m_rulesButton;
    RulesRepairActions *m_rulesRepair;
    BusySpinner *m_spinner;
    SymbolView *m_infoSymbol;
    SymbolView *m_errorSymbol;
    SymbolView *m_warningSymbol;
    StyledLabel *m_status;
    QToolButton *m_cancelButton;
    QToolButton *m_detailsButton;
    QPointer<RunDetailsView> m_details;
};
