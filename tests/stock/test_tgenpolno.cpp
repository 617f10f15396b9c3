// The number-issue window driven as a person uses it, against a demo database that
// holds one batch: 50000001 to 50000020, received 20/05/2550.
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "stock/tgenpolno.h"
#include "widgets/maskededit.h"
#include "window_test.h"

using namespace windowtest;

namespace {

class GenPolnoTest : public ::testing::Test
{
protected:
    void open(bool full = true)
    {
        db = std::make_unique<DemoInstallation>(full);
        window = std::make_unique<TGenPolno>();
        showWindow(window.get());
        number = field<QLineEdit>(window.get(), QStringLiteral("เลขกรมธรรม์"));
        count = field<QLineEdit>(window.get(), QStringLiteral("จำนวนกรมธรรม์"));
        date = field<widgets::DateEdit>(window.get(), QStringLiteral("วันที่เบิก"));
        ASSERT_TRUE(number && count && date);
    }
    void enter(const QString &first, const QString &n, const QString &dateDigits)
    {
        number->clear();
        count->clear();
        typeInto(number, first);
        typeInto(count, n);
        if (!dateDigits.isNull()) {
            date->clearEntry();
            typeInto(date, dateDigits);
        }
    }
    int stockCount() { return db->scalar(QStringLiteral("select count(*) from polmotor")).toInt(); }
    int batchCount() { return db->scalar(QStringLiteral("select count(*) from sticker2")).toInt(); }

    std::unique_ptr<DemoInstallation> db;
    std::unique_ptr<TGenPolno> window;
    QLineEdit *number = nullptr;
    QLineEdit *count = nullptr;
    widgets::DateEdit *date = nullptr;
};

} // namespace

TEST_F(GenPolnoTest, OnShowTheDateIsTodayAndTheNumberBoxHasTheFocus)
{
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("สร้างเลขกรมธรรม์"));
    EXPECT_EQ(date->maskedText(), QStringLiteral("27/05/2550"));
    EXPECT_TRUE(number->text().isEmpty());
    EXPECT_TRUE(count->text().isEmpty());
    EXPECT_TRUE(number->hasFocus());
    screenshot(window.get(), QStringLiteral("TGenPolno"));
}

TEST_F(GenPolnoTest, IssuesTheRangeAndRecordsTheBatch)
{
    open();
    enter(QStringLiteral("12345678"), QStringLiteral("3"), QStringLiteral("010650"));
    clickButton(window.get(), QStringLiteral("สร้าง"));
    EXPECT_EQ(db->messages.texts(), QStringList{QStringLiteral("Process Complete")});
    EXPECT_EQ(db->messages.shown().last().kind, widgets::MessageKind::Information);

    engine::Connection &m = db->motor();
    for (const char *polno : {"12345678", "12345679", "12345680"}) {
        EXPECT_EQ(m.scalar(QStringLiteral("select status from polmotor where polno = ? and recdate = ?"),
                           {QString::fromLatin1(polno), QDate(2550, 6, 1)})
                      .toString(),
                  QStringLiteral("0"))
            << polno;
    }
    EXPECT_EQ(stockCount(), 23);
    EXPECT_EQ(m.scalar(QStringLiteral("select count(*) from sticker2 where poltyp = '2' and polno = '12345678' "
                                      "and polno2 = '12345680' and stickcount = 3 and recdate = ? "
                                      "and stickno is null and stickno2 is null"),
                       {QDate(2550, 6, 1)})
                  .toInt(),
              1);
    // The boxes keep what was typed.
    EXPECT_EQ(number->text(), QStringLiteral("12345678"));
    EXPECT_EQ(count->text(), QStringLiteral("3"));
}

TEST_F(GenPolnoTest, LeadingZerosAreKept)
{
    open();
    enter(QStringLiteral("01234567"), QStringLiteral("2"), QStringLiteral("010650"));
    clickButton(window.get(), QStringLiteral("สร้าง"));
    EXPECT_EQ(db->messages.last(), QStringLiteral("Process Complete"));
    EXPECT_EQ(db->scalar(QStringLiteral("select count(*) from polmotor where polno in ('01234567', '01234568')")).toInt(), 2);
    EXPECT_EQ(db->scalar(QStringLiteral("select polno2 from sticker2 where polno = '01234567'")).toString(),
              QStringLiteral("01234568"));
}

TEST_F(GenPolnoTest, ANumberAlreadyInStockStopsTheIssueAndNothingIsStored)
{
    open();
    enter(QStringLiteral("12345678"), QStringLiteral("3"), QStringLiteral("010650"));
    clickButton(window.get(), QStringLiteral("สร้าง"));
    db->messages.clear();
    clickButton(window.get(), QStringLiteral("สร้าง"));
    ASSERT_EQ(db->messages.shown().size(), 1);
    EXPECT_EQ(db->messages.shown().first().kind, widgets::MessageKind::Error);
    EXPECT_TRUE(db->messages.last().contains(QStringLiteral("12345678")));
    EXPECT_EQ(stockCount(), 23);
    EXPECT_EQ(batchCount(), 2);

    // A range running into the demo batch: the numbers before the clash are not kept either.
    db->messages.clear();
    enter(QStringLiteral("49999998"), QStringLiteral("5"), QString());
    clickButton(window.get(), QStringLiteral("สร้าง"));
    EXPECT_TRUE(db->messages.last().contains(QStringLiteral("50000001")));
    EXPECT_EQ(db->scalar(QStringLiteral("select count(*) from polmotor where polno like '4999999%'")).toInt(), 0);
    EXPECT_EQ(batchCount(), 2);
}

TEST_F(GenPolnoTest, WrongEntriesAreRefusedWithOneMessageAndNothingIsStored)
{
    open();
    const struct {
        const char *first, *count, *dateDigits;
        const char16_t *message;
        const char *focus; // the box given the focus
    } cases[] = {
        {"", "", "010650", u"กรุณาป้อนเลขกรมธรรม์", "number"},
        {"1234567", "3", "010650", u"เลขกรมธรรม์ต้องมี 8 ตัว", "number"},
        {"12345678", "abc", "010650", u"'abc' is not a valid integer value", nullptr},
        {"12345678", "0", "010650", u"จำนวนกรมธรรม์ต้องมากกว่า 0", "count"},
        {"99999990", "20", "010650", u"เลขกรมธรรม์สุดท้ายของช่วงนี้เกิน 8 หลัก (100000009)", "number"},
        {"1234567x", "2", "010650", u"'1234567x' is not a valid integer value", "number"},
        {"12345678", "2", "311350", u"'31/13/2550' is not a valid date", nullptr},
    };
    for (const auto &c : cases) {
        db->messages.clear();
        enter(QString::fromLatin1(c.first), QString::fromLatin1(c.count), QString::fromLatin1(c.dateDigits));
        clickButton(window.get(), QStringLiteral("สร้าง"));
        EXPECT_EQ(db->messages.texts(), QStringList{QString::fromUtf16(c.message)}) << c.first << " " << c.count;
        if (c.focus) {
            EXPECT_TRUE((QLatin1String(c.focus) == QLatin1String("number") ? number : count)->hasFocus()) << c.first;
        }
    }
    EXPECT_EQ(stockCount(), 20);
    EXPECT_EQ(batchCount(), 1);
}

TEST_F(GenPolnoTest, EnterMovesThroughTheBoxesInTheFullEdition)
{
    open(true);
    number->setFocus();
    pressEnter(number);
    EXPECT_TRUE(count->hasFocus());
    pressEnter(count);
    EXPECT_TRUE(date->hasFocus());
    EXPECT_TRUE(db->messages.shown().isEmpty());
}

TEST_F(GenPolnoTest, EnterStaysInTheBoxInTheBasicEdition)
{
    open(false);
    number->setFocus();
    pressEnter(number);
    EXPECT_TRUE(number->hasFocus());
    EXPECT_TRUE(db->messages.shown().isEmpty()); // and it does not press "สร้าง"
}
