#include "services/errors/ErrorKinds.h"

#include <array>
#include <cstddef>

namespace ErrorKinds {
namespace {

struct Entry
{
    ErrorKind kind;
    std::string_view key;
    std::string_view english;
};

constexpr std::array entries {
    Entry { ErrorKind::none, "none", "" },
    Entry { ErrorKind::plainText, "plainText", "%1" },
    Entry { ErrorKind::reasonOnly, "reasonOnly", "%1" },
    Entry { ErrorKind::cannotOpenFolder, "cannotOpenFolder", R"(cannot open folder "%1": %2)" },
    Entry { ErrorKind::cannotCreateFolder, "cannotCreateFolder",
        R"(cannot create folder "%1" in "%2": %3)" },
    Entry { ErrorKind::symbolicLink, "symbolicLink",
        R"("%1" is a symbolic link, which Tidyra does not follow)" },
    Entry { ErrorKind::notAFolder, "notAFolder", R"("%1" is not a folder)" },
    Entry {
        ErrorKind::alreadyExists, "alreadyExists", R"(an item named "%1" already exists in "%2")" },
    Entry { ErrorKind::noLongerThere, "noLongerThere", R"("%1" is no longer there)" },
    Entry { ErrorKind::otherDevice, "otherDevice",
        R"(cannot move "%1" to "%2": it is on another device, and Tidyra never copies)" },
    Entry { ErrorKind::nameTooLong, "nameTooLong",
        R"(cannot move "%1": the name "%2" is longer than the file system allows)" },
    Entry { ErrorKind::replacedMeanwhile, "replacedMeanwhile",
        R"("%1" was replaced by another item meanwhile and was left as it is)" },
    Entry { ErrorKind::cannotMove, "cannotMove", R"(cannot move "%1": %2)" },
    Entry { ErrorKind::cannotMoveTo, "cannotMoveTo", R"(cannot move "%1" to "%2": %3)" },
    Entry { ErrorKind::outsideFolder, "outsideFolder",
        R"("%1" is not inside the organized folder "%2")" },
    Entry { ErrorKind::anotherItemNow, "anotherItemNow",
        R"("%1" in "%2" is another item now; it was left as it is)" },
    Entry { ErrorKind::changedSinceMoved, "changedSinceMoved",
        R"("%1" in "%2" has changed since it was moved there, or is another file; it was )"
        "left as it is" },
    Entry { ErrorKind::noLongerIn, "noLongerIn", R"("%1" is no longer in "%2")" },
    Entry { ErrorKind::folderBusy, "folderBusy",
        "another Tidyra run is at work on this folder; try again when it has finished" },
    Entry { ErrorKind::notTheOrganizedFolder, "notTheOrganizedFolder",
        R"("%1" is no longer the folder that was organized; if that folder was moved or )"
        "renamed, undo it by its new path: tidyra-cli undo FOLDER" },
    Entry { ErrorKind::movedOrRenamed, "movedOrRenamed",
        "%1; if the folder was moved or renamed, undo it by its new path: tidyra-cli undo "
        "FOLDER" },
    Entry { ErrorKind::journalUnreadable, "journalUnreadable",
        R"(cannot read the undo journal "%1": %2)" },
    Entry { ErrorKind::noJournalPlace, "noJournalPlace",
        "cannot find a place for the undo journal: neither XDG_STATE_HOME nor HOME is set" },
    Entry { ErrorKind::journalFolderNotAFolder, "journalFolderNotAFolder",
        R"(the undo journal's folder "%1" is not a folder; remove it and Tidyra makes a new )"
        "one" },
    Entry { ErrorKind::journalFolderOfAnotherUser, "journalFolderOfAnotherUser",
        R"(the undo journal's folder "%1" belongs to another user, so Tidyra does not trust )"
        R"x(it; make it yours (chown -R "$(id -un)" "%1") or remove it)x" },
    Entry { ErrorKind::journalFolderWritableByOthers, "journalFolderWritableByOthers",
        R"(the undo journal's folder "%1" can be changed by other users, so Tidyra does not )"
        R"x(trust it; make it private (chmod 700 "%1"))x" },
    Entry { ErrorKind::folderMovedAway, "folderMovedAway",
        R"("%1" was moved away or replaced during the run, so nothing more was moved into it)" },
    Entry { ErrorKind::journalCannotCreate, "journalCannotCreate",
        R"(cannot create the undo journal "%1": %2)" },
    Entry { ErrorKind::journalCannotOpen, "journalCannotOpen",
        R"(cannot open the undo journal "%1": %2)" },
    Entry { ErrorKind::journalCannotWrite, "journalCannotWrite",
        R"(cannot write the undo journal "%1": %2)" },
    Entry { ErrorKind::journalNotOfThisRelease, "journalNotOfThisRelease",
        R"(the undo journal "%1" is not a journal of this Tidyra release and was left )"
        "untouched" },
    Entry { ErrorKind::journalNotYours, "journalNotYours",
        R"(the undo journal "%1" is not a file of your own and was left untouched)" },
    Entry { ErrorKind::cannotCreateFolderAt, "cannotCreateFolderAt",
        R"(cannot create folder "%1": %2)" },
    Entry { ErrorKind::cannotOpen, "cannotOpen", R"(cannot open "%1": %2)" },
    Entry { ErrorKind::cannotLock, "cannotLock", R"(cannot lock "%1": %2)" },
    Entry { ErrorKind::cannotRemove, "cannotRemove", R"(cannot remove "%1": %2)" },
    Entry { ErrorKind::cannotCreateTemporary, "cannotCreateTemporary",
        R"(cannot create a temporary file in "%1": %2)" },
    Entry { ErrorKind::cannotWrite, "cannotWrite", R"(cannot write "%1": %2)" },
    Entry { ErrorKind::cannotFlush, "cannotFlush", R"(cannot flush "%1": %2)" },
    Entry { ErrorKind::cannotReplace, "cannotReplace", R"(cannot replace "%1": %2)" },
    Entry { ErrorKind::cannotFlushFolder, "cannotFlushFolder", R"(cannot flush folder "%1": %2)" },
    Entry { ErrorKind::noSuchRun, "noSuchRun",
        R"(no run "%1" is recorded; "tidyra-cli history FOLDER" lists the runs of a folder)" },
    Entry { ErrorKind::noSuchRunIn, "noSuchRunIn",
        R"(no run "%1" is recorded for "%2"; "tidyra-cli history FOLDER" lists the runs of )"
        "a folder" },
    Entry { ErrorKind::noSuchRunOf, "noSuchRunOf", R"(no run "%1" is recorded for "%2")" },
    Entry { ErrorKind::cannotWatch, "cannotWatch", R"(Cannot watch the folder "%1": %2)" },
    Entry { ErrorKind::tooManyWatches, "tooManyWatches",
        R"(Cannot watch the folder "%1": too many folders are watched already (raise the )"
        "limit with sysctl fs.inotify.max_user_instances)" },
    Entry { ErrorKind::watchLimitReached, "watchLimitReached",
        R"(Cannot watch the folder "%1": the limit of watched folders is reached (raise it )"
        "with sysctl fs.inotify.max_user_watches=524288, or in /etc/sysctl.d/ to keep it)" },
    Entry { ErrorKind::watchedFolderGone, "watchedFolderGone",
        R"(Cannot watch the folder "%1": it was removed, moved or its disk unmounted; )"
        "watching stopped" },
    Entry {
        ErrorKind::cannotWaitForChanges, "cannotWaitForChanges", "Cannot wait for changes: %1" },
    Entry { ErrorKind::rulesAt, "rulesAt", "%1:%2:%3: %4" },
    Entry { ErrorKind::rulesIn, "rulesIn", "%1: %2" },
    Entry {
        ErrorKind::rulesUnreadable, "rulesUnreadable", R"(cannot read the rules file "%1": %2)" },
    Entry { ErrorKind::rulesSyntax, "rulesSyntax", "this is not valid TOML: %1" },
    Entry { ErrorKind::rulesUnknownKey, "rulesUnknownKey", R"(unknown key "%1")" },
    Entry { ErrorKind::rulesNotText, "rulesNotText", R"("%1" must be a text in quotes)" },
    Entry { ErrorKind::rulesNotTextList, "rulesNotTextList",
        R"("%1" must be a list of texts in quotes)" },
    Entry {
        ErrorKind::rulesNotTrueOrFalse, "rulesNotTrueOrFalse", R"("%1" must be true or false)" },
    Entry { ErrorKind::rulesNotTable, "rulesNotTable", R"("%1" must be a table)" },
    Entry { ErrorKind::rulesCategoryTwice, "rulesCategoryTwice",
        R"(the category "%1" is named twice)" },
    Entry { ErrorKind::rulesBadExtension, "rulesBadExtension",
        R"("%1" is not an extension: write it without dots, like "pdf")" },
    Entry { ErrorKind::rulesExtensionTwice, "rulesExtensionTwice",
        R"(the extension "%1" is added to both "%2" and "%3")" },
    Entry {
        ErrorKind::rulesFolderEmpty, "rulesFolderEmpty", R"(the folder name of "%1" is empty)" },
    Entry { ErrorKind::rulesFolderDots, "rulesFolderDots",
        R"(the folder name of "%1" cannot be "%2")" },
    Entry { ErrorKind::rulesFolderSlash, "rulesFolderSlash",
        R"(the folder name "%2" of "%1" holds "/" or a NUL byte)" },
    Entry { ErrorKind::rulesFolderHidden, "rulesFolderHidden",
        R"(the folder name "%2" of "%1" starts with a dot, which would hide the folder)" },
    Entry { ErrorKind::rulesFolderTooLong, "rulesFolderTooLong",
        R"(the folder name of "%1" is longer than 255 bytes)" },
    Entry { ErrorKind::rulesFolderTwice, "rulesFolderTwice",
        R"("%1" and "%2" both use the folder "%3")" },
    Entry { ErrorKind::rulesBadPattern, "rulesBadPattern",
        R"("%1" is not a name pattern: it is empty, holds "/", leaves a "[" open or ends )"
        R"(in "\")" },
    Entry { ErrorKind::rulesBadDuration, "rulesBadDuration",
        R"("%1" is not a duration like "30m", "12h" or "2d")" },
    Entry { ErrorKind::rulesUnknownSymbol, "rulesUnknownSymbol",
        R"("%1" is not a built-in category whose symbol can be borrowed)" },
    Entry { ErrorKind::rulesUnknownColor, "rulesUnknownColor",
        R"("%1" is not a colour: use purple, blue, orange, pink, green, brown, red, )"
        "indigo, teal, cyan or gray" },
};

// The table is indexed by kind: an entry out of its place would give another text.
constexpr bool inOrder()
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (std::size_t(entries[i].kind) != i)
            return false;
    }
    return true;
}
static_assert(inOrder() && entries.size() == std::size_t(ErrorKind::rulesUnknownColor) + 1);

} // namespace

std::string_view english(ErrorKind kind)
{
    return std::size_t(kind) < entries.size() ? entries[std::size_t(kind)].english : "";
}

std::string_view key(ErrorKind kind)
{
    return std::size_t(kind) < entries.size() ? entries[std::size_t(kind)].key : "";
}

std::optional<ErrorKind> fromKey(std::string_view key)
{
    for (const Entry &entry : entries) {
        if (entry.key == key && entry.kind != ErrorKind::none)
            return entry.kind;
    }
    return std::nullopt;
}

std::string substitute(std::string_view pattern, const std::vector<std::string> &values)
{
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char c = pattern[at];
        if (c != '%' || at + 1 == pattern.size() || pattern[at + 1] < '1'
            || pattern[at + 1] > '9') {
            text += c;
            continue;
        }
        const auto number = std::size_t(pattern[at + 1] - '1');
        if (number < values.size())
            text += values[number];
        ++at;
    }
    return text;
}

} // namespace ErrorKinds
