#pragma once
// Code page 874 (Thai, TIS-620 with the Windows extras), the character set of the
// transfer table's text. Qt has no converter for it, so this is a table of its own.
#include <QByteArray>
#include <QString>
#include <QStringView>

namespace transfer::cp874 {

// The byte for a character, or -1 when the code page cannot hold it. U+0000 counts as
// not holdable: a text column ends at the first zero byte.
int byteFor(char16_t ch);

// The character of a byte; bytes the code page leaves undefined give U+FFFD.
char16_t charFor(unsigned char byte);

// Appends the encoding of text to out. Returns the index of the first character that
// has no byte (out then holds the bytes before it), or -1 when all of text was encoded.
qsizetype encode(QStringView text, QByteArray &out);

// Decodes bytes up to the first zero byte (a text column's padding) or the end.
QString decode(const char *bytes, qsizetype size);
inline QString decode(const QByteArray &bytes) { return decode(bytes.constData(), bytes.size()); }

} // namespace transfer::cp874
