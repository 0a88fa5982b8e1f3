#include "AtomicFile.h"

#include "FileDescriptor.h"

#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace AtomicFile {
namespace {

[[noreturn]] void fail(int code, const std::string &what, const std::filesystem::path &path)
{
    throw std::system_error(code, std::generic_category(), what + " \"" + path.string() + "\"");
}

// Without this a rename can be lost on power failure even though the data is safe.
void syncFolder(const std::filesystem::path &folder)
{
    FileDescriptor handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!handle.isValid() || ::fsync(handle.get()) != 0)
        fail(errno, "cannot flush folder", folder);
}

void writeAll(int fd, std::string_view content, const std::filesystem::path &path)
{
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            fail(errno, "cannot write", path);
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
}

} // namespace

void write(const std::filesystem::path &file, std::string_view content)
{
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    std::string temporary = (folder / (file.filename().native() + ".XXXXXX")).native();
    int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        fail(errno, "cannot create a temporary file in", folder);
    try {
        writeAll(fd, content, temporary);
        if (::fsync(fd) != 0)
            fail(errno, "cannot flush", temporary);
        // close() is where some network file systems report a failed write.
        const int closed = ::close(std::exchange(fd, -1));
        if (closed != 0)
            fail(errno, "cannot write", temporary);
        if (::rename(temporary.c_str(), file.c_str()) != 0)
            fail(errno, "cannot replace", file);
    } catch (...) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporary.c_str());
        throw;
    }
    syncFolder(folder);
}

} // namespace AtomicFile
