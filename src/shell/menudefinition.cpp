#include "menudefinition.h"

#include "edition/edition.h"

namespace shell {

namespace {

MenuItemDef item(const char *name, const char16_t *caption, bool image = false)
{
    return {QString::fromLatin1(name), QString::fromUtf16(caption), std::nullopt, {}, image};
}

MenuItemDef report(const char *name, const char16_t *caption, const char *code, const char16_t *title = u"")
{
    return {QString::fromLatin1(name), QString::fromUtf16(caption), QString::fromLatin1(code), QString::fromUtf16(title),
            false};
}

MenuItemDef titled(const char *name, const char16_t *caption, const char16_t *title)
{
    return {QString::fromLatin1(name), QString::fromUtf16(caption), std::nullopt, QString::fromUtf16(title), false};
}

MenuItemDef separator()
{
    return {};
}

} // namespace

QList<MenuDef> mainMenu()
{
    const bool full = edition::isFull();
    QList<MenuDef> menus;

    MenuDef policy{QStringLiteral("N1"), QStringLiteral("กรมธรรม์ ปภ.3"), false, {}, std::nullopt, {}};
    policy.items << item("N12", u"ซื้อกรมธรรม์", true);
    if (full)
        policy.items << item("N6", u"ซื้อกรมธรรม์ (เบี้ยเก่า)", true);
    policy.items << item("N13", u"แก้ไขกรมธรรม์", true);
    if (full)
        policy.items << item("N34", u"แก้ไขกรมธรรม์(เบี้ยเก่า)", true);
    policy.items << item("N14", u"ยกเลิกกรมธรรม์", true) << separator() << item("AGENT1", u"ข้อมูล AGENT")
                 << separator() << item("lock1", u"ยกเลิกการ lock กรมธรรม์")
                 << item("N22", u"ยกเลิกเลขกรมธรรม์ (ไม่ใช้)") << separator() << item("N21", u"เพิ่มรุ่นรถ");
    menus << policy;

    menus << MenuDef{QStringLiteral("GenerateSticker1"),
                     QStringLiteral("เลขกรมธรรม์   "),
                     false,
                     {item("N10", u"สร้างเลขกรมธรรม์", true), item("N11", u"ลบเลขกรมธรรม์", true)},
                     std::nullopt,
                     {}};

    menus << MenuDef{QStringLiteral("N2"), QStringLiteral("สืบค้นข้อมูล"), true, {}, std::nullopt, {}};

    MenuDef reports{QStringLiteral("N3"), QStringLiteral("พิมพ์รายงาน"), true, {}, std::nullopt, {}};
    reports.items << report("N5", u"รายงานประจำวัน", "1", u"รายงานประจำวัน")
                  << report("N7", u"รายงานสรุป", "2", u"รายงานสรุป") << separator()
                  << report("N18", u"พิมพ์ตารางกรมธรรม์", "1") << report("N25", u"พิมพ์ STICKER", "2") << separator();
    if (!full)
        reports.items << report("N6", u"ทะเบียนกรมธรรม์", "3", u"รายงานทะเบียนกรมธรรม์");
    reports.items << report("N4", u"เลขกรมธรรม์ที่เบิก", "1", u"เลขเครื่องหมายที่เบิก")
                  << report("N24", u"เลขกรมธรรม์ที่ถูกยกเลิก", "3", u"เลขกรมธรรม์ที่ถูกยกเลิก")
                  << report("N17", u"เลขกรมธรรม์ที่ยังไม่ใช้", "2", u"เลขเครื่องหมายที่ยังไม่ใช้")
                  << report("Stock1", u"Stock เลขเลขกรมธรรม์", "3", u"Stock เลขเครื่องหมาย") << separator()
                  << item("N8", u"ใบเตือนต่ออายุ");
    menus << reports;

    if (full) {
        menus << MenuDef{QStringLiteral("Campaign1"),
                         QStringLiteral("Campaign"),
                         true,
                         {report("N26", u"รายงานยอดขายประจำวัน", "4", u"รายงานยอดขายประจำวัน"),
                          report("N27", u"รายงานยอดขายเงินสด", "5", u"รายงานยอดขายเงินสด"),
                          report("N28", u"รายงานยอดขายเครดิต", "6", u"รายงานยอดขายเครดิต"),
                          report("N32", u"รายงานทะเบียนกรมธรรม์", "3", u"รายงานทะเบียนกรมธรรม์"),
                          report("N29", u"รายงานยอดขาย พรบ.", "7", u"รายงานยอดขาย พรบ."), separator(),
                          titled("iygbo1", u"ใบวางบิลกรมธรรม์/รับเงิน", u"ใบวางบิลกรมธรรม์/รับเงิน")},
                         std::nullopt,
                         {}};
        menus << MenuDef{QStringLiteral("N37"),
                         QStringLiteral("การรับชำระเงิน"),
                         false,
                         {item("N38", u"การตัดชำระเงิน"), item("N40", u"การตรวจสอบการชำระ"), separator(),
                          report("N35", u"รายงานกรมธรรม์ค้างชำระ", "1"), report("N36", u"รายงานกรมธรรม์รับชำระแล้ว", "2")},
                         std::nullopt,
                         {}};
    }

    menus << MenuDef{QStringLiteral("N15"), QStringLiteral("ส่ง"), true, {}, QStringLiteral("8"),
                     QStringLiteral("ส่งข้อมูล->บ.ควาลฯ.")};

    menus << MenuDef{QStringLiteral("ExportData1"),
                     QStringLiteral("รับส่งข้อมูล"),
                     false,
                     {item("A1", u"รับข้อมูลจาก A:"), report("N33", u"ส่งข้อมูลลง A:", "9", u"Export ข้อมูล->Disk A:"),
                      item("Disk1", u"ระบุ Disk")},
                     std::nullopt,
                     {}};
    return menus;
}

} // namespace shell
