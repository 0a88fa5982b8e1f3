#include "services/errors/ErrorDescriptions.h"

#include "model/Text.h"
#include "services/errors/EngineError.h"

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

ErrorMessage about(ErrorKind kind, std::vector<std::string> arguments, int error = 0)
{
    return { kind, std::move(arguments), error, {} };
}

} // namespace

ErrorMessage of(const std::exception &error)
{
    if (const auto *engineError = dynamic_cast<const EngineError *>(&error))
        return engineError->message();
    return about(ErrorKind::plainText, { error.what() });
}

ErrorMessage pathFailure(ErrorKind kind, const std::filesystem::path &path, int error)
{
    return about(kind, { path.native() }, error);
}

ErrorMessage cannotOpenFolder(const std::filesystem::path &folder, int error)
{
    return about(ErrorKind::cannotOpenFolder, { folder.native() }, error);
}

ErrorMessage cannotCreateFolder(
    std::string_view relative, const std::filesystem::path &folder, int error)
{
    return about(ErrorKind::cannotCreateFolder, { std::string(relative), folder.native() }, error);
}

ErrorMessage blockedFolder(std::string_view relative, int error)
{
    if (error == ELOOP)
        return about(ErrorKind::symbolicLink, { std::string(relative) });
    if (error == ENOTDIR)
        return about(ErrorKind::notAFolder, { std::string(relative) });
    return about(ErrorKind::cannotOpenFolder, { std::string(relative) }, error);
}

ErrorMessage folderMovedAway(std::string_view relative)
{
    return about(ErrorKind::folderMovedAway, { std::string(relative) });
}

ErrorMessage moveFailed(
    std::string_view name, std::string_view toName, std::string_view toFolder, std::error_code code)
{
    const std::string shownName(name);
    if (code == EngineCondition::changedMeanwhile)
        return about(ErrorKind::replacedMeanwhile, { shownName });
    // Any other condition of ours is an errno's too: the mover's are only these two.
    const int error = code.value();
    switch (error) {
    case EEXIST:
    case ENOTEMPTY:
        return about(ErrorKind::alreadyExists, { std::string(toName), std::string(toFolder) });
    case ENOENT:
        return about(ErrorKind::noLongerThere, { shownName });
    case EXDEV:
        return about(ErrorKind::otherDevice, { shownName, std::string(toFolder) });
    case ENAMETOOLONG:
        return about(ErrorKind::nameTooLong, { shownName, std::string(toName) });
    default:
        if (toFolder.empty())
            return about(ErrorKind::cannotMove, { shownName }, error);
        return about(ErrorKind::cannotMoveTo, { shownName, std::string(toFolder) }, error);
    }
}

ErrorMessage outsideFolder(const std::filesystem::path &path, const std::filesystem::path &folder)
{
    return about(ErrorKind::outsideFolder, { path.native(), folder.native() });
}

ErrorMessage movedOrRenamed(const ErrorMessage &message)
{
    return { ErrorKind::movedOrRenamed, {}, 0, { message } };
}

} // namespace ErrorDescriptions
