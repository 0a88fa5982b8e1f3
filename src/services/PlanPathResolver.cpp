#include "PlanPathResolver.h"

#include "PathText.h"

namespace fs = std::filesystem;

PlanPathResolver::PlanPathResolver(fs::path folder)
    : m_folder(std::move(folder))
{ }

bool PlanPathResolver::isDirectlyInFolder(const fs::path &path)
{
    const std::string_view parent = plainParent(path);
    if (parent.data() && m_hasSourceParent && parent == m_sourceParent)
        return m_sourceParentIsFolder;
    const auto parts = PathText::componentsBelow(m_folder, path);
    const bool direct = parts && parts->size() == 1;
    if (parent.data()) {
        m_hasSourceParent = true;
        m_sourceParent.assign(parent);
        m_sourceParentIsFolder = direct;
    }
    return direct;
}

std::size_t PlanPathResolver::destinationFolder(const fs::path &path)
{
    const std::string_view parent = plainParent(path);
    if (parent.data()) {
        if (m_lastParent && parent == m_lastParent->first)
            return m_lastParent->second;
        if (const auto found = m_byParent.find(std::string(parent)); found != m_byParent.end()) {
            m_lastParent = &*found;
            return found->second;
        }
    }
    std::size_t index = none;
    if (auto parts = PathText::componentsBelow(m_folder, path); parts && parts->size() >= 2) {
        parts->pop_back();
        const auto [found, inserted]
            = m_byParts.try_emplace(PathText::joinedParts(*parts, parts->size()), m_folders.size());
        if (inserted)
            m_folders.push_back(std::move(*parts));
        index = found->second;
    }
    if (parent.data())
        m_lastParent = &*m_byParent.emplace(std::string(parent), index).first;
    return index;
}

std::string_view PlanPathResolver::plainParent(const fs::path &path)
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
