#include "installdata.h"

#include <QDate>

namespace data::installdata {

namespace {

QVariantMap row(std::initializer_list<std::pair<const char *, QVariant>> values)
{
    QVariantMap m;
    for (const auto &[k, v] : values)
        m.insert(QString::fromLatin1(k), v);
    return m;
}

const char16_t *const kProvinces[] = {
    u"กรุงเทพมหานคร", u"กระบี่", u"กาญจนบุรี", u"กาฬสินธุ์", u"กำแพงเพชร", u"ขอนแก่น", u"จันทบุรี", u"ฉะเชิงเทรา",
    u"ชลบุรี", u"ชัยนาท", u"ชัยภูมิ", u"ชุมพร", u"เชียงราย", u"เชียงใหม่", u"ตรัง", u"ตราด", u"ตาก", u"นครนายก",
    u"นครปฐม", u"นครพนม", u"นครราชสีมา", u"นครศรีธรรมราช", u"นครสวรรค์", u"นนทบุรี", u"นราธิวาส", u"น่าน",
    u"บึงกาฬ", u"บุรีรัมย์", u"ปทุมธานี", u"ประจวบคีรีขันธ์", u"ปราจีนบุรี", u"ปัตตานี", u"พระนครศรีอยุธยา", u"พะเยา",
    u"พังงา", u"พัทลุง", u"พิจิตร", u"พิษณุโลก", u"เพชรบุรี", u"เพชรบูรณ์", u"แพร่", u"ภูเก็ต", u"มหาสารคาม",
    u"มุกดาหาร", u"แม่ฮ่องสอน", u"ยโสธร", u"ยะลา", u"ร้อยเอ็ด", u"ระนอง", u"ระยอง", u"ราชบุรี", u"ลพบุรี", u"ลำปาง",
    u"ลำพูน", u"เลย", u"ศรีสะเกษ", u"สกลนคร", u"สงขลา", u"สตูล", u"สมุทรปราการ", u"สมุทรสงคราม", u"สมุทรสาคร",
    u"สระแก้ว", u"สระบุรี", u"สิงห์บุรี", u"สุโขทัย", u"สุพรรณบุรี", u"สุราษฎร์ธานี", u"สุรินทร์", u"หนองคาย",
    u"หนองบัวลำภู", u"อ่างทอง", u"อำนาจเจริญ", u"อุดรธานี", u"อุตรดิตถ์", u"อุทัยธานี", u"อุบลราชธานี"};

const char16_t *const kPrefixes[] = {u"นาย", u"นาง", u"นางสาว", u"ด.ช.", u"ด.ญ.", u"บริษัท", u"ห้างหุ้นส่วนจำกัด",
                                     u"ร้าน", u"ดร.", u"พ.ต.อ.", u"ร.ต.อ.", u"พระ"};

struct Package {
    const char *code;
    double prem, stamp, tax;
    const char16_t *body, *describ, *carUse;
    double prem1, prem2, discount, commiss, prem3;
};

QList<QVariantMap> packages(double scale)
{
    // One-year amounts: stamp duty 0.4 % rounded up to a whole baht, tax 7 % of
    // premium and stamp. The previous scale is the same packages at a lower premium.
    static const Package list[] = {
        {"110", 1000, 4, 70.28, u"เก๋ง", u"รถยนต์นั่งส่วนบุคคล ไม่เกิน 7 ที่นั่ง", u"ใช้ส่วนบุคคล ไม่ใช้รับจ้างหรือให้เช่า",
         650, 350, 0, 180, 820},
        {"120", 1200, 5, 84.35, u"รถโดยสาร", u"รถยนต์นั่งส่วนบุคคล เกิน 7 ที่นั่ง", u"ใช้ส่วนบุคคล ไม่ใช้รับจ้างหรือให้เช่า",
         780, 420, 0, 216, 980},
        {"210", 1400, 6, 98.42, u"รถยนต์โดยสาร", u"รถยนต์โดยสาร ใช้เพื่อการพาณิชย์", u"ใช้เพื่อการพาณิชย์", 900, 500,
         0, 252, 0},
        {"320", 1800, 8, 126.56, u"รถบรรทุก", u"รถยนต์บรรทุก ใช้เพื่อการพาณิชย์", u"ใช้บรรทุกสินค้าเพื่อการพาณิชย์", 1150,
         650, 0, 324, 0},
    };
    QList<QVariantMap> rows;
    for (const Package &p : list) {
        const double prem = p.prem * scale;
        const double stamp = std::ceil(prem * 0.004);
        const double tax = std::trunc((prem + stamp) * 7.0 + 0.5) / 100.0;
        rows << row({{"CODE", QString::fromLatin1(p.code)},
                     {"PREM", prem},
                     {"STAMP", stamp},
                     {"TAX", tax},
                     {"NETPREM", prem + stamp + tax},
                     {"BODY", QString::fromUtf16(p.body)},
                     {"DESCRIB", QString::fromUtf16(p.describ)},
                     {"CAR_USE", QString::fromUtf16(p.carUse)},
                     {"PREM1", p.prem1 * scale},
                     {"PREM2", p.prem2 * scale},
                     {"DISCOUNT", p.discount},
                     {"COMMISS", p.commiss * scale},
                     {"PREM3", p.prem3 * scale}});
    }
    return rows;
}

struct Model {
    const char *brand;
    std::initializer_list<const char *> models;
};

} // namespace

QList<TableRows> codeTables()
{
    QList<TableRows> out;
    TableRows province{QStringLiteral("PROVINCE"), {}};
    int code = 1;
    for (const char16_t *name : kProvinces)
        province.rows << row({{"CODE", code++}, {"NAME", QString::fromUtf16(name)}});
    out << province;

    TableRows prefix{QStringLiteral("PREFIX"), {}};
    code = 1;
    for (const char16_t *name : kPrefixes)
        prefix.rows << row({{"CODE", code++}, {"NAME", QString::fromUtf16(name)}});
    out << prefix;

    out << TableRows{QStringLiteral("PACKET"), packages(1.0)};
    out << TableRows{QStringLiteral("PACKET_OLD"), packages(0.9)};

    TableRows paytype{QStringLiteral("PAYTYPE"), {}};
    for (const char16_t *name : {u"เงินสด", u"เช็ค", u"เงินโอน", u"บัตรเครดิต"})
        paytype.rows << row({{"NAME", QString::fromUtf16(name)}});
    out << paytype;

    TableRows branch{QStringLiteral("BRANCH"), {}};
    const std::pair<const char *, const char16_t *> branches[] = {
        {"0001", u"สำนักงานใหญ่"}, {"0101", u"สาขาเชียงใหม่"}, {"0201", u"สาขาขอนแก่น"}, {"0301", u"สาขาหาดใหญ่"},
        {"0401", u"สาขาชลบุรี"}};
    for (const auto &[b, s] : branches)
        branch.rows << row({{"BRANCH", QString::fromLatin1(b)}, {"SUBJECT", QString::fromUtf16(s)}});
    out << branch;

    TableRows models{QStringLiteral("CAR_MODEL"), {}};
    const Model list[] = {
        {"TOYOTA", {"VIOS", "YARIS", "ALTIS", "CAMRY", "HILUX VIGO", "FORTUNER", "AVANZA"}},
        {"HONDA", {"CITY", "JAZZ", "CIVIC", "ACCORD", "CR-V"}},
        {"NISSAN", {"MARCH", "ALMERA", "TIIDA", "FRONTIER NAVARA"}},
        {"ISUZU", {"D-MAX", "MU-7"}},
        {"MITSUBISHI", {"LANCER", "TRITON", "PAJERO SPORT"}},
        {"MAZDA", {"MAZDA2", "MAZDA3", "BT-50"}},
        {"FORD", {"RANGER", "FOCUS"}},
        {"HINO", {"DOMINATOR", "MEGA"}},
    };
    for (const Model &m : list)
        for (const char *name : m.models)
            models.rows << row({{"BRAND", QString::fromLatin1(m.brand)}, {"MODEL", QString::fromLatin1(name)}});
    out << models;
    return out;
}

QList<TableRows> demoTables(const QDate &today)
{
    QList<TableRows> out;
    TableRows agent{QStringLiteral("AGENT"), {}};
    agent.rows << row({{"AGENT", QStringLiteral("0001")}, {"FNAME", QStringLiteral("ขายตรง บริษัท")},
                       {"MOTCOM1", 0}, {"MOTCOM2", 0}, {"PRBCOM1", 0}, {"PRBCOM2", 0}});
    agent.rows << row({{"AGENT", QStringLiteral("1001")}, {"FNAME", QStringLiteral("สมชาย ใจดี")},
                       {"MOTCOM1", 100}, {"MOTCOM2", 0}, {"PRBCOM1", 50}, {"PRBCOM2", 0}});
    agent.rows << row({{"AGENT", QStringLiteral("1002")}, {"FNAME", QStringLiteral("สมหญิง รักษ์ดี")},
                       {"MOTCOM1", 0}, {"MOTCOM2", 10}, {"PRBCOM1", 0}, {"PRBCOM2", 12}});
    agent.rows << row({{"AGENT", QStringLiteral("1003")}, {"FNAME", QStringLiteral("ประยุทธ ศรีสุข")},
                       {"MOTCOM1", 0}, {"MOTCOM2", 0}, {"PRBCOM1", 0}, {"PRBCOM2", 0}});
    out << agent;

    // Compulsory policies: private cars, a van and a truck, half of the forms held
    // by the company's own direct sale "0001".
    TableRows prb{QStringLiteral("PRB"), {}};
    TableRows sticker{QStringLiteral("STICKER"), {}};
    const QDate start = today.addDays(-2);
    struct Car {
        const char *brand;
        const char16_t *fname, *lname;
        const char *code;
        int seat;
        double csize, weight, prem;
    };
    const Car cars[] = {
        {"TOYOTA", u"สมศักดิ์", u"มั่นคง", "1.10", 7, 1500, 1100, 600},
        {"HONDA", u"วิไลวรรณ", u"สุขใจ", "1.10", 5, 1800, 1200, 600},
        {"TOYOTA", u"ธนากร", u"พูลผล", "1.10", 5, 2400, 1500, 600},
        {"NISSAN", u"มาลี", u"ทองดี", "1.20A", 12, 2500, 2200, 1100},
        {"ISUZU", u"บุญมี", u"ขยันยิ่ง", "1.40A", 3, 3000, 3500, 900},
        {"HINO", u"ขนส่ง", u"รวดเร็ว", "1.40B", 3, 6000, 9000, 1220},
    };
    int n = 0;
    for (const Car &c : cars) {
        const QString polno = QStringLiteral("P%1").arg(5000001 + n, 7, 10, QLatin1Char('0'));
        const QString stickno = QStringLiteral("S%1").arg(5000001 + n, 10, 10, QLatin1Char('0'));
        const double stamp = std::ceil(c.prem * 0.004);
        const double tax = std::trunc((c.prem + stamp) * 7.0 + 0.5) / 100.0;
        prb.rows << row({{"POLNO", polno},
                         {"STICKNO", stickno},
                         {"PRBTYPE", QStringLiteral("1")},
                         {"PREFIX", 1 + n % 3},
                         {"FNAME", QString::fromUtf16(c.fname)},
                         {"LNAME", QString::fromUtf16(c.lname)},
                         {"ADDR1", QStringLiteral("%1 ถนนสุขุมวิท").arg(10 + n)},
                         {"ADDR2", QStringLiteral("แขวงคลองเตย เขตคลองเตย")},
                         {"PROVINCE", 1},
                         {"POSTCODE", QStringLiteral("10110")},
                         {"KEYDATE", start},
                         {"POLDATE", start},
                         {"RECDATE", start.addDays(-30)},
                         {"EFFDATE", start},
                         {"ENDDATE", start.addYears(1)},
                         {"CODE", QString::fromLatin1(c.code)},
                         {"BRAND", QString::fromLatin1(c.brand)},
                         {"REGNO", QStringLiteral("%1กข %2").arg(1 + n).arg(1234 + n * 111)},
                         {"PROVINCE2", 1},
                         {"SEAT", c.seat},
                         {"CSIZE", c.csize},
                         {"WEIGHT", c.weight},
                         {"CHASSI", QStringLiteral("CH%1").arg(880001 + n)},
                         {"MOTORNO", QStringLiteral("EN%1").arg(770001 + n)},
                         {"PREM", c.prem},
                         {"STAMP", stamp},
                         {"TAX", tax},
                         {"NETPREM", c.prem + stamp + tax}});
        sticker.rows << row({{"POLNO", polno},
                             {"STICKNO", stickno},
                             {"RECDATE", start.addDays(-30)},
                             {"STATUS", QStringLiteral("1")},
                             {"AGENT", n % 2 == 0 ? QStringLiteral("0001") : QStringLiteral("1001")}});
        ++n;
    }
    out << prb << sticker;

    // One received range of twenty policy numbers.
    TableRows stock{QStringLiteral("POLMOTOR"), {}};
    const int first = 50000001, count = 20;
    for (int i = 0; i < count; ++i)
        stock.rows << row({{"POLNO", QString::number(first + i)}, {"RECDATE", today.addDays(-7)}});
    out << stock;
    out << TableRows{QStringLiteral("STICKER2"),
                     {row({{"POLTYP", QStringLiteral("2")},
                           {"POLNO", QString::number(first)},
                           {"POLNO2", QString::number(first + count - 1)},
                           {"RECDATE", today.addDays(-7)},
                           {"STICKCOUNT", count}})}};
    return out;
}

} // namespace data::installdata
