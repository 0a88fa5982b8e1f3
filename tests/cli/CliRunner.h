#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Runs the built tidyra-cli as a user would, in a controlled environment.
struct CliResult
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

// `stateHome` becomes XDG_STATE_HOME, so the undo journal stays inside the test's
// temporary folder; HOME points there too in case the journal path falls back to it.
// With `workingFolder` given, the program starts there.
CliResult runCli(const std::vector<std::string> &arguments, const std::filesystem::path &stateHome,
    const std::filesystem::path &workingFolder = {});
