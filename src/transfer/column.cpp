#include "transfer/column.h"

namespace transfer {

int Column::storedSize() const
{
    switch (type) {
    case ColumnType::Alpha: return width;
    case ColumnType::Short: return 2;
    case ColumnType::Double: return 8;
    case ColumnType::Date: return 4;
    }
    return 0;
}

int indexOfColumn(const QList<Column> &columns, const QString &name)
{
    for (int i = 0; i < columns.size(); ++i) {
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace transfer
