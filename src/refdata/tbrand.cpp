#include "tbrand.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "data/dm.h"
#include "edition/edition.h"
#include "widgets/dblookupcombobox.h"
#include "widgets/entermovesfocus.h"
#include "widgets/focus.h"
#include "widgets/guarded.h"
#include "widgets/labels.h"
#include "widgets/messages.h"

TBrand::TBrand(QWidget *parent)
    : QDialog(parent), BitBtn2(nullptr)
{
    setObjectName(QStringLiteral("Brand"));
    setWindowTitle(QStringLiteral("เพิ่มรุ่นรถ"));

    DBLookupComboBox1 = new widgets::DBLookupComboBox(this);
    DBLookupComboBox1->setObjectName(QStringLiteral("DBLookupComboBox1"));
    DBLookupComboBox1->setListSource(Dm->BrandQDs, QStringLiteral("BRAND"));
    DBLookupComboBox1->setMinimumWidth(220);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(30);
    BitBtn1 = new QPushButton(QStringLiteral("เพิ่ม"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(widgets::labelFor(DBLookupComboBox1, QStringLiteral("ยี่ห้อรถ"), QStringLiteral("Label1")), 0, 0);
    layout->addWidget(DBLookupComboBox1, 0, 1);
    layout->addWidget(widgets::labelFor(Edit1, QStringLiteral("รุ่นรถ"), QStringLiteral("Label2")), 1, 0);
    layout->addWidget(Edit1, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    if (edition::isFull()) {
        BitBtn2 = new QPushButton(QStringLiteral("ออก"), this);
        BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
        BitBtn2->setAutoDefault(false);
        buttons->addWidget(BitBtn2);
        connect(BitBtn2, &QPushButton::clicked, this, &QDialog::close);
    }
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);

    // The full edition's window has the button-face background, the basic one the
    // window colour.
    setBackgroundRole(edition::isFull() ? QPalette::Button : QPalette::Base);
    setAutoFillBackground(true);
    if (edition::isFull())
        widgets::installEnterMovesFocus(this);
    connect(BitBtn1, &QPushButton::clicked, this, &TBrand::BitBtn1Click);
}

void TBrand::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TBrand::FormShow()
{
    clearEntry();
}

void TBrand::clearEntry()
{
    DBLookupComboBox1->clearChoice();
    Edit1->clear();
    widgets::focusOnShow(DBLookupComboBox1);
}

void TBrand::BitBtn1Click()
{
    widgets::guarded([this] { add(); });
}

void TBrand::add()
{
    const QString brand = DBLookupComboBox1->keyValue().toString();
    const QString model = Edit1->text().trimmed();
    // A model without a brand or a name would only clutter the sale's lists.
    if (brand.isEmpty()) {
        widgets::messages().error(QStringLiteral("กรุณาเลือกยี่ห้อรถ"));
        DBLookupComboBox1->setFocus();
        return;
    }
    if (model.isEmpty()) {
        widgets::messages().error(QStringLiteral("กรุณาป้อนรุ่นรถ"));
        Edit1->setFocus();
        return;
    }
    if (Dm->Database2.scalar(QStringLiteral("select count(*) from car_model where brand = ? and model = ?"), {brand, model})
            .toInt()
        > 0) {
        widgets::messages().error(QStringLiteral("รุ่นรถ %1 ของ %2 มีอยู่แล้ว").arg(model, brand));
        Edit1->setFocus();
        return;
    }
    engine::TableDataset *t = Dm->BrandT;
    t->append();
    try {
        t->setValue(QStringLiteral("BRAND"), brand);
        t->setValue(QStringLiteral("MODEL"), model);
        t->post();
    } catch (...) {
        t->cancel();
        throw;
    }
    widgets::messages().information(QStringLiteral("เพิ่มรุ่นรถเรียบร้อย"));
    clearEntry();
}
