#pragma once
// The link of one data-aware control to one field of a data source's dataset: it
// finds the field (again after each open, since a query's fields may follow its
// result), tells the control when to show the value again, and writes a value into
// the current row, putting the dataset into edit state first.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include "engine/datasource.h"

namespace widgets {

class FieldLink : public QObject
{
    Q_OBJECT
public:
    explicit FieldLink(QObject *parent = nullptr);

    void setDataSource(engine::DataSource *source);
    engine::DataSource *dataSource() const { return m_source; }
    void setFieldName(const QString &name);
    const QString &fieldName() const { return m_fieldName; }

    // The data source is enabled, its dataset open with a current row and the field exists.
    bool isLinked() const;
    // The field in the current dataset; nullptr when not linked.
    engine::Field *field() const;
    // Whether the control may be typed into: linked and the dataset can be edited.
    bool canEdit() const;
    // The dataset is in edit or insert state.
    bool isEditing() const;
    // Writes a value into the field of the current row (the dataset goes into edit
    // state when it browses). Returns false when not linked or not editable. Raises
    // platform::Error when the value does not convert.
    bool write(const QVariant &value);
    bool isWriting() const { return m_writing; }

signals:
    // Show the field's value again (row moved, value changed, linked or unlinked).
    void changed();

private:
    QPointer<engine::DataSource> m_source;
    QString m_fieldName;
    QList<QMetaObject::Connection> m_connections;
    bool m_writing = false;
};

} // namespace widgets
