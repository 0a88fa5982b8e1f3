#pragma once

#include <QDateTime>
#include <QString>

#include <cstddef>

// One recorded run of a folder as the history shows it: what the journal says of it,
// without its files, so twenty runs of 100,000 files each cost next to nothing.
struct HistoryRun
{
    QString id; // names the run for "Undo This Run" and tidyra-cli
    QDateTime started; // UTC
    bool automatic = false;
    std::size_t moved = 0;
    std::size_t undoable = 0; // of the moved, still where the run put them
    bool ended = true; // false: the run was killed half-way
    bool undone = false; // an undo took it back whole

    bool operator==(const HistoryRun &) const = default;
};
