#include "derivedfields.h"

#include <cfenv>
#include <cmath>

#include "dm.h"
#include "engine/dialect.h"
#include "engine/numberformat.h"

namespace data {

namespace {

QString text(engine::Dataset &d, const char *field)
{
    return d.fieldByLiteral(field)->asString();
}

// Fixed-width texts are joined without their trailing blanks, whichever server padded them.
QString trimmed(engine::Dataset &d, const char *field)
{
    return engine::trimFixedText(text(d, field));
}

double amount(engine::Dataset &d, const char *field)
{
    return d.fieldByLiteral(field)->asFloat();
}

void set(engine::Dataset &d, const char *field, const QVariant &value)
{
    d.fieldByLiteral(field)->setValue(value);
}

const QString blank = QStringLiteral(" ");

// The compulsory policy counts only when its form is held by the insurer's own
// agent "0001"; then PrbT is positioned on it. Returns whether it was found.
bool locateOwnCompulsory(TDm &dm, engine::Dataset &row)
{
    if (text(row, "agent22") != QLatin1String("0001"))
        return false;
    const QVariant prbpolno = row.value(QStringLiteral("PRBPOLNO"));
    return !prbpolno.isNull() && dm.PrbT->isActive() && dm.PrbT->locate(QStringLiteral("POLNO"), prbpolno);
}

} // namespace

double roundedNetpaid(double netprem, double prbnetprem, double fee, double motcom, double prbcom)
{
    const long double sum = ((((long double)netprem + prbnetprem) + fee) - motcom) - prbcom;
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const long double rounded = std::nearbyintl(sum);
    std::fesetround(mode);
    return double(rounded);
}

QVariant engineText(const QString &code, double csize, double weight)
{
    if (code == QLatin1String("110") || code == QLatin1String("120"))
        return engine::NumberFormat::general(csize) + QStringLiteral(" C.C.");
    if (code == QLatin1String("210"))
        return QString();
    if (code == QLatin1String("320"))
        return engine::NumberFormat::general(std::trunc(weight / 1000)) + QStringLiteral(" Tonage");
    return {};
}

QString firstNameWithBlank(const QString &agentName)
{
    const qsizetype space = agentName.indexOf(QLatin1Char(' '));
    return space < 0 ? QString() : agentName.left(space + 1);
}

QString invoiceNumber(const QDate &keyDate, const QString &agent)
{
    if (!keyDate.isValid())
        return agent;
    int year = 0, month = 0, day = 0;
    keyDate.getDate(&year, &month, &day);
    const char16_t digits[6] = {char16_t(u'0' + year % 100 / 10), char16_t(u'0' + year % 10),
                                char16_t(u'0' + month / 10),      char16_t(u'0' + month % 10),
                                char16_t(u'0' + day / 10),        char16_t(u'0' + day % 10)};
    return QString(reinterpret_cast<const QChar *>(digits), 6) + agent;
}

void calcMotorQ(TDm &dm, engine::Dataset &row)
{
    const QString prefix2 = text(row, "prefix2");
    const QString province12 = text(row, "province12");
    const QString fname = text(row, "FNAME"), lname = text(row, "LNAME");
    const QString postcode = text(row, "POSTCODE");
    const QString agent = trimmed(row, "AGENT");

    set(row, "name", prefix2 + blank + fname + blank + lname);
    set(row, "name2", fname + blank + lname);
    set(row, "addr", text(row, "ADDR1") + blank + text(row, "ADDR2") + blank + province12 + blank + postcode);
    set(row, "province13", province12 + blank + postcode);
    set(row, "Brand_Model", text(row, "BRAND") + blank + text(row, "MODEL"));
    set(row, "seat2", QString::number(row.fieldByLiteral("SEAT")->asInteger()) + QStringLiteral(" Seats"));
    set(row, "agent2", QStringLiteral("(") + agent + QStringLiteral(")"));
    set(row, "agentname2", firstNameWithBlank(trimmed(row, "agentname")));

    const QVariant csize2 = engineText(trimmed(row, "CODE"), amount(row, "CSIZE"), amount(row, "WEIGHT"));
    if (!csize2.isNull())
        set(row, "csize2", csize2);

    const QString cash = trimmed(row, "CASH");
    const double paid = amount(row, "PAID");
    if (cash == QLatin1String("0")) {
        set(row, "cash2", QStringLiteral("เครดิต"));
        set(row, "pcash", 0.0);
        set(row, "pvisa", 0.0);
    } else if (cash == QLatin1String("1")) {
        set(row, "cash2", QStringLiteral("เงินสด"));
        set(row, "pcash", paid);
        set(row, "pvisa", 0.0);
    } else if (cash == QLatin1String("2")) {
        set(row, "cash2", QStringLiteral("Visa"));
        set(row, "pcash", 0.0);
        set(row, "pvisa", paid);
    }

    set(row, "INVNO", invoiceNumber(row.fieldByLiteral("KEYDATE")->asDate(), agent));

    if (amount(row, "OUTSTANDING") > 0) {
        set(row, "paytyp", QStringLiteral("เครดิต"));
        set(row, "paytyp2", QStringLiteral("ค้าง"));
    } else {
        set(row, "paytyp", QStringLiteral("เงินสด"));
        set(row, "paytyp2", QStringLiteral("สด"));
    }

    if (text(row, "agent22") != QLatin1String("0001")) {
        set(row, "prbprem", 0.0);
        set(row, "prbnetprem", 0.0);
        set(row, "prbstamp", 0.0);
        set(row, "prbpolno2", QString());
    } else if (locateOwnCompulsory(dm, row)) {
        set(row, "prbprem", dm.PrbT->value(QStringLiteral("PREM")));
        set(row, "prbnetprem", dm.PrbT->value(QStringLiteral("NETPREM")));
        set(row, "prbstamp", dm.PrbT->value(QStringLiteral("STAMP")));
        set(row, "prbpolno2", dm.PrbT->value(QStringLiteral("POLNO")));
        set(row, "prbeffdate", dm.PrbT->value(QStringLiteral("EFFDATE")));
    }

    const double netprem = amount(row, "NETPREM");
    const double prbnetprem = amount(row, "prbnetprem");
    const double motcom = amount(row, "MOTCOM"), prbcom = amount(row, "PRBCOM");
    set(row, "NET", netprem + prbnetprem);
    set(row, "totalprem", netprem + prbnetprem);
    set(row, "mottotal", netprem - motcom);
    set(row, "prbtotal", prbnetprem - prbcom);
    set(row, "netpaid", roundedNetpaid(netprem, prbnetprem, amount(row, "FEE"), motcom, prbcom));
    set(row, "totalcom", motcom + prbcom);

    // Payment details: PayT is restricted to this policy's payments (an indexed
    // read of PAY by POLNO) and keeps that filter afterwards.
    engine::TableDataset &pay = *dm.PayT;
    if (!pay.isActive())
        return;
    const QString filter = QStringLiteral("Polno=") + trimmed(row, "POLNO");
    pay.setFiltered(true);
    if (pay.filter() != filter)
        pay.setFilter(filter);
    else
        pay.first();
    QString detail;
    for (; !pay.eof(); pay.next())
        detail = QStringLiteral("[") + trimmed(pay, "PTYPE") + QStringLiteral("-")
            + engine::NumberFormat::money(amount(pay, "AMOUNT2")) + QStringLiteral("]  ") + trimmed(pay, "DOCNO")
            + QStringLiteral("  ") + trimmed(pay, "PAYDETAIL") + QStringLiteral("  ") + detail;
    if (!detail.isEmpty())
        set(row, "detail", detail);
}

void calcMotorT(TDm &dm, engine::Dataset &row)
{
    if (text(row, "agent22") != QLatin1String("0001")) {
        set(row, "prbprem", 0.0);
        set(row, "prbnetprem", 0.0);
    } else if (locateOwnCompulsory(dm, row)) {
        set(row, "prbprem", dm.PrbT->value(QStringLiteral("PREM")));
        set(row, "prbnetprem", dm.PrbT->value(QStringLiteral("NETPREM")));
    }
    set(row, "netpaid", roundedNetpaid(amount(row, "NETPREM"), amount(row, "prbnetprem"), amount(row, "FEE"),
                                       amount(row, "MOTCOM"), amount(row, "PRBCOM")));
    set(row, "Status2", trimmed(row, "STATUS") == QLatin1String("C") ? QStringLiteral("กรมธรรม์ยกเลิก") : QString());
}

void calcPolMotorStatus(engine::Dataset &row)
{
    const QString status = trimmed(row, "STATUS");
    set(row, "status2", status == QLatin1String("0")   ? QStringLiteral("ยังไม่ใช้")
                        : status == QLatin1String("1") ? QStringLiteral("ใช้แล้ว")
                                                       : QString());
}

void calcRecAllQ3(engine::Dataset &row)
{
    set(row, "Netpaid", amount(row, "OUTSTANDING") + amount(row, "PAID"));
    set(row, "name", text(row, "prefix2") + blank + text(row, "FNAME") + blank + text(row, "LNAME"));
}

} // namespace data
