#pragma once
// All rows of one table, read by key: the dataset holds one small page of rows
// around the current one and fetches the next page with "where key > ? order by
// key", so a large table is never loaded whole. Locate and look-up by key are single
// indexed statements. The filter becomes part of every statement's where clause.
//
// A table without a unique key is paged by position in the order of its order
// fields; such a row is written back by matching all its old values, one row at a time.
#include <QHash>

#include "dataset.h"

namespace engine {

class Connection;

class TableDataset : public Dataset
{
    Q_OBJECT
public:
    TableDataset(Connection *connection, const QString &tableName, const QString &name = {}, QObject *parent = nullptr);

    Connection *connection() const { return m_connection; }
    const QString &tableName() const { return m_table; }
    void setTableName(const QString &table);
    // The unique key; taken from the table's primary key when not set.
    void setKeyFields(const QStringList &fields);
    const QStringList &keyFields() const { return m_keys; }
    // The order of a table without a unique key; all its columns when not set.
    void setOrderFields(const QStringList &fields) { m_orderFields = fields; }
    void setPageSize(int rows) { m_pageSize = qMax(1, rows); }
    // Keeps the results of look-ups into this table until it is written through this
    // dataset, refreshed, reopened, or a dataset that looks up into it opens (so a
    // query's look-ups are as fresh as its own rows). For small code tables.
    void setCachesLookups(bool caches) { m_cachesLookups = caches; m_lookupCache.clear(); }
    void clearLookupCache() override { m_lookupCache.clear(); }
    int recordCount() override;

protected:
    void doOpen() override;
    void doClose() override;
    bool doFirst(Record &row) override;
    bool doLast(Record &row) override;
    bool doNext(Record &row) override;
    bool doPrior(Record &row) override;
    bool doLocate(const QList<Condition> &conditions, Record &row) override;
    QVariant doLookup(const QList<Condition> &conditions, int resultField) override;
    void doInsert(Record &row, bool append) override;
    void doUpdate(const Record &oldRow, Record &row) override;
    bool doDelete(const Record &row, Record &landed) override;
    bool doRefresh(Record &row) override;
    void filterChanged() override;
    bool readsAhead() const override;
    bool hasReadAhead(int field, const QVariant &value) const override;
    void readAhead(int field, const QVariantList &values) override;
    QVariantList comingValues(int field, int count) const override;

private:
    bool keyed() const { return !m_keyIndexes.isEmpty(); }
    Connection &db() const;
    template<typename OnRow>
    void read(const QString &sql, const QVariantList &values, OnRow onRow);
    QVector<Record> fetch(const QString &sql, const QVariantList &values);
    QString selectSql(const QString &where, const QString &order, int limit, qint64 offset) const;
    QString whereFor(const QList<Condition> &conditions, QVariantList *values) const;
    template<typename Build>
    const QString &shapedSql(int read, const QList<Condition> &conditions, QVariantList *values, Build build);
    QString keysetWhere(const Record &row, bool after, QVariantList *values) const;
    QString orderBy(bool descending) const;
    QString rowMatch(const Record &row, QVariantList *values) const;
    QString singleRow(const QString &verb, const QString &where) const;
    QVariant readValue(QVariant raw, const Field &field) const;
    void setPage(QVector<Record> page, int index, Record &row);
    QString readAheadKey(int field, const QVariant &value) const;
    struct RowRun
    {
        qsizetype start = 0;
        qsizetype count = 0;
    };
    const RowRun *readAheadRun(int field, const QVariant &value) const;
    const RowRun *readAheadRows(const QList<Condition> &conditions) const;
    void forgetReadAhead();
    bool reread(const Record &keyRow, Record &row);

    Connection *m_connection;
    QString m_table;
    QStringList m_keys;
    QStringList m_orderFields;
    QVector<int> m_keyIndexes;
    QVector<int> m_orderIndexes;
    QString m_columns;
    int m_pageSize = 64;
    QVector<Record> m_page;
    int m_index = -1;
    qint64 m_offset = 0;   // position of the page's first row (tables without key)
    bool m_detached = false; // a row posted to a table without key: its position is unknown
    bool m_atEnd = false;    // the page holds the last row (a forward read came back short)
    bool m_atStart = false;  // the page holds the first row
    QHash<QVector<int>, QString> m_shapedSql;
    QVector<const Field *> m_dataFields; // in column order of every select
    bool m_cachesLookups = false;
    QHash<QString, QVariant> m_lookupCache;
    // The rows of the last read-ahead batch, in the order of one field, and the run of
    // rows of each value by its text; good while the connection holds the read they
    // were read in.
    struct ReadAheadRows
    {
        int field = -1;
        quint64 epoch = 0;
        QVector<Record> rows;
        QHash<QString, RowRun> runs;
    } m_readAhead;
};

} // namespace engine
