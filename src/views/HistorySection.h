#pragma once

#include <QWidget>

class FolderOrganizerViewModel;
class QListView;
class QPushButton;
class StyledLabel;

// Under the activity log: the selected folder's recorded runs, newest first, also those
// of earlier sessions, of tidyra-cli and of the watch. The run picked in the list is
// described under it, and "Undo This Run" takes back that run alone, as the log's
// line of a run does.
class HistorySection : public QWidget
{
    Q_OBJECT

public:
    explicit HistorySection(FolderOrganizerViewModel *viewModel, QWidget *parent = nullptr);

    QListView *list() const { return m_list; }
    StyledLabel *details() const { return m_details; }
    QPushButton *undoRunButton() const { return m_undoRun; }
    // The run picked in the list; empty when none.
    QString currentRunId() const;

private:
    void keepCurrentRun();
    void restoreCurrentRun();
    void refresh();
    void undoCurrentRun();

    FolderOrganizerViewModel *m_viewModel;
    QListView *m_list;
    StyledLabel *m_details;
    QPushButton *m_undoRun;
    // The run picked before the rows were read again, to pick it again.
    QString m_keptRunId;
};
