#include "services/journal/RunRecord.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/filesystem/FileDescriptor.h"
#include "services/filesystem/FileSystem.h"
#include "services/journal/JournalReader.h"

#include <algorithm>
#include <string_view>

namespace {

// Reads a journal's header; `reader` is left at the first line after it.
std::optional<JournalLines::Header> openJournal(
    const std::filesystem::path &file, JournalReader &reader)
{
    JournalReader::Line line;
    if (!reader.next(line))
        return std::nullopt;
    if (!line.complete && !line.tooLong) {
        // Torn by a kill or a power cut while the header was written: what there is
        // must be the start of one, or this is no file of ours.
        constexpr std::string_view lead = R"({"tidyra":"run")";
        if (line.text.size() < lead.size() ? lead.starts_with(line.text)
                                           : line.text.starts_with(lead))
            return std::nullopt;
    }
    std::optional<JournalLines::Header> header;
    if (line.complete && !line.tooLong)
        header = JournalLines::parseHeader(line.text);
    if (!header)
        throw EngineError(EngineCondition::journalUnusable,
            ErrorMessage { ErrorKind::journalNotOfThisRelease, { file.native() } });
    return header;
}

} // namespace

std::optional<JournalLines::Header> RunRecord::readHeader(
    FileSystem &fileSystem, const std::filesystem::path &file)
{
    JournalReader reader(fileSystem, file);
    return openJournal(file, reader);
}

std::optional<RunRecord> RunRecord::read(FileSystem &fileSystem, const std::filesystem::path &file)
{
    JournalReader reader(fileSystem, file);
    std::optional<JournalLines::Header> header = openJournal(file, reader);
    if (!header)
        return std::nullopt;
    RunRecord record;
    record.file = file;
    record.header = std::move(*header);
    JournalReader::Line line;

    while (reader.next(line)) {
        if (line.tooLong || !line.complete)
            continue;
        JournalLines::Parsed parsed = JournalLines::parseLine(line.text);
        if (auto *intent = std::get_if<JournalLines::Intent>(&parsed)) {
            // Intents come in rising order; anything else is not a line this program wrote.
            if (!record.intents.empty() && intent->index <= record.intents.back().index)
                continue;
            record.intents.push_back(std::move(*intent));
            record.states.push_back(State::unknown);
        } else if (auto *held = std::get_if<JournalLines::Reservation>(&parsed)) {
            auto key = std::tuple(held->back, held->name, held->back ? 0 : held->file);
            record.reservations.insert_or_assign(std::move(key), std::move(*held));
        } else if (auto *made = std::get_if<JournalLines::Made>(&parsed)) {
            record.made.push_back(std::move(*made));
        } else if (auto *toMake = std::get_if<JournalLines::ToMake>(&parsed)) {
            record.toMake.push_back(std::move(toMake->parts));
        } else if (const auto *end = std::get_if<JournalLines::Ended>(&parsed)) {
            record.ended = true;
            record.movedAtEnd = end->moved;
            // Every move was marked before the end line: what is not never happened.
            // Should the marks fall short of the end's count (a journal whose marks
            // were lost), only looking can tell.
            if (record.markedMoved == end->moved)
                std::replace(
                    record.states.begin(), record.states.end(), State::unknown, State::neverMoved);
        } else if (std::holds_alternative<JournalLines::UndoBegan>(parsed)) {
            record.undoBegan = true;
        } else if (std::holds_alternative<JournalLines::Undone>(parsed)) {
            record.undone = true;
        } else if (const auto *marked = std::get_if<JournalLines::Marked>(&parsed)) {
            const std::size_t position = record.positionOf(marked->index);
            if (position != record.intents.size())
                record.apply(marked->mark, position);
        }
    }
    record.forgetNeverMoved();
    return record;
}

RunRecord::Tail RunRecord::tailOf(FileSystem &fileSystem, const std::filesystem::path &file)
{
    FileDescriptor folder;
    FileDescriptor handle;
    EntryInfo info;
    if (fileSystem.openFolder(file.parent_path(), folder) != 0
        || fileSystem.openToRead(folder.get(), file.filename(), handle) != 0
        || fileSystem.statFolder(handle.get(), info) != 0 || info.type != EntryType::regular)
        return Tail::killed;
    char tail[64];
    const std::uint64_t length = std::min<std::uint64_t>(info.size, sizeof tail);
    std::size_t got = 0;
    if (fileSystem.readAt(handle.get(), info.size - length, tail, length, got) != 0
        || got != length)
        return Tail::killed;
    const std::string_view text(tail, got);
    const std::size_t start = text.rfind('\n', text.size() >= 2 ? text.size() - 2 : 0);
    if (!text.ends_with("}\n") || start == std::string_view::npos)
        return Tail::killed;
    const std::string_view last = text.substr(start + 1);
    if (last.starts_with("{\"e\":"))
        return Tail::ended;
    if (!last.starts_with("{\"u\":"))
        return Tail::killed;
    return last.find("\"kept\"") != std::string_view::npos ? Tail::undoneKeepingFolders
                                                           : Tail::undone;
}

std::size_t RunRecord::movedCount() const
{
    return ended ? static_cast<std::size_t>(movedAtEnd) : markedMoved;
}

bool RunRecord::hasUnknown() const
{
    return std::find(states.begin(), states.end(), State::unknown) != states.end();
}

bool RunRecord::undoUnderWay() const
{
    return !undone && (undoBegan || std::any_of(states.begin(), states.end(), [](State state) {
        return state == State::back || state == State::givenUp;
    }));
}

void RunRecord::apply(JournalLines::Mark mark, std::size_t position)
{
    State &state = states[position];
    switch (mark) {
    case JournalLines::Mark::moved:
    case JournalLines::Mark::movedByFallback:
        if (state == State::unknown) {
            state = mark == JournalLines::Mark::moved ? State::moved : State::movedByFallback;
            ++markedMoved;
        }
        break;
    case JournalLines::Mark::neverMoved:
        if (state == State::unknown)
            state = State::neverMoved;
        break;
    case JournalLines::Mark::back:
        if (state != State::neverMoved)
            state = State::back;
        break;
    case JournalLines::Mark::givenUp:
        if (state != State::neverMoved)
            state = State::givenUp;
        break;
    }
}

void RunRecord::forgetNeverMoved()
{
    std::size_t kept = 0;
    for (std::size_t k = 0; k < intents.size(); ++k) {
        if (states[k] == State::neverMoved)
            continue;
        if (kept != k) {
            intents[kept] = std::move(intents[k]);
            states[kept] = states[k];
        }
        ++kept;
    }
    intents.resize(kept);
    states.resize(kept);
}

std::size_t RunRecord::pendingCount() const
{
    return static_cast<std::size_t>(std::count_if(states.begin(), states.end(),
        [](State state) { return state != State::back && state != State::givenUp; }));
}

const JournalLines::Reservation *RunRecord::reservationOf(
    const JournalLines::Intent &intent, bool back) const
{
    const auto found = reservations.find(
        std::tuple(back, back ? intent.from : intent.to.back(), back ? 0 : intent.inode));
    return found == reservations.end() ? nullptr : &found->second;
}

std::size_t RunRecord::positionOf(std::uint64_t index) const
{
    const auto found = std::lower_bound(intents.begin(), intents.end(), index,
        [](const JournalLines::Intent &intent, std::uint64_t value) {
            return intent.index < value;
        });
    return found != intents.end() && found->index == index
        ? static_cast<std::size_t>(found - intents.begin())
        : intents.size();
}
