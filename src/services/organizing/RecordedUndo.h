#pragma once

#include "services/journal/JournalLines.h"
#include "services/journal/JournalStore.h"
#include "services/organizing/OpenFolder.h"
#include "services/organizing/RunReports.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

struct RunRecord;

// Which recorded run an undo takes back, and its undo under the folder's lock: the
// run's files moved back, the journal settled before and tidied after, and what could
// not go back kept for the details.
class RecordedUndo
{
public:
    // `journals`: the journal's place, written through the file system of the undo.
    RecordedUndo(const JournalStore &journals, std::chrono::milliseconds lockWait)
        : m_journals(journals)
        , m_fileSystem(journals.fileSystem())
        , m_lockWait(lockWait)
    { }

    // See OrganizingService::undoLast and OrganizingService::undoRun.
    UndoReport undoLast(
        const std::optional<std::filesystem::path> &folder, const RunControl &control) const;
    UndoReport undoRun(const std::optional<std::filesystem::path> &folder, const std::string &runId,
        const RunControl &control) const;

private:
    // The folder a run's header names, opened; throws EngineError, saying how to undo
    // it by its new path, when it is gone or is another folder now.
    OpenFolder openRecordedFolder(const JournalLines::Header &header) const;
    // Under the folder's lock, before an undo acts: settles its killed runs (see
    // RecordedRun::settleKilledRuns) and removes the folders earlier undos had to leave.
    void settleBeforeUndo(const OpenFolder &root, const std::filesystem::path &folder) const;
    // Removes what earlier undone runs of the folder made and had to leave, now empty;
    // the run file `undone` is passed over.
    void removeFoldersLeftBy(const OpenFolder &root, const std::filesystem::path &folder,
        const std::filesystem::path &undone) const;
    // Keeps what an undo could not restore, for OrganizingService::lastDetails.
    void keepDetails(const UndoReport &report) const;
    UndoReport undoRecord(
        RunRecord &record, const OpenFolder &root, const RunControl &control) const;

    const JournalStore &m_journals;
    FileSystem &m_fileSystem;
    std::chrono::milliseconds m_lockWait;
};
