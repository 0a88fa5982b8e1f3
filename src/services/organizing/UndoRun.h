#pragma once

#include "services/filesystem/FileSystem.h"
#include "services/filesystem/FolderWalker.h"
#include "services/journal/JournalLines.h"
#include "services/organizing/RunReports.h"

#include <cstdint>
#include <string>
#include <vector>

class FileMover;
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
    { }

    // Reopens the run's journal to mark each outcome; a run taken back whole is marked
    // undone, and its record stays as history.
    UndoReport execute(int root, RunRecord &record, const RunControl &control) const;
    // How many of the run's files are still where it put them: what an undo of it
    // would move back. Only looks. With `each`, also which: one flag per intent.
    std::size_t countInPlace(
        int root, const RunRecord &record, std::vector<bool> *each = nullptr) const;

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

    // Removes the folders the run made that are empty now: those an undo of it had to
    // leave for the files of a later run, once those are gone too.
    // Gives how many stay.
    std::size_t removeEmptyFolders(int root, const RunRecord &record) const;

private:
    struct Whereabouts;
    enum class Recognition : std::uint8_t;
    std::size_t removeFolders(int root, const RunRecord &record, bool stableInodes,
        std::uint64_t device,
        std::vector<std::pair<std::string, ErrorMessage>> *failed = nullptr) const;
    UndoReport moveBack(
        int root, RunRecord &record, RunJournal &journal, const RunControl &control) const;
    // How this folder's files are known now; `device` is the folder's device now.
    Recognition recognitionOf(int root, const RunRecord &record, std::uint64_t &device) const;
    static bool isRecordedFile(const EntryInfo &info, const JournalLines::Intent &intent,
        const FileIdentity &expected, Recognition recognition);
    static bool isReservation(
        const EntryInfo &info, const JournalLines::Reservation *held, Recognition recognition);
    static bool sameFile(FileMover &mover, int root, const EntryInfo &one, const EntryInfo &other,
        Recognition recognition);
    // Where the file of the record's intent `k` is now.
    Whereabouts locate(FolderWalker &walker, int root, const RunRecord &record, std::size_t k,
        const FileIdentity &expected, Recognition recognition) const;
    // Whether the file of `intent` is at its new name in its folder as moved away by
    // another program, a link left in its place.
    bool seenThroughLink(int root, const JournalLines::Intent &intent, const FileIdentity &expected,
        Recognition recognition) const;
    // Removes the empty file `seen` at `name` in `folder`, while it is still that file:
    // what a killed run's or undo's reservation route made, as its journal proves.
    void removeReservation(int folder, const std::string &name, const EntryInfo &seen) const;

    FileSystem &m_fileSystem;
};
