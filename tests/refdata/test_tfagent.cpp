// The agent search window over the demo agents 0001, 1001 สมชาย ใจดี,
// 1002 สมหญิง รักษ์ดี and 1003 ประยุทธ ศรีสุข.
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "refdata/tfagent.h"
#include "widgets/dbgrid.h"
#include "window_test.h"

using namespace windowtest;

namespace {

class FAgentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TFAgent::prepareList();
        window = std::make_unique<TFAgent>();
        showWindow(window.get());
        code = field<QLineEdit>(window.get(), QStringLiteral("เลขที่ Agent"));
        name = field<QLineEdit>(window.get(), QStringLiteral("ชื่อ-นามสกุล"));
        ASSERT_TRUE(code && name);
    }
    // The codes the list shows, top to bottom.
    QStringList listed()
    {
        QStringList out;
        const auto *model = window->DBGrid1->datasetModel();
        for (int r = 0; r < model->rowCount(); ++r)
            out << model->index(r, 0).data().toString();
        return out;
    }
    DemoInstallation db;
    std::unique_ptr<TFAgent> window;
    QLineEdit *code = nullptr;
    QLineEdit *name = nullptr;
};

} // namespace

TEST_F(FAgentTest, ShowsEveryAgentWithCodeAndNameColumnsAndFocusesTheCodeBox)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ค้นหา Agent"));
    EXPECT_TRUE(code->hasFocus());
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("0001"), QStringLiteral("1001"), QStringLiteral("1002"),
                                     QStringLiteral("1003")}));
    const auto *model = window->DBGrid1->datasetModel();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("รหัส"));
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("ชื่อ-นามสกุล"));
    EXPECT_EQ(model->index(2, 1).data().toString(), QStringLiteral("สมหญิง รักษ์ดี"));
    screenshot(window.get(), QStringLiteral("TFAgent"));
}

TEST_F(FAgentTest, CodeSearchListsThatAgentOnly)
{
    typeInto(code, QStringLiteral("1002"));
    clickButton(window.get(), QStringLiteral("ค้นหา"));
    EXPECT_EQ(listed(), QStringList{QStringLiteral("1002")});
}

TEST_F(FAgentTest, NameSearchListsEveryAgentWhoseNameContainsTheText)
{
    typeInto(name, QStringLiteral("รักษ์"));
    clickButton(window.get(), QStringLiteral("ค้นหา"));
    EXPECT_EQ(listed(), QStringList{QStringLiteral("1002")});
    name->clear();
    typeInto(name, QStringLiteral("สม"));
    clickButton(window.get(), QStringLiteral("ค้นหา"));
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("1001"), QStringLiteral("1002")}));
}

TEST_F(FAgentTest, TypedQuotesAreJustCharacters)
{
    typeInto(name, QStringLiteral("' or ''='"));
    clickButton(window.get(), QStringLiteral("ค้นหา"));
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_TRUE(db.messages.shown().isEmpty());
}

TEST_F(FAgentTest, AKeyInOneBoxClearsTheOther)
{
    typeInto(code, QStringLiteral("1001"));
    typeInto(name, QStringLiteral("ส"));
    EXPECT_TRUE(code->text().isEmpty());
    typeInto(code, QStringLiteral("1"));
    EXPECT_TRUE(name->text().isEmpty());
    EXPECT_EQ(code->text(), QStringLiteral("1"));
}

TEST_F(FAgentTest, BothBoxesEmptyKeepsTheList)
{
    typeInto(code, QStringLiteral("1003"));
    clickButton(window.get(), QStringLiteral("ค้นหา"));
    code->clear();
    clickButton(window.get(), QStringLiteral("ค้นหา"));
    EXPECT_EQ(listed(), QStringList{QStringLiteral("1003")});
}

TEST_F(FAgentTest, DoubleClickChoosesTheRowAndCancelChoosesNone)
{
    const QRect third = window->DBGrid1->visualRect(window->DBGrid1->model()->index(2, 1));
    QTest::mouseClick(window->DBGrid1->viewport(), Qt::LeftButton, {}, third.center());
    QTest::mouseDClick(window->DBGrid1->viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_TRUE(window->chosen());
    EXPECT_EQ(window->chosenAgent(), QStringLiteral("1002"));
    EXPECT_EQ(window->result(), QDialog::Accepted);

    TFAgent again;
    showWindow(&again);
    clickButton(&again, QStringLiteral("ยกเลิก"));
    EXPECT_FALSE(again.chosen());
    EXPECT_TRUE(again.chosenAgent().isEmpty());
}
