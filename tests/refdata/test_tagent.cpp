// The agent window: create, search, save, cancel and the discount pairs, checked
// in the database afterwards. Demo agents: 0001, 1001 (100 baht class-3 discount,
// 50 baht PRB discount), 1002 (10 % and 12 %), 1003.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "refdata/tagent.h"
#include "refdata/tfagent.h"
#include "widgets/dbedit.h"
#include "widgets/dbgrid.h"
#include "window_test.h"

using namespace windowtest;

namespace {

class AgentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Dm->AgentTDs->setEnabled(false); // as the menu command does
        window = std::make_unique<TAgent>();
        showWindow(window.get());
    }
    void TearDown() override
    {
        window.reset();
        Dm->AgentTDs->setEnabled(true);
    }
    widgets::DBEdit *box(const char *label) { return field<widgets::DBEdit>(window.get(), QString::fromUtf8(label)); }
    // Enabled states of สร้าง, บันทึก, ยกเลิก, ค้นหา.
    QList<bool> buttons()
    {
        return {window->BitBtn1->isEnabled(), window->BitBtn2->isEnabled(), window->BitBtn3->isEnabled(),
                window->BitBtn4->isEnabled()};
    }
    QVariant column(const char *column, const char *agent)
    {
        return db.scalar(QStringLiteral("select %1 from agent where agent = ?").arg(QLatin1String(column)),
                         {QString::fromLatin1(agent)});
    }
    // Chooses an agent in the search window that the "ค้นหา" button opens.
    void searchFor(const QString &code)
    {
        QTimer::singleShot(0, [code] {
            auto *search = qobject_cast<TFAgent *>(QApplication::activeModalWidget());
            ASSERT_NE(search, nullptr);
            // Whatever goes wrong below, the modal window must not stay open.
            struct Close {
                TFAgent *w;
                ~Close()
                {
                    if (w->isVisible()) {
                        ADD_FAILURE() << "the search window is still open";
                        w->reject();
                    }
                }
            } close{search};
            EXPECT_TRUE(QTest::qWaitForWindowExposed(search));
            if (code.isEmpty()) {
                clickButton(search, QStringLiteral("ยกเลิก"));
                return;
            }
            typeInto(search->Edit1, code);
            clickButton(search, QStringLiteral("ค้นหา"));
            const QRect first = search->DBGrid1->visualRect(search->DBGrid1->model()->index(0, 0));
            QTest::mouseClick(search->DBGrid1->viewport(), Qt::LeftButton, {}, first.center());
            QTest::mouseDClick(search->DBGrid1->viewport(), Qt::LeftButton, {}, first.center());
        });
        clickButton(window.get(), QStringLiteral("ค้นหา"));
    }

    DemoInstallation db;
    std::unique_ptr<TAgent> window;
    const QList<bool> idle{true, false, false, true};
    const QList<bool> working{false, true, true, false};
};

} // namespace

TEST_F(AgentTest, OpensIdleWithEmptyBoxesThatCannotBeTypedInto)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ข้อมูล Agent"));
    EXPECT_EQ(buttons(), idle);
    for (const char *label : {"รหัส", "ชื่อ-นามสกุล", "ส่วนลดปภ.3 บาท", "ส่วนลดปภ.3 %", "ส่วนลดพรบ. บาท", "ส่วนลดพรบ. %"}) {
        widgets::DBEdit *e = box(label);
        ASSERT_NE(e, nullptr) << label;
        EXPECT_TRUE(e->text().isEmpty()) << label;
        EXPECT_TRUE(e->isReadOnly()) << label;
    }
    screenshot(window.get(), QStringLiteral("TAgent"));
}

TEST_F(AgentTest, CreateProposesTheNextCodeAndSaveStoresTheAgent)
{
    clickButton(window.get(), QStringLiteral("สร้าง"));
    EXPECT_EQ(buttons(), working);
    EXPECT_EQ(box("รหัส")->text(), QStringLiteral("1004"));
    EXPECT_TRUE(box("ชื่อ-นามสกุล")->hasFocus());
    typeText(box("ชื่อ-นามสกุล"), QStringLiteral("วันดี มีสุข"));
    typeInto(box("ส่วนลดปภ.3 %"), QStringLiteral("15"));
    typeInto(box("ส่วนลดพรบ. บาท"), QStringLiteral("40"));
    screenshot(window.get(), QStringLiteral("TAgent-creating"));
    clickButton(window.get(), QStringLiteral("บันทึก"));

    EXPECT_EQ(db.messages.texts(), QStringList{QStringLiteral("Save Complete")});
    EXPECT_EQ(buttons(), idle);
    EXPECT_TRUE(box("รหัส")->text().isEmpty());
    EXPECT_EQ(column("fname", "1004").toString(), QStringLiteral("วันดี มีสุข"));
    EXPECT_EQ(column("motcom2", "1004").toInt(), 15);
    EXPECT_EQ(column("prbcom1", "1004").toInt(), 40);
}

TEST_F(AgentTest, SearchEditsTheChosenAgent)
{
    searchFor(QStringLiteral("1003"));
    EXPECT_EQ(buttons(), working);
    EXPECT_EQ(box("รหัส")->text(), QStringLiteral("1003"));
    EXPECT_EQ(box("ชื่อ-นามสกุล")->text(), QStringLiteral("ประยุทธ ศรีสุข"));
    typeInto(box("ส่วนลดปภ.3 บาท"), QStringLiteral("250"));
    clickButton(window.get(), QStringLiteral("บันทึก"));
    EXPECT_EQ(db.messages.last(), QStringLiteral("Save Complete"));
    EXPECT_EQ(column("motcom1", "1003").toInt(), 250);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from agent")).toInt(), 4);
}

TEST_F(AgentTest, SearchWithoutAChoiceChangesNothing)
{
    searchFor(QString());
    EXPECT_EQ(buttons(), idle);
    EXPECT_TRUE(box("รหัส")->text().isEmpty());
}

TEST_F(AgentTest, DiscountPairsZeroEachOtherOnEveryKey)
{
    searchFor(QStringLiteral("1001")); // 100 baht and 50 baht
    ASSERT_EQ(box("ส่วนลดปภ.3 บาท")->text(), QStringLiteral("100"));
    typeInto(box("ส่วนลดปภ.3 %"), QStringLiteral("5"));
    EXPECT_EQ(box("ส่วนลดปภ.3 บาท")->text(), QStringLiteral("0"));
    // A key that changes no text zeroes the other box as well.
    box("ส่วนลดพรบ. %")->setFocus();
    QTest::keyClick(box("ส่วนลดพรบ. %"), Qt::Key_Left);
    EXPECT_EQ(box("ส่วนลดพรบ. บาท")->text(), QStringLiteral("0"));
    clickButton(window.get(), QStringLiteral("บันทึก"));
    EXPECT_EQ(column("motcom1", "1001").toInt(), 0);
    EXPECT_EQ(column("motcom2", "1001").toInt(), 5);
    EXPECT_EQ(column("prbcom1", "1001").toInt(), 0);

    // And the other way round: the percentage goes when baht is typed.
    searchFor(QStringLiteral("1002")); // 10 % and 12 %
    typeInto(box("ส่วนลดพรบ. บาท"), QStringLiteral("30"));
    EXPECT_EQ(box("ส่วนลดพรบ. %")->text(), QStringLiteral("0"));
    EXPECT_EQ(box("ส่วนลดปภ.3 %")->text(), QStringLiteral("10"));
}

TEST_F(AgentTest, PercentageBoxesTakeTwoDigitsAndDiscountsWholeNumbersOnly)
{
    clickButton(window.get(), QStringLiteral("สร้าง"));
    typeInto(box("ส่วนลดปภ.3 %"), QStringLiteral("123"));
    EXPECT_EQ(box("ส่วนลดปภ.3 %")->text(), QStringLiteral("12"));
    box("ส่วนลดปภ.3 บาท")->selectAll();
    typeText(box("ส่วนลดปภ.3 บาท"), QStringLiteral("1a.5"));
    EXPECT_EQ(box("ส่วนลดปภ.3 บาท")->text(), QStringLiteral("15"));
}

TEST_F(AgentTest, CancelAsksAndDropsTheNewRowOnYesOnly)
{
    clickButton(window.get(), QStringLiteral("สร้าง"));
    typeText(box("ชื่อ-นามสกุล"), QStringLiteral("ไม่เก็บ"));
    db.messages.answerNext({false});
    clickButton(window.get(), QStringLiteral("ยกเลิก"));
    EXPECT_EQ(db.messages.texts(), QStringList{QStringLiteral("คุณต้องการยกเลิกการแก้ไข ใช่หรือไม่?")});
    EXPECT_EQ(db.messages.shown().first().kind, widgets::MessageKind::QuestionYesNo);
    EXPECT_EQ(buttons(), working);
    EXPECT_EQ(box("ชื่อ-นามสกุล")->text(), QStringLiteral("ไม่เก็บ"));

    db.messages.clear();
    clickButton(window.get(), QStringLiteral("ยกเลิก"));
    EXPECT_EQ(db.messages.texts(),
              (QStringList{QStringLiteral("คุณต้องการยกเลิกการแก้ไข ใช่หรือไม่?"), QStringLiteral("Cancel Complete")}));
    EXPECT_EQ(buttons(), idle);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from agent")).toInt(), 4);
}

TEST_F(AgentTest, ACodeInUseIsRefusedByTheDatabaseAndTheRowStaysToBePutRight)
{
    clickButton(window.get(), QStringLiteral("สร้าง"));
    box("รหัส")->selectAll();
    typeInto(box("รหัส"), QStringLiteral("1001"));
    box("รหัส")->selectAll();
    typeText(box("รหัส"), QStringLiteral("1001"));
    typeInto(box("ชื่อ-นามสกุล"), QStringLiteral("ซ้ำ"));
    clickButton(window.get(), QStringLiteral("บันทึก"));
    ASSERT_EQ(db.messages.shown().size(), 1);
    EXPECT_EQ(db.messages.shown().first().kind, widgets::MessageKind::Error);
    EXPECT_EQ(buttons(), working);
    EXPECT_EQ(column("fname", "1001").toString(), QStringLiteral("สมชาย ใจดี"));

    db.messages.clear();
    box("รหัส")->selectAll();
    typeText(box("รหัส"), QStringLiteral("2001"));
    clickButton(window.get(), QStringLiteral("บันทึก"));
    EXPECT_EQ(db.messages.texts(), QStringList{QStringLiteral("Save Complete")});
    EXPECT_EQ(column("fname", "2001").toString(), QStringLiteral("ซ้ำ"));
}

TEST_F(AgentTest, ClosingWhileCreatingStoresNothing)
{
    clickButton(window.get(), QStringLiteral("สร้าง"));
    typeText(box("ชื่อ-นามสกุล"), QStringLiteral("ปิดไป"));
    window->close();
    EXPECT_EQ(Dm->AgentT->state(), engine::Dataset::State::Browse);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from agent")).toInt(), 4);
}
