#pragma once
// Every table of the two databases as data: columns in their order with type, size,
// NOT NULL and default, the primary key and the indexes of the look-ups the program
// makes. The DDL for SQLite and for Firebird is generated from this one description.
#include <QList>
#include <QString>
#include <QStringList>

namespace engine {
class Connection;
class Dialect;
} // namespace engine

namespace data {

enum class ColumnType { Char, Varchar, SmallInt, Integer, Double, Date, Timestamp };
enum class DatabaseId { QalMotor, QalPrb };

struct Column {
    QString name;
    ColumnType type;
    int size = 0;              // characters, for Char and Varchar
    bool notNull = false;
    QString defaultValue;      // SQL literal, e.g. '0'
    bool basicEditionOnly = false;
};

struct Table {
    QString name;
    DatabaseId database;
    QList<Column> columns;
    QStringList primaryKey;
    QList<QStringList> indexes;

    const Column *column(const QString &name) const;   // found without regard to case
    int columnIndex(const QString &name) const;        // -1 when absent
    // The columns a program of the current edition works with (the basic edition's
    // extra MOTOR columns are left out in the full edition).
    QList<Column> editionColumns() const;
};

class Schema
{
public:
    static const QList<Table> &tables();
    static const Table &table(const QString &name);     // throws platform::Error for an unknown name
    static QList<const Table *> tablesOf(DatabaseId database);

    // CREATE TABLE and CREATE INDEX statements for one table. MOTOR is always made
    // with the basic edition's extra columns, so one installation serves both
    // programs; the full edition's datasets leave those columns alone.
    static QStringList ddl(const Table &table, const engine::Dialect &dialect);
    static QString columnTypeSql(const Column &column, const engine::Dialect &dialect);
    // Every column name of every table with its type, for reading query results.
    static ColumnType typeOfColumnName(const QString &name, bool *known = nullptr);

    static bool tableExists(engine::Connection &connection, const QString &table);
    // Creates the tables (and their indexes) of one database that do not exist yet;
    // returns the names of the tables created. Existing tables are never touched.
    static QStringList createMissingTables(engine::Connection &connection, DatabaseId database);
};

} // namespace data
