#pragma once

#include "ExitStatus.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <iosfwd>

class OrganizingService;
class RulesFile;

// `tidyra-cli watch`: organizes the files of one folder, automatically, once they have
// settled, until `stop` is set (Ctrl-C, SIGTERM). Sleeps in poll() between changes:
// with nothing waiting to settle it has no timeout at all. One line a run goes to
// `out`; a run that fails is reported to `err` and the watch goes on, and one the
// journal stopped half-way makes the status failure at the end; a folder that can no
// longer be watched ends it (thrown as EngineError). The rules file is read again before
// a run when it changed; while it cannot be used, its error is told once and nothing
// moves, and runs go on once it is fixed.
class WatchLoop
{
public:
    WatchLoop(std::filesystem::path folder, std::chrono::milliseconds settle,
        const OrganizingService &runs, RulesFile &rules, const std::atomic<bool> &stop,
        std::ostream &out, std::ostream &err);

    ExitStatus run();

private:
    std::filesystem::path m_folder;
    std::chrono::milliseconds m_settle;
    const OrganizingService &m_runs;
    RulesFile &m_rules;
    const std::atomic<bool> &m_stop;
    std::ostream &m_out;
    std::ostream &m_err;
};
