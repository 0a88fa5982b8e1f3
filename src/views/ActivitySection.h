#pragma once

#include <QWidget>

class FolderOrganizerViewModel;
class PlainListView;
class QStackedWidget;
class QStringListModel;

// The lower part of the main window: the activity log, newest first, or a note that
// nothing has happened yet.
class ActivitySection : public QWidget
{
    Q_OBJECT

public:
    explicit ActivitySection(FolderOrganizerViewModel *viewModel, QWidget *parent = nullptr);

    PlainListView *logView() const { return m_logView; }
    QWidget *emptyState() const { return m_emptyState; }
    bool isShowingLog() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void refresh();

    FolderOrganizerViewModel *m_viewModel;
    QStringListModel *m_model;
    PlainListView *m_logView;
    QWidget *m_emptyState;
    QStackedWidget *m_pages;
};
