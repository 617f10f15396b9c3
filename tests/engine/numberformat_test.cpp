#include <gtest/gtest.h>

#include "engine/numberformat.h"

using engine::NumberFormat;

TEST(NumberFormat, DisplayFormats)
{
    struct Case {
        double value;
        const char *pattern;
        const char *text;
    };
    const Case cases[] = {
        {1234.5, "#,###.00", "1,234.50"},
        {1234567.891, "#,###.00", "1,234,567.89"},
        {0, "#,###.00", "0.00"},
        {0, "#,##0.00", "0.00"},
        {-1500, "#,###.00", "-1,500.00"},
        {999.995, "#,###.00", "1,000.00"},
        {2.675, "#,###.00", "2.68"},
        {-0.001, "#,###.00", "0.00"},
        {0.5, "#,###.00", "0.50"},
        {1234, "#,### Baht", "1,234 Baht"},
        {50000, "#,###", "50,000"},
        {12.5, "0.0#", "12.5"},
        {-1234567.005, "฿#,##0.00 net", "฿-1,234,567.01 net"},
        {0.004, "0.##", "0"},
        {7, "000", "007"},
        {1e17, "#,###", "100,000,000,000,000,000"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(NumberFormat::format(c.value, QString::fromUtf8(c.pattern)).toStdString(), c.text)
            << c.value << " " << c.pattern;
    EXPECT_EQ(NumberFormat::money(1234.5), QStringLiteral("1,234.50"));
}

TEST(NumberFormat, GeneralFormat)
{
    struct Case {
        double value;
        const char *text;
    };
    const Case cases[] = {{1500, "1500"}, {1498.5, "1498.5"}, {0, "0"}, {-3, "-3"}, {0.1 + 0.2, "0.3"}, {123456789012, "123456789012"}};
    for (const Case &c : cases)
        EXPECT_EQ(NumberFormat::general(c.value).toStdString(), c.text) << c.value;
}
