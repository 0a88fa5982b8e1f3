#include "services/organizing/UndoRun.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/filesystem/FileMover.h"
#include "services/journal/RunJournal.h"
#include "services/journal/RunRecord.h"
#include "services/organizing/MadeFolders.h"
#include "services/organizing/MoveStep.h"
#include "services/organizing/UndoDecision.h"
#include "services/paths/PathText.h"

#include <cerrno>

namespace fs = std::filesystem;
using namespace PathText;
using Recognition = RecordedFileLook::Recognition;
using Whereabouts = RecordedFileLook::Whereabouts;

namespace {

// An undo's reservations, of old names, told in the journal of the run it takes back.
class UndoReservations final : public FileMover::Witness
{
public:
    explicit UndoReservations(RunJournal &journal)
        : m_journal(journal)
    { }

    int reservation(Stage stage, const std::string &name, const FileIdentity &file,
        const EntryInfo &made) override
    {
        using Line = JournalLines::Reservation;
        return m_journal.noteReservation({ stage == Stage::reserving ? Line::Stage::reserving
                : stage == Stage::reserved                           ? Line::Stage::reserved
                                                                     : Line::Stage::released,
            name, file.inode, true, made.identity.inode, made.modified });
    }

private:
    RunJournal &m_journal;
};

} // namespace

std::size_t UndoRun::countInPlace(int root, const RunRecord &record, std::vector<bool> *each) const
{
    if (each)
        each->assign(record.intents.size(), false);
    std::uint64_t device = 0;
    const Recognition recognition = m_look.recognitionOf(root, record, device);
    FolderWalker walker(m_fileSystem, root);
    FileMover mover(m_fileSystem, root);
    // Only an undo cut short leaves a moved file under its old name too.
    const bool undoCut = record.undoUnderWay();
    std::size_t inPlace = 0;
    for (std::size_t k = 0; k < record.intents.size(); ++k) {
        const RunRecord::State state = record.states[k];
        if (state == RunRecord::State::back || state == RunRecord::State::givenUp)
            continue;
        const JournalLines::Intent &intent = record.intents[k];
        const FileIdentity expected { device, intent.inode };
        if (state == RunRecord::State::unknown) {
            // A move a kill may have cut short: the file under both names, or beside its
            // reservation, is still at its old place; undo would move nothing.
            const bool there
                = m_look.locate(walker, root, record, k, expected, recognition).atDestination;
            inPlace += there;
            if (each)
                (*each)[k] = there;
            continue;
        }
        const std::vector<std::string> folderParts(intent.to.begin(), intent.to.end() - 1);
        const FolderWalker::Result opened = walker.open(folderParts, false);
        EntryInfo info;
        EntryInfo source;
        if (opened.error == 0 && m_fileSystem.statIn(opened.fd, intent.to.back(), info) == 0
            && RecordedFileLook::isRecordedFile(info, intent, expected, recognition)
            && !(undoCut && m_fileSystem.statIn(root, intent.from, source) == 0
                && RecordedFileLook::sameFile(mover, root, source, info, recognition))) {
            ++inPlace;
            if (each)
                (*each)[k] = true;
        }
    }
    return inPlace;
}

UndoReport UndoRun::execute(int root, RunRecord &record, const RunControl &control) const
{
    RunJournal journal = RunJournal::reopen(m_fileSystem, record.file);
    // Said, and on disk, before the first move back: an undo whose marks never reach the
    // journal (a kill, a full disk) would otherwise leave the run looking ended and
    // untouched, and a later run's moves to the same names would pass for its own. With
    // this line the next run or undo settles by looking what went back.
    journal.undoBegins();
    journal.sync();
    UndoReport report = moveBack(root, record, journal, control);
    try {
        if (record.pendingCount() == 0)
            journal.undone(report.restored, report.foldersKept > 0);
        journal.sync();
    } catch (const EngineError &error) {
        // What moved back is back, and the folders are cleaned up; a later undo finds
        // the files at their old names and settles the record.
        report.recordNotUpdated = error.message();
    }
    return report;
}

UndoReport UndoRun::moveBack(
    int root, RunRecord &record, RunJournal &journal, const RunControl &control) const
{
    using State = RunRecord::State;
    UndoReport report;
    std::uint64_t device = 0;
    const Recognition recognition = m_look.recognitionOf(root, record, device);
    const bool stableInodes = recognition != Recognition::stamp;
    const std::string folderName = lastName(fs::path(record.header.folder));
    FolderWalker walker(m_fileSystem, root);
    UndoReservations reservations(journal);
    FileMover mover(m_fileSystem, root, &reservations);
    mover.removeProbe(root);
    MoveStep step(walker, mover, root);
    const auto restored = [&](const std::string &name) {
        ++report.restored;
        if (control.restored)
            control.restored(name);
    };
    const auto settle = [&](std::size_t k, State state) {
        record.states[k] = state;
        journal.mark(state == State::back ? JournalLines::Mark::back : JournalLines::Mark::givenUp,
            record.intents[k].index);
    };

    // Progress counts the run's files: an announced move that never happened (a run
    // cancelled inside a batch) is none of them.
    std::size_t files = 0;
    for (const State state : record.states)
        files += state != State::back && state != State::givenUp ? 1 : 0;
    const auto tellProgress = [&] {
        if (control.progress)
            control.progress(report.restored + report.notRestored.size(), files);
    };
    std::size_t looked = 0;
    for (std::size_t k = record.intents.size(); k-- > 0;) {
        const State state = record.states[k];
        if (state == State::back || state == State::givenUp)
            continue;
        if (control.isCancelled()) {
            report.cancelled = true;
            break;
        }
        if (++looked % 1024 == 0) {
            tellProgress();
            // A category folder another program moved out of the chosen folder is its
            // business now: nothing more is taken out of it through a handle held.
            walker.dropMoved();
        }
        const JournalLines::Intent &intent = record.intents[k];
        const FileIdentity expected { device, intent.inode };
        const std::string &toName = intent.to.back();
        const std::vector<std::string> folderParts(intent.to.begin(), intent.to.end() - 1);
        const std::string folderText = joinedParts(intent.to, intent.to.size() - 1);
        const bool knownMoved = state != State::unknown;
        // A move that went the fallback way, or that a kill interrupted, may have
        // left a name aside: once the file is back, that name goes.
        const bool mayBeAside = state != State::moved;

        Whereabouts where = m_look.locate(walker, root, record, k, expected, recognition);
        if (!where.atDestination && !where.atSource && !where.aside) {
            // Nothing is given up on one look: a second, fresh one must agree.
            FolderWalker fresh(m_fileSystem, root);
            where = m_look.locate(fresh, root, record, k, expected, recognition);
        }
        const bool newNameGone = where.folderError == ENOENT || where.folderError == ENOTDIR
            || where.folderError == ELOOP
            || (where.folderError == 0 && where.destinationError == ENOENT);
        if (where.aside && where.asideLinked && newNameGone) {
            // A kill inside a link-route move, and the new name moved on since (its
            // folder moved away, say): the old name set aside is only a second name. A
            // look that failed otherwise proves nothing; the file goes back as before.
            mover.removeExtraName(root, FileMover::asideName(expected), where.found);
            where.aside = false;
        }
        const auto removeAside = [&] {
            if (!mayBeAside)
                return;
            // The run's move set the old name aside in the chosen folder, an undo's
            // the new name in the category folder.
            mover.removeExtraName(root, FileMover::asideName(expected), where.found);
            const int folder = walker.open(folderParts, false).fd;
            if (folder >= 0)
                mover.removeExtraName(folder, FileMover::asideName(where.found), where.found);
        };

        const UndoDecision facts { where.atDestination, where.atSource, where.aside, knownMoved,
            where.folderError, where.destinationError };
        switch (facts.decide()) {
        case UndoDecision::Action::moveBack: {
            // Found where the run put it: the run moved it, whatever no mark said (a
            // look that failed when the run was settled), and history counts it so.
            if (state == State::unknown) {
                record.apply(JournalLines::Mark::movedByFallback, k);
                journal.mark(JournalLines::Mark::movedByFallback, intent.index);
            }
            // A killed undo's reservation of the old name is in the way of this one.
            if (where.reservedAtSource)
                m_look.removeReservation(root, intent.from, where.source);
            ErrorMessage why;
            std::error_code error
                = step.back(folderParts, toName, intent.from, where.found, folderName, why);
            EntryInfo source;
            if (error == std::errc::file_exists
                && m_fileSystem.statIn(root, intent.from, source) == 0
                && RecordedFileLook::sameFile(
                    mover, root, source, where.destination, recognition)) {
                // A kill inside a link-route move left the file under both names:
                // dropping the new one puts it back.
                mover.removeExtraName(walker.open(folderParts, false).fd, toName, where.found);
                error.clear();
            }
            if (error) {
                report.notRestored.emplace_back(toName, why);
                break;
            }
            removeAside();
            restored(intent.from);
            settle(k, State::back);
            break;
        }
        case UndoDecision::Action::settleAsBack: {
            removeAside();
            const int folder
                = where.destinationError == 0 ? walker.open(folderParts, false).fd : -1;
            if (folder >= 0 && !knownMoved && where.reservedAtDestination)
                m_look.removeReservation(folder, toName, where.destination);
            else if (folder >= 0
                && RecordedFileLook::sameFile(
                    mover, root, where.source, where.destination, recognition))
                mover.removeExtraName(folder, toName, where.found);
            // Put back by an undo that could not record it: settled, not restored now.
            if (knownMoved) {
                ++report.alreadyBack;
                if (control.restored)
                    control.restored(intent.from);
            }
            --files;
            settle(k, State::back);
            break;
        }
        case UndoDecision::Action::moveBackFromAside: {
            const std::string aside = FileMover::asideName(expected);
            const std::error_code error = mover.move(root, aside, root, intent.from, expected);
            if (error) {
                report.notRestored.emplace_back(intent.from,
                    ErrorDescriptions::moveFailed(intent.from, intent.from, folderName, error));
                break;
            }
            restored(intent.from);
            settle(k, State::back);
            break;
        }
        case UndoDecision::Action::forget:
            --files;
            settle(k, State::givenUp);
            break;
        case UndoDecision::Action::leaveOtherItem: {
            // Known by size and time, a file edited since cannot be told from another.
            const bool changed = recognition != Recognition::inode
                && where.destination.type == EntryType::regular
                && (recognition == Recognition::stamp
                    || where.destination.identity.inode == intent.inode);
            report.notRestored.emplace_back(toName,
                ErrorMessage { changed ? ErrorKind::changedSinceMoved : ErrorKind::anotherItemNow,
                    { toName, folderText } });
            settle(k, State::givenUp);
            break;
        }
        case UndoDecision::Action::leaveGone:
            report.notRestored.emplace_back(
                toName, ErrorMessage { ErrorKind::noLongerIn, { toName, folderText } });
            settle(k, State::givenUp);
            break;
        case UndoDecision::Action::keepPending:
            // Something in the way that may pass (permissions, too many open files):
            // it stays pending for a later undo.
            report.notRestored.emplace_back(toName,
                where.folderError != 0 ? ErrorDescriptions::blockedFolder(
                    joinedParts(intent.to, where.failedDepth + 1), where.folderError)
                                       : ErrorDescriptions::moveFailed(toName, intent.from,
                                           folderName, systemError(where.destinationError)));
            break;
        }
    }
    tellProgress();
    journal.flush();

    report.foldersKept = MadeFolders::removeEmptyOfRun(
        m_fileSystem, root, record, stableInodes, device, &report.foldersNotRemoved);
    return report;
}

std::size_t UndoRun::removeEmptyFolders(int root, const RunRecord &record) const
{
    std::uint64_t device = 0;
    const Recognition recognition = m_look.recognitionOf(root, record, device);
    return MadeFolders::removeEmptyOfRun(
        m_fileSystem, root, record, recognition != Recognition::stamp, device);
}
