#include "dblookupcombobox.h"

#include "guarded.h"

namespace widgets {

DBLookupComboBox::DBLookupComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(false);
    connect(&m_link, &FieldLink::changed, this, &DBLookupComboBox::showValue);
    connect(this, &QComboBox::activated, this, &DBLookupComboBox::picked);
}

void DBLookupComboBox::setListSource(engine::DataSource *listSource, const QString &keyField, const QString &listField)
{
    if (m_listSource)
        disconnect(m_listSource->dataset(), nullptr, this, nullptr);
    m_listSource = listSource;
    m_keyField = keyField;
    m_listField = listField.isEmpty() ? keyField : listField;
    if (listSource && listSource->dataset())
        connect(listSource->dataset(), &engine::Dataset::activeChanged, this, &DBLookupComboBox::reloadList);
    reloadList();
}

void DBLookupComboBox::reloadList()
{
    const QVariant chosen = keyValue();
    m_filling = true;
    clear();
    engine::Dataset *list = m_listSource ? m_listSource->dataset() : nullptr;
    if (list && list->isActive()) {
        engine::Field *key = list->fieldByName(m_keyField);
        engine::Field *shown = list->fieldByName(m_listField);
        for (list->first(); !list->eof(); list->next())
            addItem(shown->displayText(), key->value());
        list->first();
    }
    setCurrentIndex(-1);
    m_filling = false;
    if (m_link.dataSource())
        showValue();
    else
        setKeyValue(chosen);
}

QVariant DBLookupComboBox::keyValue() const
{
    return currentIndex() < 0 ? QVariant() : currentData();
}

void DBLookupComboBox::setKeyValue(const QVariant &key)
{
    int found = -1;
    if (!key.isNull())
        for (int i = 0; i < count(); ++i)
            if (itemData(i).toString() == key.toString())
                found = i;
    setCurrentIndex(found);
}

void DBLookupComboBox::clearChoice()
{
    setCurrentIndex(-1);
}

void DBLookupComboBox::showValue()
{
    if (m_link.isWriting() || m_filling || !m_link.dataSource())
        return;
    engine::Field *f = m_link.isLinked() ? m_link.field() : nullptr;
    setEnabled(!f || m_link.canEdit());
    setKeyValue(f ? f->value() : QVariant());
}

void DBLookupComboBox::picked(int index)
{
    if (m_filling || !m_link.dataSource())
        return;
    guarded([&] {
        if (!m_link.write(itemData(index)))
            showValue();
    });
}

} // namespace widgets
