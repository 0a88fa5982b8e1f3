#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Path arithmetic of plans done on the text of paths: every std::filesystem::path
// operation splits the whole path into components again, which dominated large runs.
namespace PathText {

// `folder` / `name` for a plain name, as path::operator/ gives it.
std::string joinedText(std::string_view folder, std::string_view name);
// The folder as an absolute path without a trailing separator, so that paths built
// from it, relative or not, compare equal component by component.
std::filesystem::path normalFolder(const std::filesystem::path &folder);
// Not empty, not "." or "..", no separator.
bool isPlainName(const std::string &name);
// The components of `path` below `folder` (a normalFolder), or nothing when it does not
// lie inside.
std::optional<std::vector<std::string>> componentsBelow(
    const std::filesystem::path &folder, const std::filesystem::path &path);
// The first `count` parts joined with "/".
std::string joinedParts(const std::vector<std::string> &parts, std::size_t count);
// The name after the last separator, as path::filename() gives it.
std::string lastName(const std::filesystem::path &path);

} // namespace PathText
