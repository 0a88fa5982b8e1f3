#pragma once

#include <CLI/CLI.hpp>

// CLI11's help, with the usage of the program listing each command with its own
// arguments ("Usage: tidyra-cli preview [--json] FOLDER", "  or:  ..."), so that the
// first screen of --help, and the manual page made from it, show every form of call.
class HelpFormatter : public CLI::Formatter
{
public:
    std::string make_usage(const CLI::App *app, std::string name) const override;
};
