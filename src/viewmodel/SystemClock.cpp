#include "SystemClock.h"

#include <QLocale>
#include <QTime>

QString SystemClock::shortTimeOfDay() const
{
    return QLocale::system().toString(QTime::currentTime(), QLocale::ShortFormat);
}
