#include "DeepFolder.h"

#include <climits>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string level(200, 'd');
constexpr int levels = PATH_MAX / 200 + 2;
// Few enough levels that each piece, cut off on clean-up, has a path of usual length.
constexpr int piece = 8;

int openedIn(int parent, const char *name)
{
    const int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        throw std::runtime_error(std::string("cannot open a deep folder level: ") + name);
    return fd;
}

} // namespace

DeepFolder::DeepFolder(const std::filesystem::path &base)
    : m_base(base)
    , m_path(base)
{
    int fd = openedIn(AT_FDCWD, base.c_str());
    for (int i = 0; i < levels; ++i) {
        ::mkdirat(fd, level.c_str(), 0755);
        const int next = openedIn(fd, level.c_str());
        ::close(fd);
        fd = next;
        m_path /= level;
    }
    m_handle = fd;
}

DeepFolder::~DeepFolder()
{
    ::close(m_handle);
    // Lifts every `piece` levels up into the base folder, so that no remaining path
    // is too long for removal by path.
    const int base = ::open(m_base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    std::string top = level;
    for (int cut = 0; base >= 0; ++cut) {
        int fd = ::openat(base, top.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        for (int i = 0; fd >= 0 && i < piece; ++i) {
            const int next
                = ::openat(fd, level.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (next < 0) {
                ::close(fd);
                fd = -1;
                break;
            }
            ::close(fd);
            fd = next;
        }
        if (fd < 0)
            break;
        const std::string lifted = "piece" + std::to_string(cut);
        const bool moved = ::renameat(fd, level.c_str(), base, lifted.c_str()) == 0;
        ::close(fd);
        if (!moved)
            break;
        top = lifted;
    }
    if (base >= 0)
        ::close(base);
}

void DeepFolder::write(const std::string &relative, const std::string &content) const
{
    const int fd
        = ::openat(m_handle, relative.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0
        || ::write(fd, content.data(), content.size()) != static_cast<ssize_t>(content.size()))
        throw std::runtime_error("cannot write " + relative + " in a deep folder");
    ::close(fd);
}

std::string DeepFolder::read(const std::string &relative) const
{
    const int fd = ::openat(m_handle, relative.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return "<missing>";
    std::string content;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        content.append(buffer, static_cast<std::size_t>(got));
    ::close(fd);
    return content;
}

bool DeepFolder::exists(const std::string &relative) const
{
    struct stat info
    {
    };
    return ::fstatat(m_handle, relative.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}
