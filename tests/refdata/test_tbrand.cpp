// The car-model window over the demo catalogue (TOYOTA, HONDA, NISSAN, ISUZU,
// MITSUBISHI, MAZDA, FORD, HINO).
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "refdata/tbrand.h"
#include "widgets/dblookupcombobox.h"
#include "window_test.h"

using namespace windowtest;

namespace {

// The models the sale window lists for a brand: BrandQ2 reloaded for it.
QStringList modelsOf(const QString &brand)
{
    Dm->BrandQ2->close();
    Dm->BrandQ2->setParam(QStringLiteral("prm"), brand);
    Dm->BrandQ2->open();
    QStringList out;
    for (Dm->BrandQ2->first(); !Dm->BrandQ2->eof(); Dm->BrandQ2->next())
        out << Dm->BrandQ2->value(QStringLiteral("Model")).toString();
    return out;
}

struct BrandWindow {
    explicit BrandWindow(bool full) : db(full)
    {
        showWindow(&window);
        brand = field<widgets::DBLookupComboBox>(&window, QStringLiteral("ยี่ห้อรถ"));
        model = field<QLineEdit>(&window, QStringLiteral("รุ่นรถ"));
    }
    void pick(const QString &name)
    {
        brand->setFocus();
        brand->setCurrentIndex(brand->findText(name));
    }
    DemoInstallation db;
    TBrand window;
    widgets::DBLookupComboBox *brand = nullptr;
    QLineEdit *model = nullptr;
};

} // namespace

TEST(Brand, TheBrandListOffersOnlyBrandsThatHaveModels)
{
    BrandWindow w(true);
    ASSERT_TRUE(w.brand && w.model);
    EXPECT_EQ(w.window.windowTitle(), QStringLiteral("เพิ่มรุ่นรถ"));
    EXPECT_EQ(w.brand->count(), 8);
    EXPECT_GE(w.brand->findText(QStringLiteral("HINO")), 0);
    EXPECT_FALSE(w.brand->isEditable());
    EXPECT_EQ(w.brand->currentIndex(), -1);
    EXPECT_TRUE(w.brand->hasFocus());
    screenshot(&w.window, QStringLiteral("TBrand"));
}

TEST(Brand, ANewModelAppearsInTheBrandsModelList)
{
    BrandWindow w(true);
    ASSERT_FALSE(modelsOf(QStringLiteral("HONDA")).contains(QStringLiteral("BRIO")));
    w.brand->setFocus();
    // Picked from the keyboard, as the counter does.
    while (w.brand->currentText() != QStringLiteral("HONDA") && w.brand->currentIndex() < w.brand->count() - 1)
        QTest::keyClick(w.brand, Qt::Key_Down);
    ASSERT_EQ(w.brand->currentText(), QStringLiteral("HONDA"));
    typeInto(w.model, QStringLiteral("BRIO"));
    clickButton(&w.window, QStringLiteral("เพิ่ม"));
    EXPECT_EQ(w.db.messages.texts(), QStringList{QStringLiteral("เพิ่มรุ่นรถเรียบร้อย")});
    EXPECT_EQ(w.db.messages.shown().first().kind, widgets::MessageKind::Information);
    EXPECT_EQ(w.db.scalar(QStringLiteral("select count(*) from car_model where brand = 'HONDA' and model = 'BRIO' "
                                          "and grp is null"))
                  .toInt(),
              1);
    EXPECT_TRUE(modelsOf(QStringLiteral("HONDA")).contains(QStringLiteral("BRIO")));
    // Ready for the next model.
    EXPECT_EQ(w.brand->currentIndex(), -1);
    EXPECT_TRUE(w.model->text().isEmpty());
    EXPECT_TRUE(w.brand->hasFocus());
}

TEST(Brand, AModelWithoutBrandOrNameOrAlreadyListedIsRefused)
{
    BrandWindow w(true);
    const int before = w.db.scalar(QStringLiteral("select count(*) from car_model")).toInt();
    typeInto(w.model, QStringLiteral("X1"));
    clickButton(&w.window, QStringLiteral("เพิ่ม"));
    EXPECT_EQ(w.db.messages.texts(), QStringList{QStringLiteral("กรุณาเลือกยี่ห้อรถ")});
    EXPECT_TRUE(w.brand->hasFocus());

    w.db.messages.clear();
    w.pick(QStringLiteral("FORD"));
    w.model->clear();
    clickButton(&w.window, QStringLiteral("เพิ่ม"));
    EXPECT_EQ(w.db.messages.texts(), QStringList{QStringLiteral("กรุณาป้อนรุ่นรถ")});

    w.db.messages.clear();
    typeInto(w.model, QStringLiteral("RANGER"));
    clickButton(&w.window, QStringLiteral("เพิ่ม"));
    EXPECT_EQ(w.db.messages.texts(), QStringList{QStringLiteral("รุ่นรถ RANGER ของ FORD มีอยู่แล้ว")});
    EXPECT_EQ(w.db.scalar(QStringLiteral("select count(*) from car_model")).toInt(), before);
}

TEST(Brand, FullEditionHasExitAndEnterMovesTheFocus)
{
    BrandWindow w(true);
    QPushButton *exit = qobject_cast<QPushButton *>(widgets::buttonByCaption(&w.window, QStringLiteral("ออก")));
    ASSERT_NE(exit, nullptr);
    w.brand->setFocus();
    pressEnter(w.brand);
    EXPECT_TRUE(w.model->hasFocus());
    pressEnter(w.model);
    EXPECT_TRUE(widgets::buttonByCaption(&w.window, QStringLiteral("เพิ่ม"))->hasFocus());
    EXPECT_TRUE(w.db.messages.shown().isEmpty());
    clickButton(&w.window, QStringLiteral("ออก"));
    EXPECT_FALSE(w.window.isVisible());
}

TEST(Brand, BasicEditionHasNoExitAndEnterStays)
{
    BrandWindow w(false);
    EXPECT_EQ(widgets::buttonByCaption(&w.window, QStringLiteral("ออก")), nullptr);
    w.model->setFocus();
    pressEnter(w.model);
    EXPECT_TRUE(w.model->hasFocus());
    EXPECT_EQ(w.window.backgroundRole(), QPalette::Base);
    screenshot(&w.window, QStringLiteral("TBrand-basic"));
}
