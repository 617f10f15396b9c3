#pragma once
// Writes a keyed Paradox table (level 7): the data file <name>.DB and its primary index
// <name>.PX, text in code page 874.
//
//   ParadoxWriter table(folder, transfer::motorTableName, transfer::motorColumns());
//   table.append(row);          // as many rows as wanted, in any order
//   table.close();              // writes both files, rows in key order
//
// The constructor at once writes the empty table, replacing a table of the same name
// in the folder (file names compared without case). Rows are checked and encoded when
// appended: a value that does not fit its column stops with a platform::Error naming
// the policy (the key) and the column, and the row is not taken. close() sorts the rows
// by key (the first column, compared byte by byte) and replaces both files as a whole,
// so a failure leaves the previous files. A writer destroyed without close() leaves the
// files as they were.
#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QVariant>
#include <vector>

#include "transfer/column.h"

namespace transfer {

class ParadoxWriter
{
public:
    // The first column is the primary key. Throws platform::Error when the folder or
    // the files cannot be made.
    ParadoxWriter(const QString &folder, const QString &tableName, const QList<Column> &columns);

    const QList<Column> &columns() const { return m_columns; }
    QString dataFilePath() const;
    QString indexFilePath() const;

    // One value per column, in column order. A null value, or an empty text, is
    // stored as the format's blank. Numbers may come as numbers or as their text.
    void append(const QVariantList &values);
    // Values by column name (without case). Columns that are not named take their
    // default value, or blank. A name that is no column is an error.
    void append(const QVariantMap &valuesByName);

    int rowCount() const { return int(m_order.size()); }

    // Writes the data file and the primary index with every row appended so far.
    // May be called again after more rows are appended.
    void close();

private:
    void writeFiles() const;
    QByteArray dataFile() const;
    QByteArray indexFile() const;
    QByteArray header(quint8 fileType, quint32 records, quint32 blocks, int indexLevels) const;

    QString m_folder;
    QString m_name;
    QList<Column> m_columns;
    QList<int> m_offsets;
    int m_recordSize = 0;
    int m_keySize = 0;
    QByteArray m_records;      // every appended record, back to back
    std::vector<int> m_order;  // record numbers, sorted by key on close()
    QSet<QByteArray> m_keys;
};

} // namespace transfer
