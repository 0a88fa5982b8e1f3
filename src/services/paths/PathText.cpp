#include "services/paths/PathText.h"

namespace fs = std::filesystem;

namespace PathText {

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

std::string lastName(const fs::path &path)
{
    const std::string &text = path.native();
    const auto slash = text.rfind('/');
    if (slash == std::string::npos || slash + 1 == text.size())
        return path.filename().native();
    return text.substr(slash + 1);
}

} // namespace PathText
