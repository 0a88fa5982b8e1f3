#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

// Holds a thread at a chosen point until the test opens the gate: a disk as slow as
// the test wants it, so what happens meanwhile can be looked at. No test hangs on it:
// a test that fails returns early, which destroys the gate and so opens it, and every
// wait, the held thread's too, gives up after a bound.
class Gate
{
public:
    static constexpr std::chrono::seconds bound { 20 };

    Gate();
    // Opens the gate, so a thread held there goes on after the test has ended.
    ~Gate();
    Gate(const Gate &) = delete;
    Gate &operator=(const Gate &) = delete;

    // What the held thread calls to wait at the gate (as a FaultInjectingFileSystem
    // hook); it shares the gate's state, so a call after the gate is gone passes.
    std::function<void()> holder() const;
    // Whether a thread came to the gate within `timeout`.
    bool waitUntilHeld(std::chrono::milliseconds timeout = std::chrono::seconds(10));
    void open();

private:
    struct State
    {
        std::mutex mutex;
        std::condition_variable changed;
        bool held = false;
        bool open = false;
    };
    std::shared_ptr<State> m_state;
};
