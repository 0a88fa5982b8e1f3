#pragma once

#include "FileMoveOperation.h"
#include "FileSystem.h"
#include "OrganizationPlan.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Scans a folder into a plan, carries plans out and reverses them. Keeps no state
// between calls. Failures are thrown as FileSystemError; a single move that fails
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
    // `candidate` when nothing is there, else the first free "name (n).ext".
    std::filesystem::path uniqueDestination(const std::filesystem::path &candidate) const;

    // Creates the destination folders, moves each file (never replacing anything),
    // cleans up empty category folders and returns the moves that happened, in plan
    // order. Throws only when a destination folder cannot be created (nothing moved).
    std::vector<FileMoveOperation> executePlan(const OrganizationPlan &plan) const;
    // Removes the empty immediate sub-folders of `folderURL` that are named after a
    // category; never fails and never deletes anything but an empty folder.
    void removeEmptySubfolders(const std::filesystem::path &folderURL) const;

    // Moves files back, newest first; a file no longer at its destination is passed
    // over. Throws on the first move back that fails; later ones are not tried.
    void undoOperations(const std::vector<FileMoveOperation> &operations) const;

    // Where skipped moves go; by default the line "[Tidyra] Skipped NAME: DESCRIPTION"
    // on standard output.
    void setSkipReporter(SkipReporter reporter);

    FileSystem &fileSystem() const { return *m_fileSystem; }

private:
    // `name` when nothing in the open `folder` has it, else the first free "name (n).ext".
    std::string freeName(int folder, const std::string &name) const;

    std::shared_ptr<FileSystem> m_fileSystem;
    SkipReporter m_skipReporter;
};
