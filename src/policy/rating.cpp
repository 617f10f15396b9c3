#include "rating.h"

#include <cmath>
#include <cstdint>

#include "platform/clock.h"
#include "platform/dateformat.h"
#include "platform/error.h"

namespace policy {

namespace {

// Amounts are worked out in whole ten-thousandths of a baht, not in binary floating
// point. A stored amount stands for a decimal with at most a few places (12.495,
// 70.28), but the double that holds it is only close to it: 12.495 is held as
// 12.49499999..., and round2 of that gives 12.49, then 12 baht instead of 13.
// Taking the nearest ten-thousandth recovers the decimal exactly, and every later
// step (× days / 365, × 0.4 %, × 7 %) is exact integer arithmetic, so the roundings
// see the true halves. The result goes back to the double nearest each decimal.
using Units = std::int64_t;
constexpr Units kUnitsPerBaht = 10000;
// Bounds that keep every intermediate product inside 64 bits: 2 × units × days
// stays below 8 × 10^18.
constexpr double kMaxBaht = 1e8;
constexpr int kMaxDays = 4'000'000;

Units toUnits(double baht)
{
    if (!std::isfinite(baht) || std::fabs(baht) >= kMaxBaht)
        throw platform::Error(QStringLiteral("'%1' is out of range for an amount").arg(baht));
    return std::llround(baht * kUnitsPerBaht);
}

// trunc(num / den + 1/2) for den > 0; integer division drops the fraction towards
// zero, which is the trunc of the rule (so −2.3 + 0.5 gives −1, not −2).
std::int64_t truncHalfUp(std::int64_t num, std::int64_t den)
{
    return (2 * num + den) / (2 * den);
}

QDate realDate(const QDate &stored)
{
    const QDate real = stored.isValid() ? platform::Clock::toGregorian(stored) : QDate();
    if (!real.isValid())
        throw platform::Error(platform::DateFormat::invalidDateMessage(platform::DateFormat::toText(stored)));
    return real;
}

} // namespace

bool isDirectSale(const QString &agent)
{
    return agent.trimmed() == directSaleAgent();
}

double round2(double x)
{
    return static_cast<double>(truncHalfUp(toUnits(x), kUnitsPerBaht / 100)) / 100.0;
}

int realDays(const QDate &effective, const QDate &end)
{
    const QDate from = realDate(effective);
    const QDate to = realDate(end);
    const qint64 days = from.daysTo(to);
    if (days > kMaxDays || days < -kMaxDays)
        throw platform::Error(QStringLiteral("The period from %1 to %2 is out of range")
                                  .arg(platform::DateFormat::toText(effective), platform::DateFormat::toText(end)));
    return static_cast<int>(days);
}

std::optional<PeriodPremium> premiumForPeriod(const PackageAmounts &package,
                                              const QDate &effective, const QDate &end)
{
    if (effective.isNull() || end.isNull())
        return std::nullopt;

    const int days = realDays(effective, end);
    const int years = (effective.day() == end.day() && effective.month() == end.month())
        ? end.year() - effective.year()
        : 0;
    const Units prem = toUnits(package.prem);

    if (years == 1) {
        // The package's one-year amounts; the total is their sum (not the package's
        // own NETPREM column), added as decimals.
        const Units total = prem + toUnits(package.stamp) + toUnits(package.tax);
        return PeriodPremium{package.prem, package.stamp, package.tax,
                             static_cast<double>(total) / kUnitsPerBaht};
    }

    std::int64_t wholeBaht;
    if (years == 0) {
        // prem × days / 365 to two decimals (in satang), then whole baht, halves up.
        const std::int64_t satang = truncHalfUp(prem * days, 365 * (kUnitsPerBaht / 100));
        wholeBaht = satang / 100 + (satang % 100 >= 50 ? 1 : 0);
    } else {
        // Two or more whole years, or a negative count: whole baht, any fraction up.
        const Units scaled = prem * years;
        wholeBaht = scaled / kUnitsPerBaht + (scaled % kUnitsPerBaht > 0 ? 1 : 0);
    }

    // Stamp duty 0.4 % in thousandths of a baht; a positive fraction goes up to the
    // next baht, a negative amount stays as it is.
    const std::int64_t stampRaw = wholeBaht * 4;
    const std::int64_t stamp = stampRaw % 1000 > 0 ? (stampRaw / 1000 + 1) * 1000 : stampRaw;
    // Tax 7 % of premium plus stamp, to two decimals, in satang.
    const std::int64_t premPlusStamp = wholeBaht * 1000 + stamp;
    const std::int64_t taxSatang = truncHalfUp(7 * premPlusStamp, 1000);
    const std::int64_t total = premPlusStamp + taxSatang * 10;

    return PeriodPremium{static_cast<double>(wholeBaht), static_cast<double>(stamp) / 1000.0,
                         static_cast<double>(taxSatang) / 100.0, static_cast<double>(total) / 1000.0};
}

double netPaid(double netprem, double prbnetprem, double fee, double motcom, double prbcom)
{
    long double sum = static_cast<long double>(netprem) + prbnetprem;
    sum += fee;
    sum -= motcom;
    sum -= prbcom;
    // The default rounding mode sends a value exactly halfway to the even whole number.
    return static_cast<double>(std::nearbyint(sum));
}

Discounts agentDiscounts(const PolicyAmounts &policy, const AgentRates &rates)
{
    Discounts result{policy.motcom, policy.prbcom, 0};
    if (!isDirectSale(policy.agent)) {
        result.motcom = rates.motcom1 > 0 ? rates.motcom1 : policy.prem * rates.motcom2 / 100;
        result.prbcom = rates.prbcom1 > 0 ? rates.prbcom1 : policy.prbprem * rates.prbcom2 / 100;
        // A fixed compulsory discount is given only when the compulsory premium is collected.
        if (policy.prbprem == 0)
            result.prbcom = 0;
    }
    result.outstanding = netPaid(policy.netprem, policy.prbnetprem, policy.fee, result.motcom, result.prbcom)
        - policy.paid;
    return result;
}

bool takesLargeEnginePremium(const QString &code, double engineSize)
{
    const QString c = code.trimmed();
    return (c == QLatin1String("110") || c == QLatin1String("120")) && engineSize > 2000;
}

QString compulsoryFlag(double prbprem)
{
    return prbprem != 0 ? QStringLiteral("1") : QStringLiteral("0");
}

QString cashAfterTyping(const QString &cash)
{
    return cash.trimmed() == QLatin1String("0") ? QStringLiteral("1") : cash;
}

} // namespace policy
