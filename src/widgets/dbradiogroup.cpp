#include "dbradiogroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include "guarded.h"

namespace widgets {

DBRadioGroup::DBRadioGroup(const QString &title, const QList<Item> &items, QWidget *parent)
    : QGroupBox(title, parent), m_items(items), m_group(new QButtonGroup(this))
{
    setAccessibleName(title);
    auto *layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto *b = new QRadioButton(items.at(i).caption, this);
        m_group->addButton(b, i);
        layout->addWidget(b);
    }
    connect(m_group, &QButtonGroup::idClicked, this, &DBRadioGroup::choose);
    connect(&m_link, &FieldLink::changed, this, &DBRadioGroup::showValue);
}

QRadioButton *DBRadioGroup::button(int index) const
{
    return qobject_cast<QRadioButton *>(m_group->button(index));
}

int DBRadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

QVariant DBRadioGroup::value() const
{
    const int i = itemIndex();
    return i < 0 ? QVariant() : m_items.at(i).value;
}

void DBRadioGroup::setItemIndex(int index)
{
    if (index < 0 || index >= m_items.size()) {
        // A button group that is exclusive cannot be emptied directly.
        m_group->setExclusive(false);
        for (QAbstractButton *b : m_group->buttons())
            b->setChecked(false);
        m_group->setExclusive(true);
        return;
    }
    button(index)->setChecked(true);
}

void DBRadioGroup::showValue()
{
    if (m_link.isWriting() || !m_link.dataSource())
        return;
    engine::Field *f = m_link.isLinked() ? m_link.field() : nullptr;
    int found = -1;
    if (f && !f->isNull())
        for (int i = 0; i < m_items.size(); ++i)
            if (m_items.at(i).value.toString() == f->asString())
                found = i;
    setItemIndex(found);
    for (QAbstractButton *b : m_group->buttons())
        b->setEnabled(!f || m_link.canEdit());
}

void DBRadioGroup::choose(int index)
{
    if (m_link.dataSource())
        guarded([&] {
            if (!m_link.write(m_items.at(index).value))
                showValue();
        });
    emit itemChosen(index);
}

} // namespace widgets
