#pragma once

#include "FileSystem.h"
#include "FolderWalker.h"
#include "JournalLines.h"
#include "OrganizationPlan.h"
#include "RunReports.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

class FileMover;
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
        = std::function<void(const std::string &name, const std::string &description)>;

    // Uses the real file system when none is given.
    explicit FileOrganizerService(std::shared_ptr<FileSystem> fileSystem = {});

    // One move per regular, non-hidden file directly in `folderURL`, downloads still in
    // progress left out. Touches nothing.
    OrganizationPlan buildPlan(const std::filesystem::path &folderURL) const;
    // The plan's earlier name, until every caller says buildPlan.
    OrganizationPlan planMoves(const std::filesystem::path &folderURL) const
    {
        return buildPlan(folderURL);
    }

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
    // file in either case. Each outcome is marked in `journal`; what could not be
    // moved back stays pending there. Removes what the run left behind: the folders
    // it made (or announced) once they are empty, and the empty reservation of a move
    // that a kill interrupted.
    UndoReport undoMoves(
        int root, RunRecord &record, RunJournal &journal, const RunControl &control) const;

    // Where skipped moves go; by default the line "[Tidyra] Skipped NAME: DESCRIPTION"
    // on standard output.
    void setSkipReporter(SkipReporter reporter);
    // The file system it works through, for read-only looks of its callers.
    FileSystem &fileSystem() const { return *m_fileSystem; }

private:
    // `name` when nothing in the open `folder` has it, else the first free "name (n).ext".
    std::string uniqueDestination(int folder, const std::string &name) const;

    // The one move step of runs and undos: between the chosen folder (`root`) and the
    // folder `parts` below it, inward or back out. Returns 0 or the errno, with `why`
    // naming the item and the reason.
    std::error_code moveAcross(FolderWalker &walker, FileMover &mover, int root,
        const std::vector<std::string> &parts, const std::string &rootName,
        const std::string &innerName, bool inward, const FileIdentity &identity,
        const std::string &rootFolderName, std::string &why) const;

    struct Whereabouts;
    enum class Recognition : std::uint8_t;
    static bool isRecordedFile(const EntryInfo &info, const JournalLines::Intent &intent,
        const FileIdentity &expected, Recognition recognition);
    Whereabouts locate(FolderWalker &walker, int root, const JournalLines::Intent &intent,
        const FileIdentity &expected, Recognition recognition) const;

    // Removes the empty file `seen` at `name` in the folder `folderParts`, while it is
    // still that file: what a killed run's fallback move reserved.
    void removeReservation(FolderWalker &walker, const std::vector<std::string> &folderParts,
        const std::string &name, const EntryInfo &seen) const;

    // Removes, deepest first, the folders in `made` that are empty and still the
    // folders that were made (by name alone where the identity is {}); a folder that
    // was there before is never touched.
    void removeMadeFolders(int root, const std::vector<FolderWalker::Created> &made) const;

    std::shared_ptr<FileSystem> m_fileSystem;
    SkipReporter m_skipReporter;
};
