#pragma once

#include "services/filesystem/FileSystem.h"
#include "services/filesystem/FolderWalker.h"
#include "services/journal/JournalLines.h"

#include <cstddef>
#include <cstdint>
#include <string>

class FileMover;
struct RunRecord;

// Where the files of a recorded run are now, inside its folder, opened (`root`), as
// fresh looks tell; in any doubt a file is not the run's. Only looks, but for
// removeReservation.
class RecordedFileLook
{
public:
    // How undo knows the files of a run, by the strongest key the file system keeps.
    enum class Recognition : std::uint8_t {
        inode, // the same inode on the same device
        inodeAndStamp, // the same inode, on a disk mounted again, and the same size and time
        stamp, // inode numbers do not hold: the same size and modification time
    };

    // Where a recorded move's file is now, as one fresh look tells: at the run's
    // destination, back at its old name, or aside under the fallback's private name.
    struct Whereabouts
    {
        int folderError = 0; // opening the destination folder
        int destinationError = 0; // looking at the destination, when the folder opened
        int sourceError = 0; // looking at the old name
        std::size_t failedDepth = 0;
        bool atDestination = false;
        bool atSource = false;
        bool aside = false;
        bool asideLinked = false; // the name aside is one of two: the file has another
        // An empty file the journal proves the run made at the new name (a kill between
        // reserving and renaming), or an undo made at the old name.
        bool reservedAtDestination = false;
        bool reservedAtSource = false;
        FileIdentity found; // the file's identity now, where it was found
        EntryInfo destination; // what is at the destination, when destinationError is 0
        EntryInfo source; // what is at the old name, when sourceError is 0
    };

    explicit RecordedFileLook(FileSystem &fileSystem)
        : m_fileSystem(fileSystem)
    { }

    // How this folder's files are known now; `device` is the folder's device now.
    Recognition recognitionOf(int root, const RunRecord &record, std::uint64_t &device) const;
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

    static bool isRecordedFile(const EntryInfo &info, const JournalLines::Intent &intent,
        const FileIdentity &expected, Recognition recognition);
    static bool isReservation(
        const EntryInfo &info, const JournalLines::Reservation *held, Recognition recognition);
    static bool sameFile(FileMover &mover, int root, const EntryInfo &one, const EntryInfo &other,
        Recognition recognition);

private:
    FileSystem &m_fileSystem;
};
