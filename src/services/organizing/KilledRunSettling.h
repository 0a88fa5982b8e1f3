#pragma once

#include "services/filesystem/FileSystem.h"
#include "services/organizing/RecordedFileLook.h"

class RunJournal;
struct RunRecord;

// What a killed run or a killed undo left unsaid in its journal, settled by looking,
// under the folder's lock, before the first run or undo after the kill.
class KilledRunSettling
{
public:
    explicit KilledRunSettling(FileSystem &fileSystem)
        : m_fileSystem(fileSystem)
        , m_look(fileSystem)
    { }

    // Settles, by one look each, the intents of a killed run that no mark settles: its
    // file at the destination (or set aside on the way there) moved, and so did one gone
    // from its old name whose new folder was moved away (a link or a file in its place)
    // or that the run went past (a later move known to have happened); anywhere else it
    // never did. Exact only while nothing of Tidyra's has moved in the folder since the
    // kill: under the folder's lock, before the first run or undo after it. An intent
    // whose look fails stays unknown. With `journal` (the lock held), what a move cut
    // short left at the new name while the file is still at its old one (its proven
    // reservation, or a second name of the file) is removed and the intent settled as
    // never moved, and the marks are written and synced (EngineError when they cannot
    // be); without, such an intent stays unknown and nothing is touched.
    void settleUnknown(int root, RunRecord &record, RunJournal *journal) const;
    // Under the folder's lock, finishes what a killed undo left: marks back the moves it
    // put back without saying so (a later run moving the same file to the same place is
    // then never taken for this run's move), removes its reservation of an old name and
    // the second name a link-route move back left, and once every file is back, the
    // run's empty folders, marking it undone.
    void settleBack(int root, RunRecord &record, RunJournal &journal) const;

private:
    FileSystem &m_fileSystem;
    RecordedFileLook m_look;
};
