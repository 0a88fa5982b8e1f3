#include "services/organizing/UndoRun.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/filesystem/FileMover.h"
#include "services/filesystem/InodeTrust.h"
#include "services/journal/RunJournal.h"
#include "services/journal/RunRecord.h"
#include "services/organizing/MadeFolders.h"
#include "services/organizing/MoveStep.h"
#include "services/paths/PathText.h"

#include <algorithm>
#include <cerrno>
#include <set>

namespace fs = std::filesystem;
using namespace PathText;

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

// Where a recorded move's file is now, as one fresh look tells: at the run's
// destination, back at its old name, or aside under the fallback's private name.
struct UndoRun::Whereabouts
{
    int folderError = 0; // opening the destination folder
    int destinationError = 0; // looking at the destination, when the folder opened
    int sourceError = 0; // looking at the old name
    std::size_t failedDepth = 0;
    bool atDestination = false;
    bool atSource = false;
    bool aside = false;
    bool asideLinked = false; // the name aside is one of two: the file has another
    // An empty file the journal proves the run made at the new name (a kill between
    // reserving and renaming), or an undo made at the old name.
    bool reservedAtDestination = false;
    bool reservedAtSource = false;
    FileIdentity found; // the file's identity now, where it was found
    EntryInfo destination; // what is at the destination, when destinationError is 0
    EntryInfo source; // what is at the old name, when sourceError is 0
};

// How undo knows the files of a run, by the strongest key the file system keeps.
enum class UndoRun::Recognition : std::uint8_t {
    inode, // the same inode on the same device
    inodeAndStamp, // the same inode, on a disk mounted again, and the same size and time
    stamp, // inode numbers do not hold: the same size and modification time
};

// Whether `info` is the file `intent` moved; in any doubt it is not.
bool UndoRun::isRecordedFile(const EntryInfo &info, const JournalLines::Intent &intent,
    const FileIdentity &expected, Recognition recognition)
{
    if (info.type != EntryType::regular)
        return false;
    const bool sameStamp
        = intent.stamped && info.size == intent.size && info.modified == intent.modified;
    // A run recorded before sizes and times were kept has its inode only.
    if (recognition == Recognition::stamp && intent.stamped)
        return sameStamp;
    return info.identity == expected
        && (recognition != Recognition::inodeAndStamp || !intent.stamped || sameStamp);
}

// Whether `info` is the empty file the journal says was made as `held`. Only a line
// written before it was made proves that; once it was seen, it must still be that one.
bool UndoRun::isReservation(
    const EntryInfo &info, const JournalLines::Reservation *held, Recognition recognition)
{
    using Stage = JournalLines::Reservation::Stage;
    if (!held || held->stage == Stage::released || info.type != EntryType::regular
        || info.size != 0)
        return false;
    // Killed between making it and saying which it is: the name was free just before.
    if (held->stage == Stage::reserving)
        return true;
    const bool sameInode = info.identity.inode == held->inode;
    const bool sameTime = info.modified == held->modified;
    switch (recognition) {
    case Recognition::inode:
        return sameInode;
    case Recognition::inodeAndStamp:
        return sameInode && sameTime;
    case Recognition::stamp:
        break;
    }
    return sameTime;
}

// Whether the two names show one file now: the same inode and a second link, on a file
// system whose inode numbers hold or whose links a probe showed to keep one identity.
bool UndoRun::sameFile(FileMover &mover, int root, const EntryInfo &one, const EntryInfo &other,
    Recognition recognition)
{
    return one.type == EntryType::regular && one.identity == other.identity
        && one.identity != FileIdentity {} && one.linkCount >= 2 && other.linkCount >= 2
        && (recognition != Recognition::stamp || mover.linksKeepIdentity(root));
}

UndoRun::Whereabouts UndoRun::locate(FolderWalker &walker, int root, const RunRecord &record,
    std::size_t k, const FileIdentity &expected, Recognition how) const
{
    const JournalLines::Intent &intent = record.intents[k];
    const bool stableInodes = how != Recognition::stamp;
    Whereabouts where;
    const std::vector<std::string> folderParts(intent.to.begin(), intent.to.end() - 1);
    const FolderWalker::Result opened = walker.open(folderParts, false);
    where.folderError = opened.error;
    where.failedDepth = opened.failedDepth;
    if (opened.error == 0) {
        where.destinationError
            = m_fileSystem.statIn(opened.fd, intent.to.back(), where.destination);
        where.atDestination = where.destinationError == 0
            && isRecordedFile(where.destination, intent, expected, how);
        where.reservedAtDestination = where.destinationError == 0
            && isReservation(where.destination, record.reservationOf(intent, false), how);
    }
    const JournalLines::Reservation *reservedBack = record.reservationOf(intent, true);
    // The old name matters too, found at the new one, only for a move not known to have
    // happened or one a killed undo reserved the old name for; most undos save the look.
    const bool unsettled = record.states[k] == RunRecord::State::unknown;
    where.sourceError = where.atDestination && !unsettled && !reservedBack
        ? ENOENT
        : m_fileSystem.statIn(root, intent.from, where.source);
    if (where.sourceError == 0) {
        where.atSource = isRecordedFile(where.source, intent, expected, how);
        where.reservedAtSource = isReservation(where.source, reservedBack, how);
    }
    // Both names may pass for the file where it is known by size and time (an empty
    // file, and the empty reservation made in the same tick), or show one file under
    // two names (a kill inside a link-route move). An undo reserves the old name only
    // while the file is at the new one; a move not known to have happened is taken
    // not to have happened.
    if (where.atSource && where.atDestination) {
        if (where.reservedAtSource)
            where.atSource = false;
        else if (unsettled)
            where.atDestination = false;
    }
    where.found = where.atDestination ? where.destination.identity : where.source.identity;
    if (!where.atDestination && !where.atSource) {
        EntryInfo info;
        // Only the link route sets names aside. It is taken where links keep one
        // identity, on FUSE too (sshfs, NTFS), where the file is known by size and time.
        where.aside = m_fileSystem.statIn(root, FileMover::asideName(expected), info) == 0
            && (stableInodes ? info.identity == expected
                             : isRecordedFile(info, intent, expected, how));
        if (where.aside) {
            where.found = info.identity;
            where.asideLinked = info.linkCount >= 2;
        }
    }
    return where;
}

UndoRun::Recognition UndoRun::recognitionOf(
    int root, const RunRecord &record, std::uint64_t &device) const
{
    // The device of the folder now: a disk plugged in again may get another number.
    EntryInfo rootInfo;
    std::uint64_t type = 0;
    int error = m_fileSystem.statFolder(root, rootInfo);
    if (error == 0)
        error = m_fileSystem.fileSystemType(root, type);
    if (error != 0)
        throw EngineError(
            error, ErrorDescriptions::cannotOpenFolder(fs::path(record.header.folder), error));
    device = rootInfo.identity.device;
    // On a disk mounted again (another device number) an inode number alone could name
    // another disk's file: the size and time must agree too.
    if (!record.header.stableInodes || !InodeTrust::stableAcrossMounts(type))
        return Recognition::stamp;
    return device == record.header.folderIdentity.device ? Recognition::inode
                                                         : Recognition::inodeAndStamp;
}

std::size_t UndoRun::countInPlace(int root, const RunRecord &record, std::vector<bool> *each) const
{
    if (each)
        each->assign(record.intents.size(), false);
    std::uint64_t device = 0;
    const Recognition recognition = recognitionOf(root, record, device);
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
            const bool there = locate(walker, root, record, k, expected, recognition).atDestination;
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
            && isRecordedFile(info, intent, expected, recognition)
            && !(undoCut && m_fileSystem.statIn(root, intent.from, source) == 0
                && sameFile(mover, root, source, info, recognition))) {
            ++inPlace;
            if (each)
                (*each)[k] = true;
        }
    }
    return inPlace;
}

bool UndoRun::seenThroughLink(int root, const JournalLines::Intent &intent,
    const FileIdentity &expected, Recognition recognition) const
{
    // Only a look, through the link the user put where the folder was, into the folder
    // moved away: nothing there is moved or removed.
    std::string path = "/proc/self/fd/" + std::to_string(root);
    for (std::size_t part = 0; part + 1 < intent.to.size(); ++part)
        path.append("/").append(intent.to[part]);
    FileDescriptor folder;
    EntryInfo info;
    return m_fileSystem.openFolder(path, folder) == 0
        && m_fileSystem.statIn(folder.get(), intent.to.back(), info) == 0
        && isRecordedFile(info, intent, expected, recognition);
}

void UndoRun::settleUnknown(int root, RunRecord &record, RunJournal *journal) const
{
    using JournalLines::Mark;
    std::uint64_t device = 0;
    const Recognition recognition = recognitionOf(root, record, device);
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
        unsettled.emplace_back(k, locate(walker, root, record, k, expected, recognition));
        const Whereabouts &where = unsettled.back().second;
        // Under both names, or beside its reservation: the run was inside that move.
        if (where.atDestination || where.aside || where.reservedAtDestination
            || (where.atSource && where.destinationError == 0
                && sameFile(mover, root, where.source, where.destination, recognition)))
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
                || sameFile(mover, root, where.source, where.destination, recognition);
            if (where.reservedAtDestination)
                removeReservation(folder, intent.to.back(), where.destination);
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
            if (k < reached || seenThroughLink(root, intent, { device, intent.inode }, recognition))
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

void UndoRun::settleBack(int root, RunRecord &record, RunJournal &journal) const
{
    using State = RunRecord::State;
    std::uint64_t device = 0;
    const Recognition recognition = recognitionOf(root, record, device);
    FolderWalker walker(m_fileSystem, root);
    FileMover mover(m_fileSystem, root);
    std::size_t back = 0;
    for (std::size_t k = 0; k < record.intents.size(); ++k) {
        if (record.states[k] != State::moved && record.states[k] != State::movedByFallback)
            continue;
        const JournalLines::Intent &intent = record.intents[k];
        const Whereabouts where
            = locate(walker, root, record, k, FileIdentity { device, intent.inode }, recognition);
        // The killed undo's reservation of the old name goes before a run could take
        // it for a file of the user's and move it, also when the user has removed the
        // file since; never while the old name may hold the file moved back.
        if (where.reservedAtSource && !where.atSource)
            removeReservation(root, intent.from, where.source);
        const int folder = walker.open({ intent.to.begin(), intent.to.end() - 1 }, false).fd;
        bool isBack = where.atSource && !where.atDestination;
        EntryInfo source;
        if (where.atDestination && folder >= 0 && !where.reservedAtSource
            && m_fileSystem.statIn(root, intent.from, source) == 0
            && sameFile(mover, root, source, where.destination, recognition)) {
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
        const std::size_t kept
            = removeFolders(root, record, recognition != Recognition::stamp, device);
        journal.undone(back, kept > 0);
        record.undone = true;
    } else if (back == 0) {
        return;
    }
    journal.sync();
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
    const Recognition recognition = recognitionOf(root, record, device);
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

        Whereabouts where = locate(walker, root, record, k, expected, recognition);
        if (!where.atDestination && !where.atSource && !where.aside) {
            // Nothing is given up on one look: a second, fresh one must agree.
            FolderWalker fresh(m_fileSystem, root);
            where = locate(fresh, root, record, k, expected, recognition);
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

        if (where.atDestination) {
            // Found where the run put it: the run moved it, whatever no mark said (a
            // look that failed when the run was settled), and history counts it so.
            if (state == State::unknown) {
                record.apply(JournalLines::Mark::movedByFallback, k);
                journal.mark(JournalLines::Mark::movedByFallback, intent.index);
            }
            // A killed undo's reservation of the old name is in the way of this one.
            if (where.reservedAtSource)
                removeReservation(root, intent.from, where.source);
            ErrorMessage why;
            std::error_code error
                = step.back(folderParts, toName, intent.from, where.found, folderName, why);
            EntryInfo source;
            if (error == std::errc::file_exists
                && m_fileSystem.statIn(root, intent.from, source) == 0
                && sameFile(mover, root, source, where.destination, recognition)) {
                // A kill inside a link-route move left the file under both names:
                // dropping the new one puts it back.
                mover.removeExtraName(walker.open(folderParts, false).fd, toName, where.found);
                error.clear();
            }
            if (error) {
                report.notRestored.emplace_back(toName, why);
                continue;
            }
            removeAside();
            restored(intent.from);
            settle(k, State::back);
        } else if (where.atSource) {
            // Already at its old place: never moved, or moved back by an undo that
            // stopped before it could say so.
            removeAside();
            const int folder
                = where.destinationError == 0 ? walker.open(folderParts, false).fd : -1;
            if (folder >= 0 && !knownMoved && where.reservedAtDestination)
                removeReservation(folder, toName, where.destination);
            else if (folder >= 0
                && sameFile(mover, root, where.source, where.destination, recognition))
                mover.removeExtraName(folder, toName, where.found);
            // Put back by an undo that could not record it: settled, not restored now.
            if (knownMoved) {
                ++report.alreadyBack;
                if (control.restored)
                    control.restored(intent.from);
            }
            --files;
            settle(k, State::back);
        } else if (where.aside) {
            const std::string aside = FileMover::asideName(expected);
            const std::error_code error = mover.move(root, aside, root, intent.from, expected);
            if (error) {
                report.notRestored.emplace_back(intent.from,
                    ErrorDescriptions::moveFailed(intent.from, intent.from, folderName, error));
                continue;
            }
            restored(intent.from);
            settle(k, State::back);
        } else if (!knownMoved && (where.folderError != 0 || where.destinationError != 0)) {
            // Announced, never moved, and no longer where it was: nothing of this run.
            --files;
            settle(k, State::givenUp);
        } else if (where.folderError == 0 && where.destinationError == 0) {
            // Known by size and time, a file edited since cannot be told from another.
            const bool changed = recognition != Recognition::inode
                && where.destination.type == EntryType::regular && intent.stamped
                && (recognition == Recognition::stamp
                    || where.destination.identity.inode == intent.inode);
            report.notRestored.emplace_back(toName,
                ErrorMessage { changed ? ErrorKind::changedSinceMoved : ErrorKind::anotherItemNow,
                    { toName, folderText } });
            settle(k, State::givenUp);
        } else if (where.folderError == ENOENT || where.folderError == ENOTDIR
            || where.folderError == ELOOP || where.destinationError == ENOENT) {
            report.notRestored.emplace_back(
                toName, ErrorMessage { ErrorKind::noLongerIn, { toName, folderText } });
            settle(k, State::givenUp);
        } else {
            // Something in the way that may pass (permissions, too many open files):
            // it stays pending for a later undo.
            report.notRestored.emplace_back(toName,
                where.folderError != 0 ? ErrorDescriptions::blockedFolder(
                    joinedParts(intent.to, where.failedDepth + 1), where.folderError)
                                       : ErrorDescriptions::moveFailed(toName, intent.from,
                                           folderName, systemError(where.destinationError)));
        }
    }
    tellProgress();
    journal.flush();

    report.foldersKept
        = removeFolders(root, record, stableInodes, device, &report.foldersNotRemoved);
    return report;
}

std::size_t UndoRun::removeEmptyFolders(int root, const RunRecord &record) const
{
    std::uint64_t device = 0;
    const Recognition recognition = recognitionOf(root, record, device);
    return removeFolders(root, record, recognition != Recognition::stamp, device);
}

std::size_t UndoRun::removeFolders(int root, const RunRecord &record, bool stableInodes,
    std::uint64_t device, std::vector<std::pair<std::string, ErrorMessage>> *failed) const
{
    // Folders announced but never confirmed by a run that was killed (the kill may
    // have come between making and saying so), and all of them where inode numbers do
    // not hold, are known by name alone: an empty folder of that name is taken to be
    // the run's.
    std::vector<FolderWalker::Created> made;
    std::set<std::vector<std::string>> confirmed;
    for (const JournalLines::Made &folder : record.made) {
        made.push_back({ folder.parts,
            stableInodes ? FileIdentity { device, folder.inode } : FileIdentity {} });
        confirmed.insert(folder.parts);
    }
    for (const std::vector<std::string> &parts : record.toMake) {
        if (!record.ended && confirmed.insert(parts).second)
            made.push_back({ parts, FileIdentity {} });
    }
    // Parents before the folders inside them, as removeMadeFolders expects.
    std::stable_sort(made.begin(), made.end(),
        [](const auto &a, const auto &b) { return a.parts.size() < b.parts.size(); });
    return MadeFolders::removeEmpty(m_fileSystem, root, made, failed);
}

void UndoRun::removeReservation(int folder, const std::string &name, const EntryInfo &seen) const
{
    // It goes only while it is still the empty file seen.
    EntryInfo now;
    if (m_fileSystem.statIn(folder, name, now) == 0 && now.type == EntryType::regular
        && now.size == 0 && now.identity == seen.identity && now.modified == seen.modified)
        m_fileSystem.unlinkFile(folder, name);
}
