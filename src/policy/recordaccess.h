#pragma once
// The one row an operation of the policy windows reads or writes, seen through the
// smallest interface the rating needs: a value by field name, and setting one.
//
// Field names are the database's column names in upper case ("PREM", "NETPREM",
// "MOTCOM", "EFFDATE", "CODE", "AGENT", ...) and the data module's derived field
// names as they are spelt there ("prbprem", "prbnetprem"). Three rows take part:
//
//   the policy   the current row of MotorT, in insert or edit state (written);
//   the package  the current row of PacketQ (read only);
//   the agent    the current row of AgentT (read only).
//
// An adapter over a dataset returns the field's value of the current row (a null
// QVariant for a null or missing field, a QDate for a date column, a double for a
// money column, a QString for a text column, which may carry the blanks of a
// fixed-width column) and writes into the edit buffer; it stores nothing. A row that
// is not there (an empty package list, no agent found) is an empty record: every
// amount reads 0 and every text is empty, which is how a missing looked-up row counts.
#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace policy {

class RecordAccess
{
public:
    virtual ~RecordAccess() = default;
    virtual QVariant value(const QString &field) const = 0;
    virtual void setValue(const QString &field, const QVariant &value) = 0;
};

// A record held in memory: the empty row, and the rows of tests.
class MapRecord : public RecordAccess
{
public:
    MapRecord() = default;
    explicit MapRecord(QVariantMap values) : m_values(std::move(values)) {}

    QVariant value(const QString &field) const override { return m_values.value(field); }
    void setValue(const QString &field, const QVariant &value) override { m_values.insert(field, value); }

    const QVariantMap &values() const { return m_values; }

private:
    QVariantMap m_values;
};

} // namespace policy
