#pragma once
// A dataset whose rows are held in memory (query results, memory tables): the
// cursor, the filter view, locate, and look-ups through a hash index built on first
// use and dropped whenever the rows change.
#include <QHash>

#include "dataset.h"

namespace engine {

class RowsDataset : public Dataset
{
    Q_OBJECT
public:
    using Dataset::Dataset;
    int recordCount() override;

protected:
    bool doFirst(Record &row) override;
    bool doLast(Record &row) override;
    bool doNext(Record &row) override;
    bool doPrior(Record &row) override;
    bool doLocate(const QList<Condition> &conditions, Record &row) override;
    QVariant doLookup(const QList<Condition> &conditions, int resultField) override;
    void doInsert(Record &row, bool append) override;
    void doUpdate(const Record &oldRow, Record &row) override;
    bool doDelete(const Record &row, Record &landed) override;
    void filterChanged() override;
    bool doRefresh(Record &row) override { return at(m_pos, row); }

    // Where the rows are stored besides memory (an editable query writes its table).
    virtual void writeInsert(Record &) {}
    virtual void writeUpdate(const Record &, Record &) {}
    virtual void writeDelete(const Record &) {}

    void setRows(QVector<Record> rows);
    void clearRows();
    const QVector<Record> &rows() const { return m_rows; }

private:
    bool at(int pos, Record &row);
    QVariantList comingValues(int field, int count) const override;
    QVector<Record> m_rows;
    QVector<int> m_view;
    int m_pos = -1;
    mutable int m_aheadPos = -1; // where the last read-ahead started: tells the direction
    QHash<QString, QHash<QString, int>> m_indexes; // key fields → key text → row
};

} // namespace engine
