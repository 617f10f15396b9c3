#include "numberformat.h"

#include <cmath>

namespace engine {

namespace {

QString groupThousands(const QString &digits)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += QLatin1Char(',');
        out += digits.at(i);
    }
    return out;
}

bool isPatternChar(QChar c)
{
    return c == u'#' || c == u'0' || c == u',' || c == u'.';
}

} // namespace

QString NumberFormat::format(double value, const QString &pattern)
{
    if (!std::isfinite(value))
        return QString();
    if (pattern.isEmpty())
        return general(value);
    // Text before and after the digit pattern is printed as it stands ("฿#,###.00").
    qsizetype begin = 0;
    while (begin < pattern.size() && !isPatternChar(pattern.at(begin)))
        ++begin;
    qsizetype stop = begin;
    while (stop < pattern.size() && isPatternChar(pattern.at(stop)))
        ++stop;
    const QString body = pattern.mid(begin, stop - begin);
    const qsizetype point = body.indexOf(QLatin1Char('.'));
    const QString intPart = point < 0 ? body : body.left(point);
    const QString fracPart = point < 0 ? QString() : body.mid(point + 1);
    const int decimals = int(fracPart.count(QLatin1Char('0')) + fracPart.count(QLatin1Char('#')));
    const int minDecimals = int(fracPart.count(QLatin1Char('0')));
    // At least one digit before the point: a zero amount reads "0.00", never ".00".
    const int minIntDigits = std::max(1, int(intPart.count(QLatin1Char('0'))));
    const bool grouped = intPart.contains(QLatin1Char(','));

    // The decimal text of the rounded magnitude; round half away from zero on
    // the shortest exact text so that 2.675 formats as 2.68 the way people expect.
    const double magnitude = std::fabs(value);
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(QString::number(magnitude * scale, 'g', 15).toDouble());
    QString digits = QString::number(rounded, 'f', 0);
    while (digits.size() <= decimals)
        digits.prepend(QLatin1Char('0'));
    QString whole = digits.left(digits.size() - decimals);
    QString frac = digits.right(decimals);
    while (whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    while (whole.size() < minIntDigits)
        whole.prepend(QLatin1Char('0'));
    while (frac.size() > minDecimals && frac.endsWith(QLatin1Char('0')))
        frac.chop(1);
    QString text = grouped ? groupThousands(whole) : whole;
    if (!frac.isEmpty())
        text += QLatin1Char('.') + frac;
    const bool negative = value < 0 && rounded != 0;
    return pattern.left(begin) + (negative ? QLatin1Char('-') + text : text) + pattern.mid(stop);
}

QString NumberFormat::money(double value)
{
    return format(value, QStringLiteral("#,##0.00"));
}

QString NumberFormat::general(double value)
{
    if (!std::isfinite(value))
        return QString();
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    return QString::number(value, 'g', 15);
}

} // namespace engine
