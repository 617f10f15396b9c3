// Lock release and number withdrawal on the demo stock 50000001 to 50000020.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "stock/tmotordel2.h"
#include "stock/tmotordel3.h"
#include "window_test.h"

using namespace windowtest;

namespace {

class StatusWindowTest : public ::testing::Test
{
protected:
    void SetUp() override { db = std::make_unique<DemoInstallation>(); }
    QString status(const char *polno)
    {
        return db->scalar(QStringLiteral("select status from polmotor where polno = ?"), {QString::fromLatin1(polno)})
            .toString();
    }
    // The number the sale takes next.
    QString nextFree()
    {
        return db->scalar(QStringLiteral("select min(polno) from polmotor where status = '0'")).toString();
    }
    void run(StockNumberWindow &window, const QString &polno)
    {
        auto *box = field<QLineEdit>(&window, QStringLiteral("เลขกรมธรรม์"));
        ASSERT_NE(box, nullptr);
        box->clear();
        typeInto(box, polno);
        clickButton(&window, QStringLiteral("ตกลง"));
    }
    std::unique_ptr<DemoInstallation> db;
};

const QString releaseQuestion = QStringLiteral("คุณต้องการยกเลิกการ Lock กรมธรรม์นี้  ใช่หรือไม่?");
const QString withdrawQuestion = QStringLiteral("คุณต้องการยกเลิกเลขกรมธรรม์นี้(ไม่ใช้)  ใช่หรือไม่?");

} // namespace

TEST_F(StatusWindowTest, ReleasingALockedNumberMakesItTheNextOneTheSaleTakes)
{
    db->motor().exec(QStringLiteral("update polmotor set status = '1' where polno in ('50000001', '50000002')"));
    ASSERT_EQ(nextFree(), QStringLiteral("50000003"));
    TMotorDel2 window;
    showWindow(&window);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ยกเลิกการ lock กรมธรรม์"));
    run(window, QStringLiteral("50000001"));
    EXPECT_EQ(db->messages.texts(), (QStringList{releaseQuestion, QStringLiteral("Process Complete")}));
    EXPECT_EQ(status("50000001"), QStringLiteral("0"));
    EXPECT_EQ(status("50000002"), QStringLiteral("1"));
    EXPECT_EQ(nextFree(), QStringLiteral("50000001"));
    screenshot(&window, QStringLiteral("TMotorDel2"));
}

TEST_F(StatusWindowTest, WithdrawingTakesANumberOutOfTheSaleAndReleasingPutsItBack)
{
    {
        TMotorDel3 window;
        showWindow(&window);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("ยกเลิกเลขกรมธรรม์ (ไม่ใช้)"));
        run(window, QStringLiteral("50000001"));
        EXPECT_EQ(db->messages.texts(), (QStringList{withdrawQuestion, QStringLiteral("Process Complete")}));
        EXPECT_EQ(status("50000001"), QStringLiteral("2"));
        EXPECT_EQ(nextFree(), QStringLiteral("50000002"));
        screenshot(&window, QStringLiteral("TMotorDel3"));
    }
    TMotorDel2 release;
    showWindow(&release);
    run(release, QStringLiteral("50000001"));
    EXPECT_EQ(status("50000001"), QStringLiteral("0"));
    EXPECT_EQ(nextFree(), QStringLiteral("50000001"));
}

TEST_F(StatusWindowTest, NoChangesNothing)
{
    TMotorDel3 window;
    showWindow(&window);
    db->messages.answerNext({false});
    run(window, QStringLiteral("50000005"));
    EXPECT_EQ(db->messages.texts(), QStringList{withdrawQuestion});
    EXPECT_EQ(status("50000005"), QStringLiteral("0"));
}

TEST_F(StatusWindowTest, ANumberNotInStockIsReportedAndNothingChanges)
{
    TMotorDel2 release;
    TMotorDel3 withdraw;
    for (StockNumberWindow *window : {static_cast<StockNumberWindow *>(&release), static_cast<StockNumberWindow *>(&withdraw)}) {
        showWindow(window);
        for (const QString &polno : {QStringLiteral("99999999"), QStringLiteral("5000001'")}) {
            db->messages.clear();
            run(*window, polno);
            EXPECT_EQ(db->messages.texts(), QStringList{QStringLiteral("ไม่พบเลขกรมธรรม์ %1 ในสต็อก").arg(polno)});
            EXPECT_EQ(db->messages.shown().first().kind, widgets::MessageKind::Error);
        }
        db->messages.clear();
        run(*window, QString());
        EXPECT_EQ(db->messages.texts(), QStringList{QStringLiteral("กรุณาป้อนเลขกรมธรรม์")});
        window->hide();
    }
    EXPECT_EQ(db->scalar(QStringLiteral("select count(*) from polmotor where status <> '0'")).toInt(), 0);
}

TEST_F(StatusWindowTest, LockReleaseClearsAndFocusesItsBoxOnEveryShowWithdrawalDoesNot)
{
    TMotorDel2 release;
    showWindow(&release);
    EXPECT_TRUE(release.Edit1->hasFocus());
    release.Edit1->setText(QStringLiteral("50000001"));
    release.hide();
    showWindow(&release);
    EXPECT_TRUE(release.Edit1->text().isEmpty());
    release.hide();

    TMotorDel3 withdraw;
    showWindow(&withdraw);
    withdraw.Edit1->setText(QStringLiteral("50000001"));
    withdraw.hide();
    showWindow(&withdraw);
    EXPECT_EQ(withdraw.Edit1->text(), QStringLiteral("50000001"));
}

TEST_F(StatusWindowTest, EnterMovesOnlyInTheFullEditionsLockRelease)
{
    TMotorDel2 release;
    showWindow(&release);
    release.Edit1->setFocus();
    pressEnter(release.Edit1);
    EXPECT_TRUE(release.BitBtn1->hasFocus());

    TMotorDel3 withdraw;
    showWindow(&withdraw);
    withdraw.Edit1->setFocus();
    pressEnter(withdraw.Edit1);
    EXPECT_TRUE(withdraw.Edit1->hasFocus());
    EXPECT_TRUE(db->messages.shown().isEmpty());
}

TEST(StatusWindowBasic, LockReleaseKeepsEnterInTheBoxInTheBasicEdition)
{
    DemoInstallation db(false);
    TMotorDel2 release;
    showWindow(&release);
    release.Edit1->setFocus();
    pressEnter(release.Edit1);
    EXPECT_TRUE(release.Edit1->hasFocus());
    EXPECT_TRUE(db.messages.shown().isEmpty());
}
