#pragma once

#include "services/filesystem/FileSystem.h"
#include "services/organizing/RecordedFileLook.h"
#include "services/organizing/RunReports.h"

#include <cstdint>
#include <string>
#include <vector>

class RunJournal;
struct RunRecord;

// Moves a recorded run's files back inside its folder, opened (`root`), newest first:
// only a file still where the run put it and still the same file: the same inode where
// inode numbers hold, else the same size and modification time (to the nanosecond), a
// regular file in either case. Each outcome is marked in the journal; what could not
// be moved back stays pending there. Removes what the run left behind: the folders it
// made (or announced) once they are empty, and the empty reservation of a move that a
// kill interrupted, when the journal proves it made that very file.
class UndoRun
{
public:
    explicit UndoRun(FileSystem &fileSystem)
        : m_fileSystem(fileSystem)
        , m_look(fileSystem)
    { }

    // Reopens the run's journal to mark each outcome; a run taken back whole is marked
    // undone, and its record stays as history.
    UndoReport execute(int root, RunRecord &record, const RunControl &control) const;
    // How many of the run's files are still where it put them: what an undo of it
    // would move back. Only looks. With `each`, also which: one flag per intent.
    std::size_t countInPlace(
        int root, const RunRecord &record, std::vector<bool> *each = nullptr) const;

    // Removes the folders the run made that are empty now: those an undo of it had to
    // leave for the files of a later run, once those are gone too.
    // Gives how many stay.
    std::size_t removeEmptyFolders(int root, const RunRecord &record) const;

private:
    FileSystem &m_fileSystem;
    RecordedFileLook m_look;
};
