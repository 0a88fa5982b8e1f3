#pragma once

#include "FileDescriptor.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

enum class EntryType : std::uint8_t {
    regular, // a regular file itself, never a link to one
    directory,
    symlink,
    other, // sockets, fifos, devices
};

// Which file an entry is, independent of its name: what undo trusts.
struct FileIdentity
{
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    friend bool operator==(const FileIdentity &, const FileIdentity &) = default;
};

// What lstat tells about one entry.
struct EntryInfo
{
    EntryType type = EntryType::other;
    FileIdentity identity;
    std::uint64_t size = 0;
    std::uint64_t linkCount = 0;
    std::int64_t modified = 0; // modification time, nanoseconds since 1970
};

struct DirectoryEntry
{
    std::string name; // bytes, as the directory holds it
    EntryType type = EntryType::other;
};

// Every disk access of the engine goes through this interface. Each call is one
// system-level operation that returns 0 or an errno value; what the errors mean to
// the user is decided above it. Names are single path components (bytes). Folders
// below the chosen folder are reached by handle, never by following links.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // Opens the chosen folder itself (a link naming it is followed: the user chose it),
    // however long its path.
    virtual int openFolder(const std::filesystem::path &folder, FileDescriptor &handle) = 0;
    // Every entry of the open `folder` except "." and "..", in one pass over the
    // directory, hidden ones included. Types come from the listing; only unknown types
    // are looked up, without following links. No entry is opened.
    virtual int listFolder(int folder, std::vector<DirectoryEntry> &entries) = 0;
    // Opens the folder `name` inside `parent`; fails (ELOOP or ENOTDIR) on a link or non-folder.
    virtual int openSubfolder(int parent, const std::string &name, FileDescriptor &handle) = 0;
    // Creates the folder `name` inside `parent`; EEXIST when any entry has that name.
    virtual int makeFolder(int parent, const std::string &name) = 0;
    // fstatat without following links (lstat semantics: 0 when any entry, a dangling
    // link included, has that name): type, identity and size of `name` in `folder`.
    virtual int statIn(int folder, const std::string &name, EntryInfo &info) = 0;
    // fstat of an open folder.
    virtual int statFolder(int folder, EntryInfo &info) = 0;
    // fstatfs of an open folder: the file system's type (f_type).
    virtual int fileSystemType(int folder, std::uint64_t &type) = 0;

    // renameat2 with RENAME_NOREPLACE: never replaces anything.
    virtual int renameNoReplace(
        int fromFolder, const std::string &fromName, int toFolder, const std::string &toName)
        = 0;
    // linkat without following links; EEXIST when the new name is taken.
    virtual int hardLink(
        int fromFolder, const std::string &fromName, int toFolder, const std::string &toName)
        = 0;
    // Plain renameat, which replaces `toName`: only for names the engine itself owns.
    virtual int renameReplacing(
        int fromFolder, const std::string &fromName, int toFolder, const std::string &toName)
        = 0;
    // Creates the empty file `name` exclusively (O_CREAT | O_EXCL); EEXIST when taken.
    virtual int createExclusive(int folder, const std::string &name) = 0;
    virtual int unlinkFile(int folder, const std::string &name) = 0;
    // rmdir: fails unless the folder is empty, so nothing inside is ever deleted.
    virtual int removeFolder(int folder, const std::string &name) = 0;
};
