#include "FileOrganizerService.h"

#include "Descriptions.h"
#include "FileMover.h"
#include "FileName.h"
#include "FileSystemError.h"
#include "FolderWalker.h"
#include "PosixFileSystem.h"
#include "Text.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace fs = std::filesystem;

namespace {

void printSkipped(const std::string &name, const std::string &description)
{
    const std::string line
        = "[Tidyra] Skipped " + Text::displayText(name) + ": " + description + '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

// Joining an empty name adds no level (a plain `/` would add a trailing separator).
fs::path joined(const fs::path &folder, const std::string &name)
{
    return name.empty() ? folder : folder / name;
}

// The folder as an absolute path without a trailing separator, so that paths built
// from it, relative or not, compare equal component by component.
fs::path normalFolder(const fs::path &folder)
{
    fs::path normal = fs::absolute(folder).lexically_normal();
    if (!normal.has_filename() && normal.has_parent_path() && normal != normal.root_path())
        normal = normal.parent_path();
    return normal;
}

bool isPlainName(const std::string &name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

// The components of `path` below `folder`, or nothing when it does not lie inside.
std::optional<std::vector<std::string>> componentsBelow(
    const fs::path &folder, const fs::path &path)
{
    const fs::path normal = fs::absolute(path).lexically_normal();
    auto folderIt = folder.begin();
    auto pathIt = normal.begin();
    for (; folderIt != folder.end(); ++folderIt, ++pathIt) {
        if (pathIt == normal.end() || *pathIt != *folderIt)
            return std::nullopt;
    }
    std::vector<std::string> parts;
    for (; pathIt != normal.end(); ++pathIt) {
        std::string part = pathIt->native();
        if (!isPlainName(part))
            return std::nullopt;
        parts.push_back(std::move(part));
    }
    if (parts.empty())
        return std::nullopt;
    return parts;
}

std::string joinedParts(const std::vector<std::string> &parts, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count && i < parts.size(); ++i) {
        if (i > 0)
            text += '/';
        text += parts[i];
    }
    return text;
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
    std::vector<DirectoryEntry> entries;
    if (const int error = m_fileSystem->listFolder(folderURL, entries))
        throw FileSystemError(error, Descriptions::cannotOpenFolder(folderURL, error));

    std::array<std::vector<PlannedFile>, allCases.size()> groups;
    for (DirectoryEntry &entry : entries) {
        if (entry.name.empty() || entry.name.front() == '.' || entry.type != EntryType::regular)
            continue;
        const std::string_view extension = FileName::extension(entry.name);
        const FileCategory category = categoryForExtension(extension);
        std::string upper = Text::toUpperCase(extension);
        groups[static_cast<std::size_t>(category)].push_back(
            { std::move(entry.name), std::move(upper) });
    }

    OrganizationPlan plan;
    plan.folderURL = folderURL;
    std::size_t total = 0;
    for (const auto &files : groups)
        total += files.size();
    plan.operations.reserve(total);

    // Whether a destination folder is missing, asked once per folder: nothing inside a
    // missing folder can be taken, which spares one check per file on a first run.
    std::unordered_map<std::string, bool> folderMissing;

    for (FileCategory category : allCases) {
        const auto &files = groups[static_cast<std::size_t>(category)];
        if (files.empty())
            continue;
        const fs::path categoryFolder = folderURL / std::string(rawValue(category));

        std::unordered_set<std::string_view> distinct;
        for (const PlannedFile &file : files) {
            distinct.insert(file.upperExtension);
            if (distinct.size() > 1)
                break;
        }
        const bool hasSubGroups = distinct.size() > 1;

        for (const PlannedFile &file : files) {
            const fs::path destinationFolder
                = hasSubGroups ? joined(categoryFolder, file.upperExtension) : categoryFolder;
            auto [known, inserted] = folderMissing.try_emplace(destinationFolder.native(), false);
            if (inserted) {
                EntryType type;
                known->second = m_fileSystem->entryAt(destinationFolder, type) == ENOENT;
            }
            const fs::path candidate = destinationFolder / file.name;
            FileMoveOperation operation;
            operation.id = Uuid::random();
            operation.sourceURL = folderURL / file.name;
            operation.destinationURL = known->second ? candidate : uniqueDestination(candidate);
            operation.category = category;
            if (hasSubGroups)
                operation.subGroup = file.upperExtension;
            plan.operations.push_back(std::move(operation));
        }
    }
    return plan;
}

fs::path FileOrganizerService::uniqueDestination(const fs::path &candidate) const
{
    EntryType type;
    // Any failure but "exists" means this name can be handed out: either it is free,
    // or the move itself will fail and say why (a name too long, a folder unreadable).
    if (m_fileSystem->entryAt(candidate, type) != 0)
        return candidate;
    const fs::path folder = candidate.parent_path();
    const std::string name = candidate.filename().native();
    for (std::uint64_t number = 1;; ++number) {
        fs::path numbered = folder / FileName::numbered(name, number);
        if (m_fileSystem->entryAt(numbered, type) != 0)
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
    struct Target
    {
        std::vector<std::string> parts;
        std::string blocked; // why moves into it cannot happen, empty when they can
    };
    std::vector<Target> targets;
    std::unordered_map<std::string, std::size_t> targetIndex;
    constexpr std::size_t noTarget = static_cast<std::size_t>(-1);
    std::vector<std::size_t> operationTarget;
    operationTarget.reserve(plan.operations.size());
    for (const FileMoveOperation &operation : plan.operations) {
        auto parts = componentsBelow(folder, operation.destinationURL);
        const auto source = componentsBelow(folder, operation.sourceURL);
        if (!parts || parts->size() < 2 || !source || source->size() != 1) {
            operationTarget.push_back(noTarget);
            continue;
        }
        parts->pop_back();
        const std::string key = joinedParts(*parts, parts->size());
        auto [found, inserted] = targetIndex.try_emplace(key, targets.size());
        if (inserted)
            targets.push_back({ std::move(*parts), {} });
        operationTarget.push_back(found->second);
    }

    FolderWalker walker(*m_fileSystem, root.get());
    for (Target &target : targets) {
        const FolderWalker::Result opened = walker.open(target.parts, true);
        if (opened.creationFailed) {
            throw FileSystemError(opened.error,
                Descriptions::cannotCreateFolder(joinedParts(target.parts, opened.failedDepth + 1),
                    plan.folderURL, opened.error));
        }
        // Something that is not a folder of ours stands in the way: it is left alone
        // and the moves into it are reported as skipped.
        if (opened.error != 0)
            target.blocked = Descriptions::blockedFolder(
                joinedParts(target.parts, opened.failedDepth + 1), opened.error);
    }

    std::vector<FileMoveOperation> executed;
    if (plan.operations.empty()) {
        removeEmptySubfolders(plan.folderURL);
        return executed;
    }
    executed.reserve(plan.operations.size());

    FileMover mover(*m_fileSystem);
    for (std::size_t i = 0; i < plan.operations.size(); ++i) {
        const FileMoveOperation &operation = plan.operations[i];
        const std::string name = operation.sourceURL.filename().native();
        if (operationTarget[i] == noTarget) {
            m_skipReporter(
                name, Descriptions::outsideFolder(operation.destinationURL, plan.folderURL));
            continue;
        }
        const Target &target = targets[operationTarget[i]];
        if (!target.blocked.empty()) {
            m_skipReporter(name, target.blocked);
            continue;
        }
        const FolderWalker::Result opened = walker.open(target.parts, false);
        if (opened.error != 0) {
            m_skipReporter(name,
                Descriptions::blockedFolder(
                    joinedParts(target.parts, opened.failedDepth + 1), opened.error));
            continue;
        }
        const std::string destinationName = operation.destinationURL.filename().native();
        const int error = mover.move(root.get(), name, opened.fd, destinationName);
        if (error != 0) {
            m_skipReporter(name,
                Descriptions::moveFailed(
                    name, destinationName, joinedParts(target.parts, target.parts.size()), error));
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
    if (m_fileSystem->listFolder(folderURL, entries) != 0)
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
    const std::string folderName = folder.filename().native();
    for (auto it = operations.rbegin(); it != operations.rend(); ++it) {
        const auto source = componentsBelow(folder, it->sourceURL);
        auto parts = componentsBelow(folder, it->destinationURL);
        if (!source || source->size() != 1)
            throw FileSystemError(EINVAL, Descriptions::outsideFolder(it->sourceURL, folderURL));
        if (!parts || parts->size() < 2)
            throw FileSystemError(
                EINVAL, Descriptions::outsideFolder(it->destinationURL, folderURL));
        const std::string name = parts->back();
        parts->pop_back();

        const FolderWalker::Result opened = walker.open(*parts, false);
        // A folder that is gone, replaced, or now a link holds nothing of ours to move back.
        if (opened.error == ENOENT || opened.error == ENOTDIR || opened.error == ELOOP)
            continue;
        if (opened.error != 0)
            throw FileSystemError(opened.error,
                Descriptions::blockedFolder(
                    joinedParts(*parts, opened.failedDepth + 1), opened.error));

        EntryType type;
        const int lookupError = m_fileSystem->entryIn(opened.fd, name, type);
        if (lookupError == ENOENT)
            continue;
        if (lookupError != 0)
            throw FileSystemError(lookupError,
                Descriptions::moveFailed(name, source->front(), folderName, lookupError));

        if (const int error = mover.move(opened.fd, name, root.get(), source->front()))
            throw FileSystemError(error == FileMover::noSafeMove ? EPERM : error,
                Descriptions::moveFailed(name, source->front(), folderName, error));
    }
    removeEmptySubfolders(folderURL);
}
