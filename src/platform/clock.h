#pragma once
// The one clock of the program. Business dates carry the Buddhist-era year
// (Gregorian year + 543); today() gives that date. Tests fix the time.
#include <QDate>
#include <QDateTime>
#include <optional>

namespace platform {

class Clock
{
public:
    static QDateTime now();                 // Gregorian local time
    static QDate today();                   // Buddhist-era date: today's date with 543 added to its year
    static QDate gregorianToday();

    static void setFixed(const QDateTime &gregorianNow); // tests only
    static void reset();

    static QDate toBuddhist(const QDate &gregorian);   // year + 543, same day and month
    static QDate toGregorian(const QDate &buddhist);   // year − 543; invalid when that day does not exist

private:
    static std::optional<QDateTime> s_fixed;
};

} // namespace platform
