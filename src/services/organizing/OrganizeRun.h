#pragma once

#include "model/OrganizationPlan.h"
#include "services/filesystem/FileSystem.h"
#include "services/organizing/RunReports.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class RunJournal;

// One organizing run inside the plan's folder, opened (`root`): creates the
// destination folders, moves each file (never replacing anything) and removes again
// the folders it made that stayed empty. With a journal, each batch of moves is
// announced there, durably, before any of them is made, and each move is marked as it
// happens; a journal that cannot be written stops the run (RunReport::stoppedBy).
class OrganizeRun
{
public:
    using SkipReporter
        = std::function<void(const std::string &name, const ErrorMessage &description)>;

    // Moves announced in the journal with one sync; a crash leaves at most this many
    // to settle by looking, and a disk pays one flush for each.
    static constexpr std::size_t defaultBatchSize = 4096;

    OrganizeRun(FileSystem &fileSystem, const SkipReporter &skipReporter,
        std::size_t batchSize = defaultBatchSize)
        : m_fileSystem(fileSystem)
        , m_skipReporter(skipReporter)
        , m_batchSize(batchSize > 0 ? batchSize : defaultBatchSize)
    { }

    // Throws only when a destination folder cannot be created (nothing moved). The
    // plan indexes of the moves that happened are appended to `moved`.
    RunReport execute(const OrganizationPlan &plan, int root, RunJournal *journal,
        const RunControl &control, std::vector<std::uint32_t> *moved) const;

private:
    FileSystem &m_fileSystem;
    const SkipReporter &m_skipReporter;
    std::size_t m_batchSize;
};
