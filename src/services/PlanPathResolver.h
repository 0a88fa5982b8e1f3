#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// Where the moves of a plan start and end, worked out once per parent folder: a plan's
// moves share a handful of parents, and path arithmetic per move dominated large runs.
// For a path whose last name is plain, the answer depends only on the text before it.
class PlanPathResolver
{
public:
    static constexpr std::size_t none = static_cast<std::size_t>(-1);

    // `folder` as PathText::normalFolder gives it.
    explicit PlanPathResolver(std::filesystem::path folder);

    // Whether `path` is an entry directly in the folder.
    bool isDirectlyInFolder(const std::filesystem::path &path);
    // The index into folders() of the folder, at least one level below the chosen one,
    // that holds `path`; `none` when the path does not lie that deep inside.
    std::size_t destinationFolder(const std::filesystem::path &path);
    // Each destination folder as its components below the chosen folder, in order of
    // first use.
    const std::vector<std::vector<std::string>> &folders() const { return m_folders; }

private:
    // The text before the last name when that name is plain; a null view otherwise.
    static std::string_view plainParent(const std::filesystem::path &path);

    std::filesystem::path m_folder;
    std::vector<std::vector<std::string>> m_folders;
    std::unordered_map<std::string, std::size_t> m_byParts;
    std::unordered_map<std::string, std::size_t> m_byParent;
    const std::pair<const std::string, std::size_t> *m_lastParent = nullptr;
    bool m_hasSourceParent = false;
    std::string m_sourceParent;
    bool m_sourceParentIsFolder = false;
};
