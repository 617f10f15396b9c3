#include "tabledataset.h"

#include <QSqlField>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>

#include "connection.h"
#include "fieldtypehints.h"
#include "sqlitestatement.h"
#include "platform/error.h"

namespace engine {

TableDataset::TableDataset(Connection *connection, const QString &tableName, const QString &name, QObject *parent)
    : Dataset(name.isEmpty() ? tableName : name, parent), m_connection(connection), m_table(tableName)
{
}

void TableDataset::setTableName(const QString &table)
{
    close();
    m_table = table;
}

void TableDataset::setKeyFields(const QStringList &fields)
{
    close();
    m_keys = fields;
}

Connection &TableDataset::db() const
{
    if (!m_connection || !m_connection->isOpen())
        throw platform::Error(QStringLiteral("%1: the table %2 has no open database").arg(objectName(), m_table));
    return *m_connection;
}

namespace {

QString pageClause(const Dialect &dialect, int limit, qint64 offset)
{
    if (limit <= 0)
        return {};
    if (dialect.kind() == DriverKind::Sqlite)
        return QStringLiteral(" limit %1 offset %2").arg(limit).arg(offset);
    return QStringLiteral(" offset %1 rows fetch next %2 rows only").arg(offset).arg(limit);
}

} // namespace

void TableDataset::doOpen()
{
    Connection &c = db();
    const QSqlDatabase database = c.database();
    bool declared = false;
    for (const auto &f : fields())
        declared = declared || f->isData();
    if (!declared) {
        const QSqlRecord columns = database.record(m_table);
        if (columns.isEmpty())
            throw DbError(DbErrorKind::Other, QStringLiteral("%1: Table does not exist: %2").arg(objectName(), m_table));
        for (int i = 0; i < columns.count(); ++i) {
            const QSqlField column = columns.field(i);
            const auto hint = FieldTypeHints::find(column.name());
            addField(FieldDef(column.name(), hint ? hint->type : fieldTypeOfColumn(column, c.dialect()),
                              hint ? hint->size : qMax(0, column.length())));
        }
    }
    QStringList keys = m_keys;
    if (keys.isEmpty()) {
        const QSqlIndex primary = database.primaryIndex(m_table);
        for (int i = 0; i < primary.count(); ++i)
            keys << primary.fieldName(i);
    }
    m_keyIndexes.clear();
    for (const QString &k : keys)
        m_keyIndexes << fieldByName(k)->index();
    m_orderIndexes.clear();
    if (keyed()) {
        m_orderIndexes = m_keyIndexes;
    } else if (!m_orderFields.isEmpty()) {
        for (const QString &k : m_orderFields)
            m_orderIndexes << fieldByName(k)->index();
    } else {
        for (const auto &f : fields())
            if (f->isData())
                m_orderIndexes << f->index();
    }
    QStringList names;
    m_dataFields.clear();
    for (const auto &f : fields())
        if (f->isData()) {
            names << f->name();
            m_dataFields << f.get();
        }
    m_columns = names.join(QLatin1Char(','));
    m_shapedSql.clear();
    forgetReadAhead();
    m_page.clear();
    m_index = -1;
    m_offset = 0;
    m_detached = false;
}

void TableDataset::doClose()
{
    m_shapedSql.clear();
    m_lookupCache.clear();
    forgetReadAhead();
    m_page.clear();
    m_index = -1;
}

void TableDataset::filterChanged()
{
    m_lookupCache.clear();
    m_atEnd = m_atStart = false;
    m_page.clear();
    m_index = -1;
    m_offset = 0;
}

QVariant TableDataset::readValue(QVariant raw, const Field &field) const
{
    if (field.type() == FieldType::FixedString && !raw.isNull() && m_connection->dialect().padsFixedText())
        raw = trimFixedText(raw.toString());
    return Field::convert(raw, field.type(), 0, field.name());
}

// Runs a read and hands every row to onRow(column), where column(c, field) gives the
// value of result column c as `field` holds it; onRow returns false to stop. On SQLite the
// statement is kept and read through SQLite's own interface. Firebird keeps a prepared
// select inside the snapshot transaction it first ran in, so a kept statement would
// not see rows stored since; there every read is prepared afresh and its transaction
// ends with it.
template<typename OnRow>
void TableDataset::read(const QString &sql, const QVariantList &values, OnRow onRow)
{
    Connection &c = db();
    if (computingDerivedFields())
        c.holdRead();
    if (SqliteStatements *statements = c.sqliteStatements()) {
        SqliteRun run(statements->get(sql), values);
        const bool pads = c.dialect().padsFixedText();
        while (run.next())
            if (!onRow([&](int column, const Field &field) {
                    return pads ? readValue(run.value(column), field) : run.valueAs(column, field.type(), field.name());
                }))
                break;
        return;
    }
    QSqlQuery query(c.database());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw c.dialect().toError(query.lastError());
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec())
        throw c.dialect().toError(query.lastError());
    while (query.next())
        if (!onRow([&](int column, const Field &field) { return readValue(query.value(column), field); }))
            break;
    query.finish();
}

QVector<Record> TableDataset::fetch(const QString &sql, const QVariantList &values)
{
    QVector<Record> rows;
    const QVector<const Field *> &data = m_dataFields;
    read(sql, values, [&](const auto &column) {
        Record row(fieldCount());
        for (int c = 0; c < data.size(); ++c)
            row[data[c]->index()] = column(c, *data[c]);
        rows << row;
        return true;
    });
    return rows;
}

QString TableDataset::whereFor(const QList<Condition> &conditions, QVariantList *values) const
{
    QStringList parts;
    for (const Condition &c : filterConditions() + conditions) {
        if (c.value.isNull()) {
            parts << field(c.field)->name() + QStringLiteral(" is null");
            continue;
        }
        parts << field(c.field)->name() + QStringLiteral("=?");
        *values << c.value;
    }
    return parts.join(QStringLiteral(" and "));
}

// The text of a read made for every row (first page, locate, look-up), kept by its
// shape: the kind of read, the fields of the filter and the conditions, and which of
// their values are null. `values` gets the bound values as whereFor() gives them.
template<typename Build>
const QString &TableDataset::shapedSql(int read, const QList<Condition> &conditions, QVariantList *values, Build build)
{
    QVector<int> shape{read, m_pageSize};
    for (const QList<Condition> *list : {&filterConditions(), &conditions})
        for (const Condition &c : *list)
            shape << (c.value.isNull() ? -1 - c.field : c.field);
    auto it = m_shapedSql.constFind(shape);
    if (it != m_shapedSql.constEnd()) {
        for (const QList<Condition> *list : {&filterConditions(), &conditions})
            for (const Condition &c : *list)
                if (!c.value.isNull())
                    *values << c.value;
        return *it;
    }
    return *m_shapedSql.insert(shape, build(whereFor(conditions, values)));
}

QString TableDataset::orderBy(bool descending) const
{
    QStringList parts;
    for (int i : m_orderIndexes)
        parts << field(i)->name() + (descending ? QStringLiteral(" desc") : QString());
    return parts.join(QLatin1Char(','));
}

QString TableDataset::keysetWhere(const Record &row, bool after, QVariantList *values) const
{
    // (k1 > ?) or (k1 = ? and k2 > ?) or ...
    QStringList alternatives;
    for (int i = 0; i < m_keyIndexes.size(); ++i) {
        QStringList parts;
        for (int j = 0; j < i; ++j) {
            parts << field(m_keyIndexes[j])->name() + QStringLiteral("=?");
            *values << row.at(m_keyIndexes[j]);
        }
        parts << field(m_keyIndexes[i])->name() + (after ? QStringLiteral(">?") : QStringLiteral("<?"));
        *values << row.at(m_keyIndexes[i]);
        alternatives << QLatin1Char('(') + parts.join(QStringLiteral(" and ")) + QLatin1Char(')');
    }
    return QLatin1Char('(') + alternatives.join(QStringLiteral(" or ")) + QLatin1Char(')');
}

QString TableDataset::selectSql(const QString &where, const QString &order, int limit, qint64 offset) const
{
    QString sql = QStringLiteral("select %1 from %2").arg(m_columns, m_table);
    if (!where.isEmpty())
        sql += QStringLiteral(" where ") + where;
    if (!order.isEmpty())
        sql += QStringLiteral(" order by ") + order;
    return sql + pageClause(m_connection->dialect(), limit, offset);
}

void TableDataset::setPage(QVector<Record> page, int index, Record &row)
{
    m_atEnd = m_atStart = false;
    m_page = std::move(page);
    m_index = index;
    row = m_page.at(index);
}

namespace {
enum ShapedRead { FirstPage = -1, LocateByKey = -2 }; // look-ups use their result field
} // namespace

bool TableDataset::doFirst(Record &row)
{
    if (const RowRun *ahead = readAheadRows({})) {
        m_offset = 0;
        m_detached = false;
        if (ahead->count == 0) {
            m_page.clear();
            m_index = -1;
            return false;
        }
        const bool shortPage = ahead->count < m_pageSize;
        setPage(m_readAhead.rows.mid(ahead->start, qMin<qsizetype>(ahead->count, m_pageSize)), 0, row);
        m_atStart = true;
        m_atEnd = shortPage;
        return true;
    }
    QVariantList values;
    const QString &sql = shapedSql(FirstPage, {}, &values,
                                   [this](const QString &where) { return selectSql(where, orderBy(false), m_pageSize, 0); });
    QVector<Record> page = fetch(sql, values);
    m_offset = 0;
    m_detached = false;
    if (page.isEmpty()) {
        m_page.clear();
        m_index = -1;
        return false;
    }
    const bool shortPage = page.size() < m_pageSize;
    setPage(std::move(page), 0, row);
    m_atStart = true;
    m_atEnd = shortPage;
    return true;
}

bool TableDataset::doLast(Record &row)
{
    m_detached = false;
    if (keyed()) {
        QVariantList values;
        const QString where = whereFor({}, &values);
        QVector<Record> page = fetch(selectSql(where, orderBy(true), m_pageSize, 0), values);
        if (page.isEmpty())
            return false;
        std::reverse(page.begin(), page.end());
        const int index = int(page.size()) - 1;
        const bool shortPage = page.size() < m_pageSize;
        setPage(std::move(page), index, row);
        m_atEnd = true;
        m_atStart = shortPage;
        return true;
    }
    const int count = recordCount();
    if (count == 0)
        return false;
    const qint64 offset = qMax<qint64>(0, count - m_pageSize);
    QVariantList values;
    const QString where = whereFor({}, &values);
    QVector<Record> page = fetch(selectSql(where, orderBy(false), m_pageSize, offset), values);
    if (page.isEmpty())
        return false;
    m_offset = offset;
    const int index = int(page.size()) - 1;
    setPage(std::move(page), index, row);
    m_atEnd = true;
    m_atStart = offset == 0;
    return true;
}

bool TableDataset::doNext(Record &row)
{
    if (m_index < 0 || m_detached)
        return false;
    if (m_index + 1 < m_page.size()) {
        row = m_page.at(++m_index);
        return true;
    }
    if (m_atEnd)
        return false;
    QVariantList values;
    QString where = whereFor({}, &values);
    QVector<Record> page;
    if (keyed()) {
        const QString keyset = keysetWhere(m_page.at(m_index), true, &values);
        where = where.isEmpty() ? keyset : where + QStringLiteral(" and ") + keyset;
        page = fetch(selectSql(where, orderBy(false), m_pageSize, 0), values);
    } else {
        page = fetch(selectSql(where, orderBy(false), m_pageSize, m_offset + m_page.size()), values);
        if (!page.isEmpty())
            m_offset += m_page.size();
    }
    if (page.isEmpty()) {
        m_atEnd = true;
        return false;
    }
    const bool shortPage = page.size() < m_pageSize;
    setPage(std::move(page), 0, row);
    m_atEnd = shortPage;
    return true;
}

bool TableDataset::doPrior(Record &row)
{
    if (m_index < 0 || m_detached)
        return false;
    if (m_index > 0) {
        row = m_page.at(--m_index);
        return true;
    }
    if (m_atStart)
        return false;
    QVariantList values;
    QString where = whereFor({}, &values);
    QVector<Record> page;
    if (keyed()) {
        const QString keyset = keysetWhere(m_page.at(m_index), false, &values);
        where = where.isEmpty() ? keyset : where + QStringLiteral(" and ") + keyset;
        page = fetch(selectSql(where, orderBy(true), m_pageSize, 0), values);
        std::reverse(page.begin(), page.end());
    } else {
        if (m_offset == 0)
            return false;
        const qint64 offset = qMax<qint64>(0, m_offset - m_pageSize);
        page = fetch(selectSql(where, orderBy(false), int(m_offset - offset), offset), values);
        if (!page.isEmpty())
            m_offset = offset;
    }
    if (page.isEmpty()) {
        m_atStart = true;
        return false;
    }
    const bool reachedStart = keyed() ? page.size() < m_pageSize : m_offset == 0;
    const int index = int(page.size()) - 1;
    setPage(std::move(page), index, row);
    m_atStart = reachedStart;
    return true;
}

bool TableDataset::doLocate(const QList<Condition> &conditions, Record &row)
{
    if (keyed()) {
        if (const RowRun *ahead = readAheadRows(conditions)) {
            if (ahead->count == 0)
                return false;
            m_detached = false;
            setPage({m_readAhead.rows.at(ahead->start)}, 0, row);
            return true;
        }
        QVariantList values;
        const QString &sql = shapedSql(LocateByKey, conditions, &values,
                                       [this](const QString &where) { return selectSql(where, orderBy(false), 1, 0); });
        QVector<Record> page = fetch(sql, values);
        if (page.isEmpty())
            return false;
        m_detached = false;
        setPage(std::move(page), 0, row);
        return true;
    }
    // Without a key the position is needed for paging: walk the pages.
    const int pageSize = qMax(m_pageSize, 256);
    QVariantList values;
    const QString where = whereFor({}, &values);
    for (qint64 offset = 0;; offset += pageSize) {
        QVector<Record> page = fetch(selectSql(where, orderBy(false), pageSize, offset), values);
        for (int i = 0; i < page.size(); ++i) {
            if (matches(page.at(i), conditions)) {
                m_offset = offset;
                m_detached = false;
                setPage(std::move(page), i, row);
                return true;
            }
        }
        if (page.size() < pageSize)
            return false;
    }
}

QVariant TableDataset::doLookup(const QList<Condition> &conditions, int resultField)
{
    QString cacheKey;
    if (m_cachesLookups) {
        // Field numbers as single characters: the key is built without number texts.
        cacheKey += QChar(char16_t(resultField));
        for (const Condition &c : conditions) {
            cacheKey += QChar(char16_t(c.field));
            cacheKey += keyText(c.value);
            cacheKey += QLatin1Char('\x1f');
        }
        const auto it = m_lookupCache.constFind(cacheKey);
        if (it != m_lookupCache.constEnd())
            return *it;
    }
    if (const RowRun *ahead = readAheadRows(conditions))
        return ahead->count == 0 ? QVariant() : m_readAhead.rows.at(ahead->start).at(resultField);
    QVariantList values;
    const Field &result = *field(resultField);
    const QString &sql = shapedSql(resultField, conditions, &values, [&](const QString &where) {
        return QStringLiteral("select %1 from %2 where %3").arg(result.name(), m_table, where)
            + (m_connection->dialect().kind() == DriverKind::Sqlite ? QStringLiteral(" limit 1") : QStringLiteral(" rows 1"));
    });
    QVariant found;
    read(sql, values, [&](const auto &column) {
        found = column(0, result);
        return false;
    });
    if (m_cachesLookups)
        m_lookupCache.insert(cacheKey, found);
    return found;
}

QString TableDataset::rowMatch(const Record &row, QVariantList *values) const
{
    QStringList parts;
    const QVector<int> &indexes = keyed() ? m_keyIndexes : [this] {
        QVector<int> all;
        for (const auto &f : fields())
            if (f->isData())
                all << f->index();
        return all;
    }();
    for (int i : indexes) {
        if (row.at(i).isNull()) {
            parts << field(i)->name() + QStringLiteral(" is null");
        } else {
            parts << field(i)->name() + QStringLiteral("=?");
            *values << row.at(i);
        }
    }
    return parts.join(QStringLiteral(" and "));
}

// An update or delete of exactly one row matched by `where` (tables without key
// may hold twins).
QString TableDataset::singleRow(const QString &verb, const QString &where) const
{
    if (keyed())
        return verb + QStringLiteral(" where ") + where;
    if (m_connection->dialect().kind() == DriverKind::Sqlite)
        return verb + QStringLiteral(" where rowid=(select rowid from %1 where %2 limit 1)").arg(m_table, where);
    return verb + QStringLiteral(" where ") + where + QStringLiteral(" rows 1");
}

bool TableDataset::reread(const Record &keyRow, Record &row)
{
    QVariantList values;
    const QString where = rowMatch(keyRow, &values);
    QVector<Record> page = fetch(selectSql(where, QString(), 0, 0), values);
    if (page.isEmpty())
        return false;
    for (int i = 0; i < row.size(); ++i)
        if (field(i)->isData())
            row[i] = page.first().at(i);
    return true;
}

void TableDataset::doInsert(Record &row, bool)
{
    m_lookupCache.clear();
    forgetReadAhead();
    QVariantList values;
    const QString insert = insertStatement(m_table, row, &values);
    if (insert.isEmpty())
        throw DbError(DbErrorKind::MissingValue, QStringLiteral("%1: the new row has no values").arg(objectName()));
    db().exec(insert, values);
    if (keyed()) {
        reread(row, row); // picks up the column defaults
        m_detached = false;
    } else {
        m_detached = true;
    }
    m_atEnd = m_atStart = false;
    m_page = {row};
    m_index = 0;
}

void TableDataset::doUpdate(const Record &oldRow, Record &row)
{
    m_lookupCache.clear();
    forgetReadAhead();
    QVariantList values;
    const QStringList sets = changedAssignments(oldRow, row, &values);
    if (sets.isEmpty())
        return;
    const QString where = rowMatch(oldRow, &values);
    const int changed = db().exec(singleRow(QStringLiteral("update %1 set %2").arg(m_table, sets.join(QLatin1Char(','))), where), values);
    if (changed == 0)
        throw DbError(DbErrorKind::Other, QStringLiteral("%1: Record not found or changed by another user").arg(objectName()));
    if (keyed()) {
        reread(row, row);
        m_atEnd = m_atStart = false;
        m_page = {row};
        m_index = 0;
    } else if (m_index >= 0 && m_index < m_page.size()) {
        m_page[m_index] = row;
    }
}

bool TableDataset::doDelete(const Record &row, Record &landed)
{
    m_lookupCache.clear();
    forgetReadAhead();
    QVariantList values;
    const QString where = rowMatch(row, &values);
    db().exec(singleRow(QStringLiteral("delete from %1").arg(m_table), where), values);
    if (keyed()) {
        QVariantList v;
        QString filterWhere = whereFor({}, &v);
        const QString keyset = keysetWhere(row, true, &v);
        QVector<Record> page = fetch(selectSql(filterWhere.isEmpty() ? keyset : filterWhere + QStringLiteral(" and ") + keyset,
                                               orderBy(false), m_pageSize, 0),
                                     v);
        if (!page.isEmpty()) {
            setPage(std::move(page), 0, landed);
            return true;
        }
        m_atEnd = m_atStart = false;
        m_page = {row};
        m_index = 0;
        if (doPrior(landed))
            return true;
        m_page.clear();
        m_index = -1;
        return false;
    }
    // Without a key: read the page again from the same position.
    const qint64 position = m_detached ? 0 : m_offset + m_index;
    QVariantList v;
    const QString filterWhere = whereFor({}, &v);
    QVector<Record> page = fetch(selectSql(filterWhere, orderBy(false), m_pageSize, qMax<qint64>(0, position)), v);
    m_detached = false;
    if (!page.isEmpty()) {
        m_offset = position;
        setPage(std::move(page), 0, landed);
        return true;
    }
    if (position > 0) {
        m_offset = position;
        m_atEnd = m_atStart = false;
        m_page = {row};
        m_index = 0;
        if (doPrior(landed))
            return true;
    }
    m_page.clear();
    m_index = -1;
    return false;
}

bool TableDataset::doRefresh(Record &row)
{
    m_lookupCache.clear();
    forgetReadAhead();
    if (m_index < 0 || m_index >= m_page.size())
        return false;
    if (!keyed()) {
        QVariantList values;
        const QString where = whereFor({}, &values);
        QVector<Record> page = fetch(selectSql(where, orderBy(false), m_pageSize, m_offset), values);
        if (page.isEmpty() || m_index >= page.size())
            return false;
        const int index = m_index;
        setPage(std::move(page), index, row);
        return true;
    }
    Record current = m_page.at(m_index);
    if (!reread(current, current))
        return false;
    m_atEnd = m_atStart = false;
    m_page = {current};
    m_index = 0;
    row = current;
    return true;
}

// Reading ahead is for tables read by statements that see one stored state while the
// connection holds its read (SQLite); code tables keep their own look-up answers.
bool TableDataset::readsAhead() const
{
    return m_connection && m_connection->canHoldRead() && !m_cachesLookups;
}

// Values are matched as the server compares them: converted to the field's type, a
// fixed-width text without the blanks the server pads it with.
QString TableDataset::readAheadKey(int field, const QVariant &value) const
{
    const Field &f = *this->field(field);
    QVariant v = Field::convert(value, f.type(), 0, f.name());
    if (f.type() == FieldType::FixedString && !v.isNull() && m_connection->dialect().padsFixedText())
        v = trimFixedText(v.toString());
    return keyText(v);
}

// The run of rows read ahead for a value of a field; nullptr when the last batch was
// not read for it, or was read in a read that has ended since.
const TableDataset::RowRun *TableDataset::readAheadRun(int field, const QVariant &value) const
{
    if (m_readAhead.field != field || value.isNull() || !m_connection->holdsRead()
        || m_readAhead.epoch != m_connection->readEpoch())
        return nullptr;
    const auto it = m_readAhead.runs.constFind(readAheadKey(field, value));
    return it == m_readAhead.runs.constEnd() ? nullptr : &*it;
}

bool TableDataset::hasReadAhead(int field, const QVariant &value) const
{
    return readAheadRun(field, value) != nullptr;
}

// One statement reads the rows of all the values (the list is filled up to its fixed
// length with the last value, so the statement is prepared once).
void TableDataset::readAhead(int field, const QVariantList &values)
{
    forgetReadAhead();
    if (values.isEmpty() || !readsAhead())
        return;
    db().holdRead();
    if (!db().holdsRead())
        return;
    QVariantList bound = values.mid(0, kReadAheadRows);
    while (bound.size() < kReadAheadRows)
        bound << bound.last();
    QStringList marks;
    for (int i = 0; i < kReadAheadRows; ++i)
        marks << QStringLiteral("?");
    const QString where = QStringLiteral("%1 in (%2)").arg(this->field(field)->name(), marks.join(QLatin1Char(',')));
    // Ordered by the field first, so that SQLite walks its index and sorts only the
    // rows of each value; within a value the rows keep the table's order.
    QVector<Record> rows = fetch(selectSql(where, this->field(field)->name() + QLatin1Char(',') + orderBy(false), 0, 0), bound);
    // The rows of one value follow each other; each value gets its run of rows.
    QHash<QString, RowRun> runs;
    QString key;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (i == 0 || rows.at(i).at(field) != rows.at(i - 1).at(field))
            key = keyText(rows.at(i).at(field));
        RowRun &run = runs[key];
        if (run.count == 0)
            run.start = i;
        ++run.count;
    }
    const QVariant *previous = nullptr;
    for (const QVariant &v : bound) {
        if (!v.isNull() && (!previous || v != *previous))
            runs[readAheadKey(field, v)]; // a value without rows: found to have none
        previous = &v;
    }
    m_readAhead.rows = std::move(rows);
    m_readAhead.runs = std::move(runs);
    m_readAhead.field = field;
    m_readAhead.epoch = db().readEpoch();
}

void TableDataset::forgetReadAhead()
{
    m_readAhead.field = -1;
    m_readAhead.rows.clear();
    m_readAhead.runs.clear();
}

// The rows read ahead that answer a read whose filter and conditions together are one
// equality on the read-ahead field; nullptr when the batch cannot answer it.
const TableDataset::RowRun *TableDataset::readAheadRows(const QList<Condition> &conditions) const
{
    const QList<Condition> &filter = filterConditions();
    if (m_readAhead.field < 0 || filter.size() + conditions.size() != 1)
        return nullptr;
    const Condition &c = filter.isEmpty() ? conditions.first() : filter.first();
    return readAheadRun(c.field, c.value);
}

// The rows of the current page from the current one on, then those before it.
QVariantList TableDataset::comingValues(int field, int count) const
{
    QVariantList values;
    if (m_index < 0 || m_index >= m_page.size())
        return values;
    for (int i = m_index; i < m_page.size() && values.size() < count; ++i)
        values << m_page.at(i).at(field);
    for (int i = m_index - 1; i >= 0 && values.size() < count; --i)
        values << m_page.at(i).at(field);
    return values;
}

int TableDataset::recordCount()
{
    checkActive();
    QVariantList values;
    const QString where = whereFor({}, &values);
    QString sql = QStringLiteral("select count(*) from %1").arg(m_table);
    if (!where.isEmpty())
        sql += QStringLiteral(" where ") + where;
    return db().scalar(sql, values).toInt();
}

} // namespace engine
