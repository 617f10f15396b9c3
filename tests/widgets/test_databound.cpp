// The data-bound controls over the data module's datasets on a demo installation.
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "widgets/dbedit.h"
#include "widgets/dbgrid.h"
#include "widgets/dblookupcombobox.h"
#include "widgets/dbradiogroup.h"
#include "window_test.h"

using namespace windowtest;

TEST(DBEdit, ShowsTheCurrentRowWritesWhatIsTypedAndDetachesWithItsDataSource)
{
    DemoInstallation db;
    ASSERT_TRUE(Dm->AgentT->locate(QStringLiteral("AGENT"), QStringLiteral("1001")));
    widgets::DBEdit name(Dm->AgentTDs, QStringLiteral("FNAME"));
    showWindow(&name);
    EXPECT_EQ(name.text(), QStringLiteral("สมชาย ใจดี"));
    EXPECT_FALSE(name.isReadOnly());
    EXPECT_EQ(name.maxLength(), 70);

    name.selectAll();
    typeText(&name, QStringLiteral("สมชาย ใจเย็น"));
    EXPECT_EQ(Dm->AgentT->state(), engine::Dataset::State::Edit);
    Dm->AgentT->post();
    EXPECT_EQ(db.scalar(QStringLiteral("select fname from agent where agent = '1001'")).toString(),
              QStringLiteral("สมชาย ใจเย็น"));

    Dm->AgentTDs->setEnabled(false);
    EXPECT_TRUE(name.text().isEmpty());
    EXPECT_TRUE(name.isReadOnly());
    Dm->AgentTDs->setEnabled(true);
    Dm->AgentT->locate(QStringLiteral("AGENT"), QStringLiteral("1002"));
    EXPECT_EQ(name.text(), QStringLiteral("สมหญิง รักษ์ดี"));
}

TEST(DBEdit, ANumberFieldTakesDigitsOnlyAndEmptyMeansNoValue)
{
    DemoInstallation db;
    Dm->AgentT->locate(QStringLiteral("AGENT"), QStringLiteral("1001"));
    widgets::DBEdit baht(Dm->AgentTDs, QStringLiteral("MOTCOM1"));
    showWindow(&baht);
    baht.selectAll();
    typeText(&baht, QStringLiteral("x7y5"));
    EXPECT_EQ(baht.text(), QStringLiteral("75"));
    EXPECT_EQ(Dm->AgentT->value(QStringLiteral("MOTCOM1")).toInt(), 75);
    baht.selectAll();
    QTest::keyClick(&baht, Qt::Key_Backspace);
    EXPECT_TRUE(Dm->AgentT->value(QStringLiteral("MOTCOM1")).isNull());
    EXPECT_TRUE(db.messages.shown().isEmpty());
    Dm->AgentT->cancel();
}

TEST(DBRadioGroup, ChecksTheValueOfTheRowAndWritesTheChosenOne)
{
    DemoInstallation db;
    ASSERT_TRUE(Dm->PolMotorT->locate(QStringLiteral("POLNO"), QStringLiteral("50000001")));
    widgets::DBRadioGroup status(QStringLiteral("สถานะ"), {{QStringLiteral("ยังไม่ใช้"), QStringLiteral("0")},
                                                          {QStringLiteral("ใช้แล้ว"), QStringLiteral("1")},
                                                          {QStringLiteral("ยกเลิก"), QStringLiteral("2")}});
    status.setDataField(QStringLiteral("STATUS"));
    status.setDataSource(Dm->PolMotorTDs);
    showWindow(&status);
    EXPECT_EQ(status.itemIndex(), 0);
    QTest::mouseClick(status.button(2), Qt::LeftButton);
    Dm->PolMotorT->post();
    EXPECT_EQ(db.scalar(QStringLiteral("select status from polmotor where polno = '50000001'")).toString(),
              QStringLiteral("2"));
    Dm->PolMotorT->next();
    EXPECT_EQ(status.itemIndex(), 0);
}

TEST(DBLookupComboBox, ListsAnotherDatasetAndWritesTheKeyOfThePickedEntry)
{
    DemoInstallation db;
    Dm->AgentQ2->close();
    Dm->AgentQ2->setSql({QStringLiteral("select * from agent order by agent")});
    Dm->AgentQ2->open();
    Dm->PolMotorT->locate(QStringLiteral("POLNO"), QStringLiteral("50000003"));
    widgets::DBLookupComboBox agent;
    agent.setDataField(QStringLiteral("AGENT"));
    agent.setDataSource(Dm->PolMotorTDs);
    agent.setListSource(Dm->AgentQ2Ds, QStringLiteral("AGENT"), QStringLiteral("FNAME"));
    showWindow(&agent);
    ASSERT_EQ(agent.count(), 4);
    EXPECT_EQ(agent.itemText(1), QStringLiteral("สมชาย ใจดี"));
    EXPECT_EQ(agent.currentIndex(), -1); // the number has no agent yet
    agent.setFocus();
    QTest::keyClick(&agent, Qt::Key_Down);
    QTest::keyClick(&agent, Qt::Key_Down);
    Dm->PolMotorT->post();
    EXPECT_EQ(db.scalar(QStringLiteral("select agent from polmotor where polno = '50000003'")).toString(),
              QStringLiteral("1001"));
    EXPECT_EQ(agent.keyValue().toString(), QStringLiteral("1001"));
}

TEST(DBGrid, ShowsFieldHeadingsAndFollowsTheDatasetWhenClicked)
{
    DemoInstallation db;
    Dm->AgentQ2->close();
    Dm->AgentQ2->setSql({QStringLiteral("select * from agent order by agent")});
    Dm->AgentQ2->open();
    widgets::DBGrid grid;
    grid.setDataSource(Dm->AgentQ2Ds);
    grid.resize(600, 300);
    showWindow(&grid);
    // Without columns given: every visible field with its heading.
    ASSERT_EQ(grid.model()->columnCount(), 6);
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("FNAME"));
    EXPECT_EQ(grid.model()->rowCount(), 4);
    const QRect third = grid.visualRect(grid.model()->index(2, 0));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_EQ(Dm->AgentQ2->value(QStringLiteral("AGENT")).toString(), QStringLiteral("1002"));
    // A wider field gets a wider column.
    EXPECT_GT(grid.columnWidth(1), grid.columnWidth(0));

    Dm->AgentQ2->close();
    EXPECT_EQ(grid.model()->rowCount(), 0);
}
