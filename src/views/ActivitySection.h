#pragma once

#include <QWidget>

class FolderOrganizerViewModel;
class PlainListView;
class QMenu;
class QPoint;
class QStackedWidget;
class QStringListModel;

// The lower part of the main window: the activity log, newest first, or a note that
// nothing has happened yet. A run's line offers "Undo This Run" in its context menu.
class ActivitySection : public QWidget
{
    Q_OBJECT

public:
    explicit ActivitySection(FolderOrganizerViewModel *viewModel, QWidget *parent = nullptr);

    PlainListView *logView() const { return m_logView; }
    QWidget *emptyState() const { return m_emptyState; }
    bool isShowingLog() const;
    // The context menu of the log's line `row`, deleted once closed; null for a line of
    // no run (an undo) or of a run taken back whole.
    QMenu *runMenu(int row);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void refresh();
    void showRunMenu(const QPoint &position);

    FolderOrganizerViewModel *m_viewModel;
    QStringListModel *m_model;
    PlainListView *m_logView;
    QWidget *m_emptyState;
    QStackedWidget *m_pages;
};
