#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

// Where each system call is a round trip to another process or machine (FUSE mounts such
// as sshfs, network shares), calls sent together overlap their waits. Local file systems
// answer at once, and keep one call at a time.
namespace RoundTrips {

// The threads that send moves together: enough to hide a LAN's latency, few enough to
// stay gentle with one server.
constexpr std::size_t lanes = 8;

// Whether calls on the file system of type `fileSystemType` (fstatfs's f_type) are worth
// sending together.
bool worthOverlapping(std::uint64_t fileSystemType);

// The lane for a name: names a file system may take for one (by case, or by
// normalization of other than ASCII letters) share a lane, so that two moves never race
// for one name.
std::size_t laneOf(std::size_t folder, std::string_view name);

// Runs `work(lane, item)` for every item below `count`, on one thread per lane that has
// any, each lane's items in order; `laneFor(item)` picks the lane, below `lanes`.
// Returns once all are done; what a thread throws is thrown again here.
void spread(std::size_t count, const std::function<std::size_t(std::size_t item)> &laneFor,
    const std::function<void(std::size_t lane, std::size_t item)> &work);

} // namespace RoundTrips
