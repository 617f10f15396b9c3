#include "fieldtypehints.h"

#include <QSqlField>

#include "dialect.h"

#include <QHash>

namespace engine {

namespace {
QHash<QString, FieldTypeHint> &registry()
{
    static QHash<QString, FieldTypeHint> hints;
    return hints;
}
} // namespace

void FieldTypeHints::set(const QString &columnName, FieldType type, int size)
{
    registry().insert(columnName.toUpper(), FieldTypeHint{type, size});
}

std::optional<FieldTypeHint> FieldTypeHints::find(const QString &columnName)
{
    const auto it = registry().constFind(columnName.toUpper());
    if (it == registry().constEnd())
        return std::nullopt;
    return *it;
}

void FieldTypeHints::clear()
{
    registry().clear();
}

FieldType fieldTypeOfColumn(const QSqlField &column, const Dialect &dialect)
{
    if (dialect.padsFixedText() && (column.typeID() == 14 || (column.typeID() & ~1) == 452))
        return FieldType::FixedString;
    switch (column.metaType().id()) {
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return FieldType::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return FieldType::Float;
    case QMetaType::Bool:
        return FieldType::Boolean;
    case QMetaType::QDate:
        return FieldType::Date;
    case QMetaType::QDateTime:
        return FieldType::DateTime;
    default:
        return FieldType::String;
    }
}

} // namespace engine
