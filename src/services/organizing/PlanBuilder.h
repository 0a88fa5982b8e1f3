#pragma once

#include "model/OrganizationPlan.h"
#include "model/SortingRules.h"
#include "services/filesystem/FileSystem.h"
#include "services/filesystem/FolderWalker.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// Scans a folder into a plan. Touches nothing and keeps no state between calls.
class PlanBuilder
{
public:
    explicit PlanBuilder(FileSystem &fileSystem)
        : m_fileSystem(fileSystem)
    { }

    // One move per regular, non-hidden file directly in `folderURL`, downloads still in
    // progress and the files `rules` leave alone left out, each into the folder of its
    // category under `rules`. Throws EngineError when the folder cannot be read.
    OrganizationPlan buildPlan(
        const std::filesystem::path &folderURL, const SortingRules &rules) const;
    OrganizationPlan buildPlan(const std::filesystem::path &folderURL) const
    {
        return buildPlan(folderURL, *SortingRules::builtIn());
    }

private:
    struct PlannedFile
    {
        std::string name;
        std::string upperExtension;
    };
    // By the index of the category in the rules.
    using Groups = std::vector<std::vector<PlannedFile>>;

    // The files of the open folder `root` to plan, by category, as PlanDecision and
    // `rules` tell; counts those the rules leave alone in `leftAlone`.
    Groups plannedFiles(int root, const std::filesystem::path &folderURL, const SortingRules &rules,
        std::size_t &leftAlone) const;
    // Appends the moves of one category's `files` to `plan`, each destination folder
    // looked into through `walker`.
    void planCategory(const SortingRules::Category &category, std::vector<PlannedFile> &files,
        FolderWalker &walker, OrganizationPlan &plan) const;
    // `name` when neither an entry of the open `folder` (none looked at when -1) nor an
    // earlier move of the plan (`planned`) has it, else the first free "name (n).ext".
    std::string uniqueDestination(int folder, const std::string &name,
        const std::unordered_set<std::string_view> &planned) const;

    FileSystem &m_fileSystem;
};
