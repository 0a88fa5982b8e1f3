#pragma once

#include "model/FileMoveOperation.h"
#include "model/OrganizationPlan.h"
#include "services/errors/ErrorMessage.h"
#include "services/organizing/OpenFolder.h"
#include "services/organizing/RunReports.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

class OrganizingService;
class RulesFile;

// One automatic run over the files of a watched folder that have settled: planned as
// a manual run is (downloads in progress left out), restricted to those files, each
// checked again just before, and recorded for undo as an automatic run.
class AutoTidyRun
{
public:
    struct Result
    {
        bool ran = false; // a run was made; false when nothing was left to move
        RunReport report;
        // Names to track again: still being written, the folder busy with another run,
        // or the rules file unusable.
        std::vector<std::string> retry;
        // Why nothing ran: the rules file cannot be used until it is fixed.
        ErrorMessage rulesProblem;
    };

    // `settle`: how long a file must have stayed unchanged. `stateFolder`: where `runs`
    // records runs; empty means JournalStore::defaultFolder(), as for OrganizingService.
    AutoTidyRun(const OrganizingService &runs, std::chrono::milliseconds settle,
        std::filesystem::path stateFolder = {});

    // Organizes those of `settled` (names directly in `folder`) that are still regular
    // files there and no longer written to: not modified within half the settle time
    // (inotify misses writes through a shared mapping, and nothing is seen while a
    // watch is being set up) and not held open for writing by any process (a download
    // that stalled keeps its file open). A file an undo put back, whoever ran it, stays
    // until it is changed (see PutBackNames). A folder busy with another run, manual or
    // automatic, is no failure: every name comes back in Result::retry. Throws
    // EngineError as OrganizingService::organize does otherwise (nothing moved).
    // Files in `writtenWhole` were last closed after writing, or moved in whole, and
    // unchanged since: they are not looked at again, which for a burst of thousands of
    // files would cost as much as the run itself. (A second writer that keeps such a
    // file open without writing for the whole settle time goes unseen.)
    // With a rules file (setRules), it is read again before each run when it changed;
    // while it cannot be used nothing moves, every name comes back in Result::retry and
    // Result::rulesProblem says why.
    Result run(const std::filesystem::path &folder, const std::vector<std::string> &settled,
        const RunControl &control = {}, std::vector<FileMoveOperation> *executed = nullptr,
        const std::vector<std::string> &writtenWhole = {}) const;

    // The rules file each run follows; none (the default) means the built-in rules. It
    // must outlive this object.
    void setRules(RulesFile *rules) { m_rules = rules; }

private:
    // Drops from `plan` the files an undo put back. False when the folder is busy with
    // another run or undo: every name of the plan is then in `result.retry`.
    bool leavePutBack(const std::filesystem::path &folder, const OpenFolder &root,
        OrganizationPlan &plan, Result &result) const;
    // Whether `name` in the open `root` is written to still, as far as can be told.
    bool stillWritten(int root, const std::string &name, std::int64_t modified) const;

    const OrganizingService &m_runs;
    std::chrono::milliseconds m_settle;
    std::filesystem::path m_stateFolder; // empty when there is no journal place
    RulesFile *m_rules = nullptr;
};
