#include "services/filesystem/FileMover.h"

#include "model/FileName.h"
#include "services/errors/EngineError.h"

#include <cerrno>
#include <charconv>
#include <vector>

namespace {

bool rejectsNoReplace(int error)
{
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

bool hasNoHardLinks(int error)
{
    return error == EPERM || error == EOPNOTSUPP || error == EMLINK || error == ENOSYS;
}

} // namespace

int FileMover::look(int folder, const std::string &name, EntryInfo &info)
{
    // The fallback decides from what it sees whether a name may go: one failed look
    // is asked again rather than leave a file under two names.
    const int error = m_fileSystem.statIn(folder, name, info);
    return error == 0 ? 0 : m_fileSystem.statIn(folder, name, info);
}

std::string FileMover::asideName(const FileIdentity &identity)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, identity.inode, 16).ptr;
    return std::string(".tidyra-moving-").append(digits, end);
}

std::error_code FileMover::move(int fromFolder, const std::string &fromName, int toFolder,
    const std::string &toName, const FileIdentity &expected)
{
    m_usedFallback = false;
    if (m_noReplace != NoReplace::rejected) {
        const int renameError
            = m_fileSystem.renameNoReplace(fromFolder, fromName, toFolder, toName);
        if (renameError == 0)
            m_noReplace = NoReplace::accepted;
        if (!rejectsNoReplace(renameError))
            return systemError(renameError);
    }
    m_usedFallback = true;
    const std::error_code error = linksKeepIdentity(m_probeFolder)
        ? moveByLink(fromFolder, fromName, toFolder, toName, expected)
        : moveByReservation(fromFolder, fromName, toFolder, toName, expected);
    // A rename only works within one file system, so the flag was refused for all the
    // run's moves, not for this name (vfat says EINVAL to a name it cannot hold, too):
    // once a fallback move went through, no more round trips ask again.
    if (!error)
        m_noReplace = NoReplace::rejected;
    return error;
}

namespace {

constexpr char probeName[] = ".tidyra-probe";
constexpr char probeLinkName[] = ".tidyra-probe-link";

} // namespace

void FileMover::removeProbe(int folder)
{
    // Only the lock holder probes a folder, so these names are ours, once they are
    // the empty files a probe makes.
    for (const char *name : { probeLinkName, probeName }) {
        EntryInfo info;
        if (look(folder, name, info) == 0 && info.type == EntryType::regular && info.size == 0
            && m_fileSystem.unlinkFile(folder, name) != 0)
            m_fileSystem.unlinkFile(folder, name);
    }
}

bool FileMover::linksKeepIdentity(int folder)
{
    if (m_links != Links::unknown)
        return m_links == Links::trusted;
    m_links = Links::untrusted;
    removeProbe(folder);
    if (m_fileSystem.createExclusive(folder, probeName) != 0)
        return false;
    EntryInfo first;
    EntryInfo second;
    if (m_fileSystem.hardLink(folder, probeName, folder, probeLinkName) == 0
        && m_fileSystem.statIn(folder, probeName, first) == 0
        && m_fileSystem.statIn(folder, probeLinkName, second) == 0
        && first.identity == second.identity && first.linkCount == 2 && second.linkCount == 2)
        m_links = Links::trusted;
    removeProbe(folder);
    return m_links == Links::trusted;
}

bool FileMover::isFile(int folder, const std::string &name, const FileIdentity &expected)
{
    EntryInfo info;
    return look(folder, name, info) == 0 && info.type == EntryType::regular
        && info.identity == expected;
}

void FileMover::removeExtraName(int folder, const std::string &name, const FileIdentity &expected)
{
    EntryInfo info;
    if (look(folder, name, info) == 0 && info.identity == expected && info.linkCount >= 2)
        m_fileSystem.unlinkFile(folder, name);
}

std::error_code FileMover::moveByLink(int fromFolder, const std::string &fromName, int toFolder,
    const std::string &toName, const FileIdentity &expected)
{
    const int linkError = m_fileSystem.hardLink(fromFolder, fromName, toFolder, toName);
    if (hasNoHardLinks(linkError))
        return moveByReservation(fromFolder, fromName, toFolder, toName, expected);
    if (linkError != 0)
        return systemError(linkError);

    EntryInfo linked;
    if (look(toFolder, toName, linked) != 0 || linked.identity != expected) {
        // The old name held another file by the time it was linked: take the new name
        // away again while that file still has its old one, and leave it be.
        if (linked.identity != FileIdentity {} && linked.linkCount >= 2)
            m_fileSystem.unlinkFile(toFolder, toName);
        return EngineCondition::changedMeanwhile;
    }

    // The old name is not removed directly: another program may have saved a new
    // file over it since the link. Renamed aside, it can be checked without a gap.
    const std::string aside = asideName(expected);
    const int asideError = m_fileSystem.renameReplacing(fromFolder, fromName, fromFolder, aside);
    if (asideError == ENOENT && !isFile(fromFolder, fromName, expected))
        return {}; // the old name is gone already; the file has its new one
    if (asideError != 0) {
        removeExtraName(toFolder, toName, expected);
        return systemError(asideError);
    }
    if (isFile(fromFolder, aside, expected)) {
        // Our file under a private name; its new name holds it. Should removing fail
        // twice, undo finds the private name and settles it.
        if (m_fileSystem.unlinkFile(fromFolder, aside) != 0)
            m_fileSystem.unlinkFile(fromFolder, aside);
        return {};
    }
    // Someone else's file went aside: it goes back under its name, never over another;
    // should that name be taken again already, under the first free numbered one.
    for (std::uint64_t number = 0; number < 100; ++number) {
        const std::string name = number == 0 ? fromName : FileName::numbered(fromName, number);
        if (m_fileSystem.hardLink(fromFolder, aside, fromFolder, name) == 0) {
            m_fileSystem.unlinkFile(fromFolder, aside);
            break;
        }
    }
    return {};
}

std::error_code FileMover::moveByReservation(int fromFolder, const std::string &fromName,
    int toFolder, const std::string &toName, const FileIdentity &expected)
{
    using Stage = Witness::Stage;
    const auto tell = [&](Stage stage, const EntryInfo &seen) {
        return m_witness ? m_witness->reservation(stage, toName, expected, seen) : 0;
    };
    // An empty file already standing at the name must never be taken for the
    // reservation. Where reservations keep their lack of permissions, the journal says
    // only such a file can be one, and the exclusive create is the only look at the name:
    // on a share that saves a round trip a file. Elsewhere the name must be seen free
    // before the journal says it is ours; one look will do, as the create is exclusive.
    const bool lookFirst = m_permissions != Permissions::kept;
    if (lookFirst) {
        EntryInfo before;
        if (const int error = m_fileSystem.statIn(toFolder, toName, before); error != ENOENT)
            return systemError(error == 0 ? EEXIST : error);
    }
    if (const int error = tell(lookFirst ? Stage::reserving : Stage::reservingUnlooked, {}))
        return systemError(error);
    if (const int error = m_fileSystem.createExclusive(toFolder, toName)) {
        tell(Stage::released, {});
        return systemError(error);
    }
    // Seen by name, not through the descriptor made: what a look after a remount is
    // compared with, where files are known by size and time.
    EntryInfo reservation;
    const bool reserved = look(toFolder, toName, reservation) == 0
        && reservation.type == EntryType::regular && reservation.size == 0;
    if (reserved && m_permissions == Permissions::unknown)
        m_permissions = reservation.permissions == 0 ? Permissions::kept : Permissions::lost;
    const auto removeReservation = [&] {
        EntryInfo now;
        if (reserved && look(toFolder, toName, now) == 0 && now.identity == reservation.identity
            && now.size == 0 && m_fileSystem.unlinkFile(toFolder, toName) == 0)
            tell(Stage::released, {});
    };
    if (!reserved) {
        removeReservation();
        return systemError(EEXIST);
    }
    if (const int error = tell(Stage::reserved, reservation)) {
        removeReservation();
        return systemError(error);
    }
    if (!isFile(fromFolder, fromName, expected)) {
        removeReservation();
        return EngineCondition::changedMeanwhile;
    }
    if (const int error = m_fileSystem.renameReplacing(fromFolder, fromName, toFolder, toName)) {
        removeReservation();
        return systemError(error);
    }
    removeReservationKeptAside(toFolder, toName, reservation);
    return {};
}

void FileMover::removeReservationKeptAside(
    int folder, const std::string &name, const EntryInfo &reservation)
{
    // ntfs-3g replaces a name by first linking the old file to the name plus a suffix;
    // for a long name that link gets a cut-down name and outlives the rename. It holds
    // the reservation, found by its name being a prefix of the new one and by identity.
    constexpr std::size_t roomForSuffix = 200;
    if (name.size() <= roomForSuffix)
        return;
    std::vector<DirectoryEntry> entries;
    if (m_fileSystem.listFolder(folder, entries) != 0)
        return;
    for (const DirectoryEntry &entry : entries) {
        if (entry.name.empty() || entry.name.size() >= name.size()
            || name.compare(0, entry.name.size(), entry.name) != 0)
            continue;
        EntryInfo seen;
        if (look(folder, entry.name, seen) == 0 && seen.type == EntryType::regular && seen.size == 0
            && seen.identity == reservation.identity)
            m_fileSystem.unlinkFile(folder, entry.name);
    }
}
