#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

// The human-readable texts of engine failures. Each names the item and the reason.
namespace ErrorDescriptions {

// "Permission denied" for EACCES; the C library's wording.
std::string reason(int error);
// A name or path in double quotes, fit for showing.
std::string inQuotes(std::string_view bytes);

std::string cannotOpenFolder(const std::filesystem::path &folder, int error);
std::string cannotCreateFolder(
    std::string_view relative, const std::filesystem::path &folder, int error);
// A folder on the way to a destination that is a link, not a folder, or unreadable.
std::string blockedFolder(std::string_view relative, int error);
// A destination folder that another program moved away or replaced during a run.
std::string folderMovedAway(std::string_view relative);
// A move of `name` to `toName` inside the folder shown as `toFolder` that failed with `error`.
std::string moveFailed(std::string_view name, std::string_view toName, std::string_view toFolder,
    std::error_code error);
std::string outsideFolder(const std::filesystem::path &path, const std::filesystem::path &folder);

} // namespace ErrorDescriptions
