#include "services/organizing/UndoService.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/journal/JournalReader.h"
#include "services/journal/RunDetailsWriter.h"
#include "services/journal/RunJournal.h"
#include "services/journal/RunRecord.h"
#include "services/organizing/FileOrganizerService.h"
#include "services/paths/PathText.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string utcNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm parts {};
    ::gmtime_r(&now, &parts);
    char text[32];
    if (std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts) == 0)
        return {};
    return text;
}

// Whether an undo of `record` did or left anything: false only for a run that, as it
// turned out, never moved a file.
bool hadMoves(const RunRecord &record, const UndoReport &report)
{
    return report.restored > 0 || !report.notRestored.empty() || report.cancelled
        || record.pendingCount() > 0;
}

bool fileExists(const fs::path &file)
{
    return ::access(file.c_str(), F_OK) == 0;
}

} // namespace

UndoService::UndoService(fs::path stateFolder)
{
    // Settled once, here: the app calls in from its UI thread and its worker.
    if (stateFolder.empty()) {
        try {
            stateFolder = JournalStore::defaultFolder();
        } catch (const EngineError &error) {
            m_noPlace = error.what();
            return;
        }
    }
    m_store.emplace(std::move(stateFolder));
}

const JournalStore &UndoService::store() const
{
    if (!m_store)
        throw EngineError(EngineCondition::journalUnusable, m_noPlace);
    return *m_store;
}

bool UndoService::belongsTo(const JournalLines::Header &header,
    const FileOrganizerService::OpenFolder &root, const fs::path &folder)
{
    if (header.folderIdentity == root.identity)
        return true;
    // Found again by its path after a remount: a disk plugged in again may get another
    // device number but keeps its inode numbers where they hold; where they do not,
    // each file is still checked by size and modification time before it moves.
    return header.folder == PathText::normalFolder(folder).native()
        && (header.folderIdentity.inode == root.identity.inode
            || (!header.stableInodes && !root.stableInodes));
}

template <typename Execute>
RunReport UndoService::recorded(
    const FileOrganizerService &organizer, const fs::path &folder, Execute execute) const
{
    const JournalStore journals = store().through(organizer.fileSystem());
    journals.prepare();
    const FileOrganizerService::OpenFolder root = organizer.openFolder(folder);
    const FileDescriptor lock = journals.lock(root.identity, m_lockWait);

    const fs::path file = journals.newRunFile(root.identity, folder);
    const std::string previous = journals.lastRun();
    RunDetailsWriter details(
        journals.detailsFile(folder), RunDetails::Kind::run, PathText::normalFolder(folder));
    JournalLines::Header header { PathText::normalFolder(folder).native(), root.identity, utcNow(),
        previous };
    header.stableInodes = root.stableInodes;
    RunJournal journal = RunJournal::create(journals.fileSystem(), file, header);
    try {
        journals.setLastRun(file.filename().native());
    } catch (...) {
        journals.remove(file);
        throw;
    }

    journal.setDetails(&details);
    RunReport report;
    try {
        report = execute(root.handle.get(), journal);
    } catch (const EngineError &) {
        // Thrown before the first move: this run never happened.
        journals.remove(file);
        journals.setLastRun(previous);
        throw;
    }
    details.finish();
    // The files have moved by now; tidying the journal must not turn that into an
    // error. A leftover file is harmless: the newest run of a folder is the one undone,
    // and a run that moved nothing is settled by looking.
    try {
        if (report.moved == 0) {
            // Nothing moved: the last run that did stays the one to undo.
            journals.remove(file);
            journals.setLastRun(previous);
        } else {
            // This run supersedes the folder's last one, but not a run that was killed:
            // its files are still to undo, after this run's.
            for (const fs::path &older : journals.runsOf(root.identity, folder)) {
                if (older == file || !RunRecord::wasEnded(older))
                    continue;
                const auto olderHeader = RunRecord::readHeader(older);
                if (!olderHeader || belongsTo(*olderHeader, root, folder))
                    journals.remove(older);
            }
        }
    } catch (const EngineError &) { }
    return report;
}

RunReport UndoService::organize(const FileOrganizerService &organizer, const OrganizationPlan &plan,
    const RunControl &control, std::vector<FileMoveOperation> *executed, RunOrigin /*origin*/) const
{
    std::vector<std::uint32_t> moved;
    RunReport report = recorded(organizer, plan.folderURL, [&](int root, RunJournal &journal) {
        return organizer.executeMoves(plan, root, &journal, control, executed ? &moved : nullptr);
    });
    if (executed) {
        for (const std::uint32_t index : moved)
            executed->push_back(plan.operation(index));
    }
    return report;
}

UndoReport UndoService::undoRecord(const FileOrganizerService &organizer, RunRecord &record,
    int root, const RunControl &control) const
{
    RunJournal journal = RunJournal::reopen(organizer.fileSystem(), record.file);
    UndoReport report = organizer.undoMoves(root, record, journal, control);
    try {
        journal.sync();
        if (record.pendingCount() == 0) {
            // Done. A killed run before it, kept by this one, is now the folder's last.
            const JournalStore journals = store().through(organizer.fileSystem());
            journals.remove(record.file);
            const std::string name = record.file.filename().native();
            const std::string &previous = record.header.previous;
            if (journals.lastRun() == name && !previous.empty()
                && previous.substr(0, previous.find('.')) == name.substr(0, name.find('.'))
                && fileExists(journals.runFile(previous)))
                journals.setLastRun(previous);
        }
    } catch (const EngineError &) {
        // The files are back; a later undo finds them there and settles the record.
    }
    return report;
}

UndoReport UndoService::undoLast(const FileOrganizerService &organizer,
    const std::optional<fs::path> &folder, const RunControl &control) const
{
    const JournalStore journals = store().through(organizer.fileSystem());
    journals.checkTrusted();
    UndoReport nothing;
    nothing.nothingToUndo = true;

    if (folder) {
        nothing.folder = *folder;
        const FileOrganizerService::OpenFolder root = organizer.openFolder(*folder);
        if (journals.runsOf(root.identity, *folder).empty())
            return nothing;
        journals.prepare();
        const FileDescriptor lock = journals.lock(root.identity, m_lockWait);
        // Newest first; a run that turns out to have moved nothing gives way to the
        // one before it.
        for (const fs::path &file : journals.runsOf(root.identity, *folder)) {
            std::optional<RunRecord> record = RunRecord::read(file);
            if (!record) {
                // Killed before its header was written: it never happened.
                journals.remove(file);
                continue;
            }
            if (!belongsTo(record->header, root, *folder))
                continue;
            UndoReport report = undoRecord(organizer, *record, root.handle.get(), control);
            report.folder = *folder;
            if (hadMoves(*record, report)) {
                keepDetails(report);
                return report;
            }
        }
        return nothing;
    }

    std::string name = journals.lastRun();
    if (name.empty() && fileExists(journals.oldJournal()))
        throw EngineError(EngineCondition::journalUnusable,
            "the undo journal " + ErrorDescriptions::inQuotes(journals.oldJournal().native())
                + " was written by an earlier Tidyra release, which this one cannot read; it was "
                  "left untouched");
    while (!name.empty()) {
        const fs::path file = journals.runFile(name);
        if (!fileExists(file))
            break;
        const std::optional<JournalLines::Header> header = RunRecord::readHeader(file);
        if (!header) {
            journals.remove(file);
            break;
        }
        const fs::path recorded(header->folder);
        FileOrganizerService::OpenFolder root;
        try {
            root = organizer.openFolder(recorded);
        } catch (const EngineError &error) {
            throw EngineError(error.code(),
                error.description()
                    + "; if the folder was moved or renamed, undo it by its new path: tidyra-cli "
                      "undo FOLDER");
        }
        if (!belongsTo(*header, root, recorded))
            throw EngineError(EngineCondition::notTheOrganizedFolder,
                ErrorDescriptions::inQuotes(recorded.native())
                    + " is no longer the folder that was organized; if that folder was moved or "
                      "renamed, undo it by its new path: tidyra-cli undo FOLDER");
        journals.prepare();
        const FileDescriptor lock = journals.lock(root.identity, m_lockWait);
        // Read again under the lock: another undo may have settled it meanwhile.
        if (!fileExists(file))
            break;
        std::optional<RunRecord> record = RunRecord::read(file);
        if (!record)
            break;
        UndoReport report = undoRecord(organizer, *record, root.handle.get(), control);
        report.folder = recorded;
        if (hadMoves(*record, report)) {
            keepDetails(report);
            return report;
        }
        // This run moved nothing after all: the one before it is the last run.
        name = record->header.previous;
        journals.setLastRun(name);
    }
    return nothing;
}

bool UndoService::canUndo(const FileOrganizerService &organizer, const fs::path &folder) const
{
    try {
        store().checkTrusted();
        const FileOrganizerService::OpenFolder root = organizer.openFolder(folder);
        return !store().runsOf(root.identity, folder).empty();
    } catch (const std::exception &) {
        return false;
    }
}

void UndoService::keepDetails(const UndoReport &report) const
{
    RunDetailsWriter details(store().detailsFile(report.folder), RunDetails::Kind::undo,
        PathText::normalFolder(report.folder));
    for (const auto &[name, why] : report.notRestored)
        details.add(name, why);
    details.finish();
}

std::optional<RunDetails> UndoService::lastDetails(const fs::path &folder) const
{
    try {
        const JournalStore &journals = store();
        journals.checkTrusted();
        const fs::path file = journals.detailsFile(folder);
        if (!fileExists(file))
            return std::nullopt;
        JournalReader reader(file);
        JournalReader::Line line;
        if (!reader.next(line) || !line.complete)
            return std::nullopt;
        auto header = JournalLines::parseDetailsHeader(line.text);
        // The file is named by a hash of the path: the path itself must match.
        if (!header || header->second != PathText::normalFolder(folder).native())
            return std::nullopt;
        RunDetails details;
        details.kind = header->first;
        details.folder = folder;
        while (reader.next(line)) {
            if (!line.complete || line.tooLong)
                continue;
            if (auto entry = JournalLines::parseDetail(line.text))
                details.entries.push_back(std::move(*entry));
        }
        if (details.entries.empty())
            return std::nullopt;
        std::sort(details.entries.begin(), details.entries.end());
        return details;
    } catch (const std::exception &) {
        return std::nullopt;
    }
}

UndoReport UndoService::undoRun(const FileOrganizerService &, const std::optional<fs::path> &,
    const std::string &runId, const RunControl &) const
{
    // Not recorded yet: runs are kept one a folder.
    throw EngineError(EngineCondition::journalUnusable, "no run " + runId + " is recorded");
}

std::vector<RunHistoryEntry> UndoService::history(
    const FileOrganizerService &, const fs::path &) const
{
    return {};
}
