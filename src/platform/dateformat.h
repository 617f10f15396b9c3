#pragma once
// The process short date format "dd/mm/yyyy": every conversion between a date and
// its text goes through here, in both directions.
#include <QDate>
#include <QString>

namespace platform {

class DateFormat
{
public:
    static void activate();                     // sets the process format (start-up step)
    static QString shortFormat();               // "dd/mm/yyyy" as the process uses it
    static QString toText(const QDate &date);   // 27/05/2550; empty text for a null date
    // Strict conversion: day, month and a four-digit year separated by "/"; throws
    // platform::Error with the standard invalid-date message when the text is no date.
    static QDate fromText(const QString &text);
    static bool tryFromText(const QString &text, QDate *date);
    static QString invalidDateMessage(const QString &text);
    // 'MM/DD/YYYY' as SQL literals of the system are written (27/05/2550 gives 05/27/2550).
    static QString toSqlLiteral(const QDate &date);
};

} // namespace platform
