#pragma once

#include "model/OrganizationPlan.h"
#include "services/filesystem/FileSystem.h"
#include "services/filesystem/FolderWalker.h"
#include "services/organizing/RunReports.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class FileMover;
class RunJournal;

// One organizing run inside the plan's folder, opened (`root`): creates the
// destination folders, moves each file (never replacing anything) and removes again
// the folders it made that stayed empty. Each batch of moves is announced in the
// journal, durably, before any of them is made, and each move is marked as it
// happens; a journal that cannot be written stops the run (RunReport::stoppedBy).
class OrganizeRun
{
public:
    // Moves announced in the journal with one sync; a crash leaves at most this many
    // to settle by looking, and a disk pays one flush for each.
    static constexpr std::size_t defaultBatchSize = 4096;

    OrganizeRun(
        FileSystem &fileSystem, SkipReporter skipReporter, std::size_t batchSize = defaultBatchSize)
        : m_fileSystem(fileSystem)
        , m_skipReporter(std::move(skipReporter))
        , m_batchSize(batchSize > 0 ? batchSize : defaultBatchSize)
    { }

    // Throws only when a destination folder cannot be created (nothing moved). The
    // plan indexes of the moves that happened are appended to `moved`.
    RunReport execute(const OrganizationPlan &plan, int root, RunJournal &journal,
        const RunControl &control, std::vector<std::uint32_t> *moved) const;

private:
    // A move checked and announced, with the identity of the file the look found.
    struct Ready
    {
        const OrganizationPlan::Move *move;
        FileIdentity identity;
    };

    // Announces the folders the run is about to make; false, with the report saying
    // why, when the journal cannot take them.
    bool announceFolders(
        const OrganizationPlan &plan, int root, RunJournal &journal, RunReport &report) const;
    // Makes or opens each target folder through `walker`: why moves into each cannot
    // happen, empty when they can. Throws when one cannot be created.
    std::vector<ErrorMessage> openTargets(
        const OrganizationPlan &plan, int root, FolderWalker &walker, RunJournal &journal) const;
    // What a look at a planned file found.
    struct Look
    {
        int error = 0;
        EntryInfo info;
    };

    // Looks at the planned files of a batch from `first` on, at once: where calls are
    // round trips.
    std::vector<Look> lookAhead(const OrganizationPlan &plan, int root,
        const std::vector<ErrorMessage> &blocked, std::size_t first) const;
    // Checks and announces the moves from `next` on, up to a batch, as MoveDecision
    // tells; the skipped ones are reported. With `overlap`, the looks go at once.
    void announceBatch(const OrganizationPlan &plan, int root, RunJournal &journal,
        const std::vector<ErrorMessage> &blocked, bool overlap, std::size_t &next,
        std::vector<Ready> &batch, RunReport &report) const;
    // Moves `ready`, announced and synced, on several threads at once, each outcome
    // reported and marked once all are done; false, having moved nothing, when the
    // folders' handles cannot all be held meanwhile.
    bool moveTogether(const OrganizationPlan &plan, int root, FolderWalker &walker,
        const FileMover &mover, RunJournal &journal, const RunControl &control,
        std::span<const Ready> ready, RunReport &report, std::vector<std::uint32_t> *moved) const;
    void skip(const std::string &name, const ErrorMessage &description, RunJournal &journal,
        RunReport &report) const;

    FileSystem &m_fileSystem;
    SkipReporter m_skipReporter;
    std::size_t m_batchSize;
};
