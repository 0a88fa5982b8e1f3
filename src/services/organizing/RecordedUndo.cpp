#include "services/organizing/RecordedUndo.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/journal/RunDetailsWriter.h"
#include "services/journal/RunJournal.h"
#include "services/journal/RunRecord.h"
#include "services/organizing/RecordedRun.h"
#include "services/organizing/UndoRun.h"
#include "services/paths/PathText.h"

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

UndoReport RecordedUndo::undoRecord(
    RunRecord &record, const OpenFolder &root, const RunControl &control) const
{
    UndoReport report = UndoRun(m_fileSystem).execute(root.handle.get(), record, control);
    try {
        if (!hadMoves(record, report) && report.foldersKept == 0
            && report.foldersNotRemoved.empty()) {
            // It never moved a file nor left a folder: it never happened. One that
            // made folders a later run's files are in stays, marked undone, until the
            // undo of that run removes them.
            m_journals.remove(record.file);
        } else {
            // Folders an older run had to leave to this one go once empty, even where
            // a file of this run could not go back yet.
            removeFoldersLeftBy(root, fs::path(record.header.folder), record.file);
            if (record.pendingCount() != 0)
                return report;
            // Taken back whole. A killed run before it, which a later run does not
            // supersede, is now the last run to undo.
            const std::string name = record.file.filename().native();
            const std::string &previous = record.header.previous;
            if (m_journals.lastRun() == name && !previous.empty()
                && previous.substr(0, previous.find('.')) == name.substr(0, name.find('.'))
                && m_journals.exists(m_journals.runFile(previous))
                && RunRecord::tailOf(m_fileSystem, m_journals.runFile(previous))
                    == RunRecord::Tail::killed)
                m_journals.setLastRun(previous);
        }
    } catch (const EngineError &) {
        // The files are back; a later undo finds them there and settles the record.
    }
    return report;
}

void RecordedUndo::settleBeforeUndo(const OpenFolder &root, const fs::path &folder) const
{
    // An undo moves files back to their old names only, which never makes a killed
    // run's intent look made: marks that cannot be written now wait for the next
    // run or undo, which looks again.
    try {
        RecordedRun::settleKilledRuns(m_journals, root, folder);
    } catch (const EngineError &) { }
    try {
        removeFoldersLeftBy(root, folder, {});
    } catch (const EngineError &) { }
}

void RecordedUndo::removeFoldersLeftBy(
    const OpenFolder &root, const fs::path &folder, const fs::path &undone) const
{
    // An older run undone while a later one still had files in a folder it made had to
    // keep that folder; it goes once the later run is undone too and it is empty. So
    // does a folder whose removal failed. Its undo said so in its last line, so no
    // other record is read. A stick or share mounted again since is found by its path.
    const UndoRun undo(m_fileSystem);
    for (const fs::path &file : m_journals.runsOf(root.identity, folder)) {
        if (file == undone
            || RunRecord::tailOf(m_fileSystem, file) != RunRecord::Tail::undoneKeepingFolders)
            continue;
        const std::optional<RunRecord> other = RunRecord::read(m_fileSystem, file);
        if (!other || !RecordedRun::belongsTo(other->header, root, folder)
            || undo.removeEmptyFolders(root.handle.get(), *other) > 0)
            continue;
        // All gone now: the record need not be read again.
        RunJournal journal = RunJournal::reopen(m_fileSystem, file);
        journal.undone(other->movedCount());
        journal.sync();
    }
}

UndoReport RecordedUndo::undoLast(
    const std::optional<fs::path> &folder, const RunControl &control) const
{
    m_journals.checkTrusted();
    UndoReport nothing;
    nothing.nothingToUndo = true;

    if (folder) {
        nothing.folder = *folder;
        const OpenFolder root = OpenFolder::open(m_fileSystem, *folder);
        if (m_journals.runsOf(root.identity, *folder).empty())
            return nothing;
        m_journals.prepare();
        const FileDescriptor lock = m_journals.lock(root.identity, m_lockWait);
        settleBeforeUndo(root, *folder);
        // Newest first; a run that turns out to have moved nothing gives way to the
        // one before it. Once the last run is undone, only a run killed before it is
        // still the last run's to take back: older ones are history, undone by id.
        bool lastUndone = false;
        for (const fs::path &file : m_journals.runsOf(root.identity, *folder)) {
            std::optional<RunRecord> record = RunRecord::read(m_fileSystem, file);
            if (!record) {
                // Killed before its header was written: it never happened.
                m_journals.remove(file);
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
            UndoReport report = undoRecord(*record, root, control);
            report.folder = *folder;
            if (!hadMoves(*record, report))
                continue;
            // Taken back already, but for its last line: now it is as undone.
            if (foundAllBack(*record, report)) {
                lastUndone = true;
                continue;
            }
            keepDetails(report);
            return report;
        }
        return nothing;
    }

    std::string name = m_journals.lastRun();
    while (!name.empty()) {
        const fs::path file = m_journals.runFile(name);
        if (!m_journals.exists(file))
            break;
        const std::optional<JournalLines::Header> header
            = RunRecord::readHeader(m_fileSystem, file);
        if (!header) {
            m_journals.remove(file);
            break;
        }
        const fs::path recorded(header->folder);
        const OpenFolder root = openRecordedFolder(*header);
        m_journals.prepare();
        const FileDescriptor lock = m_journals.lock(root.identity, m_lockWait);
        settleBeforeUndo(root, recorded);
        // Read again under the lock: another undo may have settled it meanwhile.
        if (!m_journals.exists(file))
            break;
        std::optional<RunRecord> record = RunRecord::read(m_fileSystem, file);
        if (!record || record->undone)
            break;
        UndoReport report = undoRecord(*record, root, control);
        report.folder = recorded;
        if (hadMoves(*record, report)) {
            if (foundAllBack(*record, report)) {
                nothing.folder = recorded;
                return nothing;
            }
            keepDetails(report);
            return report;
        }
        // This run moved nothing after all: the one before it is the last run.
        name = record->header.previous;
        m_journals.setLastRun(name);
    }
    return nothing;
}

OpenFolder RecordedUndo::openRecordedFolder(const JournalLines::Header &header) const
{
    const fs::path recorded(header.folder);
    OpenFolder root;
    try {
        root = OpenFolder::open(m_fileSystem, recorded);
    } catch (const EngineError &error) {
        throw EngineError(error.code(), ErrorDescriptions::movedOrRenamed(error.message()));
    }
    if (!RecordedRun::belongsTo(header, root, recorded))
        throw EngineError(EngineCondition::notTheOrganizedFolder,
            ErrorMessage { ErrorKind::notTheOrganizedFolder, { recorded.native() } });
    return root;
}

UndoReport RecordedUndo::undoRun(const std::optional<fs::path> &folder, const std::string &runId,
    const RunControl &control) const
{
    m_journals.checkTrusted();
    const auto notRecorded = [&] {
        return EngineError(EngineCondition::noSuchRun,
            folder ? ErrorMessage { ErrorKind::noSuchRunIn, { runId, folder->native() } }
                   : ErrorMessage { ErrorKind::noSuchRun, { runId } });
    };
    const std::vector<fs::path> files = m_journals.runsWithId(runId);
    if (files.empty() || runId.empty())
        throw notRecorded();
    for (const fs::path &file : files) {
        const std::optional<JournalLines::Header> header
            = RunRecord::readHeader(m_fileSystem, file);
        if (!header)
            continue;
        OpenFolder root;
        if (folder) {
            root = OpenFolder::open(m_fileSystem, *folder);
            if (!RecordedRun::belongsTo(*header, root, *folder))
                continue;
        } else {
            root = openRecordedFolder(*header);
        }
        m_journals.prepare();
        const FileDescriptor lock = m_journals.lock(root.identity, m_lockWait);
        settleBeforeUndo(root, folder ? *folder : fs::path(header->folder));
        std::optional<RunRecord> record
            = m_journals.exists(file) ? RunRecord::read(m_fileSystem, file) : std::nullopt;
        UndoReport report;
        report.folder = folder ? *folder : fs::path(header->folder);
        if (!record || record->undone) {
            report.nothingToUndo = true;
            return report;
        }
        const fs::path undoneFolder = report.folder;
        report = undoRecord(*record, root, control);
        report.folder = undoneFolder;
        report.nothingToUndo = !hadMoves(*record, report) || foundAllBack(*record, report);
        if (!report.nothingToUndo)
            keepDetails(report);
        return report;
    }
    throw notRecorded();
}

void RecordedUndo::keepDetails(const UndoReport &report) const
{
    RunDetailsWriter details(m_fileSystem, m_journals.detailsFile(report.folder),
        RunDetails::Kind::undo, PathText::normalFolder(report.folder));
    for (const auto &[name, why] : report.notRestored)
        details.add(name, why);
    details.finish();
}
