#include "services/watching/SettleTracker.h"

#include <algorithm>

using namespace std::chrono_literals;

SettleTracker::SettleTracker(std::chrono::milliseconds settle)
    : m_settle(std::max(settle, 0ms))
{ }

void SettleTracker::setSettle(std::chrono::milliseconds settle)
{
    m_settle = std::max(settle, 0ms);
}

std::chrono::milliseconds SettleTracker::gathering() const
{
    // A quarter of the settle time, at most 10 s: long enough for a copy of many files
    // to look like one burst, short enough that a file dropped alone moves soon.
    return std::min<std::chrono::milliseconds>(m_settle / 4, 10s);
}

void SettleTracker::changed(const std::string &name, TimePoint now, bool endsWrite)
{
    if (endsWrite)
        m_writtenWhole.insert(name);
    else
        m_writtenWhole.erase(name);
    const auto known = m_names.find(name);
    if (known != m_names.end()) {
        m_byTime.erase(known->second);
        known->second = m_byTime.emplace_hint(m_byTime.end(), now, name);
        return;
    }
    m_names.emplace(name, m_byTime.emplace_hint(m_byTime.end(), now, name));
}

std::optional<SettleTracker::TimePoint> SettleTracker::nextDeadline() const
{
    if (m_byTime.empty())
        return std::nullopt;
    const TimePoint latest = m_byTime.begin()->first + 2 * m_settle;
    const auto gap = gathering();
    // The run is due when the names stop settling one close after the other.
    for (auto it = m_byTime.begin();;) {
        const TimePoint due = it->first + m_settle;
        if (due >= latest)
            return latest;
        ++it;
        if (it == m_byTime.end() || it->first + m_settle - due > gap)
            return due;
    }
}

std::vector<std::string> SettleTracker::takeSettled(
    TimePoint now, std::vector<std::string> *writtenWhole)
{
    std::vector<std::string> settled;
    const std::optional<TimePoint> due = nextDeadline();
    if (!due || *due > now)
        return settled;
    while (!m_byTime.empty() && m_byTime.begin()->first + m_settle <= now) {
        const auto first = m_byTime.begin();
        m_names.erase(first->second);
        if (m_writtenWhole.erase(first->second) != 0 && writtenWhole)
            writtenWhole->push_back(first->second);
        settled.push_back(std::move(first->second));
        m_byTime.erase(first);
    }
    return settled;
}
