#include "CliApplication.h"

#include "CliCommands.h"
#include "CliOptions.h"
#include "StoppableOutput.h"
#include "WatchLoop.h"
#include "model/Text.h"
#include "services/filesystem/PosixFileSystem.h"
#include "services/organizing/OrganizingService.h"
#include "services/rules/RulesFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>

#include <poll.h>
#include <unistd.h>

namespace CliApplication {
namespace {

std::atomic<bool> stopRequested { false };

void requestStop(int)
{
    stopRequested.store(true);
}

// Ctrl-C and SIGTERM end a run after the current move, with its record complete;
// a closed pipe makes writes fail (and the exit status say so) instead of killing
// the run half-way. Calls under way when a signal comes are resumed, not failed.
void installSignalHandlers()
{
    struct sigaction action
    {
    };
    action.sa_handler = requestStop;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    (void)std::signal(SIGPIPE, SIG_IGN); // fails only for a signal that does not exist
}

// Whether everything written to standard output reached it.
bool outputReached()
{
    std::cout.flush();
    return std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout);
}

// Whoever read standard output has gone (`tidyra-cli preview DIR | head`): they chose to
// stop reading, which is no error to report.
bool readerHasGone()
{
    pollfd output { STDOUT_FILENO, POLLOUT, 0 };
    return ::poll(&output, 1, 0) == 1 && (output.revents & POLLERR) != 0;
}

// Runs the command of `request`; nullopt when a preview was interrupted, which it has
// said already.
std::optional<ExitStatus> dispatch(const CliRequest &request)
{
    using Command = CliRequest::Command;
    PosixFileSystem disk;
    const bool namedFile = !request.rulesFile.empty();
    RulesFile rulesFile(
        disk, namedFile ? std::filesystem::path(request.rulesFile) : RulesFile::defaultPath());
    // A file named on the command line must be there: a typo would otherwise go unseen.
    rulesFile.setMustExist(namedFile);
    if (request.command == Command::preview) {
        const std::shared_ptr<const SortingRules> rules = rulesFile.current();
        StoppableOutput stoppable(std::cout.rdbuf(), stopRequested);
        std::ostream out(&stoppable);
        const ExitStatus status = CliCommands::preview(request.folder, request.asJson, *rules, out);
        if (stopRequested.load()) {
            std::cout.flush();
            std::cerr << "Interrupted: the preview stopped; nothing was changed.\n";
            return std::nullopt;
        }
        return status;
    }
    const OrganizingService runs;
    switch (request.command) {
    case Command::organize:
        return CliCommands::organize(
            request.folder, *rulesFile.current(), runs, &stopRequested, std::cout, std::cerr);
    case Command::undo:
        return CliCommands::undo(request.undoFolder.empty()
                ? std::nullopt
                : std::optional(std::filesystem::path(request.undoFolder)),
            runs, &stopRequested, std::cout, std::cerr, request.runId);
    case Command::history:
        return CliCommands::history(request.folder, request.asJson, runs, std::cout);
    case Command::watch:
        return WatchLoop(request.folder, std::chrono::seconds(request.settleSeconds), runs,
            rulesFile, stopRequested, std::cout, std::cerr)
            .run();
    case Command::rules:
        return CliCommands::rules(rulesFile, request.asJson, std::cout);
    case Command::preview:
    case Command::answered:
    case Command::usage:
        break;
    }
    return ExitStatus::success;
}

} // namespace

int run(int argc, char **argv)
{
    CliOptions options;
    const CliRequest request = options.parse(argc, argv, std::cout, std::cerr);
    if (request.command == CliRequest::Command::answered)
        return 0;
    if (request.command == CliRequest::Command::usage)
        return static_cast<int>(ExitStatus::usage);

    installSignalHandlers();
    ExitStatus status = ExitStatus::success;
    try {
        const std::optional<ExitStatus> done = dispatch(request);
        if (!done)
            return static_cast<int>(ExitStatus::failure);
        status = *done;
    } catch (const std::exception &error) {
        std::cout.flush();
        std::cerr << (request.command == CliRequest::Command::undo ? "Undo failed: " : "Error: ")
                  << Text::displayText(error.what()) << '\n';
        status = ExitStatus::failure;
    }
    if (!outputReached()) {
        const int error = errno;
        if (readerHasGone())
            return static_cast<int>(ExitStatus::failure);
        std::cerr << "Error: cannot write the output: "
                  << std::generic_category().message(error ? error : EIO) << '\n';
        return static_cast<int>(ExitStatus::failure);
    }
    return static_cast<int>(status);
}

} // namespace CliApplication
