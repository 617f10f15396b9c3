// Code page 874 against glibc's own CP874 converter, byte by byte.
#include <gtest/gtest.h>

#include <iconv.h>

#include "transfer/cp874.h"

using namespace transfer;

namespace {

// glibc's decoding of one byte, or U+FFFD when it has none.
char16_t iconvDecode(unsigned char byte)
{
    iconv_t cd = iconv_open("UTF-16LE", "CP874");
    char in[1] = {char(byte)};
    char out[4] = {};
    char *ip = in, *op = out;
    size_t il = 1, ol = sizeof out;
    const size_t r = iconv(cd, &ip, &il, &op, &ol);
    iconv_close(cd);
    if (r == size_t(-1) || ol != 2)
        return u'\uFFFD';
    return char16_t(quint8(out[0]) | (quint8(out[1]) << 8));
}

} // namespace

TEST(Cp874, EveryByteDecodesAsGlibcAndEncodesBack)
{
    int defined = 0;
    for (int b = 1; b < 256; ++b) {
        const char16_t expected = iconvDecode(quint8(b));
        ASSERT_EQ(cp874::charFor(quint8(b)), expected) << "byte 0x" << std::hex << b;
        if (expected != u'\uFFFD') {
            ++defined;
            EXPECT_EQ(cp874::byteFor(expected), b) << "byte 0x" << std::hex << b;
        }
    }
    // 127 ASCII, 87 Thai, 10 extras
    EXPECT_EQ(defined, 127 + 87 + 10);
}

TEST(Cp874, CharactersOutsideTheCodePageAreNotEncoded)
{
    for (char16_t ch : {u'\u00E9', u'\u0E3B', u'\u0E5C', u'\u20AD', u'\u0000', char16_t(0xD83D), u'\u00A1'})
        EXPECT_EQ(cp874::byteFor(ch), -1) << "U+" << std::hex << int(ch);

    QByteArray out;
    EXPECT_EQ(cp874::encode(u"กขค café", out), 7);
    EXPECT_EQ(out, QByteArray("\xA1\xA2\xA4 caf"));
}

TEST(Cp874, DecodeStopsAtTheFirstZeroByte)
{
    const QByteArray padded("\xCA\xC1\xAA\xD2\xC2\0\0\0", 8);
    EXPECT_EQ(cp874::decode(padded), u"สมชาย");
    QByteArray back;
    EXPECT_EQ(cp874::encode(u"สมชาย", back), -1);
    EXPECT_EQ(back, padded.left(5));
}
