#pragma once

#include <chrono>

// The time a watch waits by: steady, so that setting the system clock neither hurries
// nor holds up a run.
class WatchClock
{
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~WatchClock() = default;
    virtual TimePoint now() const = 0;
};
