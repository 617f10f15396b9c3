#include "clock.h"

namespace platform {

std::optional<QDateTime> Clock::s_fixed;

QDateTime Clock::now()
{
    return s_fixed ? *s_fixed : QDateTime::currentDateTime();
}

QDate Clock::gregorianToday()
{
    return now().date();
}

QDate Clock::today()
{
    return toBuddhist(gregorianToday());
}

void Clock::setFixed(const QDateTime &gregorianNow)
{
    s_fixed = gregorianNow;
}

void Clock::reset()
{
    s_fixed.reset();
}

QDate Clock::toBuddhist(const QDate &gregorian)
{
    // 29 February of a Gregorian leap year lands in a Buddhist-era year that the
    // stored (proleptic Gregorian) calendar does not make leap; QDate then has no
    // such day. Such a date cannot be stored, so it is reported as invalid.
    return QDate(gregorian.year() + 543, gregorian.month(), gregorian.day());
}

QDate Clock::toGregorian(const QDate &buddhist)
{
    return QDate(buddhist.year() - 543, buddhist.month(), buddhist.day());
}

} // namespace platform
