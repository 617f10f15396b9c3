#include "querydataset.h"

#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

#include "connection.h"
#include "fieldtypehints.h"
#include "platform/error.h"
#include "sqltext.h"

namespace engine {

QueryDataset::QueryDataset(Connection *connection, const QString &name, QObject *parent)
    : RowsDataset(name, parent), m_connection(connection)
{
    setReadOnly(false);
}

void QueryDataset::setConnection(Connection *connection)
{
    close();
    m_connection = connection;
}

void QueryDataset::setSql(const QStringList &lines)
{
    close();
    m_sql = lines;
    m_params.clear();
}

void QueryDataset::addSql(const QString &line)
{
    close();
    m_sql << line;
}

QStringList QueryDataset::paramNames() const
{
    QStringList names;
    for (const QString &n : sqltext::parameters(sqlText()))
        if (!names.contains(n, Qt::CaseInsensitive))
            names << n;
    return names;
}

void QueryDataset::setParam(const QString &name, const QVariant &value)
{
    if (!paramNames().contains(name, Qt::CaseInsensitive))
        throw platform::Error(QStringLiteral("%1: Parameter '%2' not found").arg(objectName(), name));
    m_params.insert(name.toUpper(), value);
}

QVariant QueryDataset::param(const QString &name) const
{
    return m_params.value(name.toUpper());
}

Connection &QueryDataset::connectionOrFail() const
{
    if (!m_connection || !m_connection->isOpen())
        throw platform::Error(QStringLiteral("%1: the query has no open database").arg(objectName()));
    return *m_connection;
}

QString QueryDataset::boundText(QVariantList *values) const
{
    QStringList names;
    const QString text = sqltext::positional(sqlText(), &names);
    for (const QString &n : names)
        *values << m_params.value(n.toUpper());
    return text;
}

int QueryDataset::execSql()
{
    Connection &c = connectionOrFail();
    QVariantList values;
    const QString text = boundText(&values);
    return c.exec(text, values);
}

void QueryDataset::setRequestLive(const QString &table, const QStringList &keyFields)
{
    m_liveTable = table;
    m_liveKeys = keyFields;
}

int QueryDataset::recordCount()
{
    return RowsDataset::recordCount();
}


void QueryDataset::doOpen()
{
    Connection &c = connectionOrFail();
    QVariantList values;
    const QString text = boundText(&values);
    QSqlQuery query(c.database());
    query.setForwardOnly(true);
    if (!query.prepare(text))
        throw c.dialect().toError(query.lastError());
    for (const QVariant &v : values)
        query.addBindValue(v);
    if (!query.exec())
        throw c.dialect().toError(query.lastError());

    const QSqlRecord columns = query.record();
    bool declared = false;
    for (const auto &f : fields())
        declared = declared || f->isData();
    m_dynamicFields = !declared;
    if (m_dynamicFields) {
        for (int i = 0; i < columns.count(); ++i) {
            const QSqlField column = columns.field(i);
            const auto hint = FieldTypeHints::find(column.name());
            FieldDef def(column.name(), hint ? hint->type : fieldTypeOfColumn(column, c.dialect()), hint ? hint->size : 0);
            if (findField(def.name))
                def.name += QStringLiteral("_%1").arg(i);
            addField(def);
        }
    }

    // Result column of each data field: by name first; then the expression columns
    // the server named after their text ("count(status)") fill the unmatched fields in order.
    QVector<int> columnOf(fieldCount(), -1);
    QVector<bool> used(columns.count(), false);
    for (const auto &f : fields()) {
        if (!f->isData())
            continue;
        const int col = columns.indexOf(f->name());
        if (col >= 0 && !used[col]) {
            columnOf[f->index()] = col;
            used[col] = true;
        }
    }
    int nextFree = 0;
    for (const auto &f : fields()) {
        if (!f->isData() || columnOf[f->index()] >= 0)
            continue;
        while (nextFree < columns.count() && (used[nextFree] || !columns.fieldName(nextFree).contains(QLatin1Char('('))))
            ++nextFree;
        if (nextFree < columns.count()) {
            columnOf[f->index()] = nextFree;
            used[nextFree] = true;
        }
    }

    const bool trimFixed = c.dialect().padsFixedText();
    QVector<Record> rows;
    while (query.next()) {
        Record row(fieldCount());
        for (const auto &f : fields()) {
            const int col = columnOf[f->index()];
            if (col < 0)
                continue;
            QVariant raw = query.value(col);
            if (trimFixed && f->type() == FieldType::FixedString && !raw.isNull())
                raw = trimFixedText(raw.toString());
            row[f->index()] = Field::convert(raw, f->type(), 0, f->name());
        }
        rows << row;
    }
    query.finish();
    setRows(std::move(rows));
}

void QueryDataset::doClose()
{
    clearRows();
    if (m_dynamicFields)
        removeDataFields();
    m_dynamicFields = false;
}

void QueryDataset::keyWhere(const Record &row, QString *where, QVariantList *values) const
{
    QStringList parts;
    for (const QString &k : m_liveKeys) {
        parts << k + QStringLiteral("=?");
        *values << row.at(fieldByName(k)->index());
    }
    *where = parts.join(QStringLiteral(" and "));
}

void QueryDataset::writeInsert(Record &row)
{
    QVariantList values;
    const QString insert = insertStatement(m_liveTable, row, &values);
    if (insert.isEmpty())
        throw DbError(DbErrorKind::MissingValue, QStringLiteral("%1: the new row has no values").arg(objectName()));
    connectionOrFail().exec(insert, values);
}

void QueryDataset::writeUpdate(const Record &oldRow, Record &row)
{
    QVariantList values;
    const QStringList sets = changedAssignments(oldRow, row, &values);
    if (sets.isEmpty())
        return;
    QString where;
    keyWhere(oldRow, &where, &values);
    connectionOrFail().exec(QStringLiteral("update %1 set %2 where %3").arg(m_liveTable, sets.join(QLatin1Char(',')), where), values);
}

void QueryDataset::writeDelete(const Record &row)
{
    QString where;
    QVariantList values;
    keyWhere(row, &where, &values);
    connectionOrFail().exec(QStringLiteral("delete from %1 where %2").arg(m_liveTable, where), values);
}

} // namespace engine
