#include "services/watching/InotifyChangeSource.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"

#include <cerrno>
#include <cstring>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

constexpr std::uint32_t fileChanges
    = IN_CREATE | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_TO | IN_ATTRIB;
constexpr std::uint32_t folderGone = IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT | IN_IGNORED;

} // namespace

InotifyChangeSource::InotifyChangeSource(const std::filesystem::path &folder)
    : m_folder(folder)
    , m_inotify(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
{
    if (!m_inotify.isValid()) {
        const int error = errno;
        throw EngineError(error,
            error == EMFILE
                ? ErrorMessage { ErrorKind::tooManyWatches, { folder.native() } }
                : ErrorDescriptions::pathFailure(ErrorKind::cannotWatch, folder, error));
    }
    // IN_EXCL_UNLINK: a file deleted while something still holds it open is news to no one.
    if (::inotify_add_watch(
            m_inotify.get(), folder.c_str(), fileChanges | folderGone | IN_ONLYDIR | IN_EXCL_UNLINK)
        < 0) {
        const int error = errno;
        if (error == ENOSPC)
            throw EngineError(
                error, ErrorMessage { ErrorKind::watchLimitReached, { folder.native() } });
        throw EngineError(error, ErrorDescriptions::cannotOpenFolder(folder, error));
    }
}

void InotifyChangeSource::takeChanges(std::vector<Change> &changes, bool &overflowed)
{
    alignas(inotify_event) char buffer[64 * 1024];
    bool gone = false;
    for (;;) {
        const ssize_t got = ::read(m_inotify.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN)
                break;
            const int error = errno;
            throw EngineError(
                error, ErrorDescriptions::pathFailure(ErrorKind::cannotWatch, m_folder, error));
        }
        for (ssize_t at = 0; at < got;) {
            inotify_event event;
            std::memcpy(&event, buffer + at, sizeof event);
            const char *name = buffer + at + sizeof event;
            at += static_cast<ssize_t>(sizeof event + event.len);
            if (event.mask & IN_Q_OVERFLOW)
                overflowed = true;
            if (event.mask & folderGone)
                gone = true;
            // Folders made in it, the runs' own among them, are nothing to organize.
            if (event.len == 0 || (event.mask & IN_ISDIR) || !(event.mask & fileChanges))
                continue;
            changes.push_back({ std::string(name, ::strnlen(name, event.len)),
                (event.mask & (IN_CLOSE_WRITE | IN_MOVED_TO)) != 0 });
        }
    }
    if (gone)
        throw EngineError(
            ENOENT, ErrorMessage { ErrorKind::watchedFolderGone, { m_folder.native() } });
}
