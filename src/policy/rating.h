#pragma once
// Pricing of a class 3 policy, over plain values:
//   premiumForPeriod   the premium, stamp duty, tax and total for the period of
//                      cover, from the one-year amounts of a package (CalRate2);
//   agentDiscounts     the agent's discounts and the amount still owed (CalRate);
//   takesLargeEnginePremium, compulsoryFlag, cashAfterTyping: the small rules the
//                      policy windows apply around them.
// Dates carry the Buddhist-era year in their year field, as stored (27/05/2550 is
// QDate(2550, 5, 27)); day counts run on the real calendar (year − 543).
#include <QDate>
#include <QString>
#include <optional>

namespace policy {

// The agent code of the insurer's own direct sale: its discounts are typed by hand.
inline const QString &directSaleAgent()
{
    static const QString code = QStringLiteral("0001");
    return code;
}
bool isDirectSale(const QString &agent); // ignores the blanks of a fixed-width code

// One-year amounts of a package row (PACKET.PREM, STAMP, TAX).
struct PackageAmounts
{
    double prem = 0;
    double stamp = 0;
    double tax = 0;
};

// What the pricing writes into the policy (MOTOR.PREM, STAMP, TAX, NETPREM).
struct PeriodPremium
{
    double prem = 0;
    double stamp = 0;
    double tax = 0;
    double netprem = 0;
};

// Two decimals, halves away from zero for positive values:
// trunc(x / 0.01 + 0.5) × 0.01, taken on the decimal value x stands for (12.495
// gives 12.50, where the binary double nearest 12.495 would give 12.49).
double round2(double x);

// Whole days from the effective date to the end date on the real calendar.
// Throws platform::Error with the standard invalid-date message when either date
// has no real calendar day (29/02/2552 is storable, 29 February 2009 is not) or is
// no date at all.
int realDays(const QDate &effective, const QDate &end);

// CalRate2. Same day and month one year later: the package's one-year amounts.
// Otherwise a part year is priced by days (two decimals, then whole baht with halves
// up) and a span of two or more whole years (or a negative one) by the number of
// years (whole baht, rounded up), and stamp duty (0.4 %, rounded up to whole baht)
// and tax (7 % of premium plus stamp, two decimals) are worked out anew.
// Returns nothing while either date is empty (null): the policy is not priced yet.
// Throws platform::Error (standard invalid-date message) for a date with no real day.
std::optional<PeriodPremium> premiumForPeriod(const PackageAmounts &package,
                                              const QDate &effective, const QDate &end);

// An agent's rates (AGENT.MOTCOM1, MOTCOM2, PRBCOM1, PRBCOM2): a fixed discount in
// baht greater than zero comes before the percentage.
struct AgentRates
{
    int motcom1 = 0;
    int motcom2 = 0;
    int prbcom1 = 0;
    int prbcom2 = 0;
};

// The policy's amounts that the discounts and the amount owed depend on.
struct PolicyAmounts
{
    QString agent;         // AGENT
    double prem = 0;       // PREM
    double netprem = 0;    // NETPREM
    double prbprem = 0;    // prbprem: compulsory premium, 0 unless collected with this sale
    double prbnetprem = 0; // prbnetprem
    double fee = 0;        // FEE
    double paid = 0;       // PAID
    double motcom = 0;     // MOTCOM, kept as typed for the direct sale
    double prbcom = 0;     // PRBCOM, kept as typed for the direct sale
};

struct Discounts
{
    double motcom = 0;      // MOTCOM
    double prbcom = 0;      // PRBCOM
    double outstanding = 0; // OUTSTANDING
};

// The amount to pay ("เงินที่ต้องชำระ"): (((NETPREM + prbnetprem) + FEE) − MOTCOM)
// − PRBCOM in extended precision, rounded to a whole baht with halves to the even
// one. This is the data module's derived field netpaid, worked out by the same rule.
double netPaid(double netprem, double prbnetprem, double fee, double motcom, double prbcom);

// CalRate. For the direct sale the typed discounts stay; for any other agent they
// are computed from the rates (not rounded), and no compulsory discount is given
// while the compulsory premium is 0. The amount owed is netpaid − PAID.
Discounts agentDiscounts(const PolicyAmounts &policy, const AgentRates &rates);

// Codes "110" and "120" with an engine larger than 2000 cc take the package's PREM3
// in place of PREM1.
bool takesLargeEnginePremium(const QString &code, double engineSize);

// MOTOR.A: "1" when the compulsory premium is collected with the sale, else "0".
QString compulsoryFlag(double prbprem);

// MOTOR.CASH after an amount is typed into the paid field: credit ("0") becomes
// cash ("1"); cash and card ("2") stay as they are.
QString cashAfterTyping(const QString &cash);

} // namespace policy
