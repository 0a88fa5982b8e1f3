#include "services/organizing/DownloadsInProgress.h"

#include "model/FileName.h"

#include <algorithm>
#include <array>

namespace {

enum class Kind { none, partial, part, control };

// What the name's last extension says, compared without regard to ASCII case.
Kind kindOf(std::string_view name)
{
    const std::string_view extension = FileName::extension(name);
    if (extension.size() < 3 || extension.size() > 10 || extension.size() + 1 >= name.size())
        return Kind::none;
    // Asked twice for every file of a folder: most extensions begin unlike any marker.
    switch (extension.front() | 0x20) {
    case '!' | 0x20:
    case 'a':
    case 'c':
    case 'd':
    case 'o':
    case 'p':
        break;
    default:
        return Kind::none;
    }
    std::array<char, 10> lower {};
    std::transform(extension.begin(), extension.end(), lower.begin(),
        [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    const std::string_view text(lower.data(), extension.size());
    if (text == "part")
        return Kind::part;
    if (text == "aria2")
        return Kind::control;
    static constexpr std::string_view partials[]
        = { "crdownload", "partial", "download", "opdownload", "!qb" };
    return std::find(std::begin(partials), std::end(partials), text) != std::end(partials)
        ? Kind::partial
        : Kind::none;
}

// The name without its last extension and that dot: the file a marker belongs to.
std::string ownerOf(std::string_view name)
{
    return std::string(name.substr(0, name.size() - FileName::extension(name).size() - 1));
}

} // namespace

DownloadsInProgress::DownloadsInProgress(const std::vector<DirectoryEntry> &entries)
{
    for (const DirectoryEntry &entry : entries) {
        const Kind kind = kindOf(entry.name);
        if (kind == Kind::control)
            m_controlledFiles.insert(ownerOf(entry.name));
        else if (kind == Kind::part)
            m_partialOwners.insert(ownerOf(entry.name));
    }
}

bool DownloadsInProgress::isInProgress(const std::string &name) const
{
    return kindOf(name) != Kind::none
        || (!m_controlledFiles.empty() && m_controlledFiles.count(name) != 0);
}
