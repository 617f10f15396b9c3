#pragma once
// Dataset fields made from the schema: the columns' types and sizes, so that the
// data module names only what differs (money formats, headings, masks).
#include <QStringList>

#include "engine/dataset.h"
#include "schema.h"

namespace data {

engine::FieldType fieldTypeOf(ColumnType type);

// Adds the named columns of a table, in the order given.
void addColumns(engine::Dataset &dataset, const QString &table, const QStringList &columns,
                const QStringList &money = {});
// Adds every column of a table that the edition works with, in table order, except those named.
void addTableColumns(engine::Dataset &dataset, const QString &table, const QStringList &except = {},
                     const QStringList &money = {});

// Fills engine::FieldTypeHints from the schema, so that fields taken from a query
// result get dates as dates and fixed-width text trimmed. A name whose columns have
// different kinds of type in different tables gets no hint.
void registerFieldTypeHints();

} // namespace data
