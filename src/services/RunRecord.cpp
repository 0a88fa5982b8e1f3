#include "RunRecord.h"

#include "ErrorDescriptions.h"
#include "JournalError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

namespace {

// Opens a journal and reads its header; `in` is left at the first line after it.
JournalLines::Header openJournal(const std::filesystem::path &file, std::ifstream &in)
{
    in.open(file, std::ios::binary);
    if (!in)
        throw JournalError("cannot read the undo journal "
            + ErrorDescriptions::inQuotes(file.native()) + ": "
            + ErrorDescriptions::reason(errno ? errno : EIO));
    std::string line;
    std::optional<JournalLines::Header> header;
    if (std::getline(in, line))
        header = JournalLines::parseHeader(line);
    if (!header)
        throw JournalError("the undo journal " + ErrorDescriptions::inQuotes(file.native())
            + " is not a journal of this Tidyra release and was left untouched");
    return std::move(*header);
}

} // namespace

JournalLines::Header RunRecord::readHeader(const std::filesystem::path &file)
{
    std::ifstream in;
    return openJournal(file, in);
}

RunRecord RunRecord::read(const std::filesystem::path &file)
{
    std::ifstream in;
    RunRecord record;
    record.file = file;
    record.header = openJournal(file, in);
    std::string line;

    while (std::getline(in, line)) {
        JournalLines::Parsed parsed = JournalLines::parseLine(line);
        if (parsed.intent) {
            // Intents come in rising order; anything else is not a line this program wrote.
            if (!record.intents.empty() && parsed.intent->index <= record.intents.back().index)
                continue;
            record.intents.push_back(std::move(*parsed.intent));
            record.states.push_back(State::unknown);
        } else if (parsed.made) {
            record.made.push_back(std::move(*parsed.made));
        } else if (parsed.marked) {
            const std::size_t position = record.positionOf(parsed.marked->index);
            if (position == record.intents.size())
                continue;
            State &state = record.states[position];
            switch (parsed.marked->mark) {
            case JournalLines::Mark::moved:
                if (state == State::unknown)
                    state = State::moved;
                break;
            case JournalLines::Mark::movedByFallback:
                if (state == State::unknown)
                    state = State::movedByFallback;
                break;
            case JournalLines::Mark::back:
                state = State::back;
                break;
            case JournalLines::Mark::givenUp:
                state = State::givenUp;
                break;
            }
        }
    }
    return record;
}

std::size_t RunRecord::pendingCount() const
{
    return static_cast<std::size_t>(std::count_if(states.begin(), states.end(),
        [](State state) { return state != State::back && state != State::givenUp; }));
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

bool RunRecord::hadMoves(const UndoReport &report) const
{
    return report.restored > 0 || !report.notRestored.empty() || report.cancelled
        || pendingCount() > 0;
}
