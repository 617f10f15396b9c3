// The pure rating routines against the worked cases of the rating rules.
#include <gtest/gtest.h>

#include "platform/dateformat.h"
#include "platform/error.h"
#include "policy/rating.h"

using namespace policy;

namespace {

QDate be(int day, int month, int buddhistYear)
{
    return QDate(buddhistYear, month, day);
}

struct PeriodCase
{
    const char *name;
    PackageAmounts package;
    QDate effective;
    QDate end;
    PeriodPremium expected;
};

void PrintTo(const PeriodCase &c, std::ostream *os)
{
    *os << c.name;
}

class PremiumForPeriod : public ::testing::TestWithParam<PeriodCase>
{
};

TEST_P(PremiumForPeriod, GivesTheWorkedAmounts)
{
    const PeriodCase &c = GetParam();
    const std::optional<PeriodPremium> got = premiumForPeriod(c.package, c.effective, c.end);
    ASSERT_TRUE(got.has_value());
    // Each amount must be the double nearest the decimal, as a typed amount would be.
    EXPECT_EQ(got->prem, c.expected.prem);
    EXPECT_EQ(got->stamp, c.expected.stamp);
    EXPECT_EQ(got->tax, c.expected.tax);
    EXPECT_EQ(got->netprem, c.expected.netprem);
}

const PackageAmounts p1000{1000, 4, 70.28};

INSTANTIATE_TEST_SUITE_P(
    Periods, PremiumForPeriod,
    ::testing::Values(
        PeriodCase{"one year, same day and month", p1000, be(27, 5, 2550), be(27, 5, 2551), {1000, 4, 70.28, 1074.28}},
        // 365 real days because 2008 has a 29 February; the stored year 2551 has none.
        PeriodCase{"365 real days", p1000, be(27, 5, 2550), be(26, 5, 2551), {1000, 4, 70.28, 1074.28}},
        PeriodCase{"183 days", p1000, be(27, 5, 2550), be(26, 11, 2550), {501, 3, 35.28, 539.28}},
        PeriodCase{"two years", p1000, be(27, 5, 2550), be(27, 5, 2552), {2000, 8, 140.56, 2148.56}},
        PeriodCase{"end on the effective date", p1000, be(27, 5, 2550), be(27, 5, 2550), {0, 0, 0, 0}},
        PeriodCase{"package 1200, 182 days", {1200, 5, 84.35}, be(1, 1, 2551), be(1, 7, 2551), {598, 3, 42.07, 643.07}},
        // 12.495 × 365 / 365 is 12.495: two decimals give 12.50, whole baht 13.
        PeriodCase{"halfway satang rounds up", {12.495, 1, 0.94}, be(27, 5, 2550), be(26, 5, 2551), {13, 1, 0.98, 14.98}},
        // 182.5 × 1 / 365 = 0.50 exactly: half a baht goes up.
        PeriodCase{"half a baht rounds up", {182.5, 1, 12.85}, be(27, 5, 2550), be(28, 5, 2550), {1, 1, 0.14, 2.14}},
        // Three years of 1000.30 = 3000.90, rounded up; stamp 12.004 rounded up.
        PeriodCase{"three years, fraction up", {1000.3, 4, 70.3}, be(27, 5, 2550), be(27, 5, 2553), {3001, 13, 210.98, 3224.98}},
        // February 2008 (stored 2551) has 29 real days: 79.45 → 79.
        PeriodCase{"over a real 29 February", p1000, be(1, 2, 2551), be(1, 3, 2551), {79, 1, 5.60, 85.60}},
        // February 2009 (stored 2552, leap in storage) has 28 real days: 76.71 → 77.
        PeriodCase{"over a stored-only 29 February", p1000, be(1, 2, 2552), be(1, 3, 2552), {77, 1, 5.46, 83.46}},
        // An end before the start is not refused: −498.63 → −498.62 → −498; a negative
        // stamp keeps its fraction; tax −34.99944 → −34.99.
        PeriodCase{"end before start", p1000, be(27, 5, 2550), be(26, 11, 2549), {-498, -1.992, -34.99, -534.982}}));

TEST(PremiumForPeriodDates, EmptyDateLeavesThePolicyUnpriced)
{
    EXPECT_FALSE(premiumForPeriod(p1000, QDate(), be(27, 5, 2551)).has_value());
    EXPECT_FALSE(premiumForPeriod(p1000, be(27, 5, 2550), QDate()).has_value());
    // 29/02/2551 cannot be held in a date at all: year 2551 of the stored calendar
    // has no 29 February, so such a value arrives empty.
    EXPECT_FALSE(premiumForPeriod(p1000, be(27, 5, 2550), be(29, 2, 2551)).has_value());
}

TEST(PremiumForPeriodDates, StoredDateWithoutRealDayIsAnInvalidDate)
{
    // 29/02/2552 is a stored date, but 29 February 2009 does not exist.
    const QString expected = platform::DateFormat::invalidDateMessage(QStringLiteral("29/02/2552"));
    for (const auto &[effective, end] : {std::pair{be(29, 2, 2552), be(28, 2, 2553)},
                                         std::pair{be(1, 1, 2552), be(29, 2, 2552)}}) {
        try {
            premiumForPeriod(p1000, effective, end);
            ADD_FAILURE() << "no error for " << qPrintable(platform::DateFormat::toText(end));
        } catch (const platform::Error &e) {
            EXPECT_EQ(e.message(), expected);
        }
    }
}

TEST(RealDays, CountsOnTheRealCalendar)
{
    EXPECT_EQ(realDays(be(1, 2, 2551), be(1, 3, 2551)), 29); // 2008
    EXPECT_EQ(realDays(be(1, 2, 2552), be(1, 3, 2552)), 28); // 2009
    EXPECT_EQ(realDays(be(27, 5, 2550), be(27, 5, 2551)), 366);
    EXPECT_EQ(realDays(be(27, 5, 2550), be(26, 11, 2550)), 183);
}

TEST(Round2, RoundsTheDecimalValueHalfUp)
{
    EXPECT_EQ(round2(12.495), 12.50);
    EXPECT_EQ(round2(12.494), 12.49);
    EXPECT_EQ(round2(501.369863), 501.37);
    EXPECT_EQ(round2(1.005), 1.01);
    // The rule adds a half and drops the fraction towards zero, so below zero it
    // moves even an exact amount by a satang: −2.30 gives trunc(−229.5) = −229.
    EXPECT_EQ(round2(-2.3), -2.29);
    EXPECT_EQ(round2(-34.99944), -34.99);
}

TEST(NetPaid, RoundsToWholeBahtHalvesToEven)
{
    EXPECT_EQ(netPaid(1000.25, 0, 0.25, 0, 0), 1000);
    EXPECT_EQ(netPaid(1001.25, 0, 0.25, 0, 0), 1002);
    EXPECT_EQ(netPaid(1074.28, 645.21, 0, 100, 50), 1569);
    EXPECT_EQ(netPaid(1074.28, 645.21, 10, 100, 50), 1579);
}

struct DiscountCase
{
    const char *name;
    PolicyAmounts policy;
    AgentRates rates;
    Discounts expected;
};

void PrintTo(const DiscountCase &c, std::ostream *os)
{
    *os << c.name;
}

class AgentDiscounts : public ::testing::TestWithParam<DiscountCase>
{
};

TEST_P(AgentDiscounts, GivesTheWorkedDiscounts)
{
    const DiscountCase &c = GetParam();
    const Discounts got = agentDiscounts(c.policy, c.rates);
    EXPECT_DOUBLE_EQ(got.motcom, c.expected.motcom);
    EXPECT_DOUBLE_EQ(got.prbcom, c.expected.prbcom);
    EXPECT_DOUBLE_EQ(got.outstanding, c.expected.outstanding);
}

// PREM 1000, NETPREM 1074.28; compulsory premium 600 with a total of 645.21.
PolicyAmounts policyOf(const char *agent, double prbprem, double prbnetprem, double paid = 0,
                       double motcom = 0, double prbcom = 0)
{
    return PolicyAmounts{QString::fromLatin1(agent), 1000, 1074.28, prbprem, prbnetprem, 0, paid, motcom, prbcom};
}

INSTANTIATE_TEST_SUITE_P(
    Agents, AgentDiscounts,
    ::testing::Values(
        // 1074.28 + 645.21 − 100 − 50 = 1569.49 → 1569
        DiscountCase{"percent class 3, fixed compulsory", policyOf("1002", 600, 645.21), {0, 10, 50, 0}, {100, 50, 1569}},
        DiscountCase{"no compulsory premium, no compulsory discount", policyOf("1002", 0, 0), {0, 10, 50, 0}, {100, 0, 974}},
        DiscountCase{"fixed before percent", policyOf("1003", 600, 645.21, 500), {150, 10, 0, 5}, {150, 30, 1539 - 500}},
        DiscountCase{"no rates", policyOf("1004", 600, 645.21), {0, 0, 0, 0}, {0, 0, 1719}},
        // Direct sale: the typed discounts stay; 1719.49 − 120 − 40 = 1559.49 → 1559.
        DiscountCase{"direct sale keeps typed discounts", policyOf("0001", 600, 645.21, 1000, 120, 40), {0, 10, 50, 5}, {120, 40, 559}}));

TEST(LargeEngine, OnlyCars110And120Above2000cc)
{
    EXPECT_TRUE(takesLargeEnginePremium(QStringLiteral("120"), 2001));
    EXPECT_FALSE(takesLargeEnginePremium(QStringLiteral("120"), 2000));
    EXPECT_TRUE(takesLargeEnginePremium(QStringLiteral("110"), 2400));
    EXPECT_FALSE(takesLargeEnginePremium(QStringLiteral("210"), 3000));
    EXPECT_FALSE(takesLargeEnginePremium(QStringLiteral("320"), 3000));
}

TEST(CompulsoryFlag, FollowsTheCompulsoryPremium)
{
    EXPECT_EQ(compulsoryFlag(600), QStringLiteral("1"));
    EXPECT_EQ(compulsoryFlag(0), QStringLiteral("0"));
}

TEST(CashAfterTyping, CreditBecomesCashOthersStay)
{
    EXPECT_EQ(cashAfterTyping(QStringLiteral("0")), QStringLiteral("1"));
    EXPECT_EQ(cashAfterTyping(QStringLiteral("1")), QStringLiteral("1"));
    EXPECT_EQ(cashAfterTyping(QStringLiteral("2")), QStringLiteral("2"));
}

} // namespace
