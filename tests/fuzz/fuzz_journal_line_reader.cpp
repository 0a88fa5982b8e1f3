// Whatever the journal's line reader accepts is a JSON object, and it reads each
// member as a general JSON parser does.

#include "services/journal/JournalLineReader.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char *>(data), size);
    const JournalLineReader reader(line);
    if (!reader.isValid())
        return 0;
    // Keys are counted as they come: with a key twice the reader takes the first, the
    // general parser the last, so only a line without one is compared member by member.
    std::size_t keys = 0;
    using Json = nlohmann::json;
    const Json object = Json::parse(line, [&](int depth, Json::parse_event_t event, Json &) {
        keys += depth == 1 && event == Json::parse_event_t::key ? 1 : 0;
        return true;
    });
    check(object.is_object() && keys <= JournalLineReader::maxFields);
    if (keys != object.size())
        return 0;
    for (const auto &[key, value] : object.items()) {
        const JournalField *field = reader.find(key);
        check(field != nullptr);
        switch (field->kind) {
        case JournalField::Kind::text:
            if (value.is_object()) {
                check(value.size() == 1 && value.contains("base64"));
                check(Base64::decode(value.at("base64").get<std::string>()) == field->text);
            } else {
                check(value.get<std::string>() == field->text);
            }
            break;
        case JournalField::Kind::number:
            // Below INT64_MIN the general parser has only a double.
            if (value.is_number_unsigned())
                check(!field->negative && value.get<std::uint64_t>() == field->magnitude);
            else if (value.is_number_integer())
                check(field->negative
                    && 0 - static_cast<std::uint64_t>(value.get<std::int64_t>())
                        == field->magnitude);
            else
                check(value.is_number_float() && field->negative);
            break;
        case JournalField::Kind::other:
            check(value.is_boolean() || value.is_null());
            break;
        }
    }
    return 0;
}
