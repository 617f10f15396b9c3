#pragma once
// A data-bound edit box: shows one field of the current row of a data source's
// dataset and writes what is typed into that field as it is typed. Detached (data
// source disabled, dataset closed or without a row) it is empty and read only.
// Number fields take digits only (a leading minus sign too); text is limited to
// the field's size.
#include <QLineEdit>

#include "fieldlink.h"

namespace widgets {

class DBEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit DBEdit(QWidget *parent = nullptr);
    DBEdit(engine::DataSource *source, const QString &fieldName, QWidget *parent = nullptr);

    void setDataSource(engine::DataSource *source) { m_link.setDataSource(source); }
    engine::DataSource *dataSource() const { return m_link.dataSource(); }
    void setDataField(const QString &name) { m_link.setFieldName(name); }
    const QString &dataField() const { return m_link.fieldName(); }
    const FieldLink &link() const { return m_link; }

    // Shows the field's value again (display format while the box has no focus).
    void showValue();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void writeText(const QString &text);
    FieldLink m_link;
};

} // namespace widgets
