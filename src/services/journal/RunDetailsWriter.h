#pragma once

#include "services/filesystem/FileDescriptor.h"
#include "services/journal/RunDetails.h"

#include <filesystem>
#include <string>
#include <string_view>

class FileSystem;

// Writes a folder's details file (see JournalLines) for one run or undo: entries go
// to a new file beside it, which replaces the old one only once finished, so a run
// that never happened leaves the details of the one before. The details only
// explain; failing to keep them never fails a run, so nothing here throws.
class RunDetailsWriter
{
public:
    // Writes through `fileSystem`, which must outlive the writer.
    RunDetailsWriter(FileSystem &fileSystem, const std::filesystem::path &file,
        RunDetails::Kind kind, const std::filesystem::path &folder);
    RunDetailsWriter(const RunDetailsWriter &) = delete;
    RunDetailsWriter &operator=(const RunDetailsWriter &) = delete;
    ~RunDetailsWriter();

    void add(std::string_view name, const ErrorMessage &why);
    // Puts the entries in place of the folder's details, or removes those when there
    // were none.
    void finish();

private:
    void flush();

    FileSystem &m_fileSystem;
    FileDescriptor m_folder; // where the details files are
    std::string m_name;
    std::string m_newName;
    FileDescriptor m_handle;
    std::string m_buffer;
    bool m_failed = false;
    bool m_empty = true;
};
