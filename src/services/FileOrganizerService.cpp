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

// `folder` / `name` for a plain name, as text: what path::operator/ gives, without
// splitting the folder into components again.
std::string joinedText(std::string_view folder, std::string_view name)
{
    std::string text;
    text.reserve(folder.size() + 1 + name.size());
    text += folder;
    if (!text.empty() && text.back() != '/')
        text += '/';
    text += name;
    return text;
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

// The name after the last separator, as path::filename() gives it, without building
// a path for it.
std::string lastName(const fs::path &path)
{
    const std::string &text = path.native();
    const auto slash = text.rfind('/');
    if (slash == std::string::npos || slash + 1 == text.size())
        return path.filename().native();
    return text.substr(slash + 1);
}

// Where the moves of a plan start and end, worked out once per parent folder: a plan's
// moves share a handful of parents, and path arithmetic per move dominated large runs.
// For a path whose last name is plain, the answer depends only on the text before it.
class MovePlaces
{
public:
    static constexpr std::size_t none = static_cast<std::size_t>(-1);

    explicit MovePlaces(fs::path folder)
        : m_folder(std::move(folder))
    { }

    // Whether `path` is an entry directly in the folder.
    bool isDirectlyInFolder(const fs::path &path)
    {
        const std::string_view parent = plainParent(path);
        if (parent.data() && m_hasSourceParent && parent == m_sourceParent)
            return m_sourceParentIsFolder;
        const auto parts = componentsBelow(m_folder, path);
        const bool direct = parts && parts->size() == 1;
        if (parent.data()) {
            m_hasSourceParent = true;
            m_sourceParent.assign(parent);
            m_sourceParentIsFolder = direct;
        }
        return direct;
    }

    // The index of the folder, at least one level below the chosen one, that holds
    // `path`; `none` when the path does not lie that deep inside.
    std::size_t destinationFolder(const fs::path &path)
    {
        const std::string_view parent = plainParent(path);
        if (parent.data()) {
            if (m_lastParent && parent == m_lastParent->first)
                return m_lastParent->second;
            if (const auto found = m_byParent.find(std::string(parent));
                found != m_byParent.end()) {
                m_lastParent = &*found;
                return found->second;
            }
        }
        std::size_t index = none;
        if (auto parts = componentsBelow(m_folder, path); parts && parts->size() >= 2) {
            parts->pop_back();
            const auto [found, inserted]
                = m_byParts.try_emplace(joinedParts(*parts, parts->size()), m_folders.size());
            if (inserted)
                m_folders.push_back(std::move(*parts));
            index = found->second;
        }
        if (parent.data())
            m_lastParent = &*m_byParent.emplace(std::string(parent), index).first;
        return index;
    }

    const std::vector<std::vector<std::string>> &folders() const { return m_folders; }

private:
    // The text before the last name when that name is plain; a null view otherwise.
    static std::string_view plainParent(const fs::path &path)
    {
        const std::string_view text = path.native();
        const auto slash = text.rfind('/');
        if (slash == std::string_view::npos || slash == 0)
            return {};
        const std::string_view name = text.substr(slash + 1);
        if (name.empty() || name == "." || name == "..")
            return {};
        return text.substr(0, slash);
    }

    fs::path m_folder;
    std::vector<std::vector<std::string>> m_folders;
    std::unordered_map<std::string, std::size_t> m_byParts;
    std::unordered_map<std::string, std::size_t> m_byParent;
    const std::pair<const std::string, std::size_t> *m_lastParent = nullptr;
    bool m_hasSourceParent = false;
    std::string m_sourceParent;
    bool m_sourceParentIsFolder = false;
};

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

    for (FileCategory category : allCases) {
        const auto &files = groups[static_cast<std::size_t>(category)];
        if (files.empty())
            continue;
        const std::string categoryFolder = joinedText(folderText, rawValue(category));

        std::unordered_set<std::string_view> distinct;
        for (const PlannedFile &file : files) {
            distinct.insert(file.upperExtension);
            if (distinct.size() > 1)
                break;
        }
        const bool hasSubGroups = distinct.size() > 1;

        // Each destination folder by sub-group, with whether it is missing, asked once
        // per folder: nothing inside a missing folder can be taken, which spares one
        // check per file on a first run.
        struct DestinationFolder
        {
            std::string path;
            bool isMissing = false;
        };
        std::unordered_map<std::string_view, DestinationFolder> destinationFolders;

        for (const PlannedFile &file : files) {
            const std::string_view group
                = hasSubGroups ? std::string_view(file.upperExtension) : std::string_view();
            auto [known, inserted] = destinationFolders.try_emplace(group);
            DestinationFolder &destination = known->second;
            if (inserted) {
                // Joining an empty sub-group adds no level.
                destination.path
                    = group.empty() ? categoryFolder : joinedText(categoryFolder, group);
                EntryType type;
                destination.isMissing = m_fileSystem->entryAt(destination.path, type) == ENOENT;
            }
            fs::path candidate(joinedText(destination.path, file.name));
            FileMoveOperation operation;
            operation.id = Uuid::random();
            operation.sourceURL = fs::path(joinedText(folderText, file.name));
            operation.destinationURL
                = destination.isMissing ? std::move(candidate) : uniqueDestination(candidate);
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
