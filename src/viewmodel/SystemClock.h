#pragma once

#include "Clock.h"

// The wall clock, formatted in the system locale's short time style.
class SystemClock final : public Clock
{
public:
    QString shortTimeOfDay() const override;
};
