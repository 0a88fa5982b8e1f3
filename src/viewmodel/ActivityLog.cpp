#include "ActivityLog.h"

#include <algorithm>
#include <utility>

ActivityLog::ActivityLog(std::unique_ptr<Clock> clock)
    : m_clock(std::move(clock))
{ }

void ActivityLog::add(const QString &message, const QString &runId)
{
    m_lines.prepend(QLatin1Char('[') + m_clock->shortTimeOfDay() + QLatin1String("] ") + message);
    m_runIds.prepend(runId);
    if (m_lines.size() > maxEntries) {
        m_lines.resize(maxEntries);
        m_runIds.resize(maxEntries);
    }
}

void ActivityLog::forgetRun(const QString &runId)
{
    std::replace(m_runIds.begin(), m_runIds.end(), runId, QString());
}

void ActivityLog::clear()
{
    m_lines.clear();
    m_runIds.clear();
}
