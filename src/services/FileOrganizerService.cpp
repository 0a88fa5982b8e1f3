#include "FileOrganizerService.h"

#include "Descriptions.h"
#include "DownloadsInProgress.h"
#include "FileMover.h"
#include "FileName.h"
#include "FileSystemError.h"
#include "FolderWalker.h"
#include "MovePlaces.h"
#include "PathText.h"
#include "PosixFileSystem.h"
#include "Text.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <optional>
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
        throw FileSystemError(error, Descriptions::cannotOpenFolder(folderURL, error));

    const DownloadsInProgress downloads(entries);
    std::array<std::vector<PlannedFile>, allCases.size()> groups;
    for (DirectoryEntry &entry : entries) {
        if (entry.name.empty() || entry.name.front() == '.' || entry.type != EntryType::regular
            || downloads.isInProgress(entry.name))
            continue;
        if (downloads.hasPartialFile(entry.name)) {
            // The browser's empty placeholder; one whose size cannot be read stays too.
            std::uint64_t size = 0;
            if (m_fileSystem->sizeIn(root.get(), entry.name, size) != 0 || size == 0)
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

    OrganizationPlan plan;
    plan.folderURL = folderURL;
    std::size_t total = 0;
    for (const auto &files : groups)
        total += files.size();
    plan.operations.reserve(total);

    // Paths are built as text and made into a path once: every path operation splits
    // the whole path into components again, which dominated planning large folders.
    const std::string &folderText = folderURL.native();
    FolderWalker walker(*m_fileSystem, root.get());

    for (FileCategory category : allCases) {
        const auto &files = groups[static_cast<std::size_t>(category)];
        if (files.empty())
            continue;
        const std::string_view categoryName = rawValue(category);
        const std::string categoryFolder = joinedText(folderText, categoryName);

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
            std::string path;
            std::vector<std::string> parts;
            bool isChecked = false;
        };
        std::unordered_map<std::string_view, DestinationFolder> destinationFolders;
        // The folder whose handle the walker gave last; it stays valid until the next open.
        const DestinationFolder *lastOpened = nullptr;
        FolderWalker::Result opened;

        for (const PlannedFile &file : files) {
            const std::string_view group
                = hasSubGroups ? std::string_view(file.upperExtension) : std::string_view();
            auto [known, inserted] = destinationFolders.try_emplace(group);
            DestinationFolder &destination = known->second;
            if (inserted) {
                // Joining an empty sub-group adds no level.
                destination.path
                    = group.empty() ? categoryFolder : joinedText(categoryFolder, group);
                destination.parts.emplace_back(categoryName);
                if (!group.empty())
                    destination.parts.emplace_back(group);
                opened = walker.open(destination.parts, false);
                lastOpened = &destination;
                destination.isChecked = opened.error == 0;
            }
            std::string freed;
            const std::string *name = &file.name;
            if (destination.isChecked) {
                if (lastOpened != &destination) {
                    opened = walker.open(destination.parts, false);
                    lastOpened = &destination;
                }
                if (opened.error == 0) {
                    freed = freeName(opened.fd, file.name);
                    name = &freed;
                }
            }
            FileMoveOperation operation;
            operation.id = Uuid::random();
            operation.sourceURL = fs::path(joinedText(folderText, file.name));
            operation.destinationURL = fs::path(joinedText(destination.path, *name));
            operation.category = category;
            if (hasSubGroups)
                operation.subGroup = file.upperExtension;
            plan.operations.push_back(std::move(operation));
        }
        destinationFolders.clear();
        distinct.clear();
        std::vector<PlannedFile>().swap(groups[static_cast<std::size_t>(category)]);
    }
    return plan;
}

fs::path FileOrganizerService::uniqueDestination(const fs::path &candidate) const
{
    // A folder that cannot be opened holds nothing to clash with: either it is
    // missing, or the move itself will fail and say why.
    FileDescriptor folder;
    if (m_fileSystem->openFolder(candidate.parent_path(), folder) != 0)
        return candidate;
    const std::string name = candidate.filename().native();
    std::string free = freeName(folder.get(), name);
    return free == name ? candidate : candidate.parent_path() / free;
}

std::string FileOrganizerService::freeName(int folder, const std::string &name) const
{
    EntryType type;
    // Any failure but "exists" means this name can be handed out: either it is free,
    // or the move itself will fail and say why (a name too long, a folder unreadable).
    if (m_fileSystem->entryIn(folder, name, type) != 0)
        return name;
    for (std::uint64_t number = 1;; ++number) {
        std::string numbered = FileName::numbered(name, number);
        if (m_fileSystem->entryIn(folder, numbered, type) != 0)
            return numbered;
    }
}

std::vector<FileMoveOperation> FileOrganizerService::executePlan(const OrganizationPlan &plan) const
{
    const fs::path folder = normalFolder(plan.folderURL);
    FileDescriptor root;
    if (const int error = m_fileSystem->openFolder(plan.folderURL, root))
        throw FileSystemError(error, Descriptions::cannotOpenFolder(plan.folderURL, error));

    // Each destination folder once, in order of first use; a move that does not
    // stay inside the folder gets no target at all.
    MovePlaces places(folder);
    constexpr std::size_t noTarget = MovePlaces::none;
    std::vector<std::size_t> operationTarget;
    operationTarget.reserve(plan.operations.size());
    for (const FileMoveOperation &operation : plan.operations) {
        operationTarget.push_back(places.isDirectlyInFolder(operation.sourceURL)
                ? places.destinationFolder(operation.destinationURL)
                : noTarget);
    }
    const auto &targets = places.folders();
    // Why moves into a target cannot happen, empty when they can.
    std::vector<std::string> blocked(targets.size());

    FolderWalker walker(*m_fileSystem, root.get());
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const FolderWalker::Result opened = walker.open(targets[i], true);
        if (opened.creationFailed) {
            throw FileSystemError(opened.error,
                Descriptions::cannotCreateFolder(
                    joinedParts(targets[i], opened.failedDepth + 1), plan.folderURL, opened.error));
        }
        // Something that is not a folder of ours stands in the way: it is left alone
        // and the moves into it are reported as skipped.
        if (opened.error != 0)
            blocked[i] = Descriptions::blockedFolder(
                joinedParts(targets[i], opened.failedDepth + 1), opened.error);
    }

    std::vector<FileMoveOperation> executed;
    if (plan.operations.empty()) {
        removeEmptySubfolders(plan.folderURL);
        return executed;
    }
    executed.reserve(plan.operations.size());

    FileMover mover(*m_fileSystem);
    // The folder last opened stays valid until the walker opens another one.
    std::size_t openTarget = noTarget;
    FolderWalker::Result opened;
    for (std::size_t i = 0; i < plan.operations.size(); ++i) {
        const FileMoveOperation &operation = plan.operations[i];
        const std::string name = lastName(operation.sourceURL);
        const std::size_t target = operationTarget[i];
        if (target == noTarget) {
            m_skipReporter(
                name, Descriptions::outsideFolder(operation.destinationURL, plan.folderURL));
            continue;
        }
        if (!blocked[target].empty()) {
            m_skipReporter(name, blocked[target]);
            continue;
        }
        if (target != openTarget) {
            opened = walker.open(targets[target], false);
            openTarget = opened.error == 0 ? target : noTarget;
        }
        if (opened.error != 0) {
            m_skipReporter(name,
                Descriptions::blockedFolder(
                    joinedParts(targets[target], opened.failedDepth + 1), opened.error));
            continue;
        }
        const std::string destinationName = lastName(operation.destinationURL);
        const int error = mover.move(root.get(), name, opened.fd, destinationName);
        if (error != 0) {
            m_skipReporter(name,
                Descriptions::moveFailed(name, destinationName,
                    joinedParts(targets[target], targets[target].size()), error));
            continue;
        }
        executed.push_back(operation);
    }

    removeEmptySubfolders(plan.folderURL);
    return executed;
}

void FileOrganizerService::removeEmptySubfolders(const fs::path &folderURL) const
{
    FileDescriptor root;
    if (m_fileSystem->openFolder(folderURL, root) != 0)
        return;
    std::vector<DirectoryEntry> entries;
    if (m_fileSystem->listFolder(root.get(), entries) != 0)
        return;
    for (const DirectoryEntry &entry : entries) {
        // Only the category folders Tidyra makes; a user's own empty folders stay.
        // rmdir removes nothing but an empty folder, so a file that arrives meanwhile
        // keeps its folder.
        if (entry.type != EntryType::directory || !categoryFromRawValue(entry.name))
            continue;
        m_fileSystem->removeFolder(root.get(), entry.name);
    }
}

void FileOrganizerService::undoOperations(const std::vector<FileMoveOperation> &operations) const
{
    if (operations.empty())
        return;
    const fs::path folderURL = operations.front().sourceURL.parent_path();
    const fs::path folder = normalFolder(folderURL);
    FileDescriptor root;
    if (const int error = m_fileSystem->openFolder(folderURL, root))
        throw FileSystemError(error, Descriptions::cannotOpenFolder(folderURL, error));

    FolderWalker walker(*m_fileSystem, root.get());
    FileMover mover(*m_fileSystem);
    MovePlaces places(folder);
    const std::string folderName = folder.filename().native();
    std::size_t openTarget = MovePlaces::none;
    FolderWalker::Result opened;
    for (auto it = operations.rbegin(); it != operations.rend(); ++it) {
        if (!places.isDirectlyInFolder(it->sourceURL))
            throw FileSystemError(EINVAL, Descriptions::outsideFolder(it->sourceURL, folderURL));
        const std::size_t target = places.destinationFolder(it->destinationURL);
        if (target == MovePlaces::none)
            throw FileSystemError(
                EINVAL, Descriptions::outsideFolder(it->destinationURL, folderURL));
        const auto &parts = places.folders()[target];
        const std::string name = lastName(it->destinationURL);
        const std::string sourceName = lastName(it->sourceURL);

        if (target != openTarget) {
            opened = walker.open(parts, false);
            openTarget = opened.error == 0 ? target : MovePlaces::none;
        }
        // A folder that is gone, replaced, or now a link holds nothing of ours to move back.
        if (opened.error == ENOENT || opened.error == ENOTDIR || opened.error == ELOOP)
            continue;
        if (opened.error != 0)
            throw FileSystemError(opened.error,
                Descriptions::blockedFolder(
                    joinedParts(parts, opened.failedDepth + 1), opened.error));

        // The move itself tells whether the file is still there: ENOENT means it was
        // moved away, renamed or deleted since, and it is passed over. No separate
        // look-up, which would only cost a call and leave a gap before the move.
        const int error = mover.move(opened.fd, name, root.get(), sourceName);
        if (error == ENOENT)
            continue;
        if (error != 0)
            throw FileSystemError(error == FileMover::noSafeMove ? EPERM : error,
                Descriptions::moveFailed(name, sourceName, folderName, error));
    }
    removeEmptySubfolders(folderURL);
}
