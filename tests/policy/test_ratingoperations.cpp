// The rating operations of the policy windows, run on rows held in memory.
#include <gtest/gtest.h>

#include "platform/dateformat.h"
#include "platform/error.h"
#include "policy/ratingoperations.h"

using namespace policy;

namespace {

QString s(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

// Package 120 with the one-year amounts of the worked cases.
MapRecord package120()
{
    return MapRecord({{s("CODE"), s("120")},     {s("PREM"), 1000.0},    {s("STAMP"), 4.0},
                      {s("TAX"), 70.28},         {s("NETPREM"), 9999.0}, {s("PREM1"), 100000.0},
                      {s("PREM2"), 50000.0},     {s("DISCOUNT"), 10.0},  {s("COMMISS"), 180.0},
                      {s("PREM3"), 150000.0}});
}

// A new policy as the sale window starts it, with a compulsory policy of agent 0001
// (prbprem 600, prbnetprem 645.21).
MapRecord newPolicy()
{
    return MapRecord({{s("EFFDATE"), QDate(2550, 5, 27)}, {s("ENDDATE"), QDate(2551, 5, 27)},
                      {s("CASH"), s("0")}, {s("prbprem"), 600.0}, {s("prbnetprem"), 645.21}});
}

MapRecord agent(const char *code, int motcom1, int motcom2, int prbcom1, int prbcom2)
{
    return MapRecord({{s("AGENT"), s(code)}, {s("MOTCOM1"), motcom1}, {s("MOTCOM2"), motcom2},
                      {s("PRBCOM1"), prbcom1}, {s("PRBCOM2"), prbcom2}});
}

double amount(const MapRecord &r, const char *field)
{
    return r.value(s(field)).toDouble();
}

TEST(RatingOperations, ChoosingAndLeavingThePackagePricesAndCopies)
{
    MapRecord policy = newPolicy();
    policy.setValue(s("ENDDATE"), QDate(2550, 11, 26));
    const MapRecord package = package120();

    packageChosen(policy, package);
    EXPECT_EQ(policy.value(s("CODE")).toString(), s("120"));

    packageLeft(policy, package);
    EXPECT_EQ(amount(policy, "PREM"), 501);
    EXPECT_EQ(amount(policy, "STAMP"), 3);
    EXPECT_EQ(amount(policy, "TAX"), 35.28);
    EXPECT_EQ(amount(policy, "NETPREM"), 539.28);
    EXPECT_EQ(amount(policy, "PREM1"), 100000);
    EXPECT_EQ(amount(policy, "PREM2"), 50000);
    EXPECT_EQ(amount(policy, "DISCOUNT"), 10);
    EXPECT_EQ(amount(policy, "COMMISS"), 180);
}

TEST(RatingOperations, OneYearTotalIsTheSumNotThePackageTotal)
{
    MapRecord policy = newPolicy();
    packageLeft(policy, package120());
    EXPECT_EQ(amount(policy, "NETPREM"), 1074.28);
}

TEST(RatingOperations, LeavingTheEndDatePricesOnlyWithAPackage)
{
    MapRecord policy = newPolicy();
    const MapRecord before = policy;
    endDateLeft(policy, MapRecord());
    EXPECT_EQ(policy.values(), before.values());

    MapRecord blankCode = package120();
    blankCode.setValue(s("CODE"), s("   ")); // a fixed-width blank code is no package
    endDateLeft(policy, blankCode);
    EXPECT_EQ(policy.values(), before.values());

    policy.setValue(s("ENDDATE"), QDate(2552, 5, 27));
    endDateLeft(policy, package120());
    EXPECT_EQ(amount(policy, "PREM"), 2000);
    EXPECT_EQ(amount(policy, "NETPREM"), 2148.56);
}

TEST(RatingOperations, DatesHandedOverAsTextArePriced)
{
    for (const char *end : {"26/11/2550", "2550-11-26", "2550-11-26T00:00:00"}) {
        MapRecord policy = newPolicy();
        policy.setValue(s("ENDDATE"), s(end));
        calRate2(policy, package120());
        EXPECT_EQ(amount(policy, "NETPREM"), 539.28) << end;
    }
}

TEST(RatingOperations, EmptyEndDateLeavesTheAmounts)
{
    MapRecord policy = newPolicy();
    packageLeft(policy, package120());
    // A null date, and the empty text an adapter may hand over instead.
    for (const QVariant &empty : {QVariant(), QVariant(QString())}) {
        policy.setValue(s("ENDDATE"), empty);
        const MapRecord before = policy;
        endDateLeft(policy, package120());
        EXPECT_EQ(policy.values(), before.values());
    }
}

TEST(RatingOperations, DateWithoutRealDayStopsWithAmountsUnchanged)
{
    struct Case
    {
        const char *field;
        QVariant value;
        const char *shown;
    };
    // 29/02/2552 can be stored but 29 February 2009 is no day; 29/02/2551 (a real
    // 29 February 2008) cannot even be stored, so only its text can reach here.
    const Case cases[] = {{"ENDDATE", QDate(2552, 2, 29), "29/02/2552"},
                          {"EFFDATE", QDate(2552, 2, 29), "29/02/2552"},
                          {"ENDDATE", s("29/02/2551"), "29/02/2551"},
                          {"ENDDATE", s("2551-02-29"), "2551-02-29"}};
    for (const Case &c : cases) {
        MapRecord policy = newPolicy();
        policy.setValue(s("ENDDATE"), QDate(2550, 11, 26));
        packageLeft(policy, package120());
        policy.setValue(s(c.field), c.value);
        const MapRecord before = policy;

        MapRecord otherPackage = package120();
        otherPackage.setValue(s("PREM"), 2000.0);
        otherPackage.setValue(s("PREM1"), 1.0);
        try {
            packageLeft(policy, otherPackage);
            ADD_FAILURE() << "no error for " << c.shown;
        } catch (const platform::Error &e) {
            EXPECT_EQ(e.message(), platform::DateFormat::invalidDateMessage(s(c.shown)));
        }
        EXPECT_EQ(policy.values(), before.values()) << c.shown;
    }
}

TEST(RatingOperations, AgentChosenComputesDiscountsAndOutstanding)
{
    MapRecord policy = newPolicy();
    packageLeft(policy, package120());
    policy.setValue(s("PAID"), 500.0);

    agentChosen(policy, agent("1002", 0, 10, 50, 0));
    EXPECT_EQ(policy.value(s("AGENT")).toString(), s("1002"));
    EXPECT_DOUBLE_EQ(amount(policy, "MOTCOM"), 100);
    EXPECT_DOUBLE_EQ(amount(policy, "PRBCOM"), 50);
    // 1074.28 + 645.21 − 100 − 50 = 1569.49 → 1569, less 500 paid.
    EXPECT_DOUBLE_EQ(amount(policy, "OUTSTANDING"), 1069);
    EXPECT_FALSE(discountsTypedByHand(policy));

    // The same agent on a sale without compulsory premium gives no compulsory discount.
    policy.setValue(s("prbprem"), 0.0);
    policy.setValue(s("prbnetprem"), 0.0);
    agentChosen(policy, agent("1002", 0, 10, 50, 0));
    EXPECT_DOUBLE_EQ(amount(policy, "PRBCOM"), 0);
    EXPECT_DOUBLE_EQ(amount(policy, "OUTSTANDING"), 974 - 500);
}

TEST(RatingOperations, DirectSaleDiscountsAreTypedByHand)
{
    MapRecord policy = newPolicy();
    packageLeft(policy, package120());
    agentChosen(policy, agent("1002", 0, 10, 50, 0));

    // Choosing 0001 resets both discounts and makes them editable.
    agentChosen(policy, agent("0001", 300, 10, 50, 5));
    EXPECT_EQ(amount(policy, "MOTCOM"), 0);
    EXPECT_EQ(amount(policy, "PRBCOM"), 0);
    EXPECT_DOUBLE_EQ(amount(policy, "OUTSTANDING"), 1719);
    EXPECT_TRUE(discountsTypedByHand(policy));

    // Leaving either discount field recomputes what is owed from the typed values.
    policy.setValue(s("MOTCOM"), 120.0);
    discountLeft(policy);
    EXPECT_DOUBLE_EQ(amount(policy, "OUTSTANDING"), 1599);
    policy.setValue(s("PRBCOM"), 40.0);
    discountLeft(policy);
    EXPECT_DOUBLE_EQ(amount(policy, "OUTSTANDING"), 1559);

    // The fee and the paid amount are taken in; the typed discounts stay.
    policy.setValue(s("FEE"), 20.0);
    policy.setValue(s("PAID"), 1000.0);
    feeOrPaidLeft(policy, agent("0001", 300, 10, 50, 5));
    EXPECT_EQ(amount(policy, "MOTCOM"), 120);
    EXPECT_EQ(amount(policy, "PRBCOM"), 40);
    EXPECT_DOUBLE_EQ(amount(policy, "OUTSTANDING"), 1579 - 1000);
}

TEST(RatingOperations, LeavingADiscountOfAnotherAgentChangesNothing)
{
    MapRecord policy = newPolicy();
    packageLeft(policy, package120());
    agentChosen(policy, agent("1002", 0, 10, 50, 0));
    policy.setValue(s("PAID"), 100.0);
    const MapRecord before = policy;
    discountLeft(policy);
    EXPECT_EQ(policy.values(), before.values());
}

TEST(RatingOperations, AgentSearchWithoutAPickChangesNothing)
{
    MapRecord policy = newPolicy();
    packageLeft(policy, package120());
    const MapRecord before = policy;
    agentSearched(policy, nullptr);
    EXPECT_EQ(policy.values(), before.values());

    const MapRecord picked = agent("1003", 150, 0, 0, 0);
    agentSearched(policy, &picked);
    EXPECT_EQ(policy.value(s("AGENT")).toString(), s("1003"));
    EXPECT_EQ(amount(policy, "MOTCOM"), 150);
}

TEST(RatingOperations, TypingIntoPaidTurnsCreditIntoCash)
{
    struct Case
    {
        const char *cash;
        const char *typed;
        const char *after;
    };
    const Case cases[] = {{"0", "5", "1"}, {"1", "5", "1"}, {"2", "5", "2"}, {"0", "\r", "0"}, {"0", "", "0"}};
    for (const Case &c : cases) {
        MapRecord policy({{s("CASH"), s(c.cash)}});
        characterTypedIntoPaid(policy, s(c.typed));
        EXPECT_EQ(policy.value(s("CASH")).toString(), s(c.after)) << c.cash << " typed " << int(c.typed[0]);
    }
}

TEST(RatingOperations, SaveSubstitutesLargeEngineRatesAndSetsFlag)
{
    struct Case
    {
        const char *code;
        double csize;
        double prem1;
    };
    const Case cases[] = {{"120", 2001, 150000}, {"120", 2000, 100000}, {"110", 2500, 150000}, {"210", 2500, 100000}};
    for (const Case &c : cases) {
        MapRecord package = package120();
        package.setValue(s("CODE"), s(c.code));
        MapRecord policy = newPolicy();
        packageChosen(policy, package);
        packageLeft(policy, package);
        policy.setValue(s("CSIZE"), c.csize);

        prepareForSave(policy, package, agent("1002", 0, 10, 50, 0));
        EXPECT_EQ(amount(policy, "PREM1"), c.prem1) << c.code << " " << c.csize;
        EXPECT_DOUBLE_EQ(amount(policy, "OUTSTANDING"), 1569);
        EXPECT_EQ(policy.value(s("A")).toString(), s("1"));
    }

    MapRecord policy = newPolicy();
    policy.setValue(s("prbprem"), 0.0);
    prepareForSave(policy, package120(), agent("1002", 0, 10, 50, 0));
    EXPECT_EQ(policy.value(s("A")).toString(), s("0"));
}

TEST(RatingOperations, PrintSubstitutesButLeavesRatingToTheSave)
{
    MapRecord policy = newPolicy();
    packageChosen(policy, package120());
    packageLeft(policy, package120());
    policy.setValue(s("CSIZE"), 2001.0);
    prepareForPrint(policy, package120());
    EXPECT_EQ(amount(policy, "PREM1"), 150000);
    EXPECT_FALSE(policy.values().contains(s("OUTSTANDING")));
    EXPECT_FALSE(policy.values().contains(s("A")));

    // Lowering the engine size later does not undo it; leaving the package does.
    policy.setValue(s("CSIZE"), 1500.0);
    prepareForPrint(policy, package120());
    EXPECT_EQ(amount(policy, "PREM1"), 150000);
    packageLeft(policy, package120());
    EXPECT_EQ(amount(policy, "PREM1"), 100000);
}

} // namespace
