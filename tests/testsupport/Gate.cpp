#include "Gate.h"

void Gate::hold()
{
    std::unique_lock lock(m_mutex);
    m_held = true;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return m_open; });
}

bool Gate::waitUntilHeld(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [this] { return m_held; });
}

void Gate::open()
{
    const std::lock_guard lock(m_mutex);
    m_open = true;
    m_changed.notify_all();
}
