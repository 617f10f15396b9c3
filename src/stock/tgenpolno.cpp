#include "tgenpolno.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "data/dm.h"
#include "edition/edition.h"
#include "engine/dberror.h"
#include "numberrange.h"
#include "platform/clock.h"
#include "widgets/entermovesfocus.h"
#include "widgets/focus.h"
#include "widgets/guarded.h"
#include "widgets/labels.h"
#include "widgets/maskededit.h"
#include "widgets/messages.h"
#include "widgets/numbertext.h"

TGenPolno::TGenPolno(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("GenPolno"));
    setWindowTitle(QStringLiteral("สร้างเลขกรมธรรม์"));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(stock::kPolnoLength);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    MaskEdit1 = new widgets::DateEdit(this);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    BitBtn1 = new QPushButton(QStringLiteral("สร้าง"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(widgets::labelFor(Edit1, QStringLiteral("เลขกรมธรรม์"), QStringLiteral("Label1")), 0, 0);
    layout->addWidget(Edit1, 0, 1);
    layout->addWidget(widgets::labelFor(Edit2, QStringLiteral("จำนวนกรมธรรม์"), QStringLiteral("Label2")), 1, 0);
    layout->addWidget(Edit2, 1, 1);
    layout->addWidget(widgets::labelFor(MaskEdit1, QStringLiteral("วันที่เบิก"), QStringLiteral("Label3")), 2, 0);
    layout->addWidget(MaskEdit1, 2, 1);
    layout->addWidget(BitBtn1, 3, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    setMinimumWidth(320);

    if (edition::isFull())
        widgets::installEnterMovesFocus(this);
    connect(BitBtn1, &QPushButton::clicked, this, &TGenPolno::BitBtn1Click);
}

void TGenPolno::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TGenPolno::FormShow()
{
    MaskEdit1->setDate(platform::Clock::today());
    Edit1->clear();
    Edit2->clear();
    widgets::focusOnShow(Edit1);
}

void TGenPolno::BitBtn1Click()
{
    widgets::guarded([this] { issue(); });
}

void TGenPolno::issue()
{
    const QString first = Edit1->text();
    if (first.isEmpty()) {
        widgets::messages().error(QStringLiteral("กรุณาป้อนเลขกรมธรรม์"));
        Edit1->setFocus();
        return;
    }
    if (first.size() != stock::kPolnoLength) {
        widgets::messages().error(QStringLiteral("เลขกรมธรรม์ต้องมี 8 ตัว"));
        Edit1->setFocus();
        return;
    }
    const int count = widgets::toInteger(Edit2->text());
    QStringList numbers;
    try {
        numbers = stock::numberRange(first, count);
    } catch (const platform::Error &e) {
        widgets::messages().error(e.message());
        (count < 1 ? Edit2 : Edit1)->setFocus();
        return;
    }
    const QDate received = MaskEdit1->date();

    // The numbers and the batch row are stored together or not at all.
    engine::Connection &db = Dm->Database2;
    engine::Transaction transaction(db);
    for (const QString &polno : numbers) {
        try {
            db.exec(QStringLiteral("insert into polmotor (polno, recdate, status) values (?, ?, '0')"),
                    {polno, received});
        } catch (const engine::DbError &e) {
            if (e.kind() != engine::DbErrorKind::KeyViolation)
                throw;
            throw platform::Error(
                QStringLiteral("เลขกรมธรรม์ %1 มีอยู่ในสต็อกแล้ว ไม่ได้สร้างเลขกรมธรรม์ชุดนี้").arg(polno));
        }
    }
    db.exec(QStringLiteral("insert into sticker2 (poltyp, polno, polno2, recdate, stickcount) values ('2', ?, ?, ?, ?)"),
            {first, numbers.last(), received, int(numbers.size())});
    transaction.commit();
    widgets::messages().information(QStringLiteral("Process Complete"));
}
