#include "RunHistoryModel.h"

#include <QLocale>

#include <algorithm>
#include <utility>

RunHistoryModel::RunHistoryModel(QObject *parent)
    : QAbstractListModel(parent)
{ }

int RunHistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_runs.size());
}

QVariant RunHistoryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const HistoryRun &run = m_runs[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return summaryText(run) + QLatin1Char('\n') + stateText(run);
    case DetailsRole:
        return detailsText(run);
    case Qt::ToolTipRole:
        return detailsText(run) + QLatin1Char('\n') + summaryText(run) + QLatin1Char('\n')
            + stateText(run);
    case RunIdRole:
        return run.id;
    case StateRole:
        return QVariant::fromValue(stateOf(run));
    case CanUndoRole:
        return run.undoable > 0;
    case AutomaticRole:
        return run.automatic;
    default:
        return {};
    }
}

void RunHistoryModel::setRuns(std::vector<HistoryRun> runs)
{
    // Read again after every run and on every refresh: mostly the same.
    if (runs == m_runs)
        return;
    beginResetModel();
    m_runs = std::move(runs);
    endResetModel();
}

RunHistoryModel::State RunHistoryModel::stateOf(const HistoryRun &run)
{
    if (run.undone)
        return State::undone;
    if (!run.ended)
        return State::interrupted;
    if (run.undoable == 0)
        return State::movedOn;
    return run.undoable < run.moved ? State::partlyUndone : State::undoable;
}

QString RunHistoryModel::undoToolTip() const
{
    // As OrganizingService::undoLast walks the runs: past undone ones, but an undone run
    // leaves only a killed one before it to take back.
    bool afterUndone = false;
    for (const HistoryRun &run : m_runs) {
        if (run.undone || run.undoable == 0) {
            afterUndone = true;
            continue;
        }
        if (afterUndone && run.ended)
            return {};
        //: %1 is when the run started (a time of day, or a date and time)
        return tr("Undo the run of %1 (%n file(s) moved)", nullptr, int(run.moved))
            .arg(whenText(run.started));
    }
    return {};
}

QString RunHistoryModel::filesTitle(const QString &runId) const
{
    const auto run = std::find_if(
        m_runs.begin(), m_runs.end(), [&runId](const HistoryRun &run) { return run.id == runId; });
    if (run == m_runs.end())
        return {};
    //: %1 is when the run started (a time of day, or a date and time)
    return tr("%n file(s) moved by the run of %1", nullptr, int(run->moved))
        .arg(whenText(run->started));
}

QString RunHistoryModel::whenText(const QDateTime &started) const
{
    // Today's runs by their time of day, as the activity log stamps its lines.
    const QDateTime local = started.toLocalTime();
    const QLocale locale;
    if (local.date() == QDate::currentDate())
        return locale.toString(local.time(), QLocale::ShortFormat);
    return locale.toString(local, QLocale::ShortFormat);
}

QString RunHistoryModel::summaryText(const HistoryRun &run) const
{
    //: %1 is when the run started (a time of day, or a date and time)
    return tr("%1: %n file(s) moved", nullptr, int(run.moved)).arg(whenText(run.started));
}

QString RunHistoryModel::stateText(const HistoryRun &run) const
{
    const QString origin = run.automatic ? tr("Automatic run") : tr("Manual run");
    const int left = int(run.undoable);
    QString state;
    switch (stateOf(run)) {
    case State::undone:
        state = tr("undone");
        break;
    case State::interrupted:
        state = tr("interrupted, %n file(s) still undoable", nullptr, left);
        break;
    case State::movedOn:
        state = tr("nothing left to undo");
        break;
    case State::partlyUndone:
        state = tr("partly undone, %n file(s) still undoable", nullptr, left);
        break;
    case State::undoable:
        state = tr("%n file(s) still undoable", nullptr, left);
        break;
    }
    //: A run's origin ("Manual run") and what is left of it ("undone")
    return tr("%1 · %2").arg(origin, state);
}

QString RunHistoryModel::detailsText(const HistoryRun &run) const
{
    const QString started = QLocale().toString(run.started.toLocalTime(), QLocale::LongFormat);
    //: %1 is the run's id, %2 the date and time it started
    return tr("Run %1, started %2").arg(run.id, started);
}
