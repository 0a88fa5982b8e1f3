#include "CliOptions.h"

#include "HelpFormatter.h"
#include "model/Text.h"

#include <charconv>
#include <ostream>
#include <system_error>
#include <utility>

#include <CLI/CLI.hpp>

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

CliOptions::CliOptions()
    : m_app(std::make_unique<CLI::App>(
        "Tidyra sorts the files lying directly in a folder into category folders "
        "(Images, Documents, ... Others) and can undo the last run.",
        "tidyra-cli"))
{
    // -v too, as tidyra takes it: the two programs answer the same version flags.
    m_app->set_version_flag("-V,-v,--version", std::string("tidyra-cli ") + TIDYRA_VERSION,
        "Show the version and exit");
    m_app->set_help_flag("-h,--help", "Show this help and exit");
    m_app->set_help_all_flag("--help-all", "Show the help of every command and exit");
    m_app->footer(footer());
    m_app->formatter(std::make_shared<HelpFormatter>());
    m_app->require_subcommand(1);
    m_app->failure_message(usageFailure);

    CLI::App *preview = m_app->add_subcommand(
        "preview", "Show the folder tree organizing would make; changes nothing");
    preview->add_option("FOLDER", m_request.folder, "The folder to look at")
        ->required()
        ->type_name("");
    preview->add_flag("--json", m_request.asJson,
        std::string(
            "Print the plan as JSON: {\"folder\", \"operations\": "
            "[{\"source\", \"destination\", \"category\", "
            "\"subGroup\"}], \"skipped\": [{\"source\", \"reason\"}], \"leftAlone\"}; category "
            "is the category's name, leftAlone how many files the rules keep where "
            "they are. ")
            + pathEncodingHelp);
    CLI::App *organize
        = m_app->add_subcommand("organize", "Sort the folder's files into category folders");
    organize->add_option("FOLDER", m_request.folder, "The folder to organize")
        ->required()
        ->type_name("");
    CLI::App *undo = m_app->add_subcommand(
        "undo", "Move the files of the last run back (of FOLDER, when one is given)");
    undo->add_option("FOLDER", m_request.undoFolder, "The folder whose last run to undo")
        ->type_name("");
    undo->add_option("--run", m_request.runId,
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
    CLI::App *history = m_app->add_subcommand("history",
        "List the recorded runs of FOLDER, newest first: id, start (UTC), manual or automatic, "
        "files moved, files still undoable");
    history->add_option("FOLDER", m_request.folder, "The folder whose runs to list")
        ->required()
        ->type_name("");
    history->add_flag("--json", m_request.asJson,
        std::string("Print the runs as JSON: {\"folder\", \"runs\": [{\"id\", \"started\", "
                    "\"automatic\", \"moved\", \"undoable\", \"ended\", \"undone\"}]}. ")
            + pathEncodingHelp);
    CLI::App *watch = m_app->add_subcommand(
        "watch", "Organize the folder automatically, each file once it has settled; Ctrl-C stops");
    watch->add_option("FOLDER", m_request.folder, "The folder to watch")->required()->type_name("");
    watch
        ->add_option("--settle", m_request.settleSeconds,
            "Seconds a file must stay unchanged before it is organized, 1 to 86400 (default 60)")
        ->type_name("SECONDS")
        ->check(CLI::Validator(settleProblem, ""));

    CLI::App *rules = m_app->add_subcommand("rules",
        "Show the sorting rules in force: each category with its folder, extensions and "
        "sub-folders, what is left alone, and the file they come from");
    rules->add_flag("--json", m_request.asJson,
        "Print the rules as JSON: {\"file\", \"categories\": [{\"name\", \"folder\", "
        "\"extensions\", \"subfolders\"}], \"leaveAlone\": {\"names\", "
        "\"newerThanSeconds\"}}; file is null when the rules are built in");
    for (CLI::App *command : { preview, organize, watch, rules })
        command
            ->add_option("--rules", m_request.rulesFile,
                "Read the sorting rules from FILE instead of "
                "$XDG_CONFIG_HOME/tidyra/rules.toml (by default ~/.config/tidyra/rules.toml)")
            ->type_name("FILE");

    m_commands
        = { { preview, CliRequest::Command::preview }, { organize, CliRequest::Command::organize },
              { undo, CliRequest::Command::undo }, { history, CliRequest::Command::history },
              { watch, CliRequest::Command::watch }, { rules, CliRequest::Command::rules } };
}

CliOptions::~CliOptions() = default;

bool CliOptions::isMistypedCommand(int argc, char **argv) const
{
    if (argc <= 1 || argv[1][0] == '-')
        return false;
    for (const auto &[command, name] : m_commands) {
        if (command->check_name(argv[1]))
            return false;
    }
    return true;
}

CliRequest CliOptions::parse(int argc, char **argv, std::ostream &out, std::ostream &err)
{
    m_request.command = CliRequest::Command::usage;
    if (isMistypedCommand(argc, argv)) {
        err << "Error: unknown command \"" << Text::displayText(argv[1]) << "\"\n" << tryHelp;
        return m_request;
    }
    try {
        m_app->parse(argc, argv);
    } catch (const CLI::ParseError &error) {
        if (m_app->exit(error, out, err) == 0)
            m_request.command = CliRequest::Command::answered;
        return m_request;
    }
    for (const auto &[command, name] : m_commands) {
        if (command->parsed())
            m_request.command = name;
    }
    return m_request;
}
