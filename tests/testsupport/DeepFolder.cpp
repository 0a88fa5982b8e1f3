#include "DeepFolder.h"

#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

DeepFolder::DeepFolder(const std::filesystem::path &base)
    : m_top(base / std::string(200, 'd'))
    , m_path(base)
{
    int fd = ::open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int i = 0; fd >= 0 && i < PATH_MAX / 200 + 2; ++i) {
        ::mkdirat(fd, m_top.filename().c_str(), 0755);
        const int next = ::openat(fd, m_top.filename().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(fd);
        fd = next;
        m_path /= m_top.filename();
    }
    if (fd < 0)
        throw std::runtime_error("cannot make a deep folder in " + base.string());
    m_handle = fd;
}

DeepFolder::~DeepFolder()
{
    ::close(m_handle);
    // Removal by path stops at PATH_MAX; rm works by handle. The base is a mkdtemp name.
    std::system(("rm -rf '" + m_top.string() + "'").c_str());
}
