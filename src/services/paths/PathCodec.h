#pragma once

#include <filesystem>

#include <nlohmann/json_fwd.hpp>

// Paths in JSON without losing a byte. A path whose bytes are valid UTF-8 is a JSON
// string; any other path is the object {"base64": "<standard base64 of its bytes>"}.
namespace PathCodec {

nlohmann::ordered_json encode(const std::filesystem::path &path);
// Throws std::invalid_argument on anything but the two forms above, and on a path
// holding a NUL byte (no system call could name it).
std::filesystem::path decode(const nlohmann::ordered_json &value);

} // namespace PathCodec
