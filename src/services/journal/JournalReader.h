#pragma once

#include "services/filesystem/FileDescriptor.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

class FileSystem;

// Reads one of the journal's files line by line, trusting nothing in it: the file is
// opened without following a link and read only when it is a regular file of the
// user's own, and no line is ever held longer than any line Tidyra writes, so an
// absurd file costs time to pass over but no memory. Failures throw EngineError.
class JournalReader
{
public:
    // Longer than any line Tidyra writes: a path is at most a few KB, even escaped.
    static constexpr std::size_t maxLine = std::size_t { 64 } * 1024;

    struct Line
    {
        std::string_view text; // without its newline; valid until the next call
        bool complete = false; // ended by a newline (a crash may tear the last line)
        bool tooLong = false; // longer than maxLine: damaged, its text is left out
    };

    // Reads through `fileSystem`, which must outlive the reader.
    JournalReader(FileSystem &fileSystem, const std::filesystem::path &file);

    // The next line; false at the end of the file.
    bool next(Line &line);

private:
    bool fill();

    [[noreturn]] void fail(int error) const;

    FileSystem &m_fileSystem;
    std::filesystem::path m_file;
    FileDescriptor m_handle;
    std::uint64_t m_offset = 0;
    std::string m_buffer;
    std::size_t m_start = 0;
    bool m_atEnd = false;
    bool m_skipping = false; // inside a line too long to keep
};
