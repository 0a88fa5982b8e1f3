#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace CLI {
class App;
}

// What tidyra-cli was asked to do, as its command line says.
struct CliRequest
{
    enum class Command : std::uint8_t {
        preview,
        organize,
        undo,
        history,
        watch,
        rules,
        answered, // the help or the version was asked for, and printed
        usage, // the command line was not understood; the error was printed
    };
    Command command = Command::usage;
    std::string folder; // of preview, organize, history and watch
    bool asJson = false;
    std::string undoFolder; // empty: the last run of all
    std::string runId; // empty: the last run
    long settleSeconds = 60;
    std::string rulesFile; // empty: the default one
};

// tidyra-cli's command line, defined in one place: its commands, their options and
// the help.
class CliOptions
{
public:
    CliOptions();
    ~CliOptions();

    // Reads the command line; the help, the version and usage errors are written to
    // `out` and `err` as they are met.
    CliRequest parse(int argc, char **argv, std::ostream &out, std::ostream &err);

private:
    // A first word that is not an option and names no command is a mistyped command,
    // which CLI11 would only report as a missing one.
    bool isMistypedCommand(int argc, char **argv) const;

    std::unique_ptr<CLI::App> m_app;
    std::vector<std::pair<CLI::App *, CliRequest::Command>> m_commands;
    CliRequest m_request;
};
