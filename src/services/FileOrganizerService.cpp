#include "FileOrganizerService.h"

#include "DownloadsInProgress.h"
#include "EngineError.h"
#include "ErrorDescriptions.h"
#include "FileMover.h"
#include "FileName.h"
#include "FolderWalker.h"
#include "InodeTrust.h"
#include "PathText.h"
#include "PosixFileSystem.h"
#include "RunJournal.h"
#include "RunRecord.h"
#include "Text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <set>
#include <unordered_map>
#include <unordered_set>

namespace fs = std::filesystem;
using namespace PathText;

namespace {

void printSkipped(const std::string &name, const std::string &description)
{
    const std::string line = "[Tidyra] Skipped " + Text::displayText(name) + ": "
        + Text::displayText(description) + '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

// Moves announced in the journal with one sync; a crash leaves at most this many
// to settle by looking, and a disk pays one flush for each.
constexpr std::size_t journalBatchSize = 4096;

struct PlannedFile
{
    std::string name;
    std::string upperExtension;
};

} // namespace

FileOrganizerService::FileOrganizerService(std::shared_ptr<FileSystem> fileSystem)
    : m_fileSystem(fileSystem ? std::move(fileSystem) : std::make_shared<PosixFileSystem>())
    , m_skipReporter(printSkipped)
{ }

void FileOrganizerService::setSkipReporter(SkipReporter reporter)
{
    m_skipReporter = reporter ? std::move(reporter) : SkipReporter(printSkipped);
}

OrganizationPlan FileOrganizerService::buildPlan(const fs::path &folderURL) const
{
    // Everything below goes through this handle, so the folder's depth does not matter.
    FileDescriptor root;
    std::vector<DirectoryEntry> entries;
    int error = m_fileSystem->openFolder(folderURL, root);
    if (error == 0)
        error = m_fileSystem->listFolder(root.get(), entries);
    if (error != 0)
        throw EngineError(error, ErrorDescriptions::cannotOpenFolder(folderURL, error));

    const DownloadsInProgress downloads(entries);
    std::array<std::vector<PlannedFile>, allCases.size()> groups;
    for (DirectoryEntry &entry : entries) {
        if (entry.name.empty() || entry.name.front() == '.' || entry.type != EntryType::regular
            || downloads.isInProgress(entry.name))
            continue;
        if (downloads.hasPartialFile(entry.name)) {
            // The browser's empty placeholder; one whose size cannot be read stays too.
            EntryInfo info;
            if (m_fileSystem->statIn(root.get(), entry.name, info) != 0 || info.size == 0)
                continue;
        }
        const std::string_view extension = FileName::extension(entry.name);
        const FileCategory category = categoryForExtension(extension);
        std::string upper = Text::toUpperCase(extension);
        groups[static_cast<std::size_t>(category)].push_back(
            { std::move(entry.name), std::move(upper) });
    }

    // The listing is no longer needed; a plan of 100,000 moves should not carry it too.
    std::vector<DirectoryEntry>().swap(entries);

    OrganizationPlan list;
    list.folderURL = folderURL;
    std::size_t total = 0;
    for (const auto &files : groups)
        total += files.size();
    list.moves.reserve(total);
    FolderWalker walker(*m_fileSystem, root.get());

    for (FileCategory category : allCases) {
        auto &files = groups[static_cast<std::size_t>(category)];
        if (files.empty())
            continue;
        const std::string categoryName(rawValue(category));

        std::unordered_set<std::string_view> distinct;
        for (const PlannedFile &file : files) {
            distinct.insert(file.upperExtension);
            if (distinct.size() > 1)
                break;
        }
        const bool hasSubGroups = distinct.size() > 1;

        // Each destination folder by sub-group, with whether names in it must be
        // checked, found out once per folder: nothing inside a missing folder can be
        // taken, which spares one check per file on a first run, and a folder that
        // cannot be reached makes the move itself fail and say why.
        struct DestinationFolder
        {
            std::uint32_t target = 0;
            bool isChecked = false;
        };
        std::unordered_map<std::string, DestinationFolder> destinationFolders;
        // The folder whose handle the walker gave last; it stays valid until the next open.
        std::uint32_t lastOpened = static_cast<std::uint32_t>(-1);
        FolderWalker::Result opened;

        for (PlannedFile &file : files) {
            const std::string &group = hasSubGroups ? file.upperExtension : std::string();
            auto [known, inserted] = destinationFolders.try_emplace(group);
            DestinationFolder &destination = known->second;
            if (inserted) {
                OrganizationPlan::Target target;
                target.category = category;
                if (hasSubGroups)
                    target.subGroup = group;
                // An empty sub-group adds no folder level.
                target.parts.push_back(categoryName);
                if (!group.empty())
                    target.parts.push_back(group);
                destination.target = static_cast<std::uint32_t>(list.targets.size());
                list.targets.push_back(std::move(target));
                opened = walker.open(list.targets.back().parts, false);
                lastOpened = destination.target;
                destination.isChecked = opened.error == 0;
            }
            OrganizationPlan::Move move;
            if (destination.isChecked) {
                if (lastOpened != destination.target) {
                    opened = walker.open(list.targets[destination.target].parts, false);
                    lastOpened = destination.target;
                }
                if (opened.error == 0) {
                    std::string freed = uniqueDestination(opened.fd, file.name);
                    if (freed != file.name)
                        move.destination = std::move(freed);
                }
            }
            move.source = std::move(file.name);
            move.target = destination.target;
            move.index = static_cast<std::uint32_t>(list.moves.size());
            list.moves.push_back(std::move(move));
        }
        std::vector<PlannedFile>().swap(files);
    }
    return list;
}

std::string FileOrganizerService::uniqueDestination(int folder, const std::string &name) const
{
    EntryInfo entry;
    // Any failure but "exists" means this name can be handed out: either it is free,
    // or the move itself will fail and say why (a name too long, a folder unreadable).
    if (m_fileSystem->statIn(folder, name, entry) != 0)
        return name;
    for (std::uint64_t number = 1;; ++number) {
        std::string numbered = FileName::numbered(name, number);
        if (m_fileSystem->statIn(folder, numbered, entry) != 0)
            return numbered;
    }
}

FileOrganizerService::OpenFolder FileOrganizerService::openFolder(const fs::path &folderURL) const
{
    OpenFolder opened;
    if (const int error = m_fileSystem->openFolder(folderURL, opened.handle))
        throw EngineError(error, ErrorDescriptions::cannotOpenFolder(folderURL, error));
    EntryInfo info;
    if (const int error = m_fileSystem->statFolder(opened.handle.get(), info))
        throw EngineError(error, ErrorDescriptions::cannotOpenFolder(folderURL, error));
    opened.identity = info.identity;
    std::uint64_t type = 0;
    m_fileSystem->fileSystemType(opened.handle.get(), type);
    opened.stableInodes = InodeTrust::stableAcrossMounts(type);
    return opened;
}

RunReport FileOrganizerService::executeMoves(const OrganizationPlan &list, int root,
    RunJournal *journal, const RunControl &control, std::vector<std::uint32_t> *moved) const
{
    RunReport report;
    const auto skip = [&](const std::string &name, const std::string &description) {
        ++report.skipped;
        m_skipReporter(name, description);
        if (journal)
            journal->skipped(name, description);
    };

    // Why moves into a target cannot happen, empty when they can.
    const auto &targets = list.targets;
    std::vector<std::string> blocked(targets.size());
    if (journal) {
        // Folders are announced, on disk, before they are made: a run killed in between
        // leaves none that undo does not know of.
        std::set<std::vector<std::string>> toMake;
        FolderWalker look(*m_fileSystem, root);
        for (const OrganizationPlan::Target &target : targets) {
            const FolderWalker::Result found = look.open(target.parts, false);
            for (std::size_t depth = found.failedDepth;
                 found.error == ENOENT && depth < target.parts.size(); ++depth)
                toMake.emplace(target.parts.begin(), target.parts.begin() + depth + 1);
        }
        for (const std::vector<std::string> &parts : toMake)
            journal->folderToMake(parts);
        if (!toMake.empty()) {
            try {
                journal->sync();
            } catch (const std::exception &error) {
                report.stoppedBy = error.what();
                return report;
            }
        }
    }
    FolderWalker walker(*m_fileSystem, root);
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const FolderWalker::Result opened = walker.open(targets[i].parts, true);
        if (opened.creationFailed) {
            removeMadeFolders(root, walker.created());
            throw EngineError(opened.error,
                ErrorDescriptions::cannotCreateFolder(
                    joinedParts(targets[i].parts, opened.failedDepth + 1), list.folderURL,
                    opened.error));
        }
        // Something that is not a folder of ours stands in the way: it is left alone
        // and the moves into it are reported as skipped.
        if (opened.error != 0)
            blocked[i] = ErrorDescriptions::blockedFolder(
                joinedParts(targets[i].parts, opened.failedDepth + 1), opened.error);
    }
    if (journal) {
        for (const FolderWalker::Created &made : walker.created())
            journal->folderMade({ made.parts, made.identity.inode });
    }

    FileMover mover(*m_fileSystem, root);
    struct Ready
    {
        const OrganizationPlan::Move *move;
        FileIdentity identity;
    };
    std::vector<Ready> batch;
    const std::size_t total = list.moves.size();
    std::size_t next = 0;
    while (next < total && !report.cancelled && report.stoppedBy.empty()) {
        // Each batch is checked and announced first: a file is moved only once the
        // journal holds, on disk, which file goes where. One sync a batch keeps that
        // cheap; a crash leaves at most one batch to settle by looking.
        batch.clear();
        for (; next < total && batch.size() < journalBatchSize; ++next) {
            const OrganizationPlan::Move &move = list.moves[next];
            if (!blocked[move.target].empty()) {
                skip(move.source, blocked[move.target]);
                continue;
            }
            // Only what is still a regular file is moved: a folder or link put in its
            // place after planning stays.
            EntryInfo info;
            if (const int error = m_fileSystem->statIn(root, move.source, info)) {
                skip(move.source,
                    ErrorDescriptions::moveFailed(
                        move.source, move.source, {}, systemError(error)));
                continue;
            }
            if (info.type != EntryType::regular) {
                skip(move.source,
                    ErrorDescriptions::moveFailed(
                        move.source, move.source, {}, EngineCondition::changedMeanwhile));
                continue;
            }
            if (journal)
                journal->intend(move.index, move.source, targets[move.target].parts,
                    move.destinationName(), info);
            batch.push_back({ &move, info.identity });
        }
        if (journal && !batch.empty()) {
            try {
                journal->sync();
            } catch (const std::exception &error) {
                report.stoppedBy = error.what();
                break;
            }
        }

        for (const Ready &ready : batch) {
            if (control.isCancelled()) {
                report.cancelled = true;
                break;
            }
            const OrganizationPlan::Move &move = *ready.move;
            std::string why;
            if (moveAcross(walker, mover, root, targets[move.target].parts, move.source,
                    move.destinationName(), true, ready.identity, {}, why)) {
                skip(move.source, why);
                continue;
            }
            ++report.moved;
            if (journal)
                journal->mark(mover.usedFallback() ? JournalLines::Mark::movedByFallback
                                                   : JournalLines::Mark::moved,
                    move.index);
            if (moved)
                moved->push_back(move.index);
        }
        // Files, not plan slots: a cancel may cut the batch short.
        if (control.progress)
            control.progress(report.moved + report.skipped, total);
    }
    if (journal) {
        try {
            journal->end(report.moved);
            journal->sync();
        } catch (const std::exception &) {
            // The intents are on disk already; undo settles the rest by looking.
        }
    }
    removeMadeFolders(root, walker.created());
    return report;
}

std::error_code FileOrganizerService::moveAcross(FolderWalker &walker, FileMover &mover, int root,
    const std::vector<std::string> &parts, const std::string &rootName,
    const std::string &innerName, bool inward, const FileIdentity &identity,
    const std::string &rootFolderName, std::string &why) const
{
    const FolderWalker::Result opened = walker.open(parts, false);
    if (opened.error != 0) {
        why = ErrorDescriptions::blockedFolder(
            joinedParts(parts, opened.failedDepth + 1), opened.error);
        return systemError(opened.error);
    }
    const std::error_code error = inward
        ? mover.move(root, rootName, opened.fd, innerName, identity)
        : mover.move(opened.fd, innerName, root, rootName, identity);
    if (error)
        why = inward ? ErrorDescriptions::moveFailed(
                  rootName, innerName, joinedParts(parts, parts.size()), error)
                     : ErrorDescriptions::moveFailed(innerName, rootName, rootFolderName, error);
    return error;
}

void FileOrganizerService::removeMadeFolders(
    int root, const std::vector<FolderWalker::Created> &made) const
{
    // Inner folders first, so that a category folder emptied of its sub-groups goes too.
    for (auto it = made.rbegin(); it != made.rend(); ++it) {
        FileDescriptor parent;
        int parentFd = root;
        bool reachable = true;
        for (std::size_t depth = 0; depth + 1 < it->parts.size(); ++depth) {
            FileDescriptor inner;
            if (m_fileSystem->openSubfolder(parentFd, it->parts[depth], inner) != 0) {
                reachable = false;
                break;
            }
            parent = std::move(inner);
            parentFd = parent.get();
        }
        EntryInfo info;
        if (!reachable || m_fileSystem->statIn(parentFd, it->parts.back(), info) != 0
            || info.type != EntryType::directory
            || (it->identity != FileIdentity {} && info.identity != it->identity))
            continue;
        // rmdir removes nothing but an empty folder, so a file that arrived meanwhile
        // keeps its folder.
        m_fileSystem->removeFolder(parentFd, it->parts.back());
    }
}

// Where a recorded move's file is now, as one fresh look tells: at the run's
// destination, back at its old name, or aside under the fallback's private name.
struct FileOrganizerService::Whereabouts
{
    int folderError = 0; // opening the destination folder
    int destinationError = 0; // looking at the destination, when the folder opened
    std::size_t failedDepth = 0;
    bool atDestination = false;
    bool atSource = false;
    bool aside = false;
    FileIdentity found; // the file's identity now, where it was found
    EntryInfo destination; // what is at the destination, when destinationError is 0
};

// How undo knows the files of a run, by the strongest key the file system keeps.
enum class FileOrganizerService::Recognition : std::uint8_t {
    inode, // the same inode on the same device
    inodeAndStamp, // the same inode, on a disk mounted again, and the same size and time
    stamp, // inode numbers do not hold: the same size and modification time
};

// Whether `info` is the file `intent` moved; in any doubt it is not.
bool FileOrganizerService::isRecordedFile(const EntryInfo &info, const JournalLines::Intent &intent,
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

FileOrganizerService::Whereabouts FileOrganizerService::locate(FolderWalker &walker, int root,
    const JournalLines::Intent &intent, const FileIdentity &expected, Recognition how) const
{
    const bool stableInodes = how != Recognition::stamp;
    Whereabouts where;
    const std::vector<std::string> folderParts(intent.to.begin(), intent.to.end() - 1);
    const FolderWalker::Result opened = walker.open(folderParts, false);
    where.folderError = opened.error;
    where.failedDepth = opened.failedDepth;
    if (opened.error == 0) {
        where.destinationError
            = m_fileSystem->statIn(opened.fd, intent.to.back(), where.destination);
        where.atDestination = where.destinationError == 0
            && isRecordedFile(where.destination, intent, expected, how);
        if (where.atDestination)
            where.found = where.destination.identity;
    }
    if (!where.atDestination) {
        EntryInfo info;
        where.atSource = m_fileSystem->statIn(root, intent.from, info) == 0
            && isRecordedFile(info, intent, expected, how);
        where.found = info.identity;
        // Only the link route sets names aside, and it is taken only where inodes hold.
        where.aside = !where.atSource && stableInodes
            && m_fileSystem->statIn(root, FileMover::asideName(expected), info) == 0
            && info.identity == expected;
    }
    return where;
}

UndoReport FileOrganizerService::undoMoves(
    int root, RunRecord &record, RunJournal &journal, const RunControl &control) const
{
    using State = RunRecord::State;
    UndoReport report;
    // The device of the folder now: a disk plugged in again may get another number.
    EntryInfo rootInfo;
    std::uint64_t type = 0;
    int error = m_fileSystem->statFolder(root, rootInfo);
    if (error == 0)
        error = m_fileSystem->fileSystemType(root, type);
    if (error != 0)
        throw EngineError(
            error, ErrorDescriptions::cannotOpenFolder(fs::path(record.header.folder), error));
    const bool stableInodes = record.header.stableInodes && InodeTrust::stableAcrossMounts(type);
    const std::uint64_t device = rootInfo.identity.device;
    // On a disk mounted again (another device number) an inode number alone could name
    // another disk's file: the size and time must agree too.
    const Recognition recognition = !stableInodes       ? Recognition::stamp
        : device == record.header.folderIdentity.device ? Recognition::inode
                                                        : Recognition::inodeAndStamp;
    const std::string folderName = lastName(fs::path(record.header.folder));
    FolderWalker walker(*m_fileSystem, root);
    FileMover mover(*m_fileSystem, root);
    mover.removeProbe(root);
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
        if (++looked % 1024 == 0)
            tellProgress();
        const JournalLines::Intent &intent = record.intents[k];
        const FileIdentity expected { device, intent.inode };
        const std::string &toName = intent.to.back();
        const std::vector<std::string> folderParts(intent.to.begin(), intent.to.end() - 1);
        const std::string folderText = joinedParts(intent.to, intent.to.size() - 1);
        const bool knownMoved = state != State::unknown;
        // A move that went the fallback way, or that a kill interrupted, may have
        // left its old name aside: once the file is back, that name goes.
        const bool mayBeAside = stableInodes && state != State::moved;

        Whereabouts where = locate(walker, root, intent, expected, recognition);
        if (!where.atDestination && !where.atSource && !where.aside) {
            // Nothing is given up on one look: a second, fresh one must agree.
            FolderWalker fresh(*m_fileSystem, root);
            where = locate(fresh, root, intent, expected, recognition);
        }

        if (where.atDestination) {
            std::string why;
            std::error_code error = moveAcross(walker, mover, root, folderParts, intent.from,
                toName, false, where.found, folderName, why);
            EntryInfo source;
            if (error == std::errc::file_exists && stableInodes
                && m_fileSystem->statIn(root, intent.from, source) == 0
                && source.identity == expected) {
                // A run killed inside a link-then-unlink move left the file under both
                // names: dropping the new one puts it back.
                mover.removeExtraName(walker.open(folderParts, false).fd, toName, expected);
                error.clear();
            }
            if (error) {
                report.notRestored.emplace_back(toName, why);
                continue;
            }
            if (mayBeAside)
                mover.removeExtraName(root, FileMover::asideName(expected), expected);
            ++report.restored;
            settle(k, State::back);
        } else if (where.atSource) {
            // Already at its old place: never moved, or moved back by an undo that
            // stopped before it could say so.
            if (mayBeAside)
                mover.removeExtraName(root, FileMover::asideName(expected), expected);
            if (!knownMoved && where.destinationError == 0)
                removeReservation(walker, folderParts, toName, where.destination);
            if (knownMoved)
                ++report.restored;
            else
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
            ++report.restored;
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
                ErrorDescriptions::inQuotes(toName) + " in "
                    + ErrorDescriptions::inQuotes(folderText)
                    + (changed ? " has changed since it was moved there, or is another file; "
                                 "it was left as it is"
                               : " is another item now; it was left as it is"));
            settle(k, State::givenUp);
        } else if (where.folderError == ENOENT || where.folderError == ENOTDIR
            || where.folderError == ELOOP || where.destinationError == ENOENT) {
            report.notRestored.emplace_back(toName,
                ErrorDescriptions::inQuotes(toName) + " is no longer in "
                    + ErrorDescriptions::inQuotes(folderText));
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
    removeMadeFolders(root, made);
    return report;
}

void FileOrganizerService::removeReservation(FolderWalker &walker,
    const std::vector<std::string> &folderParts, const std::string &name,
    const EntryInfo &seen) const
{
    // An empty regular file at the new name of a move that a kill interrupted, while
    // the file itself is still at its old name: the reservation of the fallback
    // route, made by the run. It goes only while it is still that empty file.
    if (seen.type != EntryType::regular || seen.size != 0)
        return;
    const FolderWalker::Result opened = walker.open(folderParts, false);
    EntryInfo now;
    if (opened.error == 0 && m_fileSystem->statIn(opened.fd, name, now) == 0
        && now.type == EntryType::regular && now.size == 0 && now.identity == seen.identity)
        m_fileSystem->unlinkFile(opened.fd, name);
}
