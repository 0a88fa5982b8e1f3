#include "services/filesystem/OpenFileLimit.h"

#include <sys/resource.h>

namespace OpenFileLimit {

void raiseToHardLimit()
{
    rlimit limit {};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == limit.rlim_max)
        return;
    limit.rlim_cur = limit.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &limit);
}

std::size_t current()
{
    constexpr std::size_t unlimited = static_cast<std::size_t>(1) << 20;
    rlimit limit {};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY
        || limit.rlim_cur > unlimited)
        return unlimited;
    return static_cast<std::size_t>(limit.rlim_cur);
}

} // namespace OpenFileLimit
