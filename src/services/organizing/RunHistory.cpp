#include "services/organizing/RunHistory.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/journal/JournalReader.h"
#include "services/journal/RunRecord.h"
#include "services/organizing/KilledRunSettling.h"
#include "services/organizing/RecordedRun.h"
#include "services/organizing/UndoRun.h"
#include "services/paths/PathText.h"

#include <algorithm>

namespace fs = std::filesystem;

std::vector<RunHistoryEntry> RunHistory::history(const fs::path &folder) const
{
    m_journals.checkTrusted();
    const OpenFolder root = OpenFolder::open(m_fileSystem, folder);
    const UndoRun undo(m_fileSystem);
    const KilledRunSettling settling(m_fileSystem);
    std::vector<RunHistoryEntry> entries;
    for (const fs::path &file : m_journals.runsOf(root.identity, folder)) {
        std::optional<RunRecord> record;
        try {
            record = RunRecord::read(m_fileSystem, file);
        } catch (const EngineError &) {
            continue; // not a run of ours: undo names it when it comes to it
        }
        if (!record || !RecordedRun::belongsTo(record->header, root, folder))
            continue;
        // A killed run's unmarked moves, as a look tells now; the next run or undo of
        // the folder writes down what that look finds.
        if (record->hasUnknown())
            settling.settleUnknown(root.handle.get(), *record, nullptr);
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

std::vector<RecordedMove> RunHistory::runMoves(
    const fs::path &folder, const std::string &runId) const
{
    m_journals.checkTrusted();
    const OpenFolder root = OpenFolder::open(m_fileSystem, folder);
    const UndoRun undo(m_fileSystem);
    const KilledRunSettling settling(m_fileSystem);
    for (const fs::path &file :
        runId.empty() ? std::vector<fs::path>() : m_journals.runsWithId(runId)) {
        std::optional<RunRecord> record = RunRecord::read(m_fileSystem, file);
        if (!record || !RecordedRun::belongsTo(record->header, root, folder))
            continue;
        // As history() counts them: a killed run's unmarked moves as a look tells now.
        if (record->hasUnknown())
            settling.settleUnknown(root.handle.get(), *record, nullptr);
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

std::string RunHistory::historyStamp(const fs::path &folder) const
{
    m_journals.checkTrusted();
    const OpenFolder root = OpenFolder::open(m_fileSystem, folder);
    std::string stamp;
    for (const fs::path &file : m_journals.runsOf(root.identity, folder)) {
        // A file gone meanwhile stamps as such: the history is read again.
        std::error_code error;
        const std::uintmax_t size = fs::file_size(file, error);
        const fs::file_time_type written = fs::last_write_time(file, error);
        stamp += file.filename().native() + ' ' + std::to_string(size) + ' '
            + std::to_string(written.time_since_epoch().count()) + '\n';
    }
    return stamp;
}

bool RunHistory::canUndo(const fs::path &folder) const
{
    try {
        m_journals.checkTrusted();
        const OpenFolder root = OpenFolder::open(m_fileSystem, folder);
        // As undoLast goes: the newest run not yet undone, or a run killed before it.
        bool lastUndone = false;
        for (const fs::path &file : m_journals.runsOf(root.identity, folder)) {
            const RunRecord::Tail tail = RunRecord::tailOf(m_fileSystem, file);
            if (RunRecord::isUndone(tail)) {
                lastUndone = true;
                continue;
            }
            if (!lastUndone || tail == RunRecord::Tail::ended)
                return !lastUndone;
            // The last line of a run whose undo stopped half-way is undo's: only the
            // record tells whether the run itself came to its end.
            const std::optional<RunRecord> record = RunRecord::read(m_fileSystem, file);
            return record && !record->ended;
        }
        return false;
    } catch (const std::exception &) {
        return false;
    }
}

std::optional<RunDetails> RunHistory::lastDetails(const fs::path &folder) const
{
    try {
        m_journals.checkTrusted();
        const fs::path file = m_journals.detailsFile(folder);
        if (!m_journals.exists(file))
            return std::nullopt;
        JournalReader reader(m_fileSystem, file);
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
