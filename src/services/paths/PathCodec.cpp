#include "services/paths/PathCodec.h"

#include "model/Text.h"
#include "services/paths/Base64.h"

#include <stdexcept>

#include <nlohmann/json.hpp>

namespace PathCodec {

nlohmann::ordered_json encode(const std::filesystem::path &path)
{
    const std::string &bytes = path.native();
    if (Text::isValidUtf8(bytes))
        return bytes;
    return nlohmann::ordered_json { { "base64", Base64::encode(bytes) } };
}

std::filesystem::path decode(const nlohmann::ordered_json &value)
{
    std::string bytes;
    if (value.is_string()) {
        bytes = value.get<std::string>();
    } else if (value.is_object() && value.size() == 1 && value.contains("base64")
        && value["base64"].is_string()) {
        std::optional<std::string> decoded = Base64::decode(value["base64"].get<std::string>());
        if (!decoded)
            throw std::invalid_argument("a path has invalid base64");
        bytes = std::move(*decoded);
    } else {
        throw std::invalid_argument("a path is neither a string nor a base64 object");
    }
    if (bytes.find('\0') != std::string::npos)
        throw std::invalid_argument("a path contains a NUL byte");
    return std::filesystem::path(std::move(bytes));
}

} // namespace PathCodec
