#include "Gate.h"

Gate::Gate()
    : m_state(std::make_shared<State>())
{ }

Gate::~Gate()
{
    open();
}

std::function<void()> Gate::holder() const
{
    return [state = m_state] {
        std::unique_lock lock(state->mutex);
        state->held = true;
        state->changed.notify_all();
        // Bounded, should the test forget to open it.
        state->changed.wait_for(lock, bound, [&state] { return state->open; });
    };
}

bool Gate::waitUntilHeld(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_state->mutex);
    return m_state->changed.wait_for(lock, timeout, [this] { return m_state->held; });
}

void Gate::open()
{
    const std::lock_guard lock(m_state->mutex);
    m_state->open = true;
    m_state->changed.notify_all();
}
