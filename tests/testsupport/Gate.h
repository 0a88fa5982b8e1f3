#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

// Holds a thread at a chosen point until the test opens the gate: a disk as slow as
// the test wants it, so what happens meanwhile can be looked at.
class Gate
{
public:
    // Called by the held thread: waits until the gate is open.
    void hold();
    // Whether a thread came to the gate within `timeout`.
    bool waitUntilHeld(std::chrono::milliseconds timeout = std::chrono::seconds(10));
    void open();

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_held = false;
    bool m_open = false;
};
