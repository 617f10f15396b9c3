#pragma once
// A data-bound radio group: one button per value of a field; the button of the
// current row's value is checked, and checking a button writes its value.
#include <QGroupBox>
#include <QList>
#include <QVariant>

#include "fieldlink.h"

class QButtonGroup;
class QRadioButton;

namespace widgets {

class DBRadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    struct Item {
        QString caption;
        QVariant value;
    };
    explicit DBRadioGroup(const QString &title, const QList<Item> &items, QWidget *parent = nullptr);

    void setDataSource(engine::DataSource *source) { m_link.setDataSource(source); }
    void setDataField(const QString &name) { m_link.setFieldName(name); }
    const FieldLink &link() const { return m_link; }

    // The index of the checked button, -1 when none.
    int itemIndex() const;
    // Checks a button without writing (for a group that is not bound).
    void setItemIndex(int index);
    QRadioButton *button(int index) const;
    QVariant value() const;

signals:
    void itemChosen(int index);

private:
    void showValue();
    void choose(int index);
    QList<Item> m_items;
    QButtonGroup *m_group;
    FieldLink m_link;
};

} // namespace widgets
