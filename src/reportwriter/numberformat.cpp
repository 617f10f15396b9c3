#include "reportwriter/numberformat.h"

#include "platform/dateformat.h"

#include <QDate>
#include <QDateTime>
#include <cmath>

namespace reportwriter {

namespace {

struct Mask
{
    QString prefix;
    QString suffix;
    bool thousands = false;
    int minIntegerDigits = 1;
    int minDecimals = 0;
    int maxDecimals = 0;
};

bool isMaskChar(QChar c)
{
    return c == u'#' || c == u'0' || c == u',' || c == u'.';
}

Mask parseMask(const QString &mask)
{
    Mask m;
    qsizetype start = 0;
    while (start < mask.size() && !isMaskChar(mask.at(start)))
        ++start;
    qsizetype end = start;
    while (end < mask.size() && isMaskChar(mask.at(end)))
        ++end;
    m.prefix = mask.left(start);
    m.suffix = mask.mid(end);
    const QString body = mask.mid(start, end - start);
    const qsizetype dot = body.indexOf(u'.');
    const QString integer = dot < 0 ? body : body.left(dot);
    const QString decimals = dot < 0 ? QString() : body.mid(dot + 1);
    m.thousands = integer.contains(u',');
    m.minIntegerDigits = std::max<int>(1, int(integer.count(u'0')));
    m.minDecimals = int(decimals.count(u'0'));
    m.maxDecimals = int(decimals.count(u'0') + decimals.count(u'#'));
    return m;
}

QString groupThousands(const QString &digits)
{
    QString out;
    out.reserve(digits.size() + digits.size() / 3);
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out.append(u',');
        out.append(digits.at(i));
    }
    return out;
}

QString generalFormat(double value)
{
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    return QString::number(value, 'g', 15);
}

} // namespace

QString formatNumber(double value, const QString &mask)
{
    if (!std::isfinite(value))
        return QString();
    if (mask.isEmpty())
        return generalFormat(value);

    const Mask m = parseMask(mask);
    const bool negative = value < 0;
    const double scale = std::pow(10.0, m.maxDecimals);
    // The small nudge makes amounts like 1.005 (stored as 1.00499999...) round up
    // the way they were typed.
    double scaled = std::fabs(value) * scale;
    scaled = std::floor(scaled + 0.5 + scaled * 1e-13);

    const double wholePart = std::floor(scaled / scale);
    qint64 fraction = qint64(scaled - wholePart * scale);
    QString integer = QString::number(wholePart, 'f', 0);
    while (integer.size() < m.minIntegerDigits)
        integer.prepend(u'0');
    if (m.thousands)
        integer = groupThousands(integer);

    QString decimals;
    if (m.maxDecimals > 0) {
        decimals = QString::number(fraction).rightJustified(m.maxDecimals, u'0');
        while (decimals.size() > m.minDecimals && decimals.endsWith(u'0'))
            decimals.chop(1);
    }

    QString out = m.prefix;
    if (negative && (wholePart != 0 || fraction != 0))
        out.append(u'-');
    out.append(integer);
    if (!decimals.isEmpty())
        out.append(u'.').append(decimals);
    out.append(m.suffix);
    return out;
}

QString formatValue(const QVariant &value, const QString &mask)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::QDate:
        return platform::DateFormat::toText(value.toDate());
    case QMetaType::QDateTime:
        return platform::DateFormat::toText(value.toDateTime().date());
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return formatNumber(value.toDouble(), mask);
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return value.toString();
    }
}

} // namespace reportwriter
