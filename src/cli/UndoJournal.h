#pragma once

#include "UndoRecord.h"

#include <filesystem>
#include <optional>

// The terminal front end's single level of undo, kept on disk between runs: the
// moves of the last organize run, replaced whole by each new run and emptied when
// an undo starts. It lives outside every organized folder.
class UndoJournal
{
public:
    explicit UndoJournal(std::filesystem::path file);

    // $XDG_STATE_HOME/tidyra/undo-journal.json, or ~/.local/state/tidyra/... when
    // XDG_STATE_HOME is unset or not absolute. Throws std::runtime_error when
    // neither that nor HOME gives a place.
    static std::filesystem::path defaultFile();

    const std::filesystem::path &file() const { return m_file; }

    // Creates the journal's folder (mode 0700) if needed, so that a place the
    // journal cannot go is found out before anything moves.
    void prepare() const;
    // Replaces the journal atomically.
    void save(const UndoRecord &record) const;
    // The stored record, or nullopt when there is no journal. Throws
    // std::runtime_error when the journal cannot be read, is damaged or names
    // paths outside its folder; the file is left as it is for inspection.
    std::optional<UndoRecord> load() const;
    // Empties the journal (removes the file) durably.
    void discard() const;

private:
    std::filesystem::path m_file;
};
