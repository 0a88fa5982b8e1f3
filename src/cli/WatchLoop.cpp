#include "WatchLoop.h"

#include "model/Text.h"
#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/organizing/OrganizingService.h"
#include "services/watching/AutoTidyRun.h"
#include "services/watching/InotifyChangeSource.h"
#include "services/watching/WatchedFolder.h"

#include <cerrno>
#include <csignal>
#include <ostream>
#include <system_error>

#include <poll.h>

namespace {

using Clock = std::chrono::steady_clock;

// Ctrl-C and SIGTERM stay blocked except inside ppoll and during a run: a signal that
// comes just before the wait then ends the wait instead of being slept through.
class StopSignals
{
public:
    StopSignals()
    {
        sigset_t stops;
        sigemptyset(&stops);
        sigaddset(&stops, SIGINT);
        sigaddset(&stops, SIGTERM);
        ::sigprocmask(SIG_BLOCK, &stops, &m_open);
        sigdelset(&m_open, SIGINT);
        sigdelset(&m_open, SIGTERM);
        ::sigprocmask(SIG_SETMASK, nullptr, &m_closed);
    }
    ~StopSignals() { open(); }
    StopSignals(const StopSignals &) = delete;
    StopSignals &operator=(const StopSignals &) = delete;

    const sigset_t &whileWaiting() const { return m_open; }
    void open() const { ::sigprocmask(SIG_SETMASK, &m_open, nullptr); }
    void close() const { ::sigprocmask(SIG_SETMASK, &m_closed, nullptr); }

private:
    sigset_t m_open;
    sigset_t m_closed;
};

} // namespace

WatchLoop::WatchLoop(std::filesystem::path folder, std::chrono::milliseconds settle,
    const OrganizingService &runs, RulesFile &rules, const std::atomic<bool> &stop,
    std::ostream &out, std::ostream &err)
    : m_folder(std::move(folder))
    , m_settle(settle)
    , m_runs(runs)
    , m_rules(rules)
    , m_stop(stop)
    , m_out(out)
    , m_err(err)
{
    // The journal names the folder the same way from any working directory.
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::canonical(m_folder, error);
    if (!error)
        m_folder = std::move(resolved);
}

ExitStatus WatchLoop::run()
{
    AutoTidyRun autoRun(m_runs, m_settle);
    autoRun.setRules(&m_rules);
    // The rules file's fault last told, so that it is told once, not at every retry.
    ErrorMessage toldProblem;
    StopSignals signals;
    WatchedFolder watched(m_folder, std::make_unique<InotifyChangeSource>(m_folder), m_settle);
    watched.changeAll(Clock::now());
    const std::string name = Text::displayText(m_folder.filename().native());
    m_out << "Watching " << ErrorDescriptions::inQuotes(m_folder.native())
          << ": files are organized once unchanged for "
          << std::chrono::duration<double>(m_settle).count() << " s. Ctrl-C stops.\n";
    m_out.flush();

    pollfd changes { watched.readyHandle(), POLLIN, 0 };
    // A run the journal stopped half-way is told by the exit status too, as organize tells it.
    bool stoppedHalfWay = false;
    while (!m_stop.load()) {
        const std::optional<Clock::time_point> next = watched.tracker().nextDeadline();
        timespec timeout {};
        if (next) {
            const auto wait = std::max(*next - Clock::now(), Clock::duration::zero());
            const auto seconds = std::chrono::floor<std::chrono::seconds>(wait);
            timeout.tv_sec = seconds.count();
            timeout.tv_nsec = std::chrono::nanoseconds(wait - seconds).count();
        }
        const int ready = ::ppoll(&changes, 1, next ? &timeout : nullptr, &signals.whileWaiting());
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            throw EngineError(errno, ErrorMessage { ErrorKind::cannotWaitForChanges, {}, errno });
        }
        if (ready > 0)
            watched.readChanges(Clock::now());
        std::vector<std::string> writtenWhole;
        const std::vector<std::string> settled
            = watched.tracker().takeSettled(Clock::now(), &writtenWhole);
        if (settled.empty())
            continue;

        AutoTidyRun::Result result;
        RunControl control;
        control.cancel = &m_stop;
        signals.open();
        try {
            result = autoRun.run(m_folder, settled, control, nullptr, writtenWhole);
        } catch (const EngineError &error) {
            // Nothing moved; the files are tried again when they change.
            signals.close();
            m_err << "Error: " << Text::displayText(error.what()) << '\n';
            continue;
        }
        signals.close();
        watched.retry(result.retry, Clock::now());
        if (result.rulesProblem != toldProblem) {
            if (result.rulesProblem.empty())
                m_out << "The rules file can be used again: automatic runs go on.\n";
            else
                m_err << "Error: " << Text::displayText(result.rulesProblem.english())
                      << "; nothing is organized until the rules file is fixed.\n";
            toldProblem = result.rulesProblem;
        }
        if (!result.ran)
            continue;
        const RunReport &report = result.report;
        m_out << "Organized " << Text::fileCount(report.moved) << " in " << name
              << " automatically";
        if (report.skipped > 0)
            m_out << ", " << report.skipped << " skipped";
        m_out << ".\n";
        m_out.flush();
        if (report.cancelled) {
            m_err << "Interrupted: the run stopped after " << Text::fileCount(report.moved)
                  << "; \"tidyra-cli undo\" moves them back.\n";
            return ExitStatus::failure;
        }
        if (!report.stoppedBy.empty())
            m_err << "Error: " << report.stoppedBy.english() << "; the run stopped after "
                  << Text::fileCount(report.moved) << ", which \"tidyra-cli undo\" moves back.\n";
        stoppedHalfWay = stoppedHalfWay || !report.stoppedBy.empty();
    }
    return stoppedHalfWay ? ExitStatus::failure : ExitStatus::success;
}
