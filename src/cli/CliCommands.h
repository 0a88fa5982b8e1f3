#pragma once

#include "ExitStatus.h"

#include <atomic>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

class OrganizingService;
class RulesFile;
class SortingRules;

// The commands of tidyra-cli. Each writes what the user should read to `out`
// (the engine's own "[Tidyra] Skipped" lines go to standard output as well) and
// failures of its own making to `err`; engine and journal errors it does not handle
// are thrown for the caller to report. `stop`, when set, ends a run after the
// current move; what moved is recorded for undo all the same.
namespace CliCommands {

ExitStatus preview(
    const std::filesystem::path &folder, bool asJson, const SortingRules &rules, std::ostream &out);
ExitStatus organize(const std::filesystem::path &folder, const SortingRules &rules,
    const OrganizingService &runs, const std::atomic<bool> *stop, std::ostream &out,
    std::ostream &err);
// With `runId`, undoes that run of the history (of `folder`, when given) instead of
// the last run.
ExitStatus undo(const std::optional<std::filesystem::path> &folder, const OrganizingService &runs,
    const std::atomic<bool> *stop, std::ostream &out, std::ostream &err,
    const std::string &runId = {});
ExitStatus history(const std::filesystem::path &folder, bool asJson, const OrganizingService &runs,
    std::ostream &out);
// The rules in force; throws EngineError when the file cannot be used.
ExitStatus rules(RulesFile &file, bool asJson, std::ostream &out);

} // namespace CliCommands
