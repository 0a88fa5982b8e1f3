#include "ErrorDescriptions.h"

#include "FileMover.h"
#include "Text.h"

#include <cerrno>
#include <system_error>

namespace ErrorDescriptions {

std::string reason(int error)
{
    return std::generic_category().message(error);
}

std::string inQuotes(std::string_view bytes)
{
    return '"' + Text::displayText(bytes) + '"';
}

std::string cannotOpenFolder(const std::filesystem::path &folder, int error)
{
    return "cannot open folder " + inQuotes(folder.native()) + ": " + reason(error);
}

std::string cannotCreateFolder(
    std::string_view relative, const std::filesystem::path &folder, int error)
{
    return "cannot create folder " + inQuotes(relative) + " in " + inQuotes(folder.native()) + ": "
        + reason(error);
}

std::string blockedFolder(std::string_view relative, int error)
{
    if (error == ELOOP)
        return inQuotes(relative) + " is a symbolic link, which Tidyra does not follow";
    if (error == ENOTDIR)
        return inQuotes(relative) + " is not a folder";
    return "cannot open folder " + inQuotes(relative) + ": " + reason(error);
}

std::string moveFailed(
    std::string_view name, std::string_view toName, std::string_view toFolder, int error)
{
    switch (error) {
    case EEXIST:
    case ENOTEMPTY:
        return "an item named " + inQuotes(toName) + " already exists in " + inQuotes(toFolder);
    case ENOENT:
        return inQuotes(name) + " is no longer there";
    case EXDEV:
        return "cannot move " + inQuotes(name) + " to " + inQuotes(toFolder)
            + ": it is on another device, and Tidyra never copies";
    case ENAMETOOLONG:
        return "cannot move " + inQuotes(name) + ": the name " + inQuotes(toName)
            + " is longer than the file system allows";
    case FileMover::changedMeanwhile:
        return inQuotes(name) + " was replaced by another item meanwhile and was left as it is";
    default:
        if (toFolder.empty())
            return "cannot move " + inQuotes(name) + ": " + reason(error);
        return "cannot move " + inQuotes(name) + " to " + inQuotes(toFolder) + ": " + reason(error);
    }
}

std::string outsideFolder(const std::filesystem::path &path, const std::filesystem::path &folder)
{
    return inQuotes(path.native()) + " is not inside the organized folder "
        + inQuotes(folder.native());
}

} // namespace ErrorDescriptions
