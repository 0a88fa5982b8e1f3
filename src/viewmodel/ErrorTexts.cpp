#include "ErrorTexts.h"

#include "model/Text.h"
#include "services/errors/ErrorTemplates.h"

namespace {

using ErrorTemplates::Kind;

QString translatedTemplate(Kind kind)
{
    switch (kind) {
    case Kind::cannotOpenFolder:
        return ErrorTexts::tr("cannot open folder \"%1\": %2");
    case Kind::cannotCreateFolder:
        return ErrorTexts::tr("cannot create folder \"%1\" in \"%2\": %3");
    case Kind::symbolicLink:
        return ErrorTexts::tr("\"%1\" is a symbolic link, which Tidyra does not follow");
    case Kind::notAFolder:
        return ErrorTexts::tr("\"%1\" is not a folder");
    case Kind::alreadyExists:
        return ErrorTexts::tr("an item named \"%1\" already exists in \"%2\"");
    case Kind::noLongerThere:
        return ErrorTexts::tr("\"%1\" is no longer there");
    case Kind::otherDevice:
        return ErrorTexts::tr(
            "cannot move \"%1\" to \"%2\": it is on another device, and Tidyra never copies");
    case Kind::nameTooLong:
        return ErrorTexts::tr(
            "cannot move \"%1\": the name \"%2\" is longer than the file system allows");
    case Kind::replacedMeanwhile:
        return ErrorTexts::tr(
            "\"%1\" was replaced by another item meanwhile and was left as it is");
    case Kind::cannotMove:
        return ErrorTexts::tr("cannot move \"%1\": %2");
    case Kind::cannotMoveTo:
        return ErrorTexts::tr("cannot move \"%1\" to \"%2\": %3");
    case Kind::outsideFolder:
        return ErrorTexts::tr("\"%1\" is not inside the organized folder \"%2\"");
    case Kind::anotherItemNow:
        return ErrorTexts::tr("\"%1\" in \"%2\" is another item now; it was left as it is");
    case Kind::changedSinceMoved:
        return ErrorTexts::tr("\"%1\" in \"%2\" has changed since it was moved there, or is "
                              "another file; it was left as it is");
    case Kind::noLongerIn:
        return ErrorTexts::tr("\"%1\" is no longer in \"%2\"");
    case Kind::folderBusy:
        return ErrorTexts::tr(
            "another Tidyra run is at work on this folder; try again when it has finished");
    case Kind::notTheOrganizedFolder:
        return ErrorTexts::tr("\"%1\" is no longer the folder that was organized; if that folder "
                              "was moved or renamed, undo it by its new path: tidyra-cli undo "
                              "FOLDER");
    case Kind::movedOrRenamed:
        return ErrorTexts::tr("%1; if the folder was moved or renamed, undo it by its new path: "
                              "tidyra-cli undo FOLDER");
    case Kind::journalUnreadable:
        return ErrorTexts::tr("cannot read the undo journal \"%1\": %2");
    case Kind::journalTooOld:
        return ErrorTexts::tr("the undo journal \"%1\" was written by an earlier Tidyra release, "
                              "which this one cannot read; it was left untouched");
    case Kind::noJournalPlace:
        return ErrorTexts::tr(
            "cannot find a place for the undo journal: neither XDG_STATE_HOME nor HOME is set");
    case Kind::journalFolderNotAFolder:
        return ErrorTexts::tr("the undo journal's folder \"%1\" is not a folder; remove it and "
                              "Tidyra makes a new one");
    case Kind::journalFolderOfAnotherUser:
        return ErrorTexts::tr("the undo journal's folder \"%1\" belongs to another user, so "
                              "Tidyra does not trust it; make it yours (chown -R \"$(id -un)\" "
                              "\"%1\") or remove it");
    case Kind::journalFolderWritableByOthers:
        return ErrorTexts::tr("the undo journal's folder \"%1\" can be changed by other users, "
                              "so Tidyra does not trust it; make it private (chmod 700 \"%1\")");
    case Kind::folderMovedAway:
        return ErrorTexts::tr("\"%1\" was moved away or replaced during the run, so nothing "
                              "more was moved into it");
    }
    return {};
}

} // namespace

QString ErrorTexts::translate(std::string_view description)
{
    const std::optional<ErrorTemplates::Message> message = ErrorTemplates::parse(description);
    if (!message)
        return QString::fromStdString(Text::displayText(description));
    // Substituted in one pass, so an argument that holds "%2" stays as it is.
    const QString pattern = translatedTemplate(message->kind);
    QString text;
    for (qsizetype at = 0; at < pattern.size(); ++at) {
        const QChar c = pattern.at(at);
        const qsizetype number = at + 1 < pattern.size() && c == QLatin1Char('%')
            ? pattern.at(at + 1).digitValue()
            : -1;
        if (number < 1 || std::size_t(number) > message->arguments.size()) {
            text += c;
            continue;
        }
        const std::string &argument = message->arguments[std::size_t(number - 1)];
        text += ErrorTemplates::isNestedDescription(message->kind, std::size_t(number - 1))
            ? translate(argument)
            : QString::fromStdString(Text::displayText(argument));
        ++at;
    }
    return text;
}
