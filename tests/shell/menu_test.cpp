// Both editions' main menus as the counter staff see them: menus in order, items
// with their captions (trailing blanks included), separators and images; and what
// choosing an entry does: the report code stored, the window's title, the window
// shown modally and destroyed.
#include <QDialog>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include "edition/edition.h"
#include "platform/error.h"
#include "platform/aliasregistry.h"
#include "recording_messages.h"
#include "shell/tmain.h"
#include "temp_stores.h"

namespace {

// One line per menu-bar entry or item: "menu N1 caption", "item N12 caption *"
// (the star marks an image), "command N2 caption *", "-" for a separator.
QStringList describe(TMain &main)
{
    QStringList lines;
    for (QAction *top : main.menuBar()->actions()) {
        const QString star = top->property("menuImage").isValid() ? QStringLiteral(" *") : QString();
        if (!top->menu()) {
            lines << QStringLiteral("command %1 %2%3").arg(top->objectName(), top->text(), star);
            continue;
        }
        lines << QStringLiteral("menu %1 %2%3").arg(top->menu()->objectName(), top->text(), star);
        for (QAction *a : top->menu()->actions()) {
            if (a->isSeparator())
                lines << QStringLiteral("-");
            else
                lines << QStringLiteral("item %1 %2%3").arg(a->objectName(), a->text(), a->icon().isNull() ? QString() : QStringLiteral(" *"));
        }
    }
    return lines;
}

const QStringList kFullMenu{
    QStringLiteral("menu N1 กรมธรรม์ ปภ.3"),
    QStringLiteral("item N12 ซื้อกรมธรรม์ *"),
    QStringLiteral("item N6 ซื้อกรมธรรม์ (เบี้ยเก่า) *"),
    QStringLiteral("item N13 แก้ไขกรมธรรม์ *"),
    QStringLiteral("item N34 แก้ไขกรมธรรม์(เบี้ยเก่า) *"),
    QStringLiteral("item N14 ยกเลิกกรมธรรม์ *"),
    QStringLiteral("-"),
    QStringLiteral("item AGENT1 ข้อมูล AGENT"),
    QStringLiteral("-"),
    QStringLiteral("item lock1 ยกเลิกการ lock กรมธรรม์"),
    QStringLiteral("item N22 ยกเลิกเลขกรมธรรม์ (ไม่ใช้)"),
    QStringLiteral("-"),
    QStringLiteral("item N21 เพิ่มรุ่นรถ"),
    QStringLiteral("menu GenerateSticker1 เลขกรมธรรม์   "),
    QStringLiteral("item N10 สร้างเลขกรมธรรม์ *"),
    QStringLiteral("item N11 ลบเลขกรมธรรม์ *"),
    QStringLiteral("command N2 สืบค้นข้อมูล *"),
    QStringLiteral("menu N3 พิมพ์รายงาน *"),
    QStringLiteral("item N5 รายงานประจำวัน"),
    QStringLiteral("item N7 รายงานสรุป"),
    QStringLiteral("-"),
    QStringLiteral("item N18 พิมพ์ตารางกรมธรรม์"),
    QStringLiteral("item N25 พิมพ์ STICKER"),
    QStringLiteral("-"),
    QStringLiteral("item N4 เลขกรมธรรม์ที่เบิก"),
    QStringLiteral("item N24 เลขกรมธรรม์ที่ถูกยกเลิก"),
    QStringLiteral("item N17 เลขกรมธรรม์ที่ยังไม่ใช้"),
    QStringLiteral("item Stock1 Stock เลขเลขกรมธรรม์"),
    QStringLiteral("-"),
    QStringLiteral("item N8 ใบเตือนต่ออายุ"),
    QStringLiteral("menu Campaign1 Campaign *"),
    QStringLiteral("item N26 รายงานยอดขายประจำวัน"),
    QStringLiteral("item N27 รายงานยอดขายเงินสด"),
    QStringLiteral("item N28 รายงานยอดขายเครดิต"),
    QStringLiteral("item N32 รายงานทะเบียนกรมธรรม์"),
    QStringLiteral("item N29 รายงานยอดขาย พรบ."),
    QStringLiteral("-"),
    QStringLiteral("item iygbo1 ใบวางบิลกรมธรรม์/รับเงิน"),
    QStringLiteral("menu N37 การรับชำระเงิน"),
    QStringLiteral("item N38 การตัดชำระเงิน"),
    QStringLiteral("item N40 การตรวจสอบการชำระ"),
    QStringLiteral("-"),
    QStringLiteral("item N35 รายงานกรมธรรม์ค้างชำระ"),
    QStringLiteral("item N36 รายงานกรมธรรม์รับชำระแล้ว"),
    QStringLiteral("command N15 ส่ง *"),
    QStringLiteral("menu ExportData1 รับส่งข้อมูล"),
    QStringLiteral("item A1 รับข้อมูลจาก A:"),
    QStringLiteral("item N33 ส่งข้อมูลลง A:"),
    QStringLiteral("item Disk1 ระบุ Disk"),
};

const QStringList kBasicMenu{
    QStringLiteral("menu N1 กรมธรรม์ ปภ.3"),
    QStringLiteral("item N12 ซื้อกรมธรรม์ *"),
    QStringLiteral("item N13 แก้ไขกรมธรรม์ *"),
    QStringLiteral("item N14 ยกเลิกกรมธรรม์ *"),
    QStringLiteral("-"),
    QStringLiteral("item AGENT1 ข้อมูล AGENT"),
    QStringLiteral("-"),
    QStringLiteral("item lock1 ยกเลิกการ lock กรมธรรม์"),
    QStringLiteral("item N22 ยกเลิกเลขกรมธรรม์ (ไม่ใช้)"),
    QStringLiteral("-"),
    QStringLiteral("item N21 เพิ่มรุ่นรถ"),
    QStringLiteral("menu GenerateSticker1 เลขกรมธรรม์   "),
    QStringLiteral("item N10 สร้างเลขกรมธรรม์ *"),
    QStringLiteral("item N11 ลบเลขกรมธรรม์ *"),
    QStringLiteral("command N2 สืบค้นข้อมูล *"),
    QStringLiteral("menu N3 พิมพ์รายงาน *"),
    QStringLiteral("item N5 รายงานประจำวัน"),
    QStringLiteral("item N7 รายงานสรุป"),
    QStringLiteral("-"),
    QStringLiteral("item N18 พิมพ์ตารางกรมธรรม์"),
    QStringLiteral("item N25 พิมพ์ STICKER"),
    QStringLiteral("-"),
    QStringLiteral("item N6 ทะเบียนกรมธรรม์"),
    QStringLiteral("item N4 เลขกรมธรรม์ที่เบิก"),
    QStringLiteral("item N24 เลขกรมธรรม์ที่ถูกยกเลิก"),
    QStringLiteral("item N17 เลขกรมธรรม์ที่ยังไม่ใช้"),
    QStringLiteral("item Stock1 Stock เลขเลขกรมธรรม์"),
    QStringLiteral("-"),
    QStringLiteral("item N8 ใบเตือนต่ออายุ"),
    QStringLiteral("command N15 ส่ง *"),
    QStringLiteral("menu ExportData1 รับส่งข้อมูล"),
    QStringLiteral("item A1 รับข้อมูลจาก A:"),
    QStringLiteral("item N33 ส่งข้อมูลลง A:"),
    QStringLiteral("item Disk1 ระบุ Disk"),
};

class EditionScope
{
public:
    explicit EditionScope(edition::Edition e) { edition::set(e); }
    ~EditionScope() { edition::set(edition::Edition::Full); }
};

TEST(MainMenu, BothEditionsShowTheirMenusTitlesAndSize)
{
    struct Case {
        edition::Edition edition;
        const QStringList *menu;
        QString title;
    };
    const Case cases[] = {
        {edition::Edition::Full, &kFullMenu, QStringLiteral("บริษัท ควาลประกันภัย จำกัด  แก้ไขเมื่อ 27/05/50")},
        {edition::Edition::Basic, &kBasicMenu, QStringLiteral("บริษัท ควาลประกันภัย จำกัด  แก้ไขเมื่อ 18/02/52")},
    };
    for (const Case &c : cases) {
        EditionScope scope(c.edition);
        TempStores stores;
        RecordingMessages messages;
        platform::AliasRegistry aliases;
        TMain main(aliases);
        EXPECT_EQ(describe(main), *c.menu);
        EXPECT_EQ(main.windowTitle(), c.title);
        EXPECT_TRUE(main.isMaximized());
        EXPECT_EQ(main.normalGeometry().size(), QSize(800, 570));
        EXPECT_TRUE(messages.shown().isEmpty()) << messages.last().toStdString();
    }
}

struct Opened {
    QString title;
    QString reportCode;
    bool modal = false;
};

// Runs a menu entry whose command shows a plain dialog and records how it was shown.
Opened choose(TMain &main, const QString &entry, QPointer<QDialog> *made = nullptr)
{
    Opened seen;
    main.setCommand(entry, {[&](QWidget *parent) {
                                auto *d = new QDialog(parent);
                                d->setWindowTitle(QStringLiteral("own title"));
                                if (made)
                                    *made = d;
                                QTimer::singleShot(0, d, [&, d] {
                                    seen.title = d->windowTitle();
                                    seen.reportCode = main.ReportCode;
                                    seen.modal = d->isModal() && d->isVisible();
                                    d->reject();
                                });
                                return d;
                            },
                            {}, {}, false});
    main.runCommand(entry);
    return seen;
}

TEST(MainMenu, CommandsStoreTheirCodeAndTitleTheirWindow)
{
    TempStores stores;
    RecordingMessages messages;
    platform::AliasRegistry aliases;
    TMain main(aliases);
    struct Case {
        const char *entry;
        const char *code;       // "" where the entry leaves ReportCode unchanged
        QString title;
    };
    const Case cases[] = {
        {"N5", "1", QStringLiteral("รายงานประจำวัน")},
        {"N7", "2", QStringLiteral("รายงานสรุป")},
        {"N18", "1", QStringLiteral("own title")},
        {"N25", "2", QStringLiteral("own title")},
        {"N4", "1", QStringLiteral("เลขเครื่องหมายที่เบิก")},
        {"N24", "3", QStringLiteral("เลขกรมธรรม์ที่ถูกยกเลิก")},
        {"N17", "2", QStringLiteral("เลขเครื่องหมายที่ยังไม่ใช้")},
        {"Stock1", "3", QStringLiteral("Stock เลขเครื่องหมาย")},
        {"N8", "", QStringLiteral("own title")},
        {"N26", "4", QStringLiteral("รายงานยอดขายประจำวัน")},
        {"N27", "5", QStringLiteral("รายงานยอดขายเงินสด")},
        {"N28", "6", QStringLiteral("รายงานยอดขายเครดิต")},
        {"N32", "3", QStringLiteral("รายงานทะเบียนกรมธรรม์")},
        {"N29", "7", QStringLiteral("รายงานยอดขาย พรบ.")},
        {"iygbo1", "", QStringLiteral("ใบวางบิลกรมธรรม์/รับเงิน")},
        {"N35", "1", QStringLiteral("own title")},
        {"N36", "2", QStringLiteral("own title")},
        {"N15", "8", QStringLiteral("ส่งข้อมูล->บ.ควาลฯ.")},
        {"N33", "9", QStringLiteral("Export ข้อมูล->Disk A:")},
        {"A1", "", QStringLiteral("own title")},
    };
    for (const Case &c : cases) {
        main.ReportCode = QStringLiteral("x");
        QPointer<QDialog> made;
        const Opened seen = choose(main, QLatin1String(c.entry), &made);
        const QString expectedCode = *c.code ? QLatin1String(c.code) : QStringLiteral("x");
        EXPECT_EQ(seen.reportCode, expectedCode) << c.entry;
        EXPECT_EQ(main.ReportCode, expectedCode) << c.entry;
        EXPECT_EQ(seen.title, c.title) << c.entry;
        EXPECT_TRUE(seen.modal) << c.entry;
        EXPECT_TRUE(made.isNull()) << c.entry << ": the window is destroyed when it closes";
    }
}

TEST(MainMenu, EntriesWithoutAWindowAreDisabledAndAnErrorInAWindowIsShown)
{
    TempStores stores;
    RecordingMessages messages;
    platform::AliasRegistry aliases;
    TMain main(aliases);
    EXPECT_FALSE(main.action(QStringLiteral("N12"))->isEnabled());
    main.setCommand(QStringLiteral("N12"), {[](QWidget *) -> QDialog * { throw platform::Error(QStringLiteral("database is down")); },
                                            {}, [&] { main.OldPremium = true; }, false});
    EXPECT_TRUE(main.action(QStringLiteral("N12"))->isEnabled());
    main.runCommand(QStringLiteral("N12"));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("database is down")});
    EXPECT_TRUE(main.OldPremium) << "the after step runs also when an error escaped";
}

} // namespace
