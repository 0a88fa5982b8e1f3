#include "services/organizing/KilledRunSettling.h"

#include "services/filesystem/FileMover.h"
#include "services/journal/RunJournal.h"
#include "services/journal/RunRecord.h"
#include "services/organizing/MadeFolders.h"

#include <cerrno>
#include <utility>
#include <vector>

using Recognition = RecordedFileLook::Recognition;
using Whereabouts = RecordedFileLook::Whereabouts;

void KilledRunSettling::settleUnknown(int root, RunRecord &record, RunJournal *journal) const
{
    using JournalLines::Mark;
    std::uint64_t device = 0;
    const Recognition recognition = m_look.recognitionOf(root, record, device);
    FolderWalker walker(m_fileSystem, root);
    FileMover mover(m_fileSystem, root);
    // The run makes its moves in the order it announced them: past the last one known
    // to have happened, a file gone from its old name was moved (and removed since).
    // Only the unsettled are looked at and kept: a kill leaves about a batch of them.
    std::vector<std::pair<std::size_t, Whereabouts>> unsettled;
    std::size_t reached = 0;
    for (std::size_t k = 0; k < record.intents.size(); ++k) {
        const RunRecord::State state = record.states[k];
        if (state != RunRecord::State::unknown) {
            reached = state == RunRecord::State::neverMoved ? reached : k;
            continue;
        }
        const FileIdentity expected { device, record.intents[k].inode };
        unsettled.emplace_back(k, m_look.locate(walker, root, record, k, expected, recognition));
        const Whereabouts &where = unsettled.back().second;
        // Under both names, or beside its reservation: the run was inside that move.
        if (where.atDestination || where.aside || where.reservedAtDestination
            || (where.atSource && where.destinationError == 0
                && RecordedFileLook::sameFile(
                    mover, root, where.source, where.destination, recognition)))
            reached = k;
    }
    for (const auto &[k, where] : unsettled) {
        const JournalLines::Intent &intent = record.intents[k];
        Mark mark = Mark::neverMoved;
        if (where.atDestination || where.aside) {
            // A kill may have come inside a fallback move: the mark that says so makes
            // undo look for what such a move leaves (a name aside, a second link). With
            // the lock held, the old name set aside goes now, before a run could meet it.
            mark = Mark::movedByFallback;
            if (journal && where.atDestination)
                mover.removeExtraName(root, FileMover::asideName(where.found), where.found);
        } else if (where.atSource && where.folderError == 0 && where.destinationError == 0) {
            // Something stands at the new name too. The move's reservation, or a second
            // name of the file, goes now, before another run can move the file and make
            // that name look like this run's move; anything else is not the run's.
            // Only with the folder's lock held (a journal to write): a run at work may
            // hold its file under two names for an instant.
            const int folder
                = journal ? walker.open({ intent.to.begin(), intent.to.end() - 1 }, false).fd : -1;
            if (folder < 0)
                continue;
            const bool ours = where.reservedAtDestination
                || RecordedFileLook::sameFile(
                    mover, root, where.source, where.destination, recognition);
            if (where.reservedAtDestination)
                m_look.removeReservation(folder, intent.to.back(), where.destination);
            else if (ours)
                mover.removeExtraName(folder, intent.to.back(), where.source.identity);
            EntryInfo now;
            if (ours && m_fileSystem.statIn(folder, intent.to.back(), now) == 0
                && now.identity == where.destination.identity)
                continue; // it could not go: undo tries again
        } else if (!where.atSource && where.folderError == 0 && where.destinationError == 0) {
            // Gone from its old name, another item at its new one: moved, and changed
            // since (undo will say so, and leave it).
            mark = Mark::moved;
        } else if (!where.atSource
            && (where.folderError == ELOOP || where.folderError == ENOTDIR)) {
            // Gone from its old name, and a link or a file stands where its new folder
            // was: another program moved that folder away, with what the run put in it
            // if the run went past it or the file is there; else the user removed it.
            if (k < reached
                || m_look.seenThroughLink(root, intent, { device, intent.inode }, recognition))
                mark = Mark::moved;
        } else if (!where.atSource && k < reached
            && (where.sourceError == 0 || where.sourceError == ENOENT)
            && (where.folderError == ENOENT
                || (where.folderError == 0 && where.destinationError == ENOENT))) {
            // The run went past it, and it is gone from its old name (another file may
            // stand there now): moved, and removed or renamed since.
            mark = Mark::moved;
        } else if (!where.atSource && where.folderError != ENOENT
            && where.destinationError != ENOENT) {
            continue; // not found, and the look itself failed: ask again later
        }
        record.apply(mark, k);
        if (journal)
            journal->mark(mark, intent.index);
    }
    record.forgetNeverMoved();
    if (journal)
        journal->sync();
}

void KilledRunSettling::settleBack(int root, RunRecord &record, RunJournal &journal) const
{
    using State = RunRecord::State;
    std::uint64_t device = 0;
    const Recognition recognition = m_look.recognitionOf(root, record, device);
    FolderWalker walker(m_fileSystem, root);
    FileMover mover(m_fileSystem, root);
    std::size_t back = 0;
    for (std::size_t k = 0; k < record.intents.size(); ++k) {
        if (record.states[k] != State::moved && record.states[k] != State::movedByFallback)
            continue;
        const JournalLines::Intent &intent = record.intents[k];
        const Whereabouts where = m_look.locate(
            walker, root, record, k, FileIdentity { device, intent.inode }, recognition);
        // The killed undo's reservation of the old name goes before a run could take
        // it for a file of the user's and move it, also when the user has removed the
        // file since; never while the old name may hold the file moved back.
        if (where.reservedAtSource && !where.atSource)
            m_look.removeReservation(root, intent.from, where.source);
        const int folder = walker.open({ intent.to.begin(), intent.to.end() - 1 }, false).fd;
        bool isBack = where.atSource && !where.atDestination;
        EntryInfo source;
        if (where.atDestination && folder >= 0 && !where.reservedAtSource
            && m_fileSystem.statIn(root, intent.from, source) == 0
            && RecordedFileLook::sameFile(mover, root, source, where.destination, recognition)) {
            // A link-route move back cut short: dropping the new name finishes it.
            mover.removeExtraName(folder, intent.to.back(), source.identity);
            EntryInfo now;
            isBack = m_fileSystem.statIn(folder, intent.to.back(), now) == ENOENT;
        }
        if (!isBack) {
            // The file went on under another name (the user renamed it): the name a
            // link-route move back set aside for it is only a second link now.
            const FileIdentity recorded { device, intent.inode };
            if (folder >= 0 && !where.atDestination)
                mover.removeExtraName(folder, FileMover::asideName(recorded), recorded);
            continue;
        }
        // What a link-route move left aside: an undo's old name in the category folder,
        // the run's own old name in the chosen folder.
        const FileIdentity file = where.atSource ? where.source.identity : source.identity;
        if (folder >= 0)
            mover.removeExtraName(folder, FileMover::asideName(file), file);
        mover.removeExtraName(root, FileMover::asideName(file), file);
        record.apply(JournalLines::Mark::back, k);
        journal.mark(JournalLines::Mark::back, intent.index);
        ++back;
    }
    if (record.pendingCount() == 0) {
        // Every file is back: the undo the kill cut short ends here, as it would have,
        // with the folders the run made.
        const std::size_t kept = MadeFolders::removeEmptyOfRun(
            m_fileSystem, root, record, recognition != Recognition::stamp, device);
        journal.undone(back, kept > 0);
        record.undone = true;
    } else if (back == 0) {
        return;
    }
    journal.sync();
}
