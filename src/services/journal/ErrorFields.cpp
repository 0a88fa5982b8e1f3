#include "services/journal/ErrorFields.h"

#include "services/errors/ErrorKinds.h"
#include "services/journal/JournalLineReader.h"
#include "services/paths/PathCodec.h"

#include <nlohmann/json.hpp>

#include <climits>
#include <cstdint>

namespace ErrorFields {

void append(std::string &out, const ErrorMessage &message)
{
    std::string prefix;
    for (const ErrorMessage *level = &message; level;
         level = level->nested.empty() ? nullptr : &level->nested.front()) {
        out += ",\"" + prefix + "why\":\"";
        out += ErrorKinds::key(level->kind);
        out += '"';
        for (std::size_t k = 0; k < level->arguments.size(); ++k) {
            out += ",\"" + prefix + 'a' + std::to_string(k + 1) + "\":";
            out += PathCodec::encode(level->arguments[k]).dump();
        }
        if (level->error != 0)
            out += ",\"" + prefix + "errno\":" + std::to_string(level->error);
        prefix += "in.";
    }
}

std::optional<ErrorMessage> read(const JournalLineReader &line)
{
    // Each level found is wrapped by the one before it.
    std::vector<ErrorMessage> levels;
    for (std::string prefix; line.find(prefix + "why"); prefix += "in.") {
        const auto kind = ErrorKinds::fromKey(line.bytes(prefix + "why").value_or(""));
        const auto error = line.find(prefix + "errno") ? line.unsignedNumber(prefix + "errno")
                                                       : std::optional<std::uint64_t>(0);
        if (!kind || !error || *error > std::uint64_t(INT_MAX))
            return std::nullopt;
        ErrorMessage &level = levels.emplace_back(*kind, std::vector<std::string> {}, int(*error));
        for (std::size_t k = 1; line.find(prefix + 'a' + std::to_string(k)); ++k) {
            auto argument = line.bytes(prefix + 'a' + std::to_string(k));
            if (!argument)
                return std::nullopt;
            level.arguments.push_back(std::move(*argument));
        }
    }
    if (levels.empty())
        return std::nullopt;
    for (std::size_t k = levels.size() - 1; k > 0; --k)
        levels[k - 1].nested.push_back(std::move(levels[k]));
    return std::move(levels.front());
}

} // namespace ErrorFields
