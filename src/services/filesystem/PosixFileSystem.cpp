#include "services/filesystem/PosixFileSystem.h"

#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <linux/fs.h> // RENAME_NOREPLACE

namespace {

EntryType typeOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return EntryType::regular;
    if (S_ISDIR(mode))
        return EntryType::directory;
    if (S_ISLNK(mode))
        return EntryType::symlink;
    return EntryType::other;
}

int lastError()
{
    return errno != 0 ? errno : EIO;
}

// statx, for the birth time where the file system keeps one; as cheap as fstatat.
int statxInto(int folder, const char *name, int flags, EntryInfo &info)
{
    struct statx status; // filled by the kernel: what is read is in every answer
    if (::statx(folder, name, flags, STATX_BASIC_STATS | STATX_BTIME, &status) != 0)
        return lastError();
    const auto nanoseconds = [](const statx_timestamp &time) {
        return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
    };
    info.type = typeOfMode(status.stx_mode);
    info.identity = { makedev(status.stx_dev_major, status.stx_dev_minor), status.stx_ino };
    info.size = status.stx_size;
    info.linkCount = status.stx_nlink;
    info.modified = nanoseconds(status.stx_mtime);
    info.owner = status.stx_uid;
    info.permissions = status.stx_mode & 07777;
    info.born = (status.stx_mask & STATX_BTIME) != 0 ? nanoseconds(status.stx_btime) : 0;
    return 0;
}

// Hands a descriptor just opened to `handle`, or says why there is none.
int adopt(int fd, FileDescriptor &handle)
{
    if (fd < 0)
        return lastError();
    handle.reset(fd);
    return 0;
}

} // namespace

int PosixFileSystem::listFolder(int folder, std::vector<DirectoryEntry> &entries)
{
    // A handle of its own: reading a directory moves the position of its handle.
    const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        const int error = lastError();
        ::close(fd);
        return error;
    }
    int error = 0;
    for (;;) {
        errno = 0;
        // Each listing reads its own stream, which no other thread touches.
        const dirent *entry = ::readdir(dir); // NOLINT(concurrency-mt-unsafe)
        if (!entry) {
            error = errno;
            break;
        }
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        DirectoryEntry item { name, EntryType::other };
        switch (entry->d_type) {
        case DT_REG:
            item.type = EntryType::regular;
            break;
        case DT_DIR:
            item.type = EntryType::directory;
            break;
        case DT_LNK:
            item.type = EntryType::symlink;
            break;
        case DT_UNKNOWN: {
            // Some file systems give no type in the listing; ask without following links.
            struct stat info
            {
            };
            if (::fstatat(fd, name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
                error = lastError();
                break;
            }
            item.type = typeOfMode(info.st_mode);
            break;
        }
        default:
            break;
        }
        if (error != 0)
            break;
        entries.push_back(std::move(item));
    }
    ::closedir(dir);
    return error;
}

int PosixFileSystem::openFolder(const std::filesystem::path &folder, FileDescriptor &handle)
{
    constexpr int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    const std::string &text = folder.native();
    if (const int fd = ::open(text.c_str(), flags); fd >= 0 || errno != ENAMETOOLONG) {
        if (fd < 0)
            return lastError();
        handle.reset(fd);
        return 0;
    }
    // Too long for one call: opened piece by piece, each piece shorter than PATH_MAX
    // and relative to the folder before it. Links on the way are followed as a
    // single open would follow them.
    FileDescriptor current;
    int base = AT_FDCWD;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.size();
        if (end - start >= PATH_MAX) {
            end = text.rfind('/', start + PATH_MAX - 1);
            if (end == std::string::npos || end <= start)
                return ENAMETOOLONG;
        }
        const std::string piece = text.substr(start, end - start);
        const int fd = ::openat(base, piece.c_str(), flags);
        if (fd < 0)
            return lastError();
        current.reset(fd);
        base = fd;
        start = end;
        while (start < text.size() && text[start] == '/')
            ++start;
    }
    if (!current.isValid())
        return ENOENT;
    handle = std::move(current);
    return 0;
}

int PosixFileSystem::openSubfolder(int parent, const std::string &name, FileDescriptor &handle)
{
    return adopt(
        ::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC), handle);
}

int PosixFileSystem::makeFolder(int parent, const std::string &name)
{
    return ::mkdirat(parent, name.c_str(), 0777) == 0 ? 0 : lastError();
}

int PosixFileSystem::statIn(int folder, const std::string &name, EntryInfo &info)
{
    return statxInto(folder, name.c_str(), AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, info);
}

int PosixFileSystem::statFolder(int folder, EntryInfo &info)
{
    return statxInto(folder, "", AT_EMPTY_PATH, info);
}

int PosixFileSystem::fileSystemType(int folder, std::uint64_t &type)
{
    struct statfs status
    {
    };
    if (::fstatfs(folder, &status) != 0)
        return lastError();
    type = static_cast<std::uint64_t>(status.f_type);
    return 0;
}

int PosixFileSystem::hasWriter(int folder, const std::string &name, bool &written)
{
    // O_NOATIME, which only the owner may use, as with leases, keeps this look from
    // changing the file's access time.
    FileDescriptor file;
    const int flags = O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC | O_NOATIME;
    if (const int error = adopt(::openat(folder, name.c_str(), flags), file))
        return error;
    // Closing the file gives the lease up again.
    if (::fcntl(file.get(), F_SETLEASE, F_RDLCK) == 0) {
        written = false;
        return 0;
    }
    if (errno != EAGAIN)
        return lastError();
    written = true;
    return 0;
}

int PosixFileSystem::renameNoReplace(
    int fromFolder, const std::string &fromName, int toFolder, const std::string &toName)
{
    // Called through syscall() so that it also builds where the C library lacks the wrapper.
    const long result = ::syscall(
        SYS_renameat2, fromFolder, fromName.c_str(), toFolder, toName.c_str(), RENAME_NOREPLACE);
    return result == 0 ? 0 : lastError();
}

int PosixFileSystem::hardLink(
    int fromFolder, const std::string &fromName, int toFolder, const std::string &toName)
{
    return ::linkat(fromFolder, fromName.c_str(), toFolder, toName.c_str(), 0) == 0 ? 0
                                                                                    : lastError();
}

int PosixFileSystem::renameReplacing(
    int fromFolder, const std::string &fromName, int toFolder, const std::string &toName)
{
    return ::renameat(fromFolder, fromName.c_str(), toFolder, toName.c_str()) == 0 ? 0
                                                                                   : lastError();
}

int PosixFileSystem::createExclusive(int folder, const std::string &name)
{
    const int fd
        = ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0);
    if (fd < 0)
        return lastError();
    ::close(fd);
    return 0;
}

int PosixFileSystem::unlinkFile(int folder, const std::string &name)
{
    return ::unlinkat(folder, name.c_str(), 0) == 0 ? 0 : lastError();
}

int PosixFileSystem::removeFolder(int folder, const std::string &name)
{
    return ::unlinkat(folder, name.c_str(), AT_REMOVEDIR) == 0 ? 0 : lastError();
}

int PosixFileSystem::createFile(int folder, const std::string &name, FileDescriptor &handle)
{
    return adopt(::openat(folder, name.c_str(),
                     O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0600),
        handle);
}

int PosixFileSystem::openToAppend(int folder, const std::string &name, FileDescriptor &handle)
{
    return adopt(
        ::openat(folder, name.c_str(), O_RDWR | O_APPEND | O_NOFOLLOW | O_CLOEXEC), handle);
}

int PosixFileSystem::openToRead(int folder, const std::string &name, FileDescriptor &handle)
{
    return adopt(
        ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC),
        handle);
}

int PosixFileSystem::openToReadFollowing(const std::filesystem::path &path, FileDescriptor &handle)
{
    return adopt(::open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC), handle);
}

int PosixFileSystem::openOrCreate(int folder, const std::string &name, FileDescriptor &handle)
{
    return adopt(
        ::openat(folder, name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600), handle);
}

int PosixFileSystem::tryLock(int file)
{
    int result = 0;
    do {
        result = ::flock(file, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result == 0 ? 0 : lastError();
}

int PosixFileSystem::makePrivateFolder(int parent, const std::string &name)
{
    return ::mkdirat(parent, name.c_str(), 0700) == 0 ? 0 : lastError();
}

int PosixFileSystem::writeFile(int file, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t written = ::write(file, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return lastError();
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

int PosixFileSystem::readAt(
    int file, std::uint64_t offset, char *into, std::size_t size, std::size_t &got)
{
    ssize_t read = 0;
    do {
        read = ::pread(file, into, size, static_cast<off_t>(offset));
    } while (read < 0 && errno == EINTR);
    if (read < 0)
        return lastError();
    got = static_cast<std::size_t>(read);
    return 0;
}

int PosixFileSystem::syncData(int file)
{
    return ::fdatasync(file) == 0 ? 0 : lastError();
}

int PosixFileSystem::syncFolder(int folder)
{
    return ::fsync(folder) == 0 ? 0 : lastError();
}

int PosixFileSystem::closeFile(FileDescriptor &handle)
{
    return ::close(handle.release()) == 0 ? 0 : lastError();
}
