#pragma once

#include "model/FileMoveOperation.h"
#include "model/OrganizationPlan.h"
#include "services/journal/JournalStore.h"
#include "services/journal/RunDetails.h"
#include "services/organizing/FileOrganizerService.h"
#include "services/organizing/RunReports.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <vector>

struct RunRecord;

// Every organizing run recorded on disk, ahead of its moves, so that it can be
// undone after a crash or a restart, from the app or from tidyra-cli. One run at a
// time per folder; each folder keeps its last 20 runs that moved anything (and runs
// that were killed, whose files may still be away), as its history. Undo takes back
// the last run (and a killed run before it); any run of the history can be undone by
// its id, without touching the files of later runs.
class UndoService
{
public:
    // An empty `stateFolder` means JournalStore::defaultFolder().
    explicit UndoService(std::filesystem::path stateFolder = {});

    // Carries `plan` out with its run recorded. Throws (nothing moved) when the
    // folder cannot be opened, is busy with another run, or the journal cannot be
    // written; a journal that fails later stops the run (RunReport::stoppedBy). A
    // run that moves nothing leaves the folder's last run undoable.
    // The moves that happened are appended to `executed`, in plan order.
    RunReport organize(const FileOrganizerService &organizer, const OrganizationPlan &plan,
        const RunControl &control = {}, std::vector<FileMoveOperation> *executed = nullptr,
        RunOrigin origin = RunOrigin::manual) const;

    // Undoes the last run of `folder`, or the last run of all when none is given; once
    // it is undone there is nothing more to undo until the next run.
    // What cannot be moved back stays recorded for a later undo. Throws when the
    // journal cannot be read or its folder is gone; the journal then stays as it is.
    UndoReport undoLast(const FileOrganizerService &organizer,
        const std::optional<std::filesystem::path> &folder, const RunControl &control = {}) const;

    // Undoes the recorded run `runId` (of `folder`, when given), which need not be the
    // last: files that later runs moved are never touched. A run undone already gives
    // nothingToUndo. Throws EngineError (EngineCondition::noSuchRun) when no such run is
    // recorded.
    UndoReport undoRun(const FileOrganizerService &organizer,
        const std::optional<std::filesystem::path> &folder, const std::string &runId,
        const RunControl &control = {}) const;

    // The recorded runs of `folder`, newest first (at most the last 20).
    std::vector<RunHistoryEntry> history(
        const FileOrganizerService &organizer, const std::filesystem::path &folder) const;

    // The files of the recorded run `runId` of `folder`, in the order the run moved
    // them, with where each is now. Only looks; read on request, as a run may hold
    // 100,000 files. Throws EngineError (EngineCondition::noSuchRun) when no such run
    // of the folder is recorded.
    std::vector<RecordedMove> runMoves(const FileOrganizerService &organizer,
        const std::filesystem::path &folder, const std::string &runId) const;

    // A token of the recorded runs of `folder` as the journal holds them now (their
    // files, sizes and times): it changes whenever a run is recorded, marked or undone,
    // so a history read before can be reused while it stays the same. Cheap: no run is
    // read. It does not see files moved by hand since.
    std::string historyStamp(
        const FileOrganizerService &organizer, const std::filesystem::path &folder) const;

    // Whether `folder` has a recorded run to undo. Cheap: nothing is read.
    bool canUndo(const FileOrganizerService &organizer, const std::filesystem::path &folder) const;

    // The details of the last run or undo of `folder` that left files out; nullopt when
    // the folder's last run and undo left nothing out (or nothing is recorded). Const,
    // for a worker thread: only the folder's details file is read.
    std::optional<RunDetails> lastDetails(const std::filesystem::path &folder) const;

    // How long to wait for another run on the same folder.
    void setLockWait(std::chrono::milliseconds wait) { m_lockWait = wait; }

private:
    const JournalStore &store() const;
    // The folder a run's header names, opened; throws EngineError, saying how to undo
    // it by its new path, when it is gone or is another folder now.
    static FileOrganizerService::OpenFolder openRecordedFolder(
        const FileOrganizerService &organizer, const JournalLines::Header &header);
    // Under the folder's lock, before an undo acts: settles its killed runs (see
    // RecordedRun::settleKilledRuns) and removes the folders earlier undos had to leave.
    void settleBeforeUndo(const FileOrganizerService &organizer,
        const FileOrganizerService::OpenFolder &root, const std::filesystem::path &folder) const;
    // Removes what earlier undone runs of the folder made and had to leave, now empty;
    // the run file `undone` is passed over.
    void removeFoldersLeftBy(const FileOrganizerService &organizer,
        const FileOrganizerService::OpenFolder &root, const std::filesystem::path &folder,
        const std::filesystem::path &undone) const;
    // Keeps what an undo could not restore, for lastDetails.
    void keepDetails(const FileOrganizerService &organizer, const UndoReport &report) const;
    UndoReport undoRecord(const FileOrganizerService &organizer, RunRecord &record,
        const FileOrganizerService::OpenFolder &root, const RunControl &control) const;

    std::optional<JournalStore> m_store;
    ErrorMessage m_noPlace; // why there is no journal place, when there is none
    std::chrono::milliseconds m_lockWait { 3000 };
};
