#pragma once

#include "services/watching/WatchClock.h"

// The machine's steady clock.
class SteadyWatchClock : public WatchClock
{
public:
    TimePoint now() const override { return std::chrono::steady_clock::now(); }
};
