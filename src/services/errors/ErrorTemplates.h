#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The engine's failure texts, each a template with numbered arguments ("cannot open
// folder \"%1\": %2"). The engine and tidyra-cli speak the English form; the app
// recognises a description by its template and shows it in the user's language with
// the same arguments, so a text written to the run journal is translated too.
namespace ErrorTemplates {

enum class Kind : std::uint8_t {
    cannotOpenFolder, // %1 folder, %2 reason
    cannotCreateFolder, // %1 folder made, %2 where, %3 reason
    symbolicLink, // %1 folder
    notAFolder, // %1 item
    alreadyExists, // %1 name, %2 folder
    noLongerThere, // %1 name
    otherDevice, // %1 name, %2 folder
    nameTooLong, // %1 name, %2 new name
    replacedMeanwhile, // %1 name
    cannotMove, // %1 name, %2 reason
    cannotMoveTo, // %1 name, %2 folder, %3 reason
    outsideFolder, // %1 path, %2 folder
    anotherItemNow, // %1 name, %2 folder
    changedSinceMoved, // %1 name, %2 folder
    noLongerIn, // %1 name, %2 folder
    folderBusy,
    notTheOrganizedFolder, // %1 folder
    movedOrRenamed, // %1 a description of its own
    journalUnreadable, // %1 journal file, %2 reason
    journalTooOld, // %1 journal file
    noJournalPlace,
    journalFolderNotAFolder, // %1 folder
    journalFolderOfAnotherUser, // %1 folder
    journalFolderWritableByOthers, // %1 folder
    folderMovedAway, // %1 folder
};

// A description taken apart: which template, and its arguments as they were written.
struct Message
{
    Kind kind = Kind::cannotOpenFolder;
    std::vector<std::string> arguments;
};

// The English template of `kind`.
std::string_view english(Kind kind);
// Whether argument `index` (0-based) of `kind` is itself a description, to be
// translated in turn.
bool isNestedDescription(Kind kind, std::size_t index);
// The English template with %1, %2, ... replaced by `arguments`.
std::string format(Kind kind, const std::vector<std::string> &arguments);
// The template and arguments of a description made by format(), or nothing for any
// other text.
std::optional<Message> parse(std::string_view description);

} // namespace ErrorTemplates
