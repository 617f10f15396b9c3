#pragma once
// One column of a Paradox table: its name, its type and, for text, its width.
#include <QList>
#include <QString>
#include <QVariant>

namespace transfer {

enum class ColumnType {
    Alpha,  // text of at most `width` characters (code page 874), padded with zero bytes
    Short,  // 16-bit whole number, -32767..32767
    Double, // 8-byte floating-point number
    Date,   // a day; the year is stored as given (2550 stays 2550)
};

struct Column
{
    QString name;
    ColumnType type = ColumnType::Alpha;
    int width = 0;          // characters of an Alpha column; ignored for the other types
    QVariant defaultValue;  // the value a new row gets when none is given (validity file)

    static Column alpha(const QString &name, int width) { return {name, ColumnType::Alpha, width, {}}; }
    static Column shortInt(const QString &name, QVariant def = {}) { return {name, ColumnType::Short, 0, def}; }
    static Column number(const QString &name) { return {name, ColumnType::Double, 0, {}}; }
    static Column date(const QString &name) { return {name, ColumnType::Date, 0, {}}; }

    // Bytes the column takes in a record.
    int storedSize() const;
};

// Index of the column named `name` (compared without case), or -1.
int indexOfColumn(const QList<Column> &columns, const QString &name);

} // namespace transfer
