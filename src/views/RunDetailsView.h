#pragma once

#include <QDialog>

#include <memory>

class QPushButton;
class QTreeView;
struct RunDetails;
class RunDetailsModel;
class StyledLabel;

// What the last run of a folder skipped, or its last undo could not restore, or the
// files of a run of its history: every name under its reason (or where it is now), in
// a list that holds any number of names. Rows can be
// selected and copied (Ctrl+C), or all of it with "Copy All".
class RunDetailsView : public QDialog
{
    Q_OBJECT

public:
    // An empty `title` is the details' own (RunDetailsModel::titleOf).
    explicit RunDetailsView(std::shared_ptr<const RunDetails> details, QWidget *parent = nullptr,
        const QString &title = {});

    QTreeView *list() const { return m_list; }
    RunDetailsModel *model() const { return m_model; }
    QPushButton *copyAllButton() const { return m_copyAll; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void copySelection() const;

    RunDetailsModel *m_model;
    StyledLabel *m_title;
    QTreeView *m_list;
    QPushButton *m_copyAll;
};
