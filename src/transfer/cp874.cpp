#include "transfer/cp874.h"

namespace transfer::cp874 {

namespace {

// Thai letters, vowels, tone marks and digits sit in one run, in the order of the
// Unicode Thai block: 0xA1..0xDA are U+0E01..U+0E3A and 0xDF..0xFB are U+0E3F..U+0E5B.
constexpr int thaiOffset = 0x0E01 - 0xA1;

struct Extra
{
    unsigned char byte;
    char16_t ch;
};

// The code points above 0x7F that lie outside the Thai run.
constexpr Extra extras[] = {
    {0x80, u'\u20AC'}, // euro sign
    {0x85, u'\u2026'}, // horizontal ellipsis
    {0x91, u'\u2018'}, {0x92, u'\u2019'}, {0x93, u'\u201C'}, {0x94, u'\u201D'},
    {0x95, u'\u2022'}, // bullet
    {0x96, u'\u2013'}, {0x97, u'\u2014'}, // en and em dash
    {0xA0, u'\u00A0'}, // no-break space
};

bool inThaiRun(int byte)
{
    return (byte >= 0xA1 && byte <= 0xDA) || (byte >= 0xDF && byte <= 0xFB);
}

} // namespace

int byteFor(char16_t ch)
{
    if (ch < 0x80)
        return ch == 0 ? -1 : int(ch);
    const int thai = int(ch) - thaiOffset;
    if (ch >= 0x0E01 && ch <= 0x0E5B && inThaiRun(thai))
        return thai;
    for (const Extra &e : extras) {
        if (e.ch == ch)
            return e.byte;
    }
    return -1;
}

char16_t charFor(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    if (inThaiRun(byte))
        return char16_t(byte + thaiOffset);
    for (const Extra &e : extras) {
        if (e.byte == byte)
            return e.ch;
    }
    return u'\uFFFD';
}

qsizetype encode(QStringView text, QByteArray &out)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = byteFor(text[i].unicode());
        if (b < 0)
            return i;
        out.append(char(b));
    }
    return -1;
}

QString decode(const char *bytes, qsizetype size)
{
    QString text;
    text.reserve(size);
    for (qsizetype i = 0; i < size && bytes[i] != 0; ++i)
        text.append(QChar(charFor(static_cast<unsigned char>(bytes[i]))));
    return text;
}

} // namespace transfer::cp874
