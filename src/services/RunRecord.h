#pragma once

#include "JournalLines.h"
#include "RunReports.h"

#include <cstdint>
#include <filesystem>
#include <vector>

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
    };

    std::filesystem::path file;
    JournalLines::Header header;
    std::vector<JournalLines::Made> made;
    std::vector<JournalLines::Intent> intents; // by rising index

    std::vector<State> states;

    // Reads a journal. Lines torn by a crash or damaged are passed over; a file that
    // is not a run journal at all throws JournalError.
    static RunRecord read(const std::filesystem::path &file);
    // Only the header, which says whose run it is: all that is needed before locking.
    static JournalLines::Header readHeader(const std::filesystem::path &file);

    // Whether an undo of this record did or left anything: false only for a run that,
    // as it turned out, never moved a file.
    bool hadMoves(const UndoReport &report) const;

    // Moves that may still be away from their old place.
    std::size_t pendingCount() const;
    // Where the intent with this index is in `intents`; intents.size() when nowhere.
    std::size_t positionOf(std::uint64_t index) const;
};
