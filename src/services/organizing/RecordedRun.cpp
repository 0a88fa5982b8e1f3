#include "services/organizing/RecordedRun.h"

#include "services/errors/EngineError.h"
#include "services/journal/RunRecord.h"
#include "services/organizing/KilledRunSettling.h"
#include "services/paths/PathText.h"

#include <ctime>

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

} // namespace

RecordedRun::RecordedRun(const JournalStore &journals, const fs::path &folder, RunOrigin origin,
    std::chrono::milliseconds lockWait)
    : m_journals(journals)
    , m_folder(folder)
{
    m_journals.prepare();
    m_root = OpenFolder::open(m_journals.fileSystem(), folder);
    m_lock = m_journals.lock(m_root.identity, lockWait);
    settleKilledRuns(m_journals, m_root, folder);

    m_file = m_journals.newRunFile(m_root.identity, folder);
    m_previous = m_journals.lastRun();
    const fs::path normal = PathText::normalFolder(folder);
    JournalLines::Header header { normal.native(), m_root.identity, utcNow(), m_previous };
    header.stableInodes = m_root.stableInodes;
    header.automatic = origin == RunOrigin::automatic;
    m_journal.emplace(RunJournal::create(m_journals.fileSystem(), m_file, header));
    try {
        m_journals.setLastRun(m_file.filename().native());
    } catch (...) {
        m_journals.remove(m_file);
        throw;
    }
    m_details.emplace(
        m_journals.fileSystem(), m_journals.detailsFile(folder), RunDetails::Kind::run, normal);
    m_journal->setDetails(&*m_details);
}

void RecordedRun::abandon()
{
    m_journals.remove(m_file);
    m_journals.setLastRun(m_previous);
}

void RecordedRun::finish(const RunReport &report)
{
    m_details->finish();
    // A leftover file is harmless: the newest run of a folder is the one undone, and a
    // run that moved nothing is settled by looking.
    try {
        if (report.moved == 0) {
            abandon();
            return;
        }
        std::size_t kept = 0;
        for (const fs::path &older : m_journals.runsOf(m_root.identity, m_folder)) {
            if (older == m_file || ++kept < keptRuns)
                continue;
            FileSystem &fileSystem = m_journals.fileSystem();
            if (RunRecord::tailOf(fileSystem, older) == RunRecord::Tail::killed)
                continue;
            const auto olderHeader = RunRecord::readHeader(fileSystem, older);
            if (olderHeader && belongsTo(*olderHeader, m_root, m_folder))
                m_journals.remove(older);
        }
    } catch (const EngineError &) { }
}

void RecordedRun::settleKilledRuns(
    const JournalStore &journals, const OpenFolder &root, const fs::path &folder)
{
    FileSystem &fileSystem = journals.fileSystem();
    const KilledRunSettling settling(fileSystem);
    for (const fs::path &file : journals.runsOf(root.identity, folder)) {
        if (RunRecord::tailOf(fileSystem, file) != RunRecord::Tail::killed)
            continue;
        std::optional<RunRecord> record;
        try {
            record = RunRecord::read(fileSystem, file);
        } catch (const EngineError &) {
            continue; // not a run of ours: undo names it when it comes to it
        }
        if (!record || (!record->hasUnknown() && !record->undoUnderWay())
            || !belongsTo(record->header, root, folder))
            continue;
        RunJournal journal = RunJournal::reopen(fileSystem, file);
        if (record->hasUnknown())
            settling.settleUnknown(root.handle.get(), *record, &journal);
        if (record->undoUnderWay())
            settling.settleBack(root.handle.get(), *record, journal);
    }
}

bool RecordedRun::belongsTo(
    const JournalLines::Header &header, const OpenFolder &root, const fs::path &folder)
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
