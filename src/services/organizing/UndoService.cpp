#include "services/organizing/UndoService.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/journal/JournalReader.h"
#include "services/journal/RunDetailsWriter.h"
#include "services/journal/RunJournal.h"
#include "services/journal/RunRecord.h"
#include "services/organizing/FileOrganizerService.h"
#include "services/organizing/RecordedRun.h"
#include "services/organizing/UndoRun.h"
#include "services/paths/PathText.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace {

// Whether an undo of `record` did or left anything: false only for a run that, as it
// turned out, never moved a file.
bool hadMoves(const RunRecord &record, const UndoReport &report)
{
    return report.restored > 0 || report.alreadyBack > 0 || !report.notRestored.empty()
        || report.cancelled || record.pendingCount() > 0 || record.movedCount() > 0;
}

// Whether the undo found the run taken back already: an earlier undo moved every file
// back, and only its last line was missing.
bool foundAllBack(const RunRecord &record, const UndoReport &report)
{
    return report.restored == 0 && report.alreadyBack == 0 && report.notRestored.empty()
        && !report.cancelled && record.pendingCount() == 0;
}

} // namespace

UndoService::UndoService(fs::path stateFolder)
{
    // Settled once, here: the app calls in from its UI thread and its worker.
    if (stateFolder.empty()) {
        try {
            stateFolder = JournalStore::defaultFolder();
        } catch (const EngineError &error) {
            m_noPlace = error.message();
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

RunReport UndoService::organize(const FileOrganizerService &organizer, const OrganizationPlan &plan,
    const RunControl &control, std::vector<FileMoveOperation> *executed, RunOrigin origin) const
{
    RecordedRun run(store(), organizer, plan.folderURL, origin, m_lockWait);
    std::vector<std::uint32_t> moved;
    RunReport report;
    try {
        report = organizer.executeMoves(
            plan, run.root(), &run.journal(), control, executed ? &moved : nullptr);
    } catch (const EngineError &) {
        // Thrown before the first move: this run never happened.
        run.abandon();
        throw;
    }
    run.finish(report);
    if (report.moved > 0)
        report.runId = run.id();
    if (executed) {
        for (const std::uint32_t index : moved)
            executed->push_back(plan.operation(index));
    }
    return report;
}

UndoReport UndoService::undoRecord(const FileOrganizerService &organizer, RunRecord &record,
    const FileOrganizerService::OpenFolder &root, const RunControl &control) const
{
    UndoReport report = organizer.undoMoves(root.handle.get(), record, control);
    const JournalStore journals = store().through(organizer.fileSystem());
    try {
        if (!hadMoves(record, report) && report.foldersKept == 0
            && report.foldersNotRemoved.empty()) {
            // It never moved a file nor left a folder: it never happened. One that
            // made folders a later run's files are in stays, marked undone, until the
            // undo of that run removes them.
            journals.remove(record.file);
        } else {
            // Folders an older run had to leave to this one go once empty, even where
            // a file of this run could not go back yet.
            removeFoldersLeftBy(organizer, root, fs::path(record.header.folder), record.file);
            if (record.pendingCount() != 0)
                return report;
            // Taken back whole. A killed run before it, which a later run does not
            // supersede, is now the last run to undo.
            const std::string name = record.file.filename().native();
            const std::string &previous = record.header.previous;
            FileSystem &fileSystem = journals.fileSystem();
            if (journals.lastRun() == name && !previous.empty()
                && previous.substr(0, previous.find('.')) == name.substr(0, name.find('.'))
                && journals.exists(journals.runFile(previous))
                && RunRecord::tailOf(fileSystem, journals.runFile(previous))
                    == RunRecord::Tail::killed)
                journals.setLastRun(previous);
        }
    } catch (const EngineError &) {
        // The files are back; a later undo finds them there and settles the record.
    }
    return report;
}

void UndoService::settleBeforeUndo(const FileOrganizerService &organizer,
    const FileOrganizerService::OpenFolder &root, const fs::path &folder) const
{
    const JournalStore journals = store().through(organizer.fileSystem());
    // An undo moves files back to their old names only, which never makes a killed
    // run's intent look made: marks that cannot be written now wait for the next
    // run or undo, which looks again.
    try {
        RecordedRun::settleKilledRuns(journals, root, folder);
    } catch (const EngineError &) { }
    try {
        removeFoldersLeftBy(organizer, root, folder, {});
    } catch (const EngineError &) { }
}

void UndoService::removeFoldersLeftBy(const FileOrganizerService &organizer,
    const FileOrganizerService::OpenFolder &root, const fs::path &folder,
    const fs::path &undone) const
{
    // An older run undone while a later one still had files in a folder it made had to
    // keep that folder; it goes once the later run is undone too and it is empty. So
    // does a folder whose removal failed. Its undo said so in its last line, so no
    // other record is read. A stick or share mounted again since is found by its path.
    const JournalStore journals = store().through(organizer.fileSystem());
    FileSystem &fileSystem = journals.fileSystem();
    const UndoRun undo(fileSystem);
    for (const fs::path &file : journals.runsOf(root.identity, folder)) {
        if (file == undone
            || RunRecord::tailOf(fileSystem, file) != RunRecord::Tail::undoneKeepingFolders)
            continue;
        const std::optional<RunRecord> other = RunRecord::read(fileSystem, file);
        if (!other || !RecordedRun::belongsTo(other->header, root, folder)
            || undo.removeEmptyFolders(root.handle.get(), *other) > 0)
            continue;
        // All gone now: the record need not be read again.
        RunJournal journal = RunJournal::reopen(fileSystem, file);
        journal.undone(other->movedCount());
        journal.sync();
    }
}

UndoReport UndoService::undoLast(const FileOrganizerService &organizer,
    const std::optional<fs::path> &folder, const RunControl &control) const
{
    const JournalStore journals = store().through(organizer.fileSystem());
    FileSystem &fileSystem = journals.fileSystem();
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
        settleBeforeUndo(organizer, root, *folder);
        // Newest first; a run that turns out to have moved nothing gives way to the
        // one before it. Once the last run is undone, only a run killed before it is
        // still the last run's to take back: older ones are history, undone by id.
        bool lastUndone = false;
        for (const fs::path &file : journals.runsOf(root.identity, *folder)) {
            std::optional<RunRecord> record = RunRecord::read(fileSystem, file);
            if (!record) {
                // Killed before its header was written: it never happened.
                journals.remove(file);
                continue;
            }
            if (!RecordedRun::belongsTo(record->header, root, *folder))
                continue;
            if (record->undone) {
                lastUndone = true;
                continue;
            }
            if (lastUndone && record->ended)
                return nothing;
            UndoReport report = undoRecord(organizer, *record, root, control);
            report.folder = *folder;
            if (!hadMoves(*record, report))
                continue;
            // Taken back already, but for its last line: now it is as undone.
            if (foundAllBack(*record, report)) {
                lastUndone = true;
                continue;
            }
            keepDetails(organizer, report);
            return report;
        }
        return nothing;
    }

    std::string name = journals.lastRun();
    if (name.empty() && journals.exists(journals.oldJournal()))
        throw EngineError(EngineCondition::journalUnusable,
            ErrorMessage { ErrorKind::journalTooOld, { journals.oldJournal().native() } });
    while (!name.empty()) {
        const fs::path file = journals.runFile(name);
        if (!journals.exists(file))
            break;
        const std::optional<JournalLines::Header> header = RunRecord::readHeader(fileSystem, file);
        if (!header) {
            journals.remove(file);
            break;
        }
        const fs::path recorded(header->folder);
        const FileOrganizerService::OpenFolder root = openRecordedFolder(organizer, *header);
        journals.prepare();
        const FileDescriptor lock = journals.lock(root.identity, m_lockWait);
        settleBeforeUndo(organizer, root, recorded);
        // Read again under the lock: another undo may have settled it meanwhile.
        if (!journals.exists(file))
            break;
        std::optional<RunRecord> record = RunRecord::read(fileSystem, file);
        if (!record || record->undone)
            break;
        UndoReport report = undoRecord(organizer, *record, root, control);
        report.folder = recorded;
        if (hadMoves(*record, report)) {
            if (foundAllBack(*record, report)) {
                nothing.folder = recorded;
                return nothing;
            }
            keepDetails(organizer, report);
            return report;
        }
        // This run moved nothing after all: the one before it is the last run.
        name = record->header.previous;
        journals.setLastRun(name);
    }
    return nothing;
}

FileOrganizerService::OpenFolder UndoService::openRecordedFolder(
    const FileOrganizerService &organizer, const JournalLines::Header &header)
{
    const fs::path recorded(header.folder);
    FileOrganizerService::OpenFolder root;
    try {
        root = organizer.openFolder(recorded);
    } catch (const EngineError &error) {
        throw EngineError(error.code(), ErrorDescriptions::movedOrRenamed(error.message()));
    }
    if (!RecordedRun::belongsTo(header, root, recorded))
        throw EngineError(EngineCondition::notTheOrganizedFolder,
            ErrorMessage { ErrorKind::notTheOrganizedFolder, { recorded.native() } });
    return root;
}

UndoReport UndoService::undoRun(const FileOrganizerService &organizer,
    const std::optional<fs::path> &folder, const std::string &runId,
    const RunControl &control) const
{
    const JournalStore journals = store().through(organizer.fileSystem());
    FileSystem &fileSystem = journals.fileSystem();
    journals.checkTrusted();
    const auto notRecorded = [&] {
        return EngineError(EngineCondition::noSuchRun,
            folder ? ErrorMessage { ErrorKind::noSuchRunIn, { runId, folder->native() } }
                   : ErrorMessage { ErrorKind::noSuchRun, { runId } });
    };
    const std::vector<fs::path> files = journals.runsWithId(runId);
    if (files.empty() || runId.empty())
        throw notRecorded();
    for (const fs::path &file : files) {
        const std::optional<JournalLines::Header> header = RunRecord::readHeader(fileSystem, file);
        if (!header)
            continue;
        FileOrganizerService::OpenFolder root;
        if (folder) {
            root = organizer.openFolder(*folder);
            if (!RecordedRun::belongsTo(*header, root, *folder))
                continue;
        } else {
            root = openRecordedFolder(organizer, *header);
        }
        journals.prepare();
        const FileDescriptor lock = journals.lock(root.identity, m_lockWait);
        settleBeforeUndo(organizer, root, folder ? *folder : fs::path(header->folder));
        std::optional<RunRecord> record
            = journals.exists(file) ? RunRecord::read(fileSystem, file) : std::nullopt;
        UndoReport report;
        report.folder = folder ? *folder : fs::path(header->folder);
        if (!record || record->undone) {
            report.nothingToUndo = true;
            return report;
        }
        const fs::path undoneFolder = report.folder;
        report = undoRecord(organizer, *record, root, control);
        report.folder = undoneFolder;
        report.nothingToUndo = !hadMoves(*record, report) || foundAllBack(*record, report);
        if (!report.nothingToUndo)
            keepDetails(organizer, report);
        return report;
    }
    throw notRecorded();
}

std::vector<RunHistoryEntry> UndoService::history(
    const FileOrganizerService &organizer, const fs::path &folder) const
{
    const JournalStore journals = store().through(organizer.fileSystem());
    FileSystem &fileSystem = journals.fileSystem();
    journals.checkTrusted();
    const FileOrganizerService::OpenFolder root = organizer.openFolder(folder);
    const UndoRun undo(fileSystem);
    std::vector<RunHistoryEntry> entries;
    for (const fs::path &file : journals.runsOf(root.identity, folder)) {
        std::optional<RunRecord> record;
        try {
            record = RunRecord::read(fileSystem, file);
        } catch (const EngineError &) {
            continue; // not a run of ours: undo names it when it comes to it
        }
        if (!record || !RecordedRun::belongsTo(record->header, root, folder))
            continue;
        // A killed run's unmarked moves, as a look tells now; the next run or undo of
        // the folder writes down what that look finds.
        if (record->hasUnknown())
            undo.settleUnknown(root.handle.get(), *record, nullptr);
        RunHistoryEntry entry;
        entry.id = JournalStore::runId(file);
        entry.started = record->header.started;
        entry.origin = record->header.automatic ? RunOrigin::automatic : RunOrigin::manual;
        entry.moved = record->movedCount();
        entry.undoable = record->undone ? 0 : undo.countInPlace(root.handle.get(), *record);
        entry.ended = record->ended;
        entry.undone = record->undone;
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<RecordedMove> UndoService::runMoves(
    const FileOrganizerService &organizer, const fs::path &folder, const std::string &runId) const
{
    const JournalStore journals = store().through(organizer.fileSystem());
    FileSystem &fileSystem = journals.fileSystem();
    journals.checkTrusted();
    const FileOrganizerService::OpenFolder root = organizer.openFolder(folder);
    const UndoRun undo(fileSystem);
    for (const fs::path &file :
        runId.empty() ? std::vector<fs::path>() : journals.runsWithId(runId)) {
        std::optional<RunRecord> record = RunRecord::read(fileSystem, file);
        if (!record || !RecordedRun::belongsTo(record->header, root, folder))
            continue;
        // As history() counts them: a killed run's unmarked moves as a look tells now.
        if (record->hasUnknown())
            undo.settleUnknown(root.handle.get(), *record, nullptr);
        std::vector<bool> inPlace;
        if (!record->undone)
            undo.countInPlace(root.handle.get(), *record, &inPlace);
        std::vector<RecordedMove> moves;
        moves.reserve(record->intents.size());
        for (std::size_t k = 0; k < record->intents.size(); ++k) {
            if (record->states[k] == RunRecord::State::neverMoved)
                continue; // settled just now as a move the kill came before
            const JournalLines::Intent &intent = record->intents[k];
            RecordedMove move { intent.from, {}, RecordedMove::Where::elsewhere };
            for (const std::string &part : intent.to)
                move.to += (move.to.empty() ? "" : "/") + part;
            if (record->states[k] == RunRecord::State::back)
                move.where = RecordedMove::Where::back;
            else if (!inPlace.empty() && inPlace[k])
                move.where = RecordedMove::Where::inPlace;
            moves.push_back(std::move(move));
        }
        return moves;
    }
    throw EngineError(EngineCondition::noSuchRun,
        ErrorMessage { ErrorKind::noSuchRunOf, { runId, folder.native() } });
}

std::string UndoService::historyStamp(
    const FileOrganizerService &organizer, const fs::path &folder) const
{
    const JournalStore journals = store().through(organizer.fileSystem());
    journals.checkTrusted();
    const FileOrganizerService::OpenFolder root = organizer.openFolder(folder);
    std::string stamp;
    for (const fs::path &file : journals.runsOf(root.identity, folder)) {
        // A file gone meanwhile stamps as such: the history is read again.
        std::error_code error;
        const std::uintmax_t size = fs::file_size(file, error);
        const fs::file_time_type written = fs::last_write_time(file, error);
        stamp += file.filename().native() + ' ' + std::to_string(size) + ' '
            + std::to_string(written.time_since_epoch().count()) + '\n';
    }
    return stamp;
}

bool UndoService::canUndo(const FileOrganizerService &organizer, const fs::path &folder) const
{
    try {
        const JournalStore journals = store().through(organizer.fileSystem());
        journals.checkTrusted();
        const FileOrganizerService::OpenFolder root = organizer.openFolder(folder);
        // As undoLast goes: the newest run not yet undone, or a run killed before it.
        bool lastUndone = false;
        for (const fs::path &file : journals.runsOf(root.identity, folder)) {
            const RunRecord::Tail tail = RunRecord::tailOf(journals.fileSystem(), file);
            if (RunRecord::isUndone(tail)) {
                lastUndone = true;
                continue;
            }
            if (!lastUndone || tail == RunRecord::Tail::ended)
                return !lastUndone;
            // The last line of a run whose undo stopped half-way is undo's: only the
            // record tells whether the run itself came to its end.
            const std::optional<RunRecord> record = RunRecord::read(journals.fileSystem(), file);
            return record && !record->ended;
        }
        return false;
    } catch (const std::exception &) {
        return false;
    }
}

void UndoService::keepDetails(const FileOrganizerService &organizer, const UndoReport &report) const
{
    RunDetailsWriter details(organizer.fileSystem(), store().detailsFile(report.folder),
        RunDetails::Kind::undo, PathText::normalFolder(report.folder));
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
        if (!journals.exists(file))
            return std::nullopt;
        JournalReader reader(journals.fileSystem(), file);
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
