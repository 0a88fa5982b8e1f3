#include "services/organizing/PlanBuilder.h"

#include "model/FileName.h"
#include "model/Text.h"
#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/filesystem/FolderWalker.h"
#include "services/organizing/DownloadsInProgress.h"
#include "services/organizing/PlanDecision.h"
#include "services/paths/PathText.h"

#include <algorithm>
#include <chrono>
#include <unordered_map>
#include <unordered_set>

namespace fs = std::filesystem;
using namespace PathText;

namespace {

std::int64_t modifiedSeconds(const EntryInfo &info)
{
    // Whole seconds, rounded down also before 1970.
    constexpr std::int64_t perSecond = 1'000'000'000;
    return info.modified / perSecond - (info.modified % perSecond < 0 ? 1 : 0);
}

} // namespace

OrganizationPlan PlanBuilder::buildPlan(const fs::path &folderURL, const SortingRules &rules) const
{
    // Everything below goes through this handle, so the folder's depth does not matter.
    FileDescriptor root;
    if (const int error = m_fileSystem.openFolder(folderURL, root))
        throw EngineError(error, ErrorDescriptions::cannotOpenFolder(folderURL, error));
    OrganizationPlan list;
    Groups groups = plannedFiles(root.get(), folderURL, rules, list.leftAlone);

    list.folderURL = folderURL;
    std::size_t total = 0;
    for (const auto &files : groups)
        total += files.size();
    list.moves.reserve(total);
    FolderWalker walker(m_fileSystem, root.get());
    for (std::size_t category = 0; category < groups.size(); ++category) {
        if (!groups[category].empty())
            planCategory(rules.categories()[category], groups[category], walker, list);
    }
    return list;
}

PlanBuilder::Groups PlanBuilder::plannedFiles(
    int root, const fs::path &folderURL, const SortingRules &rules, std::size_t &leftAlone) const
{
    std::vector<DirectoryEntry> entries;
    if (const int error = m_fileSystem.listFolder(root, entries))
        throw EngineError(error, ErrorDescriptions::cannotOpenFolder(folderURL, error));

    const DownloadsInProgress downloads(entries);
    Groups groups(rules.categories().size());
    const std::int64_t now = std::chrono::duration_cast<std::chrono::seconds>(
        std::chrono::system_clock::now().time_since_epoch())
                                 .count();
    for (DirectoryEntry &entry : entries) {
        const bool hidden = entry.name.empty() || entry.name.front() == '.';
        const bool regular = entry.type == EntryType::regular;
        const PlanDecision facts { hidden, regular,
            !hidden && regular && downloads.isInProgress(entry.name),
            !hidden && regular && downloads.hasPartialFile(entry.name) };
        EntryInfo info;
        int looked = -1; // statIn's answer, once asked
        switch (facts.decide()) {
        case PlanDecision::Action::leave:
            continue;
        case PlanDecision::Action::planUnlessEmpty:
            // One whose size cannot be read stays too.
            looked = m_fileSystem.statIn(root, entry.name, info);
            if (looked != 0 || info.size == 0)
                continue;
            break;
        case PlanDecision::Action::plan:
            break;
        }
        if (rules.leavesAnyAlone()) {
            // Only an age rule needs the time: the listing does not give it.
            if (rules.needsModificationTime() && looked < 0)
                looked = m_fileSystem.statIn(root, entry.name, info);
            // A file whose age cannot be read might be one the rules keep.
            const std::int64_t modified = looked == 0 ? modifiedSeconds(info) : now;
            if (rules.leavesAlone(entry.name, modified, now)) {
                ++leftAlone;
                continue;
            }
        }
        const std::string_view extension = FileName::extension(entry.name);
        const std::size_t category = rules.categoryFor(extension);
        std::string upper = Text::toUpperCase(extension);
        groups[category].push_back({ std::move(entry.name), std::move(upper) });
    }
    // The listing goes with this frame: a plan of 100,000 moves should not carry it too.
    return groups;
}

void PlanBuilder::planCategory(const SortingRules::Category &category,
    std::vector<PlannedFile> &files, FolderWalker &walker, OrganizationPlan &list) const
{
    std::unordered_set<std::string_view> distinct;
    for (const PlannedFile &file : files) {
        distinct.insert(file.upperExtension);
        if (distinct.size() > 1)
            break;
    }
    const bool hasSubGroups = category.subfolders && distinct.size() > 1;

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
            target.category = category.label;
            if (hasSubGroups)
                target.subGroup = group;
            // An empty sub-group adds no folder level.
            target.parts.push_back(category.label.folder);
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

std::string PlanBuilder::uniqueDestination(
    int folder, const std::string &name, const std::unordered_set<std::string_view> &planned) const
{
    // Any failure of the look but "exists" means this name can be handed out: either it
    // is free, or the move itself will fail and say why (a name too long, a folder
    // unreadable). Names compare byte for byte, as the file system does.
    const auto isFree = [&](const std::string &candidate) {
        EntryInfo entry;
        return !planned.contains(candidate)
            && (folder < 0 || m_fileSystem.statIn(folder, candidate, entry) != 0);
    };
    if (isFree(name))
        return name;
    for (std::uint64_t number = 1;; ++number) {
        std::string numbered = FileName::numbered(name, number);
        if (isFree(numbered))
            return numbered;
    }
}
