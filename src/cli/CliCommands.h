#pragma once

#include "ExitStatus.h"

#include <filesystem>
#include <iosfwd>

class UndoJournal;

// The three commands of tidyra-cli. Each writes what the user should read to `out`
// (the engine's own "[Tidyra] Skipped" lines go to standard output as well) and
// failures of its own making to `err`; engine and journal errors it does not handle
// are thrown for the caller to report.
namespace CliCommands {

ExitStatus preview(const std::filesystem::path &folder, bool asJson, std::ostream &out);
ExitStatus organize(const std::filesystem::path &folder, const UndoJournal &journal,
    std::ostream &out, std::ostream &err);
ExitStatus undo(const UndoJournal &journal, std::ostream &out, std::ostream &err);

} // namespace CliCommands
