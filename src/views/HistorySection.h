#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>

class FolderOrganizerViewModel;
class QListView;
class QPushButton;
class RunDetailsView;
class StyledLabel;
struct RunDetails;

// Under the activity log: the selected folder's recorded runs, newest first, also those
// of earlier sessions, of tidyra-cli and of the watch. The run picked in the list is
// described under it; "Show Files…" lists its files under where each is now, read only
// then, and "Undo This Run" takes back that run alone, as the log's line of a run does.
class HistorySection : public QWidget
{
    Q_OBJECT

public:
    explicit HistorySection(FolderOrganizerViewModel *viewModel, QWidget *parent = nullptr);

    QListView *list() const { return m_list; }
    StyledLabel *details() const { return m_details; }
    QPushButton *undoRunButton() const { return m_undoRun; }
    QPushButton *filesButton() const { return m_files; }
    // The window with the files of a run, while it is open.
    RunDetailsView *filesView() const;
    // The run picked in the list; empty when none.
    QString currentRunId() const;

private:
    void keepCurrentRun();
    void restoreCurrentRun();
    void refresh();
    void undoCurrentRun();
    void showFiles(const QString &title, std::shared_ptr<const RunDetails> files);

    FolderOrganizerViewModel *m_viewModel;
    QListView *m_list;
    StyledLabel *m_details;
    QPushButton *m_undoRun;
    QPushButton *m_files;
    QPointer<RunDetailsView> m_filesView;
    // The run picked before the rows were read again, to pick it again.
    QString m_keptRunId;
};
