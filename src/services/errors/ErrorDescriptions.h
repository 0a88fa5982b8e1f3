#pragma once

#include "services/errors/ErrorMessage.h"

#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

// The engine's failures as messages, each naming the item and the reason.
namespace ErrorDescriptions {

// "Permission denied" for EACCES; the C library's wording.
std::string reason(int error);
// A name or path in double quotes, fit for showing.
std::string inQuotes(std::string_view bytes);

// The message of `error`: an EngineError's own, or any other's text as it is.
ErrorMessage of(const std::exception &error);
// A failure about one file or folder, for the reason `error` (an errno value).
ErrorMessage pathFailure(ErrorKind kind, const std::filesystem::path &path, int error);

ErrorMessage cannotOpenFolder(const std::filesystem::path &folder, int error);
ErrorMessage cannotCreateFolder(
    std::string_view relative, const std::filesystem::path &folder, int error);
// A folder on the way to a destination that is a link, not a folder, or unreadable.
ErrorMessage blockedFolder(std::string_view relative, int error);
// A destination folder that another program moved away or replaced during a run.
ErrorMessage folderMovedAway(std::string_view relative);
// A move of `name` to `toName` inside the folder shown as `toFolder` that failed with `error`.
ErrorMessage moveFailed(std::string_view name, std::string_view toName, std::string_view toFolder,
    std::error_code error);
ErrorMessage outsideFolder(const std::filesystem::path &path, const std::filesystem::path &folder);
// `message`, with the hint that a folder moved or renamed is undone by its new path.
ErrorMessage movedOrRenamed(const ErrorMessage &message);

} // namespace ErrorDescriptions
