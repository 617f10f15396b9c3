#include "tdelpolno.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "data/dm.h"
#include "edition/edition.h"
#include "widgets/entermovesfocus.h"
#include "widgets/focus.h"
#include "widgets/guarded.h"
#include "widgets/labels.h"
#include "widgets/maskededit.h"
#include "widgets/messages.h"

TDelPolno::TDelPolno(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DelPolno"));
    setWindowTitle(QStringLiteral("ลบเลขกรมธรรม์"));

    MaskEdit1 = new widgets::DateEdit(this);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    BitBtn1 = new QPushButton(QStringLiteral("ลบ"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);

    auto *layout = new QGridLayout(this);
    layout->addWidget(widgets::labelFor(MaskEdit1, QStringLiteral("วันที่เบิก"), QStringLiteral("Label1")), 0, 0);
    layout->addWidget(MaskEdit1, 0, 1);
    layout->addWidget(BitBtn1, 1, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    setMinimumWidth(280);

    if (edition::isFull())
        widgets::installEnterMovesFocus(this);
    connect(BitBtn1, &QPushButton::clicked, this, &TDelPolno::BitBtn1Click);
}

void TDelPolno::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TDelPolno::FormShow()
{
    MaskEdit1->clearEntry();
    widgets::focusOnShow(MaskEdit1);
}

void TDelPolno::BitBtn1Click()
{
    widgets::guarded([this] { removeDate(); });
}

void TDelPolno::removeDate()
{
    const QString text = MaskEdit1->maskedText();
    // A text that is no date is refused before anything is asked or deleted.
    const QDate received = MaskEdit1->date();
    if (!widgets::messages().questionYesNo(QStringLiteral("คุณต้องการยกเลิกกรมธรรม์วันที่") + text
                                           + QStringLiteral("  ใช่หรือไม่?")))
        return;
    engine::Connection &db = Dm->Database2;
    engine::Transaction transaction(db);
    db.exec(QStringLiteral("delete from polmotor where recdate = ?"), {received});
    db.exec(QStringLiteral("delete from sticker2 where recdate = ? and poltyp = '2'"), {received});
    transaction.commit();
    widgets::messages().information(QStringLiteral("Process Complete"));
}
