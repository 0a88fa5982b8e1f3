#pragma once

#include "services/filesystem/FileDescriptor.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
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
    std::uint32_t owner = 0; // user id
    std::uint32_t permissions = 0; // mode bits without the type (07777)
    // Birth time, nanoseconds since 1970; 0 where the file system keeps none. It tells a
    // file from a later one that got its inode number again (ext4 hands out freed ones).
    std::int64_t born = 0;
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
    // fstat of an open folder, or of an open file (the journal's, the rules file).
    virtual int statFolder(int folder, EntryInfo &info) = 0;
    // fstatfs of an open folder: the file system's type (f_type).
    virtual int fileSystemType(int folder, std::uint64_t &type) = 0;
    // Whether any process has the file `name` in `folder` open for writing: a read
    // lease (F_SETLEASE) is refused then, and is given up at once when granted. Only
    // the file's owner may take one and not every file system has leases; those fail
    // (EACCES, EINVAL), as does opening it. A writer opening the file in the instant
    // the lease is held sends SIGIO, which the programs that watch ignore (their main).
    virtual int hasWriter(int folder, const std::string &name, bool &written) = 0;

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
    // Creates the empty file `name` exclusively (O_CREAT | O_EXCL) with no permissions at
    // all, which a user's own file hardly ever has; EEXIST when taken.
    virtual int createExclusive(int folder, const std::string &name) = 0;
    virtual int unlinkFile(int folder, const std::string &name) = 0;
    // rmdir: fails unless the folder is empty, so nothing inside is ever deleted.
    virtual int removeFolder(int folder, const std::string &name) = 0;

    // The undo journal's own files, in the state folder, go through here too, so that
    // a test can fail them and check that each sync comes before the moves it guards.
    // Creates the file `name` (private to the user, never through a link) to append
    // to; EEXIST when the name is taken.
    virtual int createFile(int folder, const std::string &name, FileDescriptor &handle) = 0;
    // Opens the existing file `name` to read and append, never through a link.
    virtual int openToAppend(int folder, const std::string &name, FileDescriptor &handle) = 0;
    // Opens the existing file `name` to read, never through a link (nor blocking on a fifo).
    virtual int openToRead(int folder, const std::string &name, FileDescriptor &handle) = 0;
    // Opens the file at `path` to read, through links (nor blocking on a fifo): a user's
    // own settings file, which dotfile managers keep as a link into their repository.
    virtual int openToReadFollowing(const std::filesystem::path &path, FileDescriptor &handle) = 0;
    // Opens the file `name`, made private to the user when it is not there, never through
    // a link: the lock files, which outlive their holders.
    virtual int openOrCreate(int folder, const std::string &name, FileDescriptor &handle) = 0;
    // Takes the open file's exclusive lock (flock) without waiting: EWOULDBLOCK while
    // another holds it. The kernel drops a lock when its holder dies.
    virtual int tryLock(int file) = 0;
    // Creates the folder `name` inside `parent`, private to the user (0700).
    virtual int makePrivateFolder(int parent, const std::string &name) = 0;
    // Writes all of `data` (write, again after a short write or EINTR).
    virtual int writeFile(int file, std::string_view data) = 0;
    // pread of up to `size` bytes at `offset`; `got` is what was read.
    virtual int readAt(
        int file, std::uint64_t offset, char *into, std::size_t size, std::size_t &got)
        = 0;
    // fdatasync: what was written is on the disk.
    virtual int syncData(int file) = 0;
    // fsync of an open folder: a name made or renamed in it is on the disk.
    virtual int syncFolder(int folder) = 0;
    // close, where some network file systems report a failed write.
    virtual int closeFile(FileDescriptor &handle) = 0;
};
