#include "schema.h"

#include <QHash>
#include <QSqlDatabase>

#include "edition/edition.h"
#include "engine/connection.h"
#include "engine/dialect.h"
#include "platform/error.h"

namespace data {

namespace {

Column ch(const char *name, int size, bool notNull = false)
{
    return {QString::fromLatin1(name), ColumnType::Char, size, notNull, {}, false};
}
Column vc(const char *name, int size, bool notNull = false)
{
    return {QString::fromLatin1(name), ColumnType::Varchar, size, notNull, {}, false};
}
Column si(const char *name, bool notNull = false)
{
    return {QString::fromLatin1(name), ColumnType::SmallInt, 0, notNull, {}, false};
}
Column in(const char *name)
{
    return {QString::fromLatin1(name), ColumnType::Integer, 0, false, {}, false};
}
Column dbl(const char *name, bool notNull = false)
{
    return {QString::fromLatin1(name), ColumnType::Double, 0, notNull, {}, false};
}
Column dt(const char *name, bool notNull = false)
{
    return {QString::fromLatin1(name), ColumnType::Date, 0, notNull, {}, false};
}
Column basic(Column c)
{
    c.basicEditionOnly = true;
    return c;
}
QStringList names(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *n : list)
        out << QString::fromLatin1(n);
    return out;
}

QList<Table> buildTables()
{
    const auto M = DatabaseId::QalMotor;
    const auto P = DatabaseId::QalPrb;
    QList<Table> t;

    // MOTOR's columns stand in this order: the send copies the first 48 by position.
    t.append({QStringLiteral("MOTOR"), M,
              {ch("POLNO", 8, true), ch("PRBPOLNO", 8, true), ch("MOTORTYPE", 1), si("PREFIX"), vc("FNAME", 50),
               vc("LNAME", 50), vc("ADDR1", 50), vc("ADDR2", 50), si("PROVINCE"), vc("POSTCODE", 5), dt("KEYDATE"),
               dt("POLDATE"), dt("RECDATE"), dt("EFFDATE"), dt("ENDDATE"), vc("CODE", 3), ch("POLTYP", 1),
               ch("CAR_SIZE", 5), ch("CYEAR", 4), vc("BRAND", 30), vc("MODEL", 30), vc("REGNO", 10), si("SEAT"),
               dbl("CSIZE"), dbl("WEIGHT"), vc("CHASSI", 20), vc("MOTORNO", 20), dbl("PREM"), dbl("STAMP"),
               dbl("TAX"), dbl("NETPREM"), dbl("PREM1"), dbl("PREM2"), dbl("DISCOUNT"), dbl("COMMISS"),
               ch("CASH", 1), ch("A", 1), ch("B", 1), vc("C", 30), vc("D", 30), ch("AGENT", 4), dbl("PAID"),
               dbl("MOTCOM"), dbl("PRBCOM"), dbl("OUTSTANDING"), dbl("FEE"), ch("STATUS", 1), si("PROVINCE2"),
               ch("BRANCH", 4),
               basic({QStringLiteral("T_INSERT"), ColumnType::Timestamp, 0, false, {}, false}),
               basic({QStringLiteral("T_CHANGE"), ColumnType::Timestamp, 0, false, {}, false}), basic(ch("TRANSFER", 1))},
              names({"POLNO"}),
              {names({"KEYDATE"}), names({"EFFDATE"}), names({"ENDDATE"}), names({"REGNO"}), names({"CHASSI"}),
               names({"AGENT"}), names({"OUTSTANDING"}), names({"PRBPOLNO"})}});

    Column status = vc("STATUS", 1);
    status.defaultValue = QStringLiteral("'0'");
    t.append({QStringLiteral("POLMOTOR"), M, {vc("POLNO", 8, true), dt("RECDATE"), status, ch("AGENT", 4)},
              names({"POLNO"}), {names({"STATUS"}), names({"RECDATE"})}});

    t.append({QStringLiteral("STICKER2"), M,
              {ch("POLTYP", 1, true), vc("POLNO", 8, true), vc("POLNO2", 8), vc("STICKNO", 11), vc("STICKNO2", 11),
               dt("RECDATE"), in("STICKCOUNT")},
              {}, {names({"RECDATE"})}});

    const QList<Column> packet{vc("CODE", 3, true), dbl("PREM"), dbl("STAMP"), dbl("TAX"), dbl("NETPREM"),
                               ch("BODY", 20), vc("DESCRIB", 50), vc("CAR_USE", 100), dbl("PREM1"),
                               dbl("PREM2"), dbl("DISCOUNT"), dbl("COMMISS"), dbl("PREM3")};
    t.append({QStringLiteral("PACKET"), M, packet, names({"CODE"}), {}});
    t.append({QStringLiteral("PACKET_OLD"), M, packet, names({"CODE"}), {}});

    t.append({QStringLiteral("CAR_MODEL"), M, {vc("BRAND", 30), vc("MODEL", 30), vc("GRP", 1)}, {},
              {names({"BRAND", "MODEL"})}});

    t.append({QStringLiteral("AGENT"), M,
              {ch("AGENT", 4, true), ch("FNAME", 70), in("MOTCOM1"), in("MOTCOM2"), in("PRBCOM1"), in("PRBCOM2")},
              names({"AGENT"}), {}});

    t.append({QStringLiteral("PAY"), M,
              {ch("PTYPE", 20, true), dbl("FEE"), dbl("AMOUNT", true), dt("PDATE", true), ch("POLNO", 8, true),
               si("SEQ"), ch("DOCNO", 10), ch("PAYDETAIL", 100), dbl("AMOUNT2")},
              {}, {names({"POLNO"}), names({"PDATE"})}});

    t.append({QStringLiteral("PAYTYPE"), M, {ch("NAME", 20, true)}, names({"NAME"}), {}});

    t.append({QStringLiteral("BRANCH"), M, {ch("BRANCH", 4, true), vc("SUBJECT", 50)}, names({"BRANCH"}),
              {names({"SUBJECT"})}});

    t.append({QStringLiteral("PRB"), P,
              {vc("POLNO", 8, true), vc("STICKNO", 11), vc("POLNOOLD", 8), vc("PRBTYPE", 1), si("PREFIX"),
               vc("FNAME", 50), vc("LNAME", 50), vc("ADDR1", 50), vc("ADDR2", 50), si("PROVINCE"),
               vc("POSTCODE", 5), dt("KEYDATE"), dt("POLDATE"), dt("RECDATE"), dt("EFFDATE"), dt("ENDDATE"),
               vc("CODE", 5), vc("BRAND", 20), vc("REGNO", 10), si("PROVINCE2"), si("SEAT"), dbl("CSIZE"),
               dbl("WEIGHT"), vc("CHASSI", 20), vc("MOTORNO", 20), dbl("PREM"), dbl("STAMP"), dbl("TAX"),
               dbl("NETPREM")},
              names({"POLNO"}), {}});

    t.append({QStringLiteral("STICKER"), P,
              {vc("POLNO", 8, true), vc("STICKNO", 11), dt("RECDATE"), vc("STATUS", 1), ch("AGENT", 4)}, {},
              {names({"POLNO"})}});

    t.append({QStringLiteral("PROVINCE"), P, {si("CODE", true), vc("NAME", 20)}, names({"CODE"}), {}});
    t.append({QStringLiteral("PREFIX"), P, {si("CODE", true), vc("NAME", 20)}, names({"CODE"}), {}});
    return t;
}

} // namespace

const Column *Table::column(const QString &name) const
{
    const int i = columnIndex(name);
    return i < 0 ? nullptr : &columns[i];
}

int Table::columnIndex(const QString &name) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QList<Column> Table::editionColumns() const
{
    QList<Column> out;
    for (const Column &c : columns)
        if (!c.basicEditionOnly || edition::isBasic())
            out << c;
    return out;
}

const QList<Table> &Schema::tables()
{
    static const QList<Table> all = buildTables();
    return all;
}

const Table &Schema::table(const QString &name)
{
    for (const Table &t : tables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return t;
    throw platform::Error(QStringLiteral("Unknown table %1").arg(name));
}

QList<const Table *> Schema::tablesOf(DatabaseId database)
{
    QList<const Table *> out;
    for (const Table &t : tables())
        if (t.database == database)
            out << &t;
    return out;
}

QString Schema::columnTypeSql(const Column &column, const engine::Dialect &dialect)
{
    const bool fb = dialect.kind() == engine::DriverKind::Firebird;
    switch (column.type) {
    case ColumnType::Char:
        return QStringLiteral("CHAR(%1)").arg(column.size);
    case ColumnType::Varchar:
        return QStringLiteral("VARCHAR(%1)").arg(column.size);
    case ColumnType::SmallInt:
        return QStringLiteral("SMALLINT");
    case ColumnType::Integer:
        return QStringLiteral("INTEGER");
    case ColumnType::Double:
        return QStringLiteral("DOUBLE PRECISION");
    case ColumnType::Date:
        return QStringLiteral("DATE");
    case ColumnType::Timestamp:
        return fb ? QStringLiteral("TIMESTAMP") : QStringLiteral("DATETIME");
    }
    return {};
}

QStringList Schema::ddl(const Table &table, const engine::Dialect &dialect)
{
    QStringList columns;
    for (const Column &c : table.columns) {
        QString line = c.name + QLatin1Char(' ') + columnTypeSql(c, dialect);
        if (!c.defaultValue.isEmpty())
            line += QStringLiteral(" DEFAULT ") + c.defaultValue;
        if (c.notNull)
            line += QStringLiteral(" NOT NULL");
        columns << line;
    }
    if (!table.primaryKey.isEmpty())
        columns << QStringLiteral("CONSTRAINT PK_%1 PRIMARY KEY (%2)").arg(table.name, table.primaryKey.join(QLatin1Char(',')));
    QStringList out{QStringLiteral("CREATE TABLE %1 (%2)").arg(table.name, columns.join(QStringLiteral(", ")))};
    for (const QStringList &index : table.indexes)
        out << QStringLiteral("CREATE INDEX IX_%1_%2 ON %1 (%3)")
                   .arg(table.name, index.join(QLatin1Char('_')), index.join(QLatin1Char(',')));
    return out;
}

ColumnType Schema::typeOfColumnName(const QString &name, bool *known)
{
    static const QHash<QString, ColumnType> types = [] {
        QHash<QString, ColumnType> h;
        for (const Table &t : Schema::tables())
            for (const Column &c : t.columns)
                h.insert(c.name.toUpper(), c.type);
        return h;
    }();
    const auto it = types.constFind(name.toUpper());
    if (known)
        *known = it != types.constEnd();
    return it == types.constEnd() ? ColumnType::Varchar : *it;
}

bool Schema::tableExists(engine::Connection &connection, const QString &table)
{
    const QStringList existing = connection.database().tables(QSql::Tables);
    for (const QString &t : existing)
        if (t.compare(table, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QStringList Schema::createMissingTables(engine::Connection &connection, DatabaseId database)
{
    QStringList created;
    for (const Table *t : tablesOf(database)) {
        if (tableExists(connection, t->name))
            continue;
        // Firebird runs DDL in a transaction of its own; each table is complete
        // (with its indexes) before the next begins.
        for (const QString &statement : ddl(*t, connection.dialect()))
            connection.exec(statement);
        created << t->name;
    }
    return created;
}

} // namespace data
