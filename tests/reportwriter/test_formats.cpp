// Display formats and expressions.
#include "platform/error.h"
#include "reportwriter/expression.h"
#include "reportwriter/fonts.h"
#include "reportwriter/numberformat.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace reportwriter;

TEST(NumberFormat, Masks)
{
    struct Case { double value; const char16_t *mask; const char16_t *text; };
    const Case cases[] = {
        {1234.5, u"#,###.00", u"1,234.50"},
        {1234567.891, u"#,###.00", u"1,234,567.89"},
        {999.995, u"#,###.00", u"1,000.00"},     // carry into the integer part and a new group
        {1.005, u"#,###.00", u"1.01"},          // typed half, stored just below it
        {-1234.5, u"#,###.00", u"-1,234.50"},
        {-0.001, u"#,###.00", u"0.00"},         // no negative zero
        {0, u"#,###.00", u"0.00"},              // zero totals still show a figure
        {0.5, u"#,###.00", u"0.50"},
        {0, u"#,###", u"0"},
        {1234.5, u"#,###", u"1,235"},
        {999, u"#,###", u"999"},
        {100000, u"#,###", u"100,000"},
        {3.1, u"0.0#", u"3.1"},
        {3.14159, u"0.0#", u"3.14"},
        {7, u"000", u"007"},
        {1234, u"#,### บาท", u"1,234 บาท"},
        {42, u"", u"42"},
        {3.25, u"", u"3.25"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(formatNumber(c.value, QString::fromUtf16(c.mask)), QString::fromUtf16(c.text))
            << c.value << " " << QString::fromUtf16(c.mask).toStdString();
}

TEST(NumberFormat, ValuesByType)
{
    EXPECT_EQ(formatValue(QDate(2550, 5, 27), {}), QStringLiteral("27/05/2550")); // stored year kept
    EXPECT_EQ(formatValue(QVariant(), QStringLiteral("#,###.00")), QString());
    EXPECT_EQ(formatValue(QStringLiteral("ก"), QStringLiteral("#,###.00")), QStringLiteral("ก"));
    EXPECT_EQ(formatValue(12500, QStringLiteral("#,###.00")), QStringLiteral("12,500.00"));
}

namespace {

QVariant eval(const QString &text)
{
    const QStringList fields{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("S"), QStringLiteral("D")};
    const RowValues row{10.0, 3, QStringLiteral("x"), QDate(2550, 5, 27)};
    return Expression::parse(text, fields).evaluate(row);
}

} // namespace

TEST(Expression, Values)
{
    struct Case { const char16_t *text; QVariant value; };
    const Case cases[] = {
        {u"a + b * 2", 16.0},
        {u"(A + B) * 2", 26.0},
        {u"-a + 2", -8.0},
        {u"a / 4", 2.5},
        {u"a / 0", 0.0},
        {u"INT(7.9)", 7.0},
        {u"INT(-7.9)", -7.0},
        {u"FRAC(7.25)", 0.25},
        {u"ROUND(2.346, 2)", 2.35},
        {u"IF(a > b, 'big', 'small')", QStringLiteral("big")},
        {u"IF(a <= b, 1, 2)", 2.0},
        {u"s + 'y'", QStringLiteral("xy")},
        {u"a = 10 AND NOT b = 4", true},
        {u"a <> 10 OR b >= 3", true},
        {u"MotorQ.A", 10.0},
        {u"UPPER(s)", QStringLiteral("X")},
        {u"COUNT", 0.0},
    };
    for (const Case &c : cases) {
        const QVariant v = eval(QString::fromUtf16(c.text));
        if (c.value.typeId() == QMetaType::Double)
            EXPECT_DOUBLE_EQ(v.toDouble(), c.value.toDouble()) << QString::fromUtf16(c.text).toStdString();
        else
            EXPECT_EQ(v, c.value) << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(Expression, ErrorsNameTheProblem)
{
    const QStringList fields{QStringLiteral("A")};
    const struct { const char16_t *text; const char16_t *says; } cases[] = {
        {u"nofield + 1", u"unknown field nofield"},
        {u"FOO(1)", u"unknown function FOO"},
        {u"SUM(A", u"missing"},
        {u"IF(A, 1)", u"wrong number of arguments for IF"},
        {u"'open", u"unterminated"},
        {u"A +", u"unexpected end"},
    };
    for (const auto &c : cases) {
        try {
            Expression::parse(QString::fromUtf16(c.text), fields);
            ADD_FAILURE() << "no error for " << QString::fromUtf16(c.text).toStdString();
        } catch (const platform::Error &e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf16(c.says))) << e.message().toStdString();
        }
    }
}

TEST(Expression, AggregatesAccumulateAndReset)
{
    const QStringList fields{QStringLiteral("A"), QStringLiteral("B")};
    Expression sum = Expression::parse(QStringLiteral("SUM(A * B) + COUNT"), fields);
    Expression extremes = Expression::parse(QStringLiteral("MAX(A) - MIN(A) + AVERAGE(A)"), fields);
    EXPECT_TRUE(sum.hasAggregates());
    EXPECT_FALSE(Expression::parse(QStringLiteral("A + 1"), fields).hasAggregates());
    EXPECT_DOUBLE_EQ(sum.evaluate({}).toDouble(), 0.0); // nothing accumulated: zero, not empty
    for (const RowValues &row : {RowValues{2.0, 3.0}, RowValues{5.0, 1.0}, RowValues{-1.0, 2.0}}) {
        sum.accumulate(row);
        extremes.accumulate(row);
    }
    EXPECT_DOUBLE_EQ(sum.evaluate({}).toDouble(), 6 + 5 - 2 + 3);
    EXPECT_DOUBLE_EQ(extremes.evaluate({}).toDouble(), 5 - -1 + 2);
    sum.reset();
    sum.accumulate({1.0, 1.0});
    EXPECT_DOUBLE_EQ(sum.evaluate({}).toDouble(), 2.0);
}

TEST(Fonts, WindowsThaiFacesResolveToNorasi)
{
    EXPECT_EQ(resolveFontFamily(QStringLiteral("AngsanaUPC")), QStringLiteral("Norasi"));
    EXPECT_EQ(resolveFontFamily(QStringLiteral("EucrosiaUPC")), QStringLiteral("Norasi"));
    EXPECT_EQ(resolveFontFamily(QStringLiteral("Loma")), QStringLiteral("Loma")); // installed: kept
    FontSpec spec;
    spec.family = QStringLiteral("AngsanaUPC");
    spec.pointSize = 20;
    spec.bold = true;
    const QFont f = makeFont(spec);
    EXPECT_EQ(f.family(), QStringLiteral("Norasi"));
    EXPECT_DOUBLE_EQ(f.pointSizeF(), 20 * kSubstituteScale);
    EXPECT_TRUE(f.bold());
}
