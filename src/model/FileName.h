#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The pieces of a file name (bytes). The extension is what follows the last dot;
// a name ending in a dot ("notes.") has an empty extension and is its own base name.
namespace FileName {

std::string_view extension(std::string_view name);
std::string_view baseName(std::string_view name);
// "photo.jpg", 2 -> "photo (2).jpg"; "README", 1 -> "README (1)"; "notes.", 1 -> "notes. (1)".
std::string numbered(std::string_view name, std::uint64_t number);

} // namespace FileName
