#pragma once

#include <filesystem>
#include <string_view>

class FileSystem;

// Whole-file replacement that never leaves a half-written file behind: readers
// see either the old content or the new one, also after a crash or power loss.
namespace AtomicFile {

// Writes `content` to a temporary file in the same folder, flushes it to disk and
// renames it over `file`, then flushes the folder, all through `fileSystem`. The new
// file is private to the user (mode 0600). Throws EngineError naming the file and
// the reason on failure; the old file is then untouched.
void write(FileSystem &fileSystem, const std::filesystem::path &file, std::string_view content);

} // namespace AtomicFile
