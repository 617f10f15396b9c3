#pragma once
// Number texts as fields, grids and reports show them.
#include <QString>

namespace engine {

class NumberFormat
{
public:
    // A display format of '#' (optional digit), '0' (digit always shown), ',' (thousands
    // separators) and '.' (decimal point), for example "#,###.00": 1234.5 gives
    // "1,234.50". The whole part always has a digit, so 0 gives "0.00" (a "#"-only
    // format would otherwise show ".00", which nobody at the counter reads as an
    // amount). Text around the pattern is kept. Half-way values round away from zero
    // in the decimal text. An empty format gives the general format; a value that is
    // not finite gives empty text. Screens, grids and reports all format through here.
    static QString format(double value, const QString &pattern);
    // Thousands separators and exactly two decimals: 1234.5 gives "1,234.50", 0 gives "0.00".
    static QString money(double value);
    // The shortest decimal form with up to 15 significant digits, no thousands
    // separator, a decimal point only when there is a fraction (1500, 1498.5).
    static QString general(double value);
};

} // namespace engine
