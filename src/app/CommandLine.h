#pragma once

#include "FolderPath.h"

#include <optional>

// What `tidyra` is asked on its command line. Read before any window system is touched,
// so --help, --version and mistakes are answered on a terminal without a display.
struct CommandLine
{
    // Absolute path of an existing folder, or empty.
    FolderPath folder;
    bool hidden = false; // start in the tray (as at login)

    // The options, or the exit status after help, version or an error has been printed.
    static std::optional<CommandLine> parse(int argc, char **argv, int &exitStatus);
};
