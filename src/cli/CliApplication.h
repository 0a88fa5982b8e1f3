#pragma once

// tidyra-cli's command line: parses it, runs the chosen command and turns every
// outcome into a message and an exit status (see ExitStatus).
namespace CliApplication {

int run(int argc, char **argv);

} // namespace CliApplication
