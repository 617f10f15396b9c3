#pragma once
// Reads a Paradox table from its data file (<name>.DB) alone: whatever index file lies
// beside it is not opened, so a stale or missing .PX does not matter. Rows come in the
// table's order (the order of its blocks). Text is decoded from the table's code page
// (874, Thai; other code pages are read as Latin-1).
//
//   ParadoxReader table(path);               // throws platform::Error
//   for (const QVariantMap &row : table.rows()) row.value("POLNO") ...
//
// Values: Alpha as QString, Short as int, Double as double, Date as QDate (the stored
// year as it is). A blank field is a null QVariant of the column's type.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

#include "transfer/column.h"

namespace transfer {

class ParadoxReader
{
public:
    // Opens the file; a file of that name in another case is found as well.
    explicit ParadoxReader(const QString &dataFile);

    const QList<Column> &columns() const { return m_columns; }
    int codePage() const { return m_codePage; }
    int rowCount() const { return int(m_rowOffsets.size()); }

    QVariantList values(int row) const;   // in column order
    QVariantMap row(int row) const;       // by column name
    QList<QVariantMap> rows() const;

private:
    QVariant value(const char *record, int column) const;

    QString m_path;
    QByteArray m_file;
    QList<Column> m_columns;
    QList<int> m_fieldOffsets;
    QList<qsizetype> m_rowOffsets;
    int m_codePage = 0;
};

} // namespace transfer
