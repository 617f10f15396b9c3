#pragma once
// The rows of an SQL text. The text is a list of lines; a query is reused by
// closing it, replacing the whole text and opening it again. Named parameters
// (":prm", ":Prm1") are bound, never pasted. Without declared data fields the
// fields follow the result (with types from FieldTypeHints); with declared fields
// the result columns are matched by name, and columns whose name matches no field
// (an aggregate such as count(*)) take the remaining fields in order.
//
// A query can be made editable for one table ("request live"): edit, insert and
// delete then write that table by its key.
#include <QStringList>

#include "rowsdataset.h"

namespace engine {

class Connection;

class QueryDataset : public RowsDataset
{
    Q_OBJECT
public:
    explicit QueryDataset(Connection *connection = nullptr, const QString &name = {}, QObject *parent = nullptr);

    Connection *connection() const { return m_connection; }
    void setConnection(Connection *connection);

    const QStringList &sql() const { return m_sql; }
    // Replacing the text closes the query first and forgets the parameter values.
    void setSql(const QStringList &lines);
    void clearSql() { setSql({}); }
    void addSql(const QString &line);
    QString sqlText() const { return m_sql.join(QLatin1Char('\n')); }

    // Parameter names of the text, in order of first appearance.
    QStringList paramNames() const;
    // Case-insensitive; raises platform::Error for a name the text does not hold.
    void setParam(const QString &name, const QVariant &value);
    QVariant param(const QString &name) const;

    // Runs a text that returns no rows; returns the number of rows changed.
    int execSql();

    void setRequestLive(const QString &table, const QStringList &keyFields);
    bool isRequestLive() const { return !m_liveTable.isEmpty(); }
    int recordCount() override;

protected:
    void doOpen() override;
    void doClose() override;
    bool canModify() const override { return isRequestLive(); }
    void writeInsert(Record &row) override;
    void writeUpdate(const Record &oldRow, Record &row) override;
    void writeDelete(const Record &row) override;

private:
    Connection &connectionOrFail() const;
    QString boundText(QVariantList *values) const;
    void keyWhere(const Record &row, QString *where, QVariantList *values) const;
    Connection *m_connection;
    QStringList m_sql;
    QHash<QString, QVariant> m_params; // upper-case name → value
    bool m_dynamicFields = false;
    QString m_liveTable;
    QStringList m_liveKeys;
};

} // namespace engine
