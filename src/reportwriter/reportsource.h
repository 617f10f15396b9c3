#pragma once
// The rows a report reads. The renderer walks a source once from first() to eof()
// and asks, for the current row, each field's value and display format. Engine
// datasets are wrapped by an adapter; MemorySource keeps rows in memory.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace reportwriter {

class ReportSource
{
public:
    virtual ~ReportSource() = default;

    // Names of the fields a layout may refer to (case is kept; look-ups ignore it).
    virtual QStringList fieldNames() const = 0;
    // Moves to the first row; false when there is none (eof() is then true).
    virtual bool first() = 0;
    // Moves to the next row; false (and eof()) after the last row.
    virtual bool next() = 0;
    virtual bool eof() const = 0;
    // The current row's value; a null QVariant for an unknown field or a null value.
    // Dates carry the year exactly as stored (Buddhist-era for business dates).
    virtual QVariant value(const QString &field) const = 0;
    // The field's display format, e.g. "#,###.00"; empty for the general format.
    virtual QString displayFormat(const QString &field) const = 0;
    // Number of rows when known (for progress), -1 when not.
    virtual int rowCount() const = 0;
};

// Rows held in memory: fields are declared first (with their display formats),
// then rows are appended as lists of values in field order.
class MemorySource : public ReportSource
{
public:
    MemorySource() = default;
    explicit MemorySource(const QStringList &fields);

    void addField(const QString &name, const QString &displayFormat = {});
    void setDisplayFormat(const QString &field, const QString &format);
    void addRow(const QVariantList &values); // missing trailing values are null

    QStringList fieldNames() const override { return m_fields; }
    bool first() override;
    bool next() override;
    bool eof() const override;
    QVariant value(const QString &field) const override;
    QString displayFormat(const QString &field) const override;
    int rowCount() const override { return int(m_rows.size()); }

private:
    int indexOf(const QString &field) const;

    QStringList m_fields;
    QHash<QString, int> m_index;        // lower-case name -> column
    QHash<int, QString> m_formats;
    QList<QVariantList> m_rows;
    int m_current = -1;
};

} // namespace reportwriter
