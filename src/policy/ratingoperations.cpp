#include "ratingoperations.h"

#include <QDate>

#include "platform/dateformat.h"
#include "platform/error.h"
#include "policy/rating.h"

namespace policy {

namespace {

double amount(const RecordAccess &record, const QString &field)
{
    return record.value(field).toDouble(); // null or missing counts as 0
}

QString text(const RecordAccess &record, const QString &field)
{
    return record.value(field).toString().trimmed();
}

// A date field holds a QDate (or a QDateTime at midnight). An adapter that hands over
// text instead, as typed ("27/05/2550") or as a database returns it ("2550-05-27"),
// gets it converted here; a text that is no date (29/02/2551: year 2551 of the stored
// calendar has no 29 February) raises the standard invalid-date message. Empty means
// not entered yet.
QDate date(const RecordAccess &record, const QString &field)
{
    const QVariant v = record.value(field);
    if (v.typeId() != QMetaType::QString)
        return v.toDate();
    const QString t = v.toString().trimmed();
    if (t.isEmpty())
        return {};
    if (!t.contains(QLatin1Char('-')))
        return platform::DateFormat::fromText(t);
    const QDate iso = QDate::fromString(t.left(10), Qt::ISODate);
    if (!iso.isValid())
        throw platform::Error(platform::DateFormat::invalidDateMessage(t));
    return iso;
}

PolicyAmounts policyAmounts(const RecordAccess &policy)
{
    PolicyAmounts a;
    a.agent = text(policy, QStringLiteral("AGENT"));
    a.prem = amount(policy, QStringLiteral("PREM"));
    a.netprem = amount(policy, QStringLiteral("NETPREM"));
    a.prbprem = amount(policy, QStringLiteral("prbprem"));
    a.prbnetprem = amount(policy, QStringLiteral("prbnetprem"));
    a.fee = amount(policy, QStringLiteral("FEE"));
    a.paid = amount(policy, QStringLiteral("PAID"));
    a.motcom = amount(policy, QStringLiteral("MOTCOM"));
    a.prbcom = amount(policy, QStringLiteral("PRBCOM"));
    return a;
}

AgentRates agentRates(const RecordAccess &agent)
{
    return AgentRates{agent.value(QStringLiteral("MOTCOM1")).toInt(), agent.value(QStringLiteral("MOTCOM2")).toInt(),
                      agent.value(QStringLiteral("PRBCOM1")).toInt(), agent.value(QStringLiteral("PRBCOM2")).toInt()};
}

void setOutstanding(RecordAccess &policy, const PolicyAmounts &a)
{
    policy.setValue(QStringLiteral("OUTSTANDING"),
                    netPaid(a.netprem, a.prbnetprem, a.fee, a.motcom, a.prbcom) - a.paid);
}

} // namespace

void calRate2(RecordAccess &policy, const RecordAccess &package)
{
    const PackageAmounts oneYear{amount(package, QStringLiteral("PREM")), amount(package, QStringLiteral("STAMP")),
                                 amount(package, QStringLiteral("TAX"))};
    // Both dates are read and checked before anything is written.
    const QDate effective = date(policy, QStringLiteral("EFFDATE"));
    const QDate end = date(policy, QStringLiteral("ENDDATE"));
    const std::optional<PeriodPremium> priced = premiumForPeriod(oneYear, effective, end);
    if (!priced)
        return;
    policy.setValue(QStringLiteral("PREM"), priced->prem);
    policy.setValue(QStringLiteral("STAMP"), priced->stamp);
    policy.setValue(QStringLiteral("TAX"), priced->tax);
    policy.setValue(QStringLiteral("NETPREM"), priced->netprem);
}

void calRate(RecordAccess &policy, const RecordAccess &agent)
{
    const PolicyAmounts a = policyAmounts(policy);
    const Discounts d = agentDiscounts(a, agentRates(agent));
    if (!isDirectSale(a.agent)) {
        policy.setValue(QStringLiteral("MOTCOM"), d.motcom);
        policy.setValue(QStringLiteral("PRBCOM"), d.prbcom);
    }
    policy.setValue(QStringLiteral("OUTSTANDING"), d.outstanding);
}

void applyLargeEngine(RecordAccess &policy, const RecordAccess &package)
{
    if (takesLargeEnginePremium(text(policy, QStringLiteral("CODE")), amount(policy, QStringLiteral("CSIZE"))))
        policy.setValue(QStringLiteral("PREM1"), package.value(QStringLiteral("PREM3")));
}

void packageChosen(RecordAccess &policy, const RecordAccess &package)
{
    policy.setValue(QStringLiteral("CODE"), text(package, QStringLiteral("CODE")));
}

void packageLeft(RecordAccess &policy, const RecordAccess &package)
{
    calRate2(policy, package);
    for (const QString &field : {QStringLiteral("PREM1"), QStringLiteral("PREM2"), QStringLiteral("DISCOUNT"),
                                 QStringLiteral("COMMISS")})
        policy.setValue(field, package.value(field));
}

void endDateLeft(RecordAccess &policy, const RecordAccess &package)
{
    if (!text(package, QStringLiteral("CODE")).isEmpty())
        calRate2(policy, package);
}

void agentChosen(RecordAccess &policy, const RecordAccess &agent)
{
    const QString code = text(agent, QStringLiteral("AGENT"));
    policy.setValue(QStringLiteral("AGENT"), code);
    if (isDirectSale(code)) {
        policy.setValue(QStringLiteral("MOTCOM"), 0.0);
        policy.setValue(QStringLiteral("PRBCOM"), 0.0);
    }
    calRate(policy, agent);
}

void agentSearched(RecordAccess &policy, const RecordAccess *pickedAgent)
{
    if (pickedAgent)
        agentChosen(policy, *pickedAgent);
}

void feeOrPaidLeft(RecordAccess &policy, const RecordAccess &agent)
{
    calRate(policy, agent);
}

void characterTypedIntoPaid(RecordAccess &policy, const QString &typed)
{
    if (typed.isEmpty() || typed == QLatin1String("\r") || typed == QLatin1String("\n"))
        return;
    const QString cash = policy.value(QStringLiteral("CASH")).toString();
    const QString after = cashAfterTyping(cash);
    if (after != cash)
        policy.setValue(QStringLiteral("CASH"), after);
}

void discountLeft(RecordAccess &policy)
{
    const PolicyAmounts a = policyAmounts(policy);
    if (isDirectSale(a.agent))
        setOutstanding(policy, a);
}

bool discountsTypedByHand(const RecordAccess &policy)
{
    return isDirectSale(text(policy, QStringLiteral("AGENT")));
}

void prepareForPrint(RecordAccess &policy, const RecordAccess &package)
{
    applyLargeEngine(policy, package);
}

void prepareForSave(RecordAccess &policy, const RecordAccess &package, const RecordAccess &agent)
{
    applyLargeEngine(policy, package);
    calRate(policy, agent);
    policy.setValue(QStringLiteral("A"), compulsoryFlag(amount(policy, QStringLiteral("prbprem"))));
}

} // namespace policy
