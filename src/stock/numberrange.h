#pragma once
// A received range of pre-printed policy numbers: the first number as printed on the
// form (8 digits, leading zeros kept) and how many forms follow it.
#include <QString>
#include <QStringList>

namespace stock {

inline constexpr int kPolnoLength = 8;

// The stock numbers of the range, each as wide as the first number (leading zeros
// kept). Raises platform::Error with the message for a person when the count is
// below 1, the first number is not all digits, or the last number would need more than
// kPolnoLength digits.
QStringList numberRange(const QString &first, int count);

} // namespace stock
