#include "CliApplication.h"

#include "CliCommands.h"
#include "UndoJournal.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace CliApplication {
namespace {

constexpr const char *pathEncodingHelp
    = "In JSON, a path that is valid UTF-8 is a string; any other path (file names are bytes) "
      "is the object {\"base64\": \"<standard base64 of its bytes>\"}, so no name is lost.";

std::string footer()
{
    return std::string("The undo journal is kept in $XDG_STATE_HOME/tidyra/ (by default "
                       "~/.local/state/tidyra/); one organize run can be undone.\n")
        + pathEncodingHelp
        + "\n\nExit status: 0 done; 1 error; 2 usage error; 3 organized, but some files were "
          "skipped.";
}

// A usage error shows the usage of the command it was made in.
std::string usageFailure(const CLI::App *app, const CLI::Error &error)
{
    const std::vector<CLI::App *> used = app->get_subcommands();
    const std::string usage = used.empty() ? app->help() : used.back()->help(app->get_name());
    return std::string("Error: ") + error.what() + "\n\n" + usage;
}

} // namespace

int run(int argc, char **argv)
{
    CLI::App app("Tidyra sorts the files lying directly in a folder into category folders "
                 "(Images, Documents, ... Others) and can undo the last run.",
        "tidyra-cli");
    app.set_version_flag(
        "--version", std::string("tidyra-cli ") + TIDYRA_VERSION, "Show the version and exit");
    app.set_help_flag("-h,--help", "Show this help and exit");
    app.footer(footer());
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
                    "\"subGroup\"}]}. ")
            + pathEncodingHelp);
    CLI::App *organize
        = app.add_subcommand("organize", "Sort the folder's files into category folders");
    organize->add_option("FOLDER", folder, "The folder to organize")->required()->type_name("");
    CLI::App *undo = app.add_subcommand("undo", "Move the files of the last organize run back");

    // A first word that is not an option and names no command is a mistyped command,
    // which CLI11 would only report as a missing one.
    const auto isCommand = [&](const std::string &word) {
        return preview->check_name(word) || organize->check_name(word) || undo->check_name(word);
    };
    if (argc > 1 && argv[1][0] != '-' && !isCommand(argv[1])) {
        std::cerr << "Error: unknown command \"" << argv[1] << "\"\n\n" << app.help();
        return static_cast<int>(ExitStatus::usage);
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &error) {
        const int code = app.exit(error, std::cout, std::cerr);
        return code == 0 ? 0 : static_cast<int>(ExitStatus::usage);
    }

    try {
        ExitStatus status = ExitStatus::success;
        if (preview->parsed()) {
            status = CliCommands::preview(folder, asJson, std::cout);
        } else {
            const UndoJournal journal(UndoJournal::defaultFile());
            if (organize->parsed())
                status = CliCommands::organize(folder, journal, std::cout, std::cerr);
            else if (undo->parsed())
                status = CliCommands::undo(journal, std::cout, std::cerr);
        }
        std::cout.flush();
        return static_cast<int>(status);
    } catch (const std::exception &error) {
        std::cout.flush();
        std::cerr << "Error: " << error.what() << '\n';
        return static_cast<int>(ExitStatus::failure);
    }
}

} // namespace CliApplication
