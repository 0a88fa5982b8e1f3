#pragma once

#include <string>

class FileSystem;

// Moves one entry between two open folders without ever replacing anything.
// Returns 0 or the errno that made it fail; on failure nothing has changed.
class FileMover
{
public:
    // Raised when the file system allows neither a no-replace rename nor a hard link.
    static constexpr int noSafeMove = -1;

    explicit FileMover(FileSystem &fileSystem)
        : m_fileSystem(fileSystem)
    { }

    int move(int fromFolder, const std::string &fromName, int toFolder, const std::string &toName);

private:
    FileSystem &m_fileSystem;
};
