#pragma once

#include "services/filesystem/FileDescriptor.h"
#include "services/filesystem/FileSystem.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The folder where runs are recorded for undo, shared by the app and tidyra-cli:
//   runs/DEVICE-INODE.PATH.STARTED.jsonl
//                                     one file a run, named after the organized
//                                     folder's identity, so a renamed folder keeps it,
//                                     and its path, so a remounted one is found again
//   locks/DEVICE-INODE.lock           held (flock) by the run or undo at work there
//   last-run                          the name of the run file started last
//   details/PATH.jsonl                what the folder's last run left in place or its
//                                     last undo could not restore, by the folder's path
class JournalStore
{
public:
    // Its files are written through `fileSystem`, the real one when none is given.
    explicit JournalStore(std::filesystem::path folder, FileSystem *fileSystem = nullptr);
    // The same place, written through `fileSystem`: the one of the run at work.
    JournalStore through(FileSystem &fileSystem) const
    {
        return JournalStore(m_folder, &fileSystem);
    }
    FileSystem &fileSystem() const { return *m_fileSystem; }

    // $XDG_STATE_HOME/tidyra, or ~/.local/state/tidyra when that is unset or not
    // absolute. Throws EngineError when neither gives a place.
    static std::filesystem::path defaultFolder();

    const std::filesystem::path &folder() const { return m_folder; }

    // Throws EngineError, saying how to fix it, when the folder is not the user's
    // own or others can write to it: undo acts on what it reads there. A folder that
    // does not exist yet is no error.
    void checkTrusted() const;

    // Creates the folders (private to the user) and checks them (see checkTrusted);
    // throws EngineError when it cannot.
    // A place that refuses new files is found when the run's file is created, which
    // is before anything moves.
    void prepare() const;

    // Holds the folder with this identity for one run or undo. Waits up to `wait`
    // for another holder, then throws EngineError (EngineCondition::folderBusy). The kernel drops
    // the lock of a process that dies, so a killed run never blocks.
    FileDescriptor lock(const FileIdentity &folder, std::chrono::milliseconds wait) const;

    // A new run file's path for the folder at `path`; later runs sort after earlier ones.
    std::filesystem::path newRunFile(
        const FileIdentity &folder, const std::filesystem::path &path) const;
    // The run files of the folder with this identity, newest first.
    std::vector<std::filesystem::path> runsOf(const FileIdentity &folder) const;
    // Those of this identity or recorded at this path (whose headers must then be
    // checked), newest first.
    std::vector<std::filesystem::path> runsOf(
        const FileIdentity &folder, const std::filesystem::path &path) const;
    std::filesystem::path runFile(const std::string &name) const;
    // The run files whose id is `id`, newest first (an id is unique but for a clash of
    // clocks).
    std::vector<std::filesystem::path> runsWithId(std::string_view id) const;
    // The id a run goes by in the folder's history: its start time, as its file names it.
    static std::string runId(const std::filesystem::path &run);

    // Where the details of the folder at this path are kept (see RunDetailsWriter).
    std::filesystem::path detailsFile(const std::filesystem::path &folder) const;

    // The name of the run file started last, or empty.
    std::string lastRun() const;
    void setLastRun(const std::string &name) const;

    // Removes a run file; one that is gone already is no error.
    void remove(const std::filesystem::path &run) const;

    // Whether anything has the name `file` (a run file).
    bool exists(const std::filesystem::path &file) const;

private:
    std::filesystem::path runsFolder() const;
    // Like mkdir -p, each folder made private to the user; throws EngineError.
    void makeFolders(const std::filesystem::path &folder) const;
    static std::string key(const FileIdentity &folder);
    static std::string pathKey(const std::filesystem::path &folder);
    // Run files whose names satisfy `matches`, newest first.
    template <typename Matches> std::vector<std::filesystem::path> runsWhere(Matches matches) const;

    std::filesystem::path m_folder;
    FileSystem *m_fileSystem;
};
