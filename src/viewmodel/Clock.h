#pragma once

#include <QString>

// The time of day for activity log entries.
class Clock
{
public:
    virtual ~Clock() = default;
    // Hours and minutes in the user's short time format.
    virtual QString shortTimeOfDay() const = 0;
};
