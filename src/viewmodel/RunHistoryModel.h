#pragma once

#include "HistoryRun.h"

#include <QAbstractListModel>

#include <vector>

// The selected folder's recorded runs, newest first, whoever made them (the window,
// tidyra-cli, a watch): one row a run, its first line when it started and what it moved,
// its second who started it and what is left of it. Holds the journal's summary of
// each run only; the view model fills it from the worker.
class RunHistoryModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum class State {
        undoable, // every file it moved is still where it put them
        partlyUndone, // some, not all
        undone,
        interrupted, // killed half-way
        movedOn, // none left to take back, though no undo took it back
    };
    Q_ENUM(State)
    enum Role {
        RunIdRole = Qt::UserRole + 1,
        StateRole, // State
        CanUndoRole, // bool: "Undo This Run" has something to take back
        AutomaticRole, // bool
        DetailsRole, // QString: its id and full start time; the tooltip adds the rest
    };

    explicit RunHistoryModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    const std::vector<HistoryRun> &runs() const { return m_runs; }
    // Replaces the rows, only when something changed (a reset loses the selection).
    void setRuns(std::vector<HistoryRun> runs);
    void clear() { setRuns({}); }

    // "Undo the run of 13:05 (12 files moved)": the run the window's Undo takes back,
    // as the engine picks it (the newest not undone, and no undone run after it unless
    // it was killed); empty when no run qualifies.
    QString undoToolTip() const;
    static State stateOf(const HistoryRun &run);
    // The title of the list of files of the run `runId`: "12 files moved by the run of
    // 13:05".
    QString filesTitle(const QString &runId) const;

private:
    QString whenText(const QDateTime &started) const;
    QString summaryText(const HistoryRun &run) const;
    QString stateText(const HistoryRun &run) const;
    QString detailsText(const HistoryRun &run) const;

    std::vector<HistoryRun> m_runs;
};
