#include "fieldtypehints.h"

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

} // namespace engine
