#include "stocknumberwindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "data/dm.h"
#include "numberrange.h"
#include "widgets/entermovesfocus.h"
#include "widgets/focus.h"
#include "widgets/guarded.h"
#include "widgets/labels.h"
#include "widgets/messages.h"

StockNumberWindow::StockNumberWindow(const Behaviour &behaviour, QWidget *parent)
    : QDialog(parent), m_behaviour(behaviour)
{
    setWindowTitle(behaviour.title);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(stock::kPolnoLength);
    BitBtn1 = new QPushButton(QStringLiteral("ตกลง"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(widgets::labelFor(Edit1, QStringLiteral("เลขกรมธรรม์"), QStringLiteral("Label1")), 0, 0);
    layout->addWidget(Edit1, 0, 1);
    layout->addWidget(BitBtn1, 1, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    setMinimumWidth(320);

    if (behaviour.enterMovesFocus)
        widgets::installEnterMovesFocus(this);
    connect(BitBtn1, &QPushButton::clicked, this, &StockNumberWindow::BitBtn1Click);
}

void StockNumberWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void StockNumberWindow::FormShow()
{
    if (!m_behaviour.clearOnShow)
        return;
    Edit1->clear();
    widgets::focusOnShow(Edit1);
}

void StockNumberWindow::BitBtn1Click()
{
    widgets::guarded([this] { setStatus(); });
}

void StockNumberWindow::setStatus()
{
    const QString polno = Edit1->text();
    if (polno.isEmpty()) {
        widgets::messages().error(QStringLiteral("กรุณาป้อนเลขกรมธรรม์"));
        Edit1->setFocus();
        return;
    }
    engine::Connection &db = Dm->Database2;
    const QString notInStock = QStringLiteral("ไม่พบเลขกรมธรรม์ %1 ในสต็อก").arg(polno);
    if (db.scalar(QStringLiteral("select count(*) from polmotor where polno = ?"), {polno}).toInt() == 0) {
        widgets::messages().error(notInStock);
        Edit1->setFocus();
        return;
    }
    if (!widgets::messages().questionYesNo(m_behaviour.question))
        return;
    if (db.exec(QStringLiteral("update polmotor set status = ? where polno = ?"), {m_behaviour.status, polno}) == 0) {
        widgets::messages().error(notInStock);
        return;
    }
    widgets::messages().information(QStringLiteral("Process Complete"));
}
