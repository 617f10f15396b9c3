// The deletion window: every number and batch of one receive date go together.
#include <QAbstractButton>
#include <QTest>
#include <gtest/gtest.h>

#include "stock/tdelpolno.h"
#include "widgets/maskededit.h"
#include "window_test.h"

using namespace windowtest;

namespace {

class DelPolnoTest : public ::testing::Test
{
protected:
    void open(bool full = true)
    {
        db = std::make_unique<DemoInstallation>(full);
        // A second batch, received on another day, that must survive.
        db->motor().exec(QStringLiteral("insert into polmotor (polno, recdate, status) values ('60000001', ?, '1')"),
                         {QDate(2550, 5, 21)});
        db->motor().exec(QStringLiteral("insert into sticker2 (poltyp, polno, polno2, recdate, stickcount) "
                                        "values ('2', '60000001', '60000001', ?, 1)"),
                         {QDate(2550, 5, 21)});
        // A sold number of the demo batch is deleted like the others.
        db->motor().exec(QStringLiteral("update polmotor set status = '1' where polno = '50000001'"));
        window = std::make_unique<TDelPolno>();
        showWindow(window.get());
        date = field<widgets::DateEdit>(window.get(), QStringLiteral("วันที่เบิก"));
        ASSERT_NE(date, nullptr);
    }
    int count(const char *table, const QDate &day)
    {
        return db->scalar(QStringLiteral("select count(*) from %1 where recdate = ?").arg(QLatin1String(table)), {day})
            .toInt();
    }

    std::unique_ptr<DemoInstallation> db;
    std::unique_ptr<TDelPolno> window;
    widgets::DateEdit *date = nullptr;
};

const QDate demoBatch(2550, 5, 20);
const QDate otherBatch(2550, 5, 21);

} // namespace

TEST_F(DelPolnoTest, OnShowTheDateBoxIsEmptyAndFocused)
{
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ลบเลขกรมธรรม์"));
    EXPECT_EQ(date->maskedText(), QStringLiteral("  /  /25  "));
    EXPECT_TRUE(date->hasFocus());
    screenshot(window.get(), QStringLiteral("TDelPolno"));
}

TEST_F(DelPolnoTest, DeletesTheNumbersAndBatchOfTheDateOnYes)
{
    open();
    typeText(date, QStringLiteral("200550"));
    clickButton(window.get(), QStringLiteral("ลบ"));
    ASSERT_EQ(db->messages.shown().size(), 2);
    EXPECT_EQ(db->messages.shown().at(0).kind, widgets::MessageKind::QuestionYesNo);
    EXPECT_EQ(db->messages.shown().at(0).text, QStringLiteral("คุณต้องการยกเลิกกรมธรรม์วันที่20/05/2550  ใช่หรือไม่?"));
    EXPECT_EQ(db->messages.last(), QStringLiteral("Process Complete"));
    EXPECT_EQ(count("polmotor", demoBatch), 0);
    EXPECT_EQ(count("sticker2", demoBatch), 0);
    EXPECT_EQ(count("polmotor", otherBatch), 1);
    EXPECT_EQ(count("sticker2", otherBatch), 1);
}

TEST_F(DelPolnoTest, NoKeepsEverything)
{
    open();
    db->messages.answerNext({false});
    typeText(date, QStringLiteral("200550"));
    clickButton(window.get(), QStringLiteral("ลบ"));
    EXPECT_EQ(db->messages.shown().size(), 1);
    EXPECT_EQ(count("polmotor", demoBatch), 20);
    EXPECT_EQ(count("sticker2", demoBatch), 1);
}

TEST_F(DelPolnoTest, ADateWithNothingReceivedStillCompletes)
{
    open();
    typeText(date, QStringLiteral("010150"));
    clickButton(window.get(), QStringLiteral("ลบ"));
    EXPECT_EQ(db->messages.last(), QStringLiteral("Process Complete"));
    EXPECT_EQ(db->scalar(QStringLiteral("select count(*) from polmotor")).toInt(), 21);
}

TEST_F(DelPolnoTest, AnIncompleteDateIsRefusedAndNothingIsDeleted)
{
    open();
    typeText(date, QStringLiteral("2005"));
    clickButton(window.get(), QStringLiteral("ลบ"));
    EXPECT_EQ(db->messages.texts(), QStringList{QStringLiteral("'20/05/25  ' is not a valid date")});
    EXPECT_EQ(db->scalar(QStringLiteral("select count(*) from polmotor")).toInt(), 21);
}

TEST_F(DelPolnoTest, EnterMovesToTheButtonInTheFullEdition)
{
    open(true);
    typeText(date, QStringLiteral("200550"));
    pressEnter(date);
    EXPECT_TRUE(widgets::buttonByCaption(window.get(), QStringLiteral("ลบ"))->hasFocus());
    EXPECT_TRUE(db->messages.shown().isEmpty());
}

TEST_F(DelPolnoTest, EnterPressesTheDefaultButtonInTheBasicEdition)
{
    open(false);
    db->messages.answerNext({false});
    typeText(date, QStringLiteral("200550"));
    pressEnter(date);
    ASSERT_EQ(db->messages.shown().size(), 1);
    EXPECT_EQ(db->messages.shown().first().kind, widgets::MessageKind::QuestionYesNo);
    EXPECT_TRUE(date->hasFocus());
}
