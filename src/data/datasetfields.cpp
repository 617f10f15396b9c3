#include "datasetfields.h"

#include <QHash>

#include <QSet>

#include "engine/fieldtypehints.h"
#include "platform/error.h"

namespace data {

engine::FieldType fieldTypeOf(ColumnType type)
{
    using engine::FieldType;
    switch (type) {
    case ColumnType::Char:
        return FieldType::FixedString;
    case ColumnType::Varchar:
        return FieldType::String;
    case ColumnType::SmallInt:
        return FieldType::SmallInt;
    case ColumnType::Integer:
        return FieldType::Integer;
    case ColumnType::Double:
        return FieldType::Float;
    case ColumnType::Date:
        return FieldType::Date;
    case ColumnType::Timestamp:
        return FieldType::DateTime;
    }
    return FieldType::String;
}

namespace {
engine::FieldDef defOf(const Column &c, const QStringList &money)
{
    engine::FieldDef def(c.name, fieldTypeOf(c.type), c.size);
    if (money.contains(c.name, Qt::CaseInsensitive))
        def.money();
    return def;
}
} // namespace

void addColumns(engine::Dataset &dataset, const QString &table, const QStringList &columns, const QStringList &money)
{
    const Table &t = Schema::table(table);
    for (const QString &name : columns) {
        const Column *c = t.column(name);
        if (!c)
            throw platform::Error(QStringLiteral("%1 has no column %2").arg(table, name));
        dataset.addField(defOf(*c, money));
    }
}

void addTableColumns(engine::Dataset &dataset, const QString &table, const QStringList &except, const QStringList &money)
{
    for (const Column &c : Schema::table(table).editionColumns())
        if (!except.contains(c.name, Qt::CaseInsensitive))
            dataset.addField(defOf(c, money));
}

void registerFieldTypeHints()
{
    using engine::FieldType;
    const auto family = [](FieldType t) {
        switch (t) {
        case FieldType::String:
        case FieldType::FixedString:
            return 0;
        case FieldType::SmallInt:
        case FieldType::Integer:
            return 1;
        case FieldType::Float:
            return 2;
        case FieldType::Date:
        case FieldType::DateTime:
            return 3;
        default:
            return 4;
        }
    };
    QHash<QString, engine::FieldTypeHint> hints;
    QSet<QString> mixed;
    for (const Table &t : Schema::tables()) {
        for (const Column &c : t.columns) {
            const QString name = c.name.toUpper();
            const engine::FieldTypeHint hint{fieldTypeOf(c.type), c.size};
            const auto it = hints.find(name);
            if (it == hints.end()) {
                hints.insert(name, hint);
            } else if (family(it->type) != family(hint.type)) {
                mixed.insert(name);
            } else if (hint.type == FieldType::FixedString || hint.type == FieldType::DateTime) {
                it->type = hint.type; // trimming is harmless for the VARCHAR twin
                it->size = qMax(it->size, hint.size);
            } else {
                it->size = qMax(it->size, hint.size);
            }
        }
    }
    for (auto it = hints.cbegin(); it != hints.cend(); ++it)
        if (!mixed.contains(it.key()))
            engine::FieldTypeHints::set(it.key(), it->type, it->size);
}

} // namespace data
