#pragma once

#include "model/OrganizationPlan.h"
#include "services/filesystem/FileSystem.h"
#include "services/filesystem/FolderWalker.h"
#include "services/journal/JournalLines.h"
#include "services/organizing/RunReports.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

class RunJournal;
struct RunRecord;

// Scans a folder into a plan, carries plans out and reverses them. Keeps no state
// between calls. Failures are thrown as EngineError; a single move that fails
// during execution is reported as skipped and is not a failure.
class FileOrganizerService
{
public:
    // Receives each skipped move: the file's name (bytes) and why it was skipped.
    using SkipReporter
        = std::function<void(const std::string &name, const ErrorMessage &description)>;

    // Uses the real file system when none is given.
    explicit FileOrganizerService(std::shared_ptr<FileSystem> fileSystem = {});

    // One move per regular, non-hidden file directly in `folderURL`, downloads still in
    // progress left out. Touches nothing.
    OrganizationPlan buildPlan(const std::filesystem::path &folderURL) const;

    // The chosen folder opened once, with its identity; every later step works
    // through this handle, so a folder swapped for a link meanwhile is never followed.
    struct OpenFolder
    {
        FileDescriptor handle;
        FileIdentity identity;
        bool stableInodes = false; // see InodeTrust
    };
    OpenFolder openFolder(const std::filesystem::path &folderURL) const;

    // The run itself, inside `root` (the plan's folder, opened): creates the
    // destination folders, moves each file (never replacing anything) and removes again
    // the folders it made that stayed empty. With a journal, each batch of moves is
    // announced there, durably, before any of them is made, and each move is marked as
    // it happens. A journal that cannot be written stops the run (RunReport::stoppedBy).
    // Throws only when a destination folder cannot be created (nothing moved). The plan
    // indexes of the moves that happened are appended to `moved`.
    RunReport executeMoves(const OrganizationPlan &plan, int root, RunJournal *journal,
        const RunControl &control, std::vector<std::uint32_t> *moved) const;

    // Moves a recorded run's files back inside `root`, newest first: only a file still
    // where the run put it and still the same file: the same inode where inode numbers
    // hold, else the same size and modification time (to the nanosecond), a regular
    // file in either case. Each outcome is marked in the run's journal; what could not
    // be moved back stays pending there, and a run taken back whole is marked undone
    // (its record stays as history). Removes what the run left behind: the folders it
    // made (or announced) once they are empty, and the empty reservation of a move
    // that a kill interrupted.
    UndoReport undoMoves(int root, RunRecord &record, const RunControl &control) const;

    // Where skipped moves go; by default the line "[Tidyra] Skipped NAME: DESCRIPTION"
    // on standard output.
    void setSkipReporter(SkipReporter reporter);
    // How many moves a run announces in its journal with one sync (OrganizeRun's
    // default when 0): smaller in tests that need a run of several batches.
    void setBatchSize(std::size_t size) { m_batchSize = size; }
    // The file system it works through, for read-only looks of its callers.
    FileSystem &fileSystem() const { return *m_fileSystem; }

private:
    // `name` when neither an entry of the open `folder` (none looked at when -1) nor an
    // earlier move of the plan (`planned`) has it, else the first free "name (n).ext".
    std::string uniqueDestination(int folder, const std::string &name,
        const std::unordered_set<std::string_view> &planned) const;

    std::shared_ptr<FileSystem> m_fileSystem;
    SkipReporter m_skipReporter;
    std::size_t m_batchSize = 0;
};
