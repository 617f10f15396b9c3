#pragma once
// Conversions of typed text to numbers, with the standard message for text that is
// no number of that kind.
#include <QString>

namespace widgets {

// A whole number (signed 32-bit); blanks around it are allowed. Raises
// platform::Error "'abc' is not a valid integer value" otherwise.
int toInteger(const QString &text);
// The same for a 64-bit whole number.
qint64 toInteger64(const QString &text);

} // namespace widgets
