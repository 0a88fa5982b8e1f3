#include "services/filesystem/RoundTrips.h"

#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace RoundTrips {

bool worthOverlapping(std::uint64_t fileSystemType)
{
    switch (fileSystemType) {
    case 0x65735546: // FUSE
    case 0x6969: // NFS
    case 0xff534d42: // CIFS
    case 0xfe534d42: // SMB2
    case 0x517b: // SMB
    case 0x01021997: // 9p
        return true;
    default:
        return false;
    }
}

std::size_t laneOf(std::size_t folder, std::string_view name)
{
    // Only ASCII letters and digits count, folded to one case: any two names a file
    // system could take for one give the same lane.
    std::size_t hash = folder * 1099511628211u;
    for (const char c : name) {
        if (c >= 'A' && c <= 'Z')
            hash = (hash ^ static_cast<std::size_t>(c - 'A' + 'a')) * 1099511628211u;
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            hash = (hash ^ static_cast<std::size_t>(c)) * 1099511628211u;
    }
    return hash % lanes;
}

void spread(std::size_t count, const std::function<std::size_t(std::size_t item)> &laneFor,
    const std::function<void(std::size_t lane, std::size_t item)> &work)
{
    std::vector<std::vector<std::size_t>> items(lanes);
    for (std::size_t item = 0; item < count; ++item)
        items[laneFor(item) % lanes].push_back(item);
    std::mutex guard;
    std::exception_ptr failure;
    std::vector<std::thread> threads;
    for (std::size_t lane = 0; lane < lanes; ++lane) {
        if (items[lane].empty())
            continue;
        threads.emplace_back([&, lane] {
            try {
                for (const std::size_t item : items[lane])
                    work(lane, item);
            } catch (...) {
                const std::lock_guard lock(guard);
                failure = std::current_exception();
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace RoundTrips
