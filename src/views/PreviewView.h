#pragma once

#include "model/OrganizationPlan.h"

#include <QDialog>

#include <cstddef>
#include <memory>

class FolderOrganizerViewModel;
class PlanObstacles;
class PlainListView;
class PlainTreeView;
class QAbstractItemView;
class QPushButton;
class QToolButton;
class StyledLabel;

// The plan shown before any file is touched: the files as they are ("Before") beside
// the folders they will form ("After"). "Apply" hands the plan to the view model;
// "Cancel", the close button, Escape and Ctrl+Escape only close the dialog. Only a
// click or Ctrl+Return applies: there is no default button. A plan in which every file
// would be skipped offers no "Apply" (it is off).
class PreviewView : public QDialog
{
    Q_OBJECT

public:
    PreviewView(std::shared_ptr<const OrganizationPlan> plan, FolderOrganizerViewModel *viewModel,
        QWidget *parent = nullptr);

    // "1 file will be moved", "12 files will be moved", and ", 1 will be skipped" when some would
    // be; "; 3 left alone by your rules" when the user's rules left files out.
    static QString summaryText(
        std::size_t fileCount, std::size_t skippedCount = 0, std::size_t leftAlone = 0);

    FolderOrganizerViewModel *viewModel() const { return m_viewModel; }
    StyledLabel *titleLabel() const { return m_title; }
    StyledLabel *summaryLabel() const { return m_summary; }
    QToolButton *closeButton() const { return m_closeButton; }
    PlainListView *beforeList() const { return m_beforeList; }
    PlainTreeView *afterList() const { return m_afterList; }
    QPushButton *cancelButton() const { return m_cancelButton; }
    QPushButton *applyButton() const { return m_applyButton; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *makeHeader();
    QWidget *makeFooter();
    QWidget *makeColumn(const QString &heading, QAbstractItemView *list);

    std::shared_ptr<const OrganizationPlan> m_plan;
    std::shared_ptr<const PlanObstacles> m_obstacles;
    std::size_t m_skippedCount = 0;
    FolderOrganizerViewModel *m_viewModel;
    StyledLabel *m_title = nullptr;
    StyledLabel *m_summary = nullptr;
    QToolButton *m_closeButton = nullptr;
    PlainListView *m_beforeList = nullptr;
    PlainTreeView *m_afterList = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_applyButton = nullptr;
};
