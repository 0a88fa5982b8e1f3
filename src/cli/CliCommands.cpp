#include "CliCommands.h"

#include "HistoryPrinter.h"
#include "PreviewPrinter.h"
#include "ProgressLine.h"
#include "RulesPrinter.h"
#include "model/Text.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/filesystem/PosixFileSystem.h"
#include "services/organizing/OrganizingService.h"
#include "services/organizing/PlanBuilder.h"
#include "services/rules/RulesFile.h"

#include <ostream>
#include <system_error>

namespace CliCommands {
namespace {

// The journal must name the folder the same way from any working directory, and
// undo refuses paths with "." or ".." in them, so the folder is resolved here. A
// folder that cannot be resolved is passed on as given: the scan then reports why.
std::filesystem::path chosenFolder(const std::filesystem::path &folder)
{
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::canonical(folder, error);
    return error ? folder : resolved;
}

std::string inQuotes(const std::filesystem::path &path)
{
    return ErrorDescriptions::inQuotes(path.native());
}

} // namespace

ExitStatus preview(
    const std::filesystem::path &folder, bool asJson, const SortingRules &rules, std::ostream &out)
{
    // Planning alone: a preview records nothing.
    PosixFileSystem disk;
    const OrganizationPlan plan = PlanBuilder(disk).buildPlan(chosenFolder(folder), rules);
    const PlanObstacles obstacles(disk, plan);
    if (asJson)
        PreviewPrinter::writeJson(out, plan, obstacles);
    else
        PreviewPrinter::writeText(out, plan, obstacles);
    return ExitStatus::success;
}

ExitStatus organize(const std::filesystem::path &folder, const SortingRules &rules,
    const OrganizingService &runs, const std::atomic<bool> *stop, std::ostream &out,
    std::ostream &err)
{
    const OrganizationPlan plan = runs.buildPlan(chosenFolder(folder), rules);
    if (plan.moves.empty()) {
        out << "Nothing to organize — folder is already tidy.\n";
        return ExitStatus::success;
    }

    ProgressLine progress("Organizing");
    RunControl control;
    control.cancel = stop;
    control.progress = [&](std::size_t done, std::size_t total) { progress.show(done, total); };
    const RunReport report = runs.organize(plan, control);
    progress.clear();

    out << Text::fileCount(report.moved) << " organized.\n";
    out.flush();
    if (report.cancelled) {
        err << "Interrupted: " << Text::fileCount(report.moved)
            << " organized before the stop; \"tidyra-cli undo\" moves them back.\n";
        return ExitStatus::failure;
    }
    if (!report.stoppedBy.empty()) {
        err << "Error: " << report.stoppedBy.english() << "; the run stopped after "
            << Text::fileCount(report.moved) << ", which \"tidyra-cli undo\" moves back.\n";
        return ExitStatus::failure;
    }
    return report.skipped > 0 ? ExitStatus::skipped : ExitStatus::success;
}

ExitStatus undo(const std::optional<std::filesystem::path> &folder, const OrganizingService &runs,
    const std::atomic<bool> *stop, std::ostream &out, std::ostream &err, const std::string &runId)
{
    ProgressLine progress("Undoing");
    RunControl control;
    control.cancel = stop;
    control.progress = [&](std::size_t done, std::size_t total) { progress.show(done, total); };
    const std::optional<std::filesystem::path> chosen
        = folder ? std::optional(chosenFolder(*folder)) : std::nullopt;
    const UndoReport report
        = runId.empty() ? runs.undoLast(chosen, control) : runs.undoRun(chosen, runId, control);
    progress.clear();

    if (report.nothingToUndo) {
        out << (runId.empty() ? "Nothing to undo.\n"
                              : "Nothing to undo: that run was undone already.\n");
        return ExitStatus::success;
    }
    for (const auto &[name, description] : report.notRestored)
        out << "[Tidyra] Not restored " << Text::displayText(name) << ": " << description.english()
            << '\n';
    for (const auto &[name, description] : report.foldersNotRemoved)
        out << "[Tidyra] Not removed the empty folder " << Text::displayText(name) << ": "
            << description.english() << "; the next undo of the folder tries again\n";
    // Put back by an earlier undo that could not record it: they are no files restored now.
    const std::string alreadyBack = report.alreadyBack == 0
        ? std::string()
        : ", " + Text::fileCount(report.alreadyBack) + " back already";
    const auto tellRecord = [&] {
        if (!report.recordNotUpdated.empty())
            err << "The undo could not be recorded: " << report.recordNotUpdated.english()
                << "; the files restored are back all the same, and the next undo settles "
                   "the record.\n";
    };
    if (report.cancelled) {
        out << Text::fileCount(report.restored) << " restored in " << inQuotes(report.folder)
            << alreadyBack << ".\n";
        tellRecord();
        err << "Interrupted: \"tidyra-cli undo\" again moves back the rest.\n";
        return ExitStatus::failure;
    }
    if (!report.notRestored.empty()) {
        out << "Undo incomplete — " << Text::fileCount(report.restored) << " restored in "
            << inQuotes(report.folder) << alreadyBack << ", "
            << Text::fileCount(report.notRestored.size()) << " not restored.\n";
        tellRecord();
        return ExitStatus::skipped;
    }
    out << "Undo complete — " << Text::fileCount(report.restored) << " restored in "
        << inQuotes(report.folder) << alreadyBack << ".\n";
    tellRecord();
    return report.foldersNotRemoved.empty() ? ExitStatus::success : ExitStatus::skipped;
}

ExitStatus history(const std::filesystem::path &folder, bool asJson, const OrganizingService &runs,
    std::ostream &out)
{
    const std::filesystem::path chosen = chosenFolder(folder);
    const std::vector<RunHistoryEntry> entries = runs.history(chosen);
    if (asJson)
        HistoryPrinter::writeJson(out, chosen, entries);
    else
        HistoryPrinter::writeText(out, chosen, entries);
    return ExitStatus::success;
}

ExitStatus rules(RulesFile &file, bool asJson, std::ostream &out)
{
    const std::shared_ptr<const SortingRules> rules = file.current();
    if (asJson)
        RulesPrinter::writeJson(out, *rules);
    else
        RulesPrinter::writeText(out, *rules, file.path());
    return ExitStatus::success;
}

} // namespace CliCommands
