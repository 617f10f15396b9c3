#pragma once
// A look-up drop-down list: its entries are the rows of a list dataset (the text of
// the list field, the key field behind it); picking one writes the key into the
// data field of the bound data source. Without a data source it is a plain picker
// whose choice is read with keyValue(). Only listed entries can be picked.
#include <QComboBox>
#include <QPointer>

#include "fieldlink.h"

namespace widgets {

class DBLookupComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit DBLookupComboBox(QWidget *parent = nullptr);

    void setDataSource(engine::DataSource *source) { m_link.setDataSource(source); }
    void setDataField(const QString &name) { m_link.setFieldName(name); }
    // The list: the dataset of `listSource`, its key field and the field shown.
    void setListSource(engine::DataSource *listSource, const QString &keyField, const QString &listField = {});
    const FieldLink &link() const { return m_link; }

    // Reads the list dataset's rows again (it follows the list source by itself when
    // the list dataset is opened again).
    void reloadList();
    // The key of the entry shown; null when nothing is picked.
    QVariant keyValue() const;
    void setKeyValue(const QVariant &key);
    // Nothing picked.
    void clearChoice();

private:
    void showValue();
    void picked(int index);
    FieldLink m_link;
    QPointer<engine::DataSource> m_listSource;
    QString m_keyField;
    QString m_listField;
    bool m_filling = false;
};

} // namespace widgets
