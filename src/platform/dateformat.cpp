#include "dateformat.h"

#include <QLocale>
#include <QRegularExpression>

#include "error.h"

namespace platform {

void DateFormat::activate()
{
    // Qt has no process-wide short date format; every conversion in this program
    // calls this class, so the format is fixed here. The Thai locale is made the
    // default so that number formatting and collation follow the counter's language.
    QLocale::setDefault(QLocale(QLocale::Thai, QLocale::Thailand));
}

QString DateFormat::shortFormat()
{
    return QStringLiteral("dd/mm/yyyy");
}

QString DateFormat::toText(const QDate &date)
{
    if (!date.isValid())
        return {};
    return QStringLiteral("%1/%2/%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

bool DateFormat::tryFromText(const QString &text, QDate *date)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{1,4})\\s*$"));
    const auto m = pattern.match(text);
    if (!m.hasMatch())
        return false;
    const QDate d(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    if (!d.isValid())
        return false;
    if (date)
        *date = d;
    return true;
}

QDate DateFormat::fromText(const QString &text)
{
    QDate d;
    if (!tryFromText(text, &d))
        throw Error(invalidDateMessage(text));
    return d;
}

QString DateFormat::invalidDateMessage(const QString &text)
{
    return QStringLiteral("'%1' is not a valid date").arg(text);
}

QString DateFormat::toSqlLiteral(const QDate &date)
{
    return QStringLiteral("%1/%2/%3")
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

} // namespace platform
