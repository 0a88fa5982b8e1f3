#pragma once

// What tidyra-cli tells the calling shell.
enum class ExitStatus : int {
    success = 0, // the command did all it planned
    failure = 1, // an error stopped it; "Error: ..." or "Undo failed: ..." was printed
    usage = 2, // the command line was not understood
    skipped = 3, // ran to its end but left files where they were, or an empty folder (undo)
};
