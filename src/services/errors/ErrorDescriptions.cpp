#include "services/errors/ErrorDescriptions.h"

#include "model/Text.h"
#include "services/errors/EngineError.h"
#include "services/errors/ErrorTemplates.h"

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

namespace {

using ErrorTemplates::Kind;

// An argument shown in quotes by its template.
std::string shown(std::string_view bytes)
{
    return Text::displayText(bytes);
}

} // namespace

std::string cannotOpenFolder(const std::filesystem::path &folder, int error)
{
    return ErrorTemplates::format(
        Kind::cannotOpenFolder, { shown(folder.native()), reason(error) });
}

std::string cannotCreateFolder(
    std::string_view relative, const std::filesystem::path &folder, int error)
{
    return ErrorTemplates::format(
        Kind::cannotCreateFolder, { shown(relative), shown(folder.native()), reason(error) });
}

std::string blockedFolder(std::string_view relative, int error)
{
    if (error == ELOOP)
        return ErrorTemplates::format(Kind::symbolicLink, { shown(relative) });
    if (error == ENOTDIR)
        return ErrorTemplates::format(Kind::notAFolder, { shown(relative) });
    return ErrorTemplates::format(Kind::cannotOpenFolder, { shown(relative), reason(error) });
}

std::string folderMovedAway(std::string_view relative)
{
    return ErrorTemplates::format(Kind::folderMovedAway, { shown(relative) });
}

std::string moveFailed(
    std::string_view name, std::string_view toName, std::string_view toFolder, std::error_code code)
{
    if (code == EngineCondition::changedMeanwhile)
        return ErrorTemplates::format(Kind::replacedMeanwhile, { shown(name) });
    // Any other condition of ours is an errno's too: the mover's are only these two.
    const int error = code.value();
    switch (error) {
    case EEXIST:
    case ENOTEMPTY:
        return ErrorTemplates::format(Kind::alreadyExists, { shown(toName), shown(toFolder) });
    case ENOENT:
        return ErrorTemplates::format(Kind::noLongerThere, { shown(name) });
    case EXDEV:
        return ErrorTemplates::format(Kind::otherDevice, { shown(name), shown(toFolder) });
    case ENAMETOOLONG:
        return ErrorTemplates::format(Kind::nameTooLong, { shown(name), shown(toName) });
    default:
        if (toFolder.empty())
            return ErrorTemplates::format(Kind::cannotMove, { shown(name), reason(error) });
        return ErrorTemplates::format(
            Kind::cannotMoveTo, { shown(name), shown(toFolder), reason(error) });
    }
}

std::string outsideFolder(const std::filesystem::path &path, const std::filesystem::path &folder)
{
    return ErrorTemplates::format(
        Kind::outsideFolder, { shown(path.native()), shown(folder.native()) });
}

} // namespace ErrorDescriptions
