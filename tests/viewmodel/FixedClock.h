#pragma once

#include "Clock.h"

// Always the same time of day, unless a test moves it on.
class FixedClock final : public Clock
{
public:
    QString shortTimeOfDay() const override { return m_time; }
    void setTime(const QString &time) { m_time = time; }

private:
    QString m_time = QStringLiteral("10:42");
};
