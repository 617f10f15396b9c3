// The range of numbers an issue stores, and the ranges it refuses.
#include <gtest/gtest.h>

#include "platform/error.h"
#include "stock/numberrange.h"

using stock::numberRange;

TEST(NumberRange, KeepsTheWidthOfTheFirstNumber)
{
    EXPECT_EQ(numberRange(QStringLiteral("12345678"), 3),
              (QStringList{QStringLiteral("12345678"), QStringLiteral("12345679"), QStringLiteral("12345680")}));
    EXPECT_EQ(numberRange(QStringLiteral("01234567"), 2),
              (QStringList{QStringLiteral("01234567"), QStringLiteral("01234568")}));
    EXPECT_EQ(numberRange(QStringLiteral("00000999"), 2),
              (QStringList{QStringLiteral("00000999"), QStringLiteral("00001000")}));
    EXPECT_EQ(numberRange(QStringLiteral("99999998"), 2).last(), QStringLiteral("99999999"));
}

TEST(NumberRange, RefusesWhatCannotBeStored)
{
    const struct {
        const char *first;
        int count;
        const char16_t *message;
    } cases[] = {
        {"12345678", 0, u"จำนวนกรมธรรม์ต้องมากกว่า 0"},
        {"12345678", -5, u"จำนวนกรมธรรม์ต้องมากกว่า 0"},
        {"99999999", 2, u"เลขกรมธรรม์สุดท้ายของช่วงนี้เกิน 8 หลัก (100000000)"},
        {"+1234567", 1, u"'+1234567' is not a valid integer value"},
        {"1234 567", 1, u"'1234 567' is not a valid integer value"},
        {"1234'567", 1, u"'1234'567' is not a valid integer value"},
    };
    for (const auto &c : cases) {
        try {
            numberRange(QString::fromLatin1(c.first), c.count);
            ADD_FAILURE() << c.first << " x " << c.count << " was accepted";
        } catch (const platform::Error &e) {
            EXPECT_EQ(e.message(), QString::fromUtf16(c.message)) << c.first;
        }
    }
}
