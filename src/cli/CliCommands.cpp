#include "CliCommands.h"

#include "FileOrganizerService.h"
#include "FileSystemError.h"
#include "PreviewPrinter.h"
#include "Text.h"
#include "UndoJournal.h"

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

} // namespace

ExitStatus preview(const std::filesystem::path &folder, bool asJson, std::ostream &out)
{
    const FileOrganizerService service;
    const OrganizationPlan plan = service.buildPlan(chosenFolder(folder));
    if (asJson)
        PreviewPrinter::writeJson(out, plan);
    else
        PreviewPrinter::writeText(out, plan);
    return ExitStatus::success;
}

ExitStatus organize(const std::filesystem::path &folder, const UndoJournal &journal,
    std::ostream &out, std::ostream &err)
{
    journal.prepare();
    const FileOrganizerService service;
    const OrganizationPlan plan = service.buildPlan(chosenFolder(folder));
    if (plan.operations.empty()) {
        out << "Nothing to organize — folder is already tidy.\n";
        return ExitStatus::success;
    }

    std::vector<FileMoveOperation> executed = service.executePlan(plan);
    const std::size_t executedCount = executed.size();
    out << Text::fileCount(executedCount) << " organized.\n";
    out.flush();
    try {
        journal.save(UndoRecord { plan.folderURL, std::move(executed) });
    } catch (const std::exception &error) {
        // The previous run's journal must not survive as if it described this one.
        std::error_code ignored;
        std::filesystem::remove(journal.file(), ignored);
        err << "Error: cannot save the undo journal, so this run cannot be undone: " << error.what()
            << '\n';
        return ExitStatus::failure;
    }
    return executedCount < plan.operations.size() ? ExitStatus::skipped : ExitStatus::success;
}

ExitStatus undo(const UndoJournal &journal, std::ostream &out, std::ostream &err)
{
    const std::optional<UndoRecord> record = journal.load();
    if (!record || record->operations.empty()) {
        out << "Nothing to undo.\n";
        return ExitStatus::success;
    }
    // Emptied before anything moves: an undo that stops half-way is not repeated
    // over files that have moved on since.
    journal.discard();

    const FileOrganizerService service;
    try {
        service.undoOperations(record->operations);
    } catch (const FileSystemError &error) {
        out.flush();
        err << "Undo failed: " << error.description() << '\n';
        return ExitStatus::failure;
    }
    out << "Undo complete — " << Text::fileCount(record->operations.size()) << " restored.\n";
    return ExitStatus::success;
}

} // namespace CliCommands
