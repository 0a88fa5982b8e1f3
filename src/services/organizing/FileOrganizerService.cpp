#include "services/organizing/FileOrganizerService.h"

#include "model/FileName.h"
#include "model/Text.h"
#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/filesystem/FolderWalker.h"
#include "services/filesystem/InodeTrust.h"
#include "services/filesystem/PosixFileSystem.h"
#include "services/organizing/DownloadsInProgress.h"
#include "services/organizing/OrganizeRun.h"
#include "services/organizing/UndoRun.h"
#include "services/paths/PathText.h"

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

void printSkipped(const std::string &name, const ErrorMessage &description)
{
    const std::string line
        = "[Tidyra] Skipped " + Text::displayText(name) + ": " + description.english() + '\n';
    // Nothing is to be done about a terminal that is gone; the run goes on.
    static_cast<void>(std::fwrite(line.data(), 1, line.size(), stdout));
    static_cast<void>(std::fflush(stdout));
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
        // cannot be reached makes the move itself fail and say why. A checked folder
        // also keeps the names that earlier moves of this plan take in it, so that no
        // two moves are promised one name; they are views into the plan's own names,
        // whose moves were reserved up front and never move in memory.
        struct DestinationFolder
        {
            std::uint32_t target = 0;
            bool isChecked = false;
            std::unordered_set<std::string_view> planned;
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
                // A folder gone unreadable since is not looked into, but the names of
                // this plan still count.
                std::string freed = uniqueDestination(
                    opened.error == 0 ? opened.fd : -1, file.name, destination.planned);
                if (freed != file.name)
                    move.destination = std::move(freed);
            }
            move.source = std::move(file.name);
            move.target = destination.target;
            move.index = static_cast<std::uint32_t>(list.moves.size());
            list.moves.push_back(std::move(move));
            if (destination.isChecked)
                destination.planned.insert(list.moves.back().destinationName());
        }
        std::vector<PlannedFile>().swap(files);
    }
    return list;
}

std::string FileOrganizerService::uniqueDestination(
    int folder, const std::string &name, const std::unordered_set<std::string_view> &planned) const
{
    // Any failure of the look but "exists" means this name can be handed out: either it
    // is free, or the move itself will fail and say why (a name too long, a folder
    // unreadable). Names compare byte for byte, as the file system does.
    const auto isFree = [&](const std::string &candidate) {
        EntryInfo entry;
        return !planned.contains(candidate)
            && (folder < 0 || m_fileSystem->statIn(folder, candidate, entry) != 0);
    };
    if (isFree(name))
        return name;
    for (std::uint64_t number = 1;; ++number) {
        std::string numbered = FileName::numbered(name, number);
        if (isFree(numbered))
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

RunReport FileOrganizerService::executeMoves(const OrganizationPlan &plan, int root,
    RunJournal *journal, const RunControl &control, std::vector<std::uint32_t> *moved) const
{
    return OrganizeRun(*m_fileSystem, m_skipReporter, m_batchSize)
        .execute(plan, root, journal, control, moved);
}

UndoReport FileOrganizerService::undoMoves(
    int root, RunRecord &record, const RunControl &control) const
{
    return UndoRun(*m_fileSystem).execute(root, record, control);
}
