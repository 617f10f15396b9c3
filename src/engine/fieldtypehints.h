#pragma once
// Column name → field type, for datasets whose fields come from a query result.
// SQLite hands DATE columns back as text and Firebird pads CHAR(n); the data layer
// fills this registry from its schema so that a plain "select * from motor" still
// gives QDate for KEYDATE and trimmed text for POLNO.
#include <QString>
#include <optional>

#include "field.h"

class QSqlField;

namespace engine {

struct FieldTypeHint
{
    FieldType type;
    int size = 0;
};

class FieldTypeHints
{
public:
    // Names are compared without case. A later hint for the same name replaces the earlier.
    static void set(const QString &columnName, FieldType type, int size = 0);
    static std::optional<FieldTypeHint> find(const QString &columnName);
    static void clear();
};

class Dialect;

// The field type a result or table column has when no hint names it: the driver's
// value type, with Firebird's padded CHAR columns recognised as fixed text (a table's
// description calls them field type 14, a query result SQL_TEXT, 452/453).
FieldType fieldTypeOfColumn(const QSqlField &column, const Dialect &dialect);

} // namespace engine
