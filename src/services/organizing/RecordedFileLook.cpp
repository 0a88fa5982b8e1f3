#include "services/organizing/RecordedFileLook.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/filesystem/FileMover.h"
#include "services/filesystem/InodeTrust.h"
#include "services/journal/RunRecord.h"

#include <cerrno>

namespace fs = std::filesystem;

// Whether `info` is the file `intent` moved; in any doubt it is not.
bool RecordedFileLook::isRecordedFile(const EntryInfo &info, const JournalLines::Intent &intent,
    const FileIdentity &expected, Recognition recognition)
{
    if (info.type != EntryType::regular)
        return false;
    const bool sameStamp = info.size == intent.size && info.modified == intent.modified;
    if (recognition == Recognition::stamp)
        return sameStamp;
    // Another file that got the inode number again is born later.
    if (info.born != 0 && intent.born != 0 && info.born != intent.born)
        return false;
    return info.identity == expected && (recognition != Recognition::inodeAndStamp || sameStamp);
}

// Whether `info` is the empty file the journal says was made as `held`. Only a line
// written before it was made proves that; once it was seen, it must still be that one.
bool RecordedFileLook::isReservation(
    const EntryInfo &info, const JournalLines::Reservation *held, Recognition recognition)
{
    using Stage = JournalLines::Reservation::Stage;
    if (!held || held->stage == Stage::released || info.type != EntryType::regular
        || info.size != 0)
        return false;
    // Killed between making it and saying which it is: the name was free just before,
    // or the reservation is known by having no permissions.
    if (held->stage == Stage::reserving)
        return !held->unlooked || info.permissions == 0;
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
bool RecordedFileLook::sameFile(FileMover &mover, int root, const EntryInfo &one,
    const EntryInfo &other, Recognition recognition)
{
    return one.type == EntryType::regular && one.identity == other.identity
        && one.identity != FileIdentity {} && one.linkCount >= 2 && other.linkCount >= 2
        && (recognition != Recognition::stamp || mover.linksKeepIdentity(root));
}

RecordedFileLook::Whereabouts RecordedFileLook::locate(FolderWalker &walker, int root,
    const RunRecord &record, std::size_t k, const FileIdentity &expected, Recognition how) const
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

RecordedFileLook::Recognition RecordedFileLook::recognitionOf(
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

bool RecordedFileLook::seenThroughLink(int root, const JournalLines::Intent &intent,
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

void RecordedFileLook::removeReservation(
    int folder, const std::string &name, const EntryInfo &seen) const
{
    // It goes only while it is still the empty file seen.
    EntryInfo now;
    if (m_fileSystem.statIn(folder, name, now) == 0 && now.type == EntryType::regular
        && now.size == 0 && now.identity == seen.identity && now.modified == seen.modified)
        m_fileSystem.unlinkFile(folder, name);
}
