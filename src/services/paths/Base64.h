#pragma once

#include <optional>
#include <string>
#include <string_view>

// Standard base64 (RFC 4648, "+/" alphabet, "=" padding) for carrying raw bytes
// through JSON, which only holds valid UTF-8.
namespace Base64 {

std::string encode(std::string_view bytes);
// Only the canonical form is accepted: padded to a multiple of four, no line
// breaks or spaces, unused trailing bits zero. Anything else gives nullopt.
std::optional<std::string> decode(std::string_view text);

} // namespace Base64
