#pragma once

#include "Clock.h"

#include <QString>

// A clock that always shows the same time, so activity lines come out the same on every
// run (screenshots, tests).
class FixedClock final : public Clock
{
public:
    explicit FixedClock(const QString &timeOfDay)
        : m_timeOfDay(timeOfDay)
    { }
    QString shortTimeOfDay() const override { return m_timeOfDay; }
    void setTimeOfDay(const QString &timeOfDay) { m_timeOfDay = timeOfDay; }

private:
    QString m_timeOfDay;
};
