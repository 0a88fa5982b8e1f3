#include "services/errors/ErrorTemplates.h"

#include <array>
#include <cstddef>
#include <utility>

namespace ErrorTemplates {
namespace {

constexpr std::array<std::string_view, std::size_t(Kind::folderMovedAway) + 1> templates {
    R"(cannot open folder "%1": %2)",
    R"(cannot create folder "%1" in "%2": %3)",
    R"("%1" is a symbolic link, which Tidyra does not follow)",
    R"("%1" is not a folder)",
    R"(an item named "%1" already exists in "%2")",
    R"("%1" is no longer there)",
    R"(cannot move "%1" to "%2": it is on another device, and Tidyra never copies)",
    R"(cannot move "%1": the name "%2" is longer than the file system allows)",
    R"("%1" was replaced by another item meanwhile and was left as it is)",
    R"(cannot move "%1": %2)",
    R"(cannot move "%1" to "%2": %3)",
    R"("%1" is not inside the organized folder "%2")",
    R"("%1" in "%2" is another item now; it was left as it is)",
    R"("%1" in "%2" has changed since it was moved there, or is another file; it was left as )"
    "it is",
    R"("%1" is no longer in "%2")",
    "another Tidyra run is at work on this folder; try again when it has finished",
    R"("%1" is no longer the folder that was organized; if that folder was moved or renamed, )"
    "undo it by its new path: tidyra-cli undo FOLDER",
    "%1; if the folder was moved or renamed, undo it by its new path: tidyra-cli undo FOLDER",
    R"(cannot read the undo journal "%1": %2)",
    R"(the undo journal "%1" was written by an earlier Tidyra release, which this one cannot )"
    "read; it was left untouched",
    "cannot find a place for the undo journal: neither XDG_STATE_HOME nor HOME is set",
    R"(the undo journal's folder "%1" is not a folder; remove it and Tidyra makes a new one)",
    R"(the undo journal's folder "%1" belongs to another user, so Tidyra does not trust it; )"
    R"x(make it yours (chown -R "$(id -un)" "%1") or remove it)x",
    R"(the undo journal's folder "%1" can be changed by other users, so Tidyra does not trust )"
    R"x(it; make it private (chmod 700 "%1"))x",
    R"("%1" was moved away or replaced during the run, so nothing more was moved into it)",
};

// The literal pieces of a template around its placeholders, and the placeholders'
// numbers in order of appearance.
struct Pieces
{
    std::vector<std::string_view> literals; // one more than numbers
    std::vector<std::size_t> numbers;
};

Pieces split(std::string_view text)
{
    Pieces pieces;
    std::size_t start = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '%' || text[i + 1] < '1' || text[i + 1] > '9')
            continue;
        pieces.literals.push_back(text.substr(start, i - start));
        pieces.numbers.push_back(std::size_t(text[i + 1] - '1'));
        start = i + 2;
        ++i;
    }
    pieces.literals.push_back(text.substr(start));
    return pieces;
}

// Matches `text` against the pieces: each argument runs up to the next occurrence of
// the literal after it, the last one up to the final literal at the very end.
bool match(const Pieces &pieces, std::string_view text, std::vector<std::string> &arguments)
{
    const std::string_view first = pieces.literals.front();
    const std::string_view last = pieces.literals.back();
    if (text.size() < first.size() + (pieces.numbers.empty() ? 0 : last.size())
        || text.substr(0, first.size()) != first)
        return false;
    if (pieces.numbers.empty())
        return text == first;
    if (text.substr(text.size() - last.size()) != last)
        return false;
    const std::string_view inner
        = text.substr(first.size(), text.size() - first.size() - last.size());
    arguments.assign(pieces.numbers.size(), {});
    std::size_t at = 0;
    for (std::size_t k = 0; k < pieces.numbers.size(); ++k) {
        std::size_t end = inner.size();
        if (k + 1 < pieces.numbers.size()) {
            end = inner.find(pieces.literals[k + 1], at);
            if (end == std::string_view::npos)
                return false;
        }
        arguments[pieces.numbers[k]] = std::string(inner.substr(at, end - at));
        at = end + (k + 1 < pieces.numbers.size() ? pieces.literals[k + 1].size() : 0);
    }
    return true;
}

} // namespace

std::string_view english(Kind kind)
{
    return templates[std::size_t(kind)];
}

bool isNestedDescription(Kind kind, std::size_t index)
{
    return kind == Kind::movedOrRenamed && index == 0;
}

std::string format(Kind kind, const std::vector<std::string> &arguments)
{
    const Pieces pieces = split(english(kind));
    std::string text(pieces.literals.front());
    for (std::size_t k = 0; k < pieces.numbers.size(); ++k) {
        if (pieces.numbers[k] < arguments.size())
            text += arguments[pieces.numbers[k]];
        text += pieces.literals[k + 1];
    }
    return text;
}

std::optional<Message> parse(std::string_view description)
{
    // The most specific template first: "cannot move "a" to "b": it is on another
    // device..." also fits the plainer "cannot move "%1" to "%2": %3".
    static const std::array order { Kind::otherDevice, Kind::nameTooLong, Kind::cannotMoveTo,
        Kind::cannotMove, Kind::cannotCreateFolder, Kind::cannotOpenFolder, Kind::symbolicLink,
        Kind::notTheOrganizedFolder, Kind::notAFolder, Kind::alreadyExists, Kind::replacedMeanwhile,
        Kind::anotherItemNow, Kind::noLongerIn, Kind::noLongerThere, Kind::outsideFolder,
        Kind::folderBusy, Kind::movedOrRenamed, Kind::journalUnreadable, Kind::journalTooOld,
        Kind::noJournalPlace, Kind::changedSinceMoved, Kind::journalFolderNotAFolder,
        Kind::journalFolderOfAnotherUser, Kind::journalFolderWritableByOthers,
        Kind::folderMovedAway };
    static_assert(order.size() == templates.size());
    static const auto pieces = [] {
        std::array<Pieces, templates.size()> all;
        for (std::size_t i = 0; i < templates.size(); ++i)
            all[i] = split(templates[i]);
        return all;
    }();
    Message message;
    for (const Kind kind : order) {
        if (match(pieces[std::size_t(kind)], description, message.arguments)) {
            message.kind = kind;
            return message;
        }
    }
    return std::nullopt;
}

} // namespace ErrorTemplates
