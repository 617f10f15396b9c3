#include "transfer/motorlayout.h"

namespace transfer {

const QList<Column> &motorColumns()
{
    static const QList<Column> columns = [] {
        const auto a = [](const char16_t *name, int width) { return Column::alpha(QString::fromUtf16(name), width); };
        const auto s = [](const char16_t *name) { return Column::shortInt(QString::fromUtf16(name)); };
        const auto n = [](const char16_t *name) { return Column::number(QString::fromUtf16(name)); };
        const auto d = [](const char16_t *name) { return Column::date(QString::fromUtf16(name)); };
        Column motorType = a(u"MOTORTYPE", 1);
        motorType.defaultValue = QStringLiteral("1");
        const Column province = Column::shortInt(QStringLiteral("PROVINCE"), 1);
        const Column province2 = Column::shortInt(QStringLiteral("PROVINCE2"), 1);
        return QList<Column>{
            a(u"POLNO", 8), a(u"PRBPOLNO", 8), motorType, s(u"PREFIX"),
            a(u"FNAME", 50), a(u"LNAME", 50), a(u"ADDR1", 50), a(u"ADDR2", 50),
            province, a(u"POSTCODE", 5),
            d(u"KEYDATE"), d(u"POLDATE"), d(u"RECDATE"), d(u"EFFDATE"), d(u"ENDDATE"),
            a(u"CODE", 3), a(u"POLTYP", 1), a(u"CAR_SIZE", 5), a(u"CYEAR", 4),
            a(u"BRAND", 30), a(u"MODEL", 30), a(u"REGNO", 10), s(u"SEAT"),
            n(u"CSIZE"), n(u"WEIGHT"), a(u"CHASSI", 20), a(u"MOTORNO", 20),
            n(u"PREM"), n(u"STAMP"), n(u"TAX"), n(u"NETPREM"), n(u"PREM1"), n(u"PREM2"),
            n(u"DISCOUNT"), n(u"COMMISS"),
            a(u"CASH", 1), a(u"A", 1), a(u"B", 1), a(u"C", 30), a(u"D", 30), a(u"AGENT", 4),
            n(u"PAID"), n(u"MOTCOM"), n(u"PRBCOM"), n(u"OUTSTANDING"), n(u"FEE"),
            a(u"STATUS", 1), province2,
        };
    }();
    return columns;
}

} // namespace transfer
