#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Every failure text of the engine, by what it says; ErrorKinds holds each one's
// English template and the key the run details store it by.
enum class ErrorKind : std::uint8_t {
    none,
    plainText, // %1 a text shown as it is: another library's failure, or the app's own line
    reasonOnly, // %1 reason
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
    movedOrRenamed, // %1 the nested message
    journalUnreadable, // %1 journal file, %2 reason
    noJournalPlace,
    journalFolderNotAFolder, // %1 folder
    journalFolderOfAnotherUser, // %1 folder
    journalFolderWritableByOthers, // %1 folder
    folderMovedAway, // %1 folder
    journalCannotCreate, // %1 journal file, %2 reason
    journalCannotOpen, // %1 journal file, %2 reason
    journalCannotWrite, // %1 journal file, %2 reason
    journalNotOfThisRelease, // %1 journal file
    journalNotYours, // %1 journal file
    cannotCreateFolderAt, // %1 folder, %2 reason
    cannotOpen, // %1 file, %2 reason
    cannotLock, // %1 file, %2 reason
    cannotRemove, // %1 file, %2 reason
    cannotCreateTemporary, // %1 folder, %2 reason
    cannotWrite, // %1 file, %2 reason
    cannotFlush, // %1 file, %2 reason
    cannotReplace, // %1 file, %2 reason
    cannotFlushFolder, // %1 folder, %2 reason
    noSuchRun, // %1 run id
    noSuchRunIn, // %1 run id, %2 folder
    noSuchRunOf, // %1 run id, %2 folder; no hint to the history
    cannotWatch, // %1 folder, %2 reason
    tooManyWatches, // %1 folder
    watchLimitReached, // %1 folder
    watchedFolderGone, // %1 folder
    cannotWaitForChanges, // %1 reason
    rulesAt, // %1 rules file, %2 line, %3 column, %4 the nested message
    rulesIn, // %1 rules file, %2 the nested message
    rulesUnreadable, // %1 rules file, %2 reason
    rulesSyntax, // %1 the TOML reader's own description
    rulesUnknownKey, // %1 key
    rulesNotText, // %1 key
    rulesNotTextList, // %1 key
    rulesNotTrueOrFalse, // %1 key
    rulesNotTable, // %1 key
    rulesCategoryTwice, // %1 category
    rulesBadExtension, // %1 extension
    rulesExtensionTwice, // %1 extension, %2 category, %3 other category
    rulesFolderEmpty, // %1 category
    rulesFolderDots, // %1 category, %2 folder
    rulesFolderSlash, // %1 category, %2 folder
    rulesFolderHidden, // %1 category, %2 folder
    rulesFolderTooLong, // %1 category
    rulesFolderTwice, // %1 category, %2 other category, %3 folder
    rulesBadPattern, // %1 pattern
    rulesBadDuration, // %1 duration
    rulesUnknownSymbol, // %1 symbol
    rulesUnknownColor, // %1 colour
};

// One failure as a value: what happened, the names and paths it is about (bytes, as on
// disk, never escaped for display), the errno behind it where there is one, and the
// message it wraps. Formatted only where it is shown: in English by ErrorKinds, in the
// user's language by the app.
struct ErrorMessage
{
    ErrorMessage() = default;
    ErrorMessage(ErrorKind kind, std::vector<std::string> arguments = {}, int error = 0,
        std::vector<ErrorMessage> nested = {})
        : kind(kind)
        , arguments(std::move(arguments))
        , error(error)
        , nested(std::move(nested))
    { }

    ErrorKind kind = ErrorKind::none;
    std::vector<std::string> arguments;
    int error = 0; // an errno value, 0 when the text gives no reason
    std::vector<ErrorMessage> nested; // the message this one wraps: none or one

    // No failure at all.
    bool empty() const { return kind == ErrorKind::none; }
    // The English text tidyra-cli prints (see ErrorKinds::english).
    std::string english() const;

    // Member by member, the nested message last.
    bool operator==(const ErrorMessage &other) const;
    bool operator<(const ErrorMessage &other) const;
};
