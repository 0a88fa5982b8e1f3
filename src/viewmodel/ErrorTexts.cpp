#include "ErrorTexts.h"

#include "model/Text.h"
#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/errors/ErrorKinds.h"

#include <cerrno>

namespace {

QString translatedTemplate(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::none:
        return {};
    case ErrorKind::plainText:
    case ErrorKind::reasonOnly:
        return QStringLiteral("%1");
    case ErrorKind::journalCannotCreate:
        return ErrorTexts::tr("cannot create the undo journal \"%1\": %2");
    case ErrorKind::journalCannotOpen:
        return ErrorTexts::tr("cannot open the undo journal \"%1\": %2");
    case ErrorKind::journalCannotWrite:
        return ErrorTexts::tr("cannot write the undo journal \"%1\": %2");
    case ErrorKind::journalNotOfThisRelease:
        return ErrorTexts::tr("the undo journal \"%1\" is not a journal of this Tidyra release "
                              "and was left untouched");
    case ErrorKind::journalNotYours:
        return ErrorTexts::tr(
            "the undo journal \"%1\" is not a file of your own and was left untouched");
    case ErrorKind::cannotCreateFolderAt:
        return ErrorTexts::tr("cannot create folder \"%1\": %2");
    case ErrorKind::cannotOpen:
        return ErrorTexts::tr("cannot open \"%1\": %2");
    case ErrorKind::cannotLock:
        return ErrorTexts::tr("cannot lock \"%1\": %2");
    case ErrorKind::cannotRemove:
        return ErrorTexts::tr("cannot remove \"%1\": %2");
    case ErrorKind::cannotCreateTemporary:
        return ErrorTexts::tr("cannot create a temporary file in \"%1\": %2");
    case ErrorKind::cannotWrite:
        return ErrorTexts::tr("cannot write \"%1\": %2");
    case ErrorKind::cannotFlush:
        return ErrorTexts::tr("cannot flush \"%1\": %2");
    case ErrorKind::cannotReplace:
        return ErrorTexts::tr("cannot replace \"%1\": %2");
    case ErrorKind::cannotFlushFolder:
        return ErrorTexts::tr("cannot flush folder \"%1\": %2");
    case ErrorKind::noSuchRun:
        return ErrorTexts::tr(
            "no run \"%1\" is recorded; \"tidyra-cli history FOLDER\" lists the runs of a folder");
    case ErrorKind::noSuchRunIn:
        return ErrorTexts::tr("no run \"%1\" is recorded for \"%2\"; \"tidyra-cli history "
                              "FOLDER\" lists the runs of a folder");
    case ErrorKind::noSuchRunOf:
        return ErrorTexts::tr("no run \"%1\" is recorded for \"%2\"");
    case ErrorKind::cannotWatch:
        return ErrorTexts::tr("Cannot watch the folder \"%1\": %2");
    case ErrorKind::tooManyWatches:
        return ErrorTexts::tr(
            "Cannot watch the folder \"%1\": too many folders are watched "
            "already (raise the limit with sysctl fs.inotify.max_user_instances)");
    case ErrorKind::watchLimitReached:
        return ErrorTexts::tr("Cannot watch the folder \"%1\": the limit of watched folders is "
                              "reached (raise it with sysctl fs.inotify.max_user_watches=524288, "
                              "or in /etc/sysctl.d/ to keep it)");
    case ErrorKind::watchedFolderGone:
        return ErrorTexts::tr("Cannot watch the folder \"%1\": it was removed, moved or its disk "
                              "unmounted; watching stopped");
    case ErrorKind::cannotWaitForChanges:
        return ErrorTexts::tr("Cannot wait for changes: %1");
    case ErrorKind::rulesAt:
        return QStringLiteral("%1:%2:%3: %4");
    case ErrorKind::rulesIn:
        return QStringLiteral("%1: %2");
    case ErrorKind::rulesUnreadable:
        return ErrorTexts::tr("cannot read the rules file \"%1\": %2");
    case ErrorKind::rulesSyntax:
        return ErrorTexts::tr("this is not valid TOML: %1");
    case ErrorKind::rulesUnknownKey:
        return ErrorTexts::tr("unknown key \"%1\"");
    case ErrorKind::rulesNotText:
        return ErrorTexts::tr("\"%1\" must be a text in quotes");
    case ErrorKind::rulesNotTextList:
        return ErrorTexts::tr("\"%1\" must be a list of texts in quotes");
    case ErrorKind::rulesNotTrueOrFalse:
        return ErrorTexts::tr("\"%1\" must be true or false");
    case ErrorKind::rulesNotTable:
        return ErrorTexts::tr("\"%1\" must be a table");
    case ErrorKind::rulesCategoryTwice:
        return ErrorTexts::tr("the category \"%1\" is named twice");
    case ErrorKind::rulesBadExtension:
        return ErrorTexts::tr("\"%1\" is not an extension: write it without dots, like \"pdf\"");
    case ErrorKind::rulesExtensionTwice:
        return ErrorTexts::tr("the extension \"%1\" is added to both \"%2\" and \"%3\"");
    case ErrorKind::rulesFolderEmpty:
        return ErrorTexts::tr("the folder name of \"%1\" is empty");
    case ErrorKind::rulesFolderDots:
        return ErrorTexts::tr("the folder name of \"%1\" cannot be \"%2\"");
    case ErrorKind::rulesFolderSlash:
        return ErrorTexts::tr("the folder name \"%2\" of \"%1\" holds \"/\" or a NUL byte");
    case ErrorKind::rulesFolderHidden:
        return ErrorTexts::tr(
            "the folder name \"%2\" of \"%1\" starts with a dot, which would hide the folder");
    case ErrorKind::rulesFolderTooLong:
        return ErrorTexts::tr("the folder name of \"%1\" is longer than 255 bytes");
    case ErrorKind::rulesFolderTwice:
        return ErrorTexts::tr("\"%1\" and \"%2\" both use the folder \"%3\"");
    case ErrorKind::rulesBadPattern:
        return ErrorTexts::tr("\"%1\" is not a name pattern: it is empty, holds \"/\", leaves a "
                              "\"[\" open or ends in \"\\\"");
    case ErrorKind::rulesBadDuration:
        return ErrorTexts::tr("\"%1\" is not a duration like \"30m\", \"12h\" or \"2d\"");
    case ErrorKind::rulesUnknownSymbol:
        return ErrorTexts::tr("\"%1\" is not a built-in category whose symbol can be borrowed");
    case ErrorKind::rulesUnknownColor:
        return ErrorTexts::tr("\"%1\" is not a colour: use purple, blue, orange, pink, green, "
                              "brown, red, indigo, teal, cyan or gray");
    case ErrorKind::cannotOpenFolder:
        return ErrorTexts::tr("cannot open folder \"%1\": %2");
    case ErrorKind::cannotCreateFolder:
        return ErrorTexts::tr("cannot create folder \"%1\" in \"%2\": %3");
    case ErrorKind::symbolicLink:
        return ErrorTexts::tr("\"%1\" is a symbolic link, which Tidyra does not follow");
    case ErrorKind::notAFolder:
        return ErrorTexts::tr("\"%1\" is not a folder");
    case ErrorKind::alreadyExists:
        return ErrorTexts::tr("an item named \"%1\" already exists in \"%2\"");
    case ErrorKind::noLongerThere:
        return ErrorTexts::tr("\"%1\" is no longer there");
    case ErrorKind::otherDevice:
        return ErrorTexts::tr(
            "cannot move \"%1\" to \"%2\": it is on another device, and Tidyra never copies");
    case ErrorKind::nameTooLong:
        return ErrorTexts::tr(
            "cannot move \"%1\": the name \"%2\" is longer than the file system allows");
    case ErrorKind::replacedMeanwhile:
        return ErrorTexts::tr(
            "\"%1\" was replaced by another item meanwhile and was left as it is");
    case ErrorKind::cannotMove:
        return ErrorTexts::tr("cannot move \"%1\": %2");
    case ErrorKind::cannotMoveTo:
        return ErrorTexts::tr("cannot move \"%1\" to \"%2\": %3");
    case ErrorKind::outsideFolder:
        return ErrorTexts::tr("\"%1\" is not inside the organized folder \"%2\"");
    case ErrorKind::anotherItemNow:
        return ErrorTexts::tr("\"%1\" in \"%2\" is another item now; it was left as it is");
    case ErrorKind::changedSinceMoved:
        return ErrorTexts::tr("\"%1\" in \"%2\" has changed since it was moved there, or is "
                              "another file; it was left as it is");
    case ErrorKind::noLongerIn:
        return ErrorTexts::tr("\"%1\" is no longer in \"%2\"");
    case ErrorKind::folderBusy:
        return ErrorTexts::tr(
            "another Tidyra run is at work on this folder; try again when it has finished");
    case ErrorKind::notTheOrganizedFolder:
        return ErrorTexts::tr("\"%1\" is no longer the folder that was organized; if that folder "
                              "was moved or renamed, undo it by its new path: tidyra-cli undo "
                              "FOLDER");
    case ErrorKind::movedOrRenamed:
        return ErrorTexts::tr("%1; if the folder was moved or renamed, undo it by its new path: "
                              "tidyra-cli undo FOLDER");
    case ErrorKind::journalUnreadable:
        return ErrorTexts::tr("cannot read the undo journal \"%1\": %2");
    case ErrorKind::noJournalPlace:
        return ErrorTexts::tr(
            "cannot find a place for the undo journal: neither XDG_STATE_HOME nor HOME is set");
    case ErrorKind::journalFolderNotAFolder:
        return ErrorTexts::tr("the undo journal's folder \"%1\" is not a folder; remove it and "
                              "Tidyra makes a new one");
    case ErrorKind::journalFolderOfAnotherUser:
        return ErrorTexts::tr("the undo journal's folder \"%1\" belongs to another user, so "
                              "Tidyra does not trust it; make it yours (chown -R \"$(id -un)\" "
                              "\"%1\") or remove it");
    case ErrorKind::journalFolderWritableByOthers:
        return ErrorTexts::tr("the undo journal's folder \"%1\" can be changed by other users, "
                              "so Tidyra does not trust it; make it private (chmod 700 \"%1\")");
    case ErrorKind::folderMovedAway:
        return ErrorTexts::tr("\"%1\" was moved away or replaced during the run, so nothing "
                              "more was moved into it");
    }
    return {};
}

} // namespace

QString ErrorTexts::translate(const ErrorMessage &message)
{
    // In the template's order: the arguments, the nested message, the reason; put in
    // as the English text's are, in one pass.
    std::vector<std::string> values;
    for (const std::string &argument : message.arguments)
        values.push_back(Text::displayText(argument));
    for (const ErrorMessage &inner : message.nested)
        values.push_back(translate(inner).toStdString());
    if (message.error != 0)
        values.push_back(reason(message.error).toStdString());
    return QString::fromStdString(
        ErrorKinds::substitute(translatedTemplate(message.kind).toStdString(), values));
}

QString ErrorTexts::translate(const std::exception &error)
{
    return translate(ErrorDescriptions::of(error));
}

QString ErrorTexts::reason(int error)
{
    switch (error) {
    case EACCES:
        return tr("Permission denied");
    case EPERM:
        return tr("Operation not permitted");
    case ENOENT:
        return tr("No such file or directory");
    case ENOSPC:
        return tr("No space left on device");
    case EDQUOT:
        return tr("Disk quota exceeded");
    case EROFS:
        return tr("Read-only file system");
    case EIO:
        return tr("Input/output error");
    case ENOTDIR:
        return tr("Not a directory");
    case EISDIR:
        return tr("Is a directory");
    case ELOOP:
        return tr("Too many levels of symbolic links");
    case ENAMETOOLONG:
        return tr("File name too long");
    case EEXIST:
        return tr("File exists");
    case ENOTEMPTY:
        return tr("Directory not empty");
    case EXDEV:
        return tr("Invalid cross-device link");
    case EBUSY:
        return tr("Device or resource busy");
    case EINVAL:
        return tr("Invalid argument");
    case EMFILE:
        return tr("Too many open files");
    case ENFILE:
        return tr("Too many open files in system");
    case ENOMEM:
        return tr("Cannot allocate memory");
    case ENOTCONN:
        return tr("Transport endpoint is not connected");
    case ETIMEDOUT:
        return tr("Connection timed out");
    case ESTALE:
        return tr("Stale file handle");
    case EAGAIN:
        return tr("Resource temporarily unavailable");
    default:
        return QString::fromStdString(ErrorDescriptions::reason(error));
    }
}
