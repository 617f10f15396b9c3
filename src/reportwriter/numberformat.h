#pragma once
// Display formats of numbers and values, shared by reports and grids.
//
// A mask is  [prefix]  digits  [. decimals]  [suffix]:
//   "#,###.00"  -> 1,234,567.50   thousands separators, exactly two decimals
//   "#,###"     -> 1,235          rounded to a whole number
//   "0.0#"      -> 3.14 / 3.10    '0' decimals always print, '#' decimals only when not zero
// Rounding is half away from zero. The integer part always has at least one digit,
// so a zero total prints "0" or "0.00" (a "#"-only mask would otherwise print
// nothing for zero and ".50" for a half, which nobody reads as an amount).
// An empty mask is the general format: whole numbers without decimals, others with
// up to 15 significant digits.
#include <QString>
#include <QVariant>

namespace reportwriter {

// The program's one number format (engine::NumberFormat::format), under the name the
// report layouts use.
QString formatNumber(double value, const QString &mask);

// The display text of a value: dates as dd/mm/yyyy with the year as stored,
// numbers through formatNumber, texts as they are, null as empty text.
QString formatValue(const QVariant &value, const QString &mask);

} // namespace reportwriter
