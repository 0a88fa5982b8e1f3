#pragma once

#include "model/OrganizationPlan.h"
#include "services/filesystem/FileSystem.h"
#include "services/filesystem/FolderWalker.h"

#include <array>
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
    // progress left out. Throws EngineError when the folder cannot be read.
    OrganizationPlan buildPlan(const std::filesystem::path &folderURL) const;

private:
    struct PlannedFile
    {
        std::string name;
        std::string upperExtension;
    };
    using Groups = std::array<std::vector<PlannedFile>, allCases.size()>;

    // The files of the open folder `root` to plan, by category, as PlanDecision tells.
    Groups plannedFiles(int root, const std::filesystem::path &folderURL) const;
    // Appends the moves of one category's `files` to `plan`, each destination folder
    // looked into through `walker`.
    void planCategory(FileCategory category, std::vector<PlannedFile> &files, FolderWalker &walker,
        OrganizationPlan &plan) const;
    // `name` when neither an entry of the open `folder` (none looked at when -1) nor an
    // earlier move of the plan (`planned`) has it, else the first free "name (n).ext".
    std::string uniqueDestination(int folder, const std::string &name,
        const std::unordered_set<std::string_view> &planned) const;

    FileSystem &m_fileSystem;
};
