#pragma once

#include "services/journal/JournalLines.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

class FileSystem;

// One run as its journal tells it: what it meant to move, what it made, and what
// has happened to each move since.
struct RunRecord
{
    enum class State : std::uint8_t {
        unknown, // intended; whether it moved is settled by looking
        moved,
        movedByFallback, // may have left its old name aside (see FileMover)
        back,
        givenUp,
        neverMoved, // only until forgetNeverMoved(): such an intent is none of the run's moves
    };

    std::filesystem::path file;
    JournalLines::Header header;
    std::vector<std::vector<std::string>> toMake; // announced; made or not
    std::vector<JournalLines::Made> made;
    std::vector<JournalLines::Intent> intents; // by rising index

    std::vector<State> states;
    // The last word on each reservation, by who made it (an undo, or the run), its name,
    // and for the run's own the inode of the file it was for: an undo reserves the old
    // name, one file's only, whatever inode a remount gives that file.
    std::map<std::tuple<bool, std::string, std::uint64_t>, JournalLines::Reservation> reservations;
    bool ended = false; // the run came to its end (not killed)
    std::uint64_t movedAtEnd = 0; // what its end line says it moved
    std::size_t markedMoved = 0; // intents settled as moved ("d", "f")
    bool undone = false; // an undo took it back whole
    bool undoBegan = false; // an undo began on it (since its last whole undo)

    // Reads a journal. Lines torn by a crash, damaged or absurdly long are passed over;
    // a file that is not a run journal at all throws EngineError. A file without a
    // complete first line is a run killed before its header was written, which never
    // moved anything: nullopt. Intents that never became moves are left out: those
    // marked so, and in a run that came to its end, those it did not mark as moved
    // (it marks each move before its end line), unless its marks fall short of what
    // its end line counts: only then, and in a killed run, intents stay unknown.
    static std::optional<RunRecord> read(FileSystem &fileSystem, const std::filesystem::path &file);
    // Only the header, which says whose run it is: all that is needed before locking.
    static std::optional<JournalLines::Header> readHeader(
        FileSystem &fileSystem, const std::filesystem::path &file);

    // How a run file's last line leaves the run: cheap, nothing else is read. A run
    // whose undo began but did not finish reads as killed.
    enum class Tail : std::uint8_t { killed, ended, undone, undoneKeepingFolders };
    static Tail tailOf(FileSystem &fileSystem, const std::filesystem::path &file);
    static bool isUndone(Tail tail)
    {
        return tail == Tail::undone || tail == Tail::undoneKeepingFolders;
    }

    // Files the run moved: as its end says, or for a killed run, as far as it is settled.
    std::size_t movedCount() const;
    // Whether an intent is still to be settled by looking (the run was killed).
    bool hasUnknown() const;
    // Whether an undo began on the run and did not take it back whole (it was killed,
    // or left files it could not restore).
    bool undoUnderWay() const;

    // Applies a mark to the intent at `position`. Moved and never moved settle only an
    // unknown intent; an intent that never moved is no move undo could act on.
    void apply(JournalLines::Mark mark, std::size_t position);
    // Drops the intents that never moved: nothing is counted, undone or looked at for them.
    void forgetNeverMoved();

    // Moves that may still be away from their old place.
    std::size_t pendingCount() const;
    // What the journal says of the reservation at the intent's new name (`back`: at its
    // old name, made by an undo); nullptr when there was none.
    const JournalLines::Reservation *reservationOf(
        const JournalLines::Intent &intent, bool back) const;
    // Where the intent with this index is in `intents`; intents.size() when nowhere.
    std::size_t positionOf(std::uint64_t index) const;
};
