#pragma once

#include "model/FileMoveOperation.h"
#include "model/OrganizationPlan.h"
#include "model/SortingRules.h"
#include "services/filesystem/FileSystem.h"
#include "services/journal/JournalStore.h"
#include "services/journal/RunDetails.h"
#include "services/organizing/RunReports.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Organizing a folder, from its plan to the run, its undo and its history, every run
// recorded on disk ahead of its moves, so that it can be undone after a crash or a
// restart, from the app or from tidyra-cli. One run at a time per folder; each folder
// keeps its last 20 runs that moved anything (and runs that were killed, whose files
// may still be away), as its history. Undo takes back the last run (and a killed run
// before it); any run of the history can be undone by its id, without touching the
// files of later runs. Failures are thrown as EngineError; a single move that fails
// during a run is reported as skipped and is not a failure.
class OrganizingService
{
public:
    // An empty `stateFolder` means JournalStore::defaultFolder(); the real file system
    // is used when none is given.
    explicit OrganizingService(
        std::filesystem::path stateFolder = {}, std::shared_ptr<FileSystem> fileSystem = {});

    // One move per regular, non-hidden file directly in `folderURL`, downloads still in
    // progress and what `rules` leave alone left out. Touches nothing.
    OrganizationPlan buildPlan(
        const std::filesystem::path &folderURL, const SortingRules &rules) const;
    // The same under the built-in rules, for callers that do not read a rules file yet.
    OrganizationPlan buildPlan(const std::filesystem::path &folderURL) const
    {
        return buildPlan(folderURL, *SortingRules::builtIn());
    }

    // Carries `plan` out with its run recorded: creates the destination folders, moves
    // each file (never replacing anything) and removes again the folders it made that
    // stayed empty. Throws (nothing moved) when the folder cannot be opened, is busy
    // with another run, the journal cannot be written, or a destination folder cannot
    // be created; a journal that fails later stops the run (RunReport::stoppedBy). A
    // run that moves nothing leaves the folder's last run undoable.
    // The moves that happened are appended to `executed`, in plan order.
    RunReport organize(const OrganizationPlan &plan, const RunControl &control = {},
        std::vector<FileMoveOperation> *executed = nullptr,
        RunOrigin origin = RunOrigin::manual) const;

    // Undoes the last run of `folder`, or the last run of all when none is given; once
    // it is undone there is nothing more to undo until the next run.
    // What cannot be moved back stays recorded for a later undo. Throws when the
    // journal cannot be read or its folder is gone; the journal then stays as it is.
    UndoReport undoLast(
        const std::optional<std::filesystem::path> &folder, const RunControl &control = {}) const;

    // Undoes the recorded run `runId` (of `folder`, when given), which need not be the
    // last: files that later runs moved are never touched. A run undone already gives
    // nothingToUndo. Throws EngineError (EngineCondition::noSuchRun) when no such run is
    // recorded.
    UndoReport undoRun(const std::optional<std::filesystem::path> &folder, const std::string &runId,
        const RunControl &control = {}) const;

    // The recorded runs of `folder`, newest first (at most the last 20).
    std::vector<RunHistoryEntry> history(const std::filesystem::path &folder) const;

    // The files of the recorded run `runId` of `folder`, in the order the run moved
    // them, with where each is now. Only looks; read on request, as a run may hold
    // 100,000 files. Throws EngineError (EngineCondition::noSuchRun) when no such run
    // of the folder is recorded.
    std::vector<RecordedMove> runMoves(
        const std::filesystem::path &folder, const std::string &runId) const;

    // A token of the recorded runs of `folder` as the journal holds them now (their
    // files, sizes and times): it changes whenever a run is recorded, marked or undone,
    // so a history read before can be reused while it stays the same. Cheap: no run is
    // read. It does not see files moved by hand since.
    std::string historyStamp(const std::filesystem::path &folder) const;

    // Whether `folder` has a recorded run to undo. Cheap: nothing is read.
    bool canUndo(const std::filesystem::path &folder) const;

    // The details of the last run or undo of `folder` that left files out; nullopt when
    // the folder's last run and undo left nothing out (or nothing is recorded). Const,
    // for a worker thread: only the folder's details file is read.
    std::optional<RunDetails> lastDetails(const std::filesystem::path &folder) const;

    // Where skipped moves go; by default the line "[Tidyra] Skipped NAME: DESCRIPTION"
    // on standard output.
    void setSkipReporter(SkipReporter reporter);
    // How many moves a run announces in its journal with one sync (OrganizeRun's
    // default when 0): smaller in tests that need a run of several batches.
    void setBatchSize(std::size_t size) { m_batchSize = size; }
    // How long to wait for another run on the same folder.
    void setLockWait(std::chrono::milliseconds wait) { m_lockWait = wait; }
    // The file system it works through, for read-only looks of its callers.
    FileSystem &fileSystem() const { return *m_fileSystem; }

private:
    const JournalStore &store() const;
    // The journal's place, written through the service's file system.
    JournalStore journals() const { return store().through(*m_fileSystem); }

    std::shared_ptr<FileSystem> m_fileSystem;
    std::optional<JournalStore> m_store;
    ErrorMessage m_noPlace; // why there is no journal place, when there is none
    SkipReporter m_skipReporter;
    std::size_t m_batchSize = 0;
    std::chrono::milliseconds m_lockWait { 3000 };
};
