#include "CliApplication.h"

#include "CliCommands.h"
#include "HelpFormatter.h"
#include "StoppableOutput.h"
#include "WatchLoop.h"
#include "model/Text.h"
#include "services/organizing/OrganizingService.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>

#include <CLI/CLI.hpp>
#include <poll.h>
#include <unistd.h>

namespace CliApplication {
namespace {

constexpr const char *pathEncodingHelp
    = "In JSON, a path that is valid UTF-8 is a string; any other path (file names are bytes) "
      "is the object {\"base64\": \"<standard base64 of its bytes>\"}, so no name is lost.";

std::string footer()
{
    return std::string("Every run is recorded, ahead of its moves, in $XDG_STATE_HOME/tidyra/ (by "
                       "default ~/.local/state/tidyra/), shared with the Tidyra app: the last run "
                       "of each folder can be undone, also after a crash, and each of its last 20 "
                       "runs by its id (see history).\n")
        + pathEncodingHelp
        + "\n\nExit status: 0 done (watch: stopped between runs); 1 error or interrupted; 2 usage "
          "error; 3 done, but some files were skipped (organize), or not restored or an empty "
          "folder not removed (undo).";
}

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

constexpr const char *tryHelp = "Try 'tidyra-cli --help'.\n";

// A usage error is told in one line and a pointer to the help, as other tools do: the
// whole help would push the mistake off the screen.
std::string usageFailure(const CLI::App *, const CLI::Error &error)
{
    return "Error: " + Text::displayText(error.what()) + '\n' + tryHelp;
}

// Whole seconds, as the app's setting takes them; CLI11's own message for a word that is
// no number names neither the option nor what it wants.
std::string settleProblem(const std::string &text)
{
    long seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error == std::errc() && end == text.data() + text.size() && seconds >= 1
        && seconds <= 86400)
        return {};
    return "\"" + Text::displayText(text) + "\" is not a whole number of seconds from 1 to 86400";
}

} // namespace

int run(int argc, char **argv)
{
    CLI::App app("Tidyra sorts the files lying directly in a folder into category folders "
                 "(Images, Documents, ... Others) and can undo the last run.",
        "tidyra-cli");
    // -v too, as tidyra takes it: the two programs answer the same version flags.
    app.set_version_flag("-V,-v,--version", std::string("tidyra-cli ") + TIDYRA_VERSION,
        "Show the version and exit");
    app.set_help_flag("-h,--help", "Show this help and exit");
    app.set_help_all_flag("--help-all", "Show the help of every command and exit");
    app.footer(footer());
    app.formatter(std::make_shared<HelpFormatter>());
    app.require_subcommand(1);
    app.failure_message(usageFailure);

    std::string folder;
    bool asJson = false;
    CLI::App *preview = app.add_subcommand(
        "preview", "Show the folder tree organizing would make; changes nothing");
    preview->add_option("FOLDER", folder, "The folder to look at")->required()->type_name("");
    preview->add_flag("--json", asJson,
        std::string("Print the plan as JSON: {\"folder\", \"operations\": "
                    "[{\"source\", \"destination\", \"category\", "
                    "\"subGroup\"}], \"skipped\": [{\"source\", \"reason\"}]}. ")
            + pathEncodingHelp);
    CLI::App *organize
        = app.add_subcommand("organize", "Sort the folder's files into category folders");
    organize->add_option("FOLDER", folder, "The folder to organize")->required()->type_name("");
    CLI::App *undo = app.add_subcommand(
        "undo", "Move the files of the last run back (of FOLDER, when one is given)");
    std::string undoFolder;
    undo->add_option("FOLDER", undoFolder, "The folder whose last run to undo")->type_name("");
    std::string runId;
    undo->add_option("--run", runId,
            "Undo the run with this id instead (see history); files of later runs stay "
            "where they are")
        ->type_name("ID")
        // An empty id would otherwise mean "no --run" and undo the last run instead.
        ->check(CLI::Validator(
            [](const std::string &id) {
                return id.empty() ? std::string("the run id is empty; see history for the ids")
                                  : std::string();
            },
            ""));
    CLI::App *history = app.add_subcommand("history",
        "List the recorded runs of FOLDER, newest first: id, start (UTC), manual or automatic, "
        "files moved, files still undoable");
    history->add_option("FOLDER", folder, "The folder whose runs to list")
        ->required()
        ->type_name("");
    history->add_flag("--json", asJson,
        std::string("Print the runs as JSON: {\"folder\", \"runs\": [{\"id\", \"started\", "
                    "\"automatic\", \"moved\", \"undoable\", \"ended\", \"undone\"}]}. ")
            + pathEncodingHelp);
    CLI::App *watch = app.add_subcommand(
        "watch", "Organize the folder automatically, each file once it has settled; Ctrl-C stops");
    watch->add_option("FOLDER", folder, "The folder to watch")->required()->type_name("");
    long settleSeconds = 60;
    watch
        ->add_option("--settle", settleSeconds,
            "Seconds a file must stay unchanged before it is organized, 1 to 86400 (default 60)")
        ->type_name("SECONDS")
        ->check(CLI::Validator(settleProblem, ""));

    // A first word that is not an option and names no command is a mistyped command,
    // which CLI11 would only report as a missing one.
    const auto isCommand = [&](const std::string &word) {
        return preview->check_name(word) || organize->check_name(word) || undo->check_name(word)
            || history->check_name(word) || watch->check_name(word);
    };
    if (argc > 1 && argv[1][0] != '-' && !isCommand(argv[1])) {
        std::cerr << "Error: unknown command \"" << Text::displayText(argv[1]) << "\"\n" << tryHelp;
        return static_cast<int>(ExitStatus::usage);
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &error) {
        const int code = app.exit(error, std::cout, std::cerr);
        return code == 0 ? 0 : static_cast<int>(ExitStatus::usage);
    }

    installSignalHandlers();
    ExitStatus status = ExitStatus::success;
    try {
        if (preview->parsed()) {
            StoppableOutput stoppable(std::cout.rdbuf(), stopRequested);
            std::ostream out(&stoppable);
            status = CliCommands::preview(folder, asJson, out);
            if (stopRequested.load()) {
                std::cout.flush();
                std::cerr << "Interrupted: the preview stopped; nothing was changed.\n";
                return static_cast<int>(ExitStatus::failure);
            }
        } else {
            const OrganizingService runs;
            if (organize->parsed())
                status = CliCommands::organize(folder, runs, &stopRequested, std::cout, std::cerr);
            else if (undo->parsed())
                status = CliCommands::undo(undoFolder.empty()
                        ? std::nullopt
                        : std::optional(std::filesystem::path(undoFolder)),
                    runs, &stopRequested, std::cout, std::cerr, runId);
            else if (history->parsed())
                status = CliCommands::history(folder, asJson, runs, std::cout);
            else if (watch->parsed())
                status = WatchLoop(folder, std::chrono::seconds(settleSeconds), runs, stopRequested,
                    std::cout, std::cerr)
                             .run();
        }
    } catch (const std::exception &error) {
        std::cout.flush();
        std::cerr << (undo->parsed() ? "Undo failed: " : "Error: ")
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
