#include "tagent.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "data/dm.h"
#include "tfagent.h"
#include "widgets/dbedit.h"
#include "widgets/guarded.h"
#include "widgets/labels.h"
#include "widgets/messages.h"

namespace {

bool editing(const engine::Dataset &d)
{
    return d.state() == engine::Dataset::State::Edit || d.state() == engine::Dataset::State::Insert;
}

} // namespace

TAgent::TAgent(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Agent"));
    setWindowTitle(QStringLiteral("ข้อมูล Agent"));

    auto edit = [this](const char *name, const char *field, int maxLength) {
        auto *e = new widgets::DBEdit(Dm->AgentTDs, QString::fromLatin1(field), this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(maxLength);
        return e;
    };
    DBEdit1 = edit("DBEdit1", "AGENT", 4);
    DBEdit2 = edit("DBEdit2", "FNAME", 70);
    DBEdit3 = edit("DBEdit3", "MOTCOM1", 9);
    DBEdit4 = edit("DBEdit4", "MOTCOM2", 2);
    DBEdit5 = edit("DBEdit5", "PRBCOM1", 9);
    DBEdit6 = edit("DBEdit6", "PRBCOM2", 2);
    auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    BitBtn1 = button("BitBtn1", QStringLiteral("สร้าง"));
    BitBtn2 = button("BitBtn2", QStringLiteral("บันทึก"));
    BitBtn3 = button("BitBtn3", QStringLiteral("ยกเลิก"));
    BitBtn4 = button("BitBtn4", QStringLiteral("ค้นหา"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(widgets::labelFor(DBEdit1, QStringLiteral("รหัส"), QStringLiteral("Label1")), 0, 0);
    layout->addWidget(DBEdit1, 0, 1);
    layout->addWidget(widgets::labelFor(DBEdit2, QStringLiteral("ชื่อ-นามสกุล"), QStringLiteral("Label2")), 1, 0);
    layout->addWidget(DBEdit2, 1, 1, 1, 4);
    layout->addWidget(widgets::labelFor(DBEdit3, QStringLiteral("ส่วนลดปภ.3"), QStringLiteral("Label3")), 2, 0);
    layout->addWidget(DBEdit3, 2, 1);
    layout->addWidget(new QLabel(QStringLiteral("บาท"), this), 2, 2);
    layout->addWidget(DBEdit4, 2, 3);
    layout->addWidget(new QLabel(QStringLiteral("%"), this), 2, 4);
    layout->addWidget(widgets::labelFor(DBEdit5, QStringLiteral("ส่วนลดพรบ."), QStringLiteral("Label4")), 3, 0);
    layout->addWidget(DBEdit5, 3, 1);
    layout->addWidget(new QLabel(QStringLiteral("บาท"), this), 3, 2);
    layout->addWidget(DBEdit6, 3, 3);
    layout->addWidget(new QLabel(QStringLiteral("%"), this), 3, 4);
    // The percentage boxes share their row's label; their own names tell them apart.
    widgets::nameField(DBEdit3, QStringLiteral("ส่วนลดปภ.3 บาท"));
    widgets::nameField(DBEdit4, QStringLiteral("ส่วนลดปภ.3 %"));
    widgets::nameField(DBEdit5, QStringLiteral("ส่วนลดพรบ. บาท"));
    widgets::nameField(DBEdit6, QStringLiteral("ส่วนลดพรบ. %"));
    DBEdit1->setMaximumWidth(80);
    for (widgets::DBEdit *e : {DBEdit3, DBEdit4, DBEdit5, DBEdit6})
        e->setMaximumWidth(e == DBEdit4 || e == DBEdit6 ? 50 : 100);
    layout->setColumnStretch(5, 1);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {BitBtn1, BitBtn2, BitBtn3, BitBtn4})
        buttons->addWidget(b);
    layout->addLayout(buttons, 4, 0, 1, 6);
    resize(460, 200);

    for (widgets::DBEdit *e : {DBEdit3, DBEdit4, DBEdit5, DBEdit6})
        e->installEventFilter(this);
    connect(BitBtn1, &QPushButton::clicked, this, &TAgent::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TAgent::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TAgent::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TAgent::BitBtn4Click);

    // The menu command detaches the boxes before it opens the window; the window
    // starts idle either way.
    Dm->AgentTDs->setEnabled(false);
    setWorking(false);
}

TAgent::~TAgent()
{
    discardPending();
}

void TAgent::setWorking(bool working)
{
    BitBtn1->setEnabled(!working);
    BitBtn2->setEnabled(working);
    BitBtn3->setEnabled(working);
    BitBtn4->setEnabled(!working);
}

bool TAgent::searchAgent(QWidget *parent)
{
    TFAgent search(parent);
    search.exec();
    return search.chosen();
}

void TAgent::BitBtn1Click()
{
    widgets::guarded([this] {
        Dm->AgentT->append(); // the data module proposes the next code
        Dm->AgentTDs->setEnabled(true);
        setWorking(true);
        DBEdit2->setFocus();
    });
}

void TAgent::BitBtn4Click()
{
    widgets::guarded([this] {
        TFAgent::prepareList();
        if (!searchAgent(this))
            return;
        const QString code = Dm->AgentQ2->value(QStringLiteral("AGENT")).toString();
        if (!Dm->AgentT->locate(QStringLiteral("AGENT"), code))
            return;
        Dm->AgentT->edit();
        Dm->AgentTDs->setEnabled(true);
        setWorking(true);
        DBEdit2->setFocus();
    });
}

void TAgent::BitBtn2Click()
{
    widgets::guarded([this] {
        // A failed store keeps the row being created or edited so it can be put right.
        Dm->AgentT->post();
        Dm->AgentTDs->setEnabled(false);
        setWorking(false);
        widgets::messages().information(QStringLiteral("Save Complete"));
    });
}

void TAgent::BitBtn3Click()
{
    widgets::guarded([this] {
        if (!widgets::messages().questionYesNo(QStringLiteral("คุณต้องการยกเลิกการแก้ไข ใช่หรือไม่?")))
            return;
        Dm->AgentT->cancel();
        Dm->AgentTDs->setEnabled(false);
        setWorking(false);
        widgets::messages().information(QStringLiteral("Cancel Complete"));
    });
}

bool TAgent::eventFilter(QObject *watched, QEvent *event)
{
    // Of each discount pair only one is meant to be non-zero: any key in one box
    // sets the other to 0, even a key that changes nothing.
    if (event->type() == QEvent::KeyPress && editing(*Dm->AgentT) && Dm->AgentTDs->isEnabled()) {
        const char *other = watched == DBEdit3   ? "MOTCOM2"
                            : watched == DBEdit4 ? "MOTCOM1"
                            : watched == DBEdit5 ? "PRBCOM2"
                            : watched == DBEdit6 ? "PRBCOM1"
                                                 : nullptr;
        if (other)
            widgets::guarded([&] { Dm->AgentT->setValue(QString::fromLatin1(other), 0); });
    }
    return QDialog::eventFilter(watched, event);
}

void TAgent::closeEvent(QCloseEvent *event)
{
    discardPending();
    QDialog::closeEvent(event);
}

void TAgent::discardPending()
{
    // Closing the window while a row is being created or edited stores nothing: the
    // row is dropped rather than left half made in the shared dataset.
    if (Dm && Dm->AgentT && editing(*Dm->AgentT))
        widgets::guarded([] { Dm->AgentT->cancel(); });
}
