#include "tfagent.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "data/dm.h"
#include "widgets/dbgrid.h"
#include "widgets/focus.h"
#include "widgets/guarded.h"
#include "widgets/labels.h"

TFAgent::TFAgent(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FAgent"));
    setWindowTitle(QStringLiteral("ค้นหา Agent"));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(4);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaxLength(70);
    BitBtn1 = new QPushButton(QStringLiteral("ค้นหา"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);
    BitBtn2 = new QPushButton(QStringLiteral("ยกเลิก"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);
    DBGrid1 = new widgets::DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    widgets::nameField(DBGrid1, QStringLiteral("รายชื่อ Agent"));
    DBGrid1->setDataSource(Dm->AgentQ2Ds);
    DBGrid1->setColumns({{QStringLiteral("AGENT"), QStringLiteral("รหัส"), 6},
                         {QStringLiteral("FNAME"), QStringLiteral("ชื่อ-นามสกุล"), 40}});

    auto *layout = new QGridLayout(this);
    layout->addWidget(widgets::labelFor(Edit1, QStringLiteral("เลขที่ Agent"), QStringLiteral("Label1")), 0, 0);
    layout->addWidget(Edit1, 0, 1);
    layout->addWidget(widgets::labelFor(Edit2, QStringLiteral("ชื่อ-นามสกุล"), QStringLiteral("Label2")), 1, 0);
    layout->addWidget(Edit2, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->addWidget(DBGrid1, 3, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    resize(460, 380);

    Edit1->installEventFilter(this);
    Edit2->installEventFilter(this);
    connect(BitBtn1, &QPushButton::clicked, this, &TFAgent::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFAgent::BitBtn2Click);
    connect(DBGrid1, &widgets::DBGrid::lineActivated, this, &TFAgent::DBGrid1DblClick);
}

void TFAgent::prepareList()
{
    Dm->AgentQ2->close();
    Dm->AgentQ2->setSql({QStringLiteral("select * from agent order by agent")});
    Dm->AgentQ2->open();
}

QString TFAgent::chosenAgent() const
{
    if (!m_chosen || !Dm->AgentQ2->isActive() || Dm->AgentQ2->isEmpty())
        return {};
    return Dm->AgentQ2->value(QStringLiteral("AGENT")).toString();
}

void TFAgent::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFAgent::FormShow()
{
    Edit1->clear();
    Edit2->clear();
    widgets::focusOnShow(Edit1);
}

bool TFAgent::eventFilter(QObject *watched, QEvent *event)
{
    // One criterion at a time: a key in one box clears the other.
    if (event->type() == QEvent::KeyPress) {
        if (watched == Edit1)
            Edit2->clear();
        else if (watched == Edit2)
            Edit1->clear();
    }
    return QDialog::eventFilter(watched, event);
}

void TFAgent::BitBtn1Click()
{
    widgets::guarded([this] { search(); });
}

void TFAgent::search()
{
    engine::QueryDataset *q = Dm->AgentQ2;
    if (!Edit1->text().isEmpty()) {
        q->close();
        q->setSql({QStringLiteral("select * from agent"), QStringLiteral("where agent = :code")});
        q->setParam(QStringLiteral("code"), Edit1->text());
        q->open();
    }
    if (!Edit2->text().isEmpty()) {
        q->close();
        q->setSql({QStringLiteral("select * from agent"), QStringLiteral("where FName like :name")});
        q->setParam(QStringLiteral("name"), QStringLiteral("%") + Edit2->text() + QStringLiteral("%"));
        q->open();
    }
}

void TFAgent::BitBtn2Click()
{
    m_chosen = false;
    reject();
}

void TFAgent::DBGrid1DblClick()
{
    if (!Dm->AgentQ2->isActive() || Dm->AgentQ2->isEmpty())
        return;
    m_chosen = true;
    accept();
}
