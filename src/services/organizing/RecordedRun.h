#pragma once

#include "services/journal/JournalStore.h"
#include "services/journal/RunDetailsWriter.h"
#include "services/journal/RunJournal.h"
#include "services/organizing/OpenFolder.h"
#include "services/organizing/RunReports.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

// One organizing run as the journal keeps it: the folder opened and held (its lock)
// for as long as the run lasts, and the run's file, its header on disk before anything
// moves. Construction throws EngineError, with nothing moved, when the folder cannot be
// opened, is busy with another run, or the journal cannot be written.
class RecordedRun
{
public:
    // Runs kept for each folder's history; older ones are forgotten as new ones come.
    static constexpr std::size_t keptRuns = 20;

    // `journals`: the journal's place, written through the file system of the run.
    RecordedRun(const JournalStore &journals, const std::filesystem::path &folder, RunOrigin origin,
        std::chrono::milliseconds lockWait);

    int root() const { return m_root.handle.get(); }
    RunJournal &journal() { return *m_journal; }
    std::string id() const { return JournalStore::runId(m_file); }

    // The moves failed before the first one: the run never happened, and the folder's
    // last run stays the one to undo.
    void abandon();
    // The moves are over. A run that moved nothing is forgotten; otherwise the folder's
    // runs beyond the last keptRuns are, but for runs that were killed, whose files may
    // still be away. Tidying the journal never fails: the files have moved by now.
    void finish(const RunReport &report);

    // Settles, by looking (KilledRunSettling::settleUnknown), the moves of the folder's killed runs
    // that no mark settles, and (KilledRunSettling::settleBack) the moves a killed undo put back
    // without marking them, and writes the marks. Exact only now, with the folder's lock
    // taken and nothing moved yet: later, a file that a later run moved to the same name
    // would look like a move of the killed run. Throws EngineError when the marks cannot
    // be written.
    static void settleKilledRuns(
        const JournalStore &journals, const OpenFolder &root, const std::filesystem::path &folder);

    // Whether a run recorded with `header` is a run of the folder opened as `root`.
    static bool belongsTo(const JournalLines::Header &header, const OpenFolder &root,
        const std::filesystem::path &folder);

private:
    JournalStore m_journals;
    std::filesystem::path m_folder;
    OpenFolder m_root;
    FileDescriptor m_lock;
    std::filesystem::path m_file;
    std::string m_previous; // the last run before this one
    std::optional<RunDetailsWriter> m_details;
    std::optional<RunJournal> m_journal;
};
