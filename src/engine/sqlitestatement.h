#pragma once
// Reads through SQLite's own interface on the handle of an open Qt connection, for the
// small statements a table dataset runs for every row: prepared once and kept, values
// bound as the Qt driver binds them (dates as ISO text, integers and reals as numbers,
// everything else as text), and column values given as the Qt driver gives them
// (integers as qlonglong, reals as double, text as QString), without the driver's row
// cache and its conversions to UTF-16 inside SQLite.
#include <QHash>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <memory>

#include "field.h"

struct sqlite3;
struct sqlite3_stmt;

namespace engine {

class SqliteStatement
{
public:
    // Raises DbError when the text does not prepare.
    SqliteStatement(sqlite3 *db, const QString &sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    // Starts a run with the values bound in order of the "?" placeholders.
    void start(const QVariantList &values);
    // Steps to the next row; false at the end. Raises DbError on failure.
    bool next();
    QVariant value(int column) const;
    // The value as a field of `type` holds it: text, whole numbers, reals and dates in
    // their stored form are read directly, anything else through Field::convert.
    QVariant valueAs(int column, FieldType type, const QString &fieldName) const;
    // Ends the run, so the statement holds no read lock on the file.
    void finish();

private:
    [[noreturn]] void fail(const QString &driverText) const;
    sqlite3 *m_db;
    sqlite3_stmt *m_stmt = nullptr;
};

// The statements of one connection by their text; all of them are finalized before
// the connection closes (SQLite refuses to close a handle with live statements).
class SqliteStatements
{
public:
    explicit SqliteStatements(sqlite3 *db) : m_db(db) {}
    SqliteStatement &get(const QString &sql);
    sqlite3 *handle() const { return m_db; }

private:
    sqlite3 *m_db;
    QHash<QString, std::shared_ptr<SqliteStatement>> m_statements;
};

// A run that is finished however it ends.
class SqliteRun
{
public:
    SqliteRun(SqliteStatement &statement, const QVariantList &values) : m_statement(statement) { statement.start(values); }
    ~SqliteRun() { m_statement.finish(); }
    SqliteRun(const SqliteRun &) = delete;
    SqliteRun &operator=(const SqliteRun &) = delete;
    bool next() { return m_statement.next(); }
    QVariant value(int column) const { return m_statement.value(column); }
    QVariant valueAs(int column, FieldType type, const QString &fieldName) const
    {
        return m_statement.valueAs(column, type, fieldName);
    }

private:
    SqliteStatement &m_statement;
};

} // namespace engine
