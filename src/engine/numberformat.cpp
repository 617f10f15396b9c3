#include "numberformat.h"

#include <QHash>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace engine {

namespace {

bool isPatternChar(QChar c)
{
    return c == u'#' || c == u'0' || c == u',' || c == u'.';
}

// A display format taken apart once: the text around the digit pattern, the number
// of decimals (all, and those always shown), the integer digits always shown and
// whether thousands are grouped.
struct Pattern
{
    QString prefix, suffix;
    int decimals = 0;
    int minDecimals = 0;
    int minIntDigits = 1;
    bool grouped = false;
};

Pattern parse(const QString &pattern)
{
    Pattern p;
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
    p.prefix = pattern.left(begin);
    p.suffix = pattern.mid(stop);
    p.decimals = int(fracPart.count(QLatin1Char('0')) + fracPart.count(QLatin1Char('#')));
    p.minDecimals = int(fracPart.count(QLatin1Char('0')));
    // At least one digit before the point: a zero amount reads "0.00", never ".00".
    p.minIntDigits = std::max(1, int(intPart.count(QLatin1Char('0'))));
    p.grouped = intPart.contains(QLatin1Char(','));
    return p;
}

// The few formats in use are taken apart once (the user interface's thread formats).
const Pattern &parsed(const QString &pattern)
{
    thread_local QHash<QString, Pattern> patterns;
    auto it = patterns.constFind(pattern);
    if (it == patterns.constEnd())
        it = patterns.insert(pattern, parse(pattern));
    return *it;
}

// The decimal digits of a whole non-negative number.
std::string wholeDigits(double rounded)
{
    if (rounded < 9e15) {
        char buffer[24];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, qint64(rounded)).ptr;
        return std::string(buffer, end);
    }
    return QString::number(rounded, 'f', 0).toStdString();
}

} // namespace

QString NumberFormat::format(double value, const QString &pattern)
{
    if (!std::isfinite(value))
        return QString();
    if (pattern.isEmpty())
        return general(value);
    const Pattern &p = parsed(pattern);

    // The decimal text of the rounded magnitude; round half away from zero on
    // the shortest exact text so that 2.675 formats as 2.68 the way people expect.
    const double magnitude = std::fabs(value);
    char text15[40];
    std::snprintf(text15, sizeof text15, "%.15g", magnitude * std::pow(10.0, p.decimals));
    const double rounded = std::round(std::strtod(text15, nullptr));
    std::string digits = wholeDigits(rounded);
    if (int(digits.size()) <= p.decimals)
        digits.insert(0, size_t(p.decimals + 1) - digits.size(), '0');
    std::string whole = digits.substr(0, digits.size() - size_t(p.decimals));
    std::string frac = digits.substr(digits.size() - size_t(p.decimals));
    const size_t firstSignificant = whole.find_first_not_of('0');
    whole.erase(0, firstSignificant == std::string::npos ? whole.size() : firstSignificant);
    if (int(whole.size()) < p.minIntDigits)
        whole.insert(0, size_t(p.minIntDigits) - whole.size(), '0');
    while (int(frac.size()) > p.minDecimals && frac.back() == '0')
        frac.pop_back();

    std::string out;
    out.reserve(whole.size() * 4 / 3 + frac.size() + 3);
    if (value < 0 && rounded != 0)
        out += '-';
    for (size_t i = 0; i < whole.size(); ++i) {
        if (p.grouped && i > 0 && (whole.size() - i) % 3 == 0)
            out += ',';
        out += whole[i];
    }
    if (!frac.empty())
        out += '.' + frac;
    QString result = QString::fromLatin1(out.data(), qsizetype(out.size()));
    if (p.prefix.isEmpty() && p.suffix.isEmpty())
        return result;
    return p.prefix + result + p.suffix;
}

QString NumberFormat::money(double value)
{
    static const QString pattern = QStringLiteral("#,##0.00");
    return format(value, pattern);
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
