#include "connection.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFileInfo>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <QSqlError>
#include <QSqlDriver>
#include <QSqlQuery>

#include "platform/aliasregistry.h"
#include "sqlitestatement.h"

namespace engine {

namespace {
QString uniqueQtName(const QString &name)
{
    static QAtomicInt counter;
    return QStringLiteral("%1#%2").arg(name).arg(counter.fetchAndAddRelaxed(1));
}

// Connections holding a read transaction (one thread: the user interface's).
QSet<Connection *> &heldReads()
{
    static QSet<Connection *> held;
    return held;
}
} // namespace

Connection::Connection(const QString &name)
    : m_name(name), m_qtName(uniqueQtName(name))
{
}

Connection::~Connection()
{
    close();
}

QSqlDatabase Connection::database() const
{
    return QSqlDatabase::database(m_qtName, false);
}

SqliteStatements *Connection::sqliteStatements()
{
    if (m_sqliteStatements)
        return m_sqliteStatements.get();
    if (m_dialect->kind() != DriverKind::Sqlite || !isOpen())
        return nullptr;
    const QVariant handle = database().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    sqlite3 *db = *static_cast<sqlite3 *const *>(handle.constData());
    if (!db)
        return nullptr;
    m_sqliteStatements = std::make_unique<SqliteStatements>(db);
    return m_sqliteStatements.get();
}

bool Connection::isOpen() const
{
    return QSqlDatabase::contains(m_qtName) && database().isOpen();
}

void Connection::splitServerName(const QString &serverName, QString *host, QString *path)
{
    const qsizetype colon = serverName.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        *host = QString();
        *path = serverName;
        return;
    }
    *host = serverName.left(colon);
    *path = serverName.mid(colon + 1);
}

void Connection::openAlias(const platform::AliasRegistry &aliases, const QString &aliasName, const QString &user,
                           const QString &password)
{
    const auto alias = aliases.find(aliasName);
    if (!alias)
        throw DbError(DbErrorKind::Connection, QStringLiteral("Unknown database: %1. Alias %2 does not exist.")
                                                   .arg(m_name, aliasName.toUpper()));
    const QString driver = alias->driver.toUpper();
    if (driver == QLatin1String("INTRBASE")) {
        openFirebird(alias->param(QStringLiteral("SERVER NAME")), user, password);
    } else if (driver == QLatin1String("SQLITE")) {
        openSqlite(alias->param(QStringLiteral("PATH")));
    } else {
        throw DbError(DbErrorKind::Connection,
                      QStringLiteral("Cannot connect to database %1: alias %2 has the driver %3, which holds no SQL database.")
                          .arg(m_name, aliasName.toUpper(), alias->driver));
    }
}

void Connection::openSqlite(const QString &file)
{
    if (file.isEmpty() || !QFileInfo::exists(file))
        throw DbError(DbErrorKind::Connection,
                      QStringLiteral("Cannot connect to database %1: the file \"%2\" does not exist.").arg(m_name, file));
    openWith(Dialect::sqlite(), {}, file, {}, {});
    exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    m_canHoldRead = scalar(QStringLiteral("PRAGMA journal_mode")).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0;
}

void Connection::openFirebird(const QString &serverName, const QString &user, const QString &password)
{
    QString host, path;
    splitServerName(serverName, &host, &path);
    openWith(Dialect::firebird(), host, path, user, password);
}

void Connection::openWith(const Dialect &dialect, const QString &host, const QString &path, const QString &user,
                          const QString &password)
{
    close();
    m_dialect = &dialect;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(dialect.qtDriver(), m_qtName);
        if (!db.isValid())
            throw DbError(DbErrorKind::Connection,
                          QStringLiteral("Cannot connect to database %1: the driver %2 is not installed.")
                              .arg(m_name, dialect.qtDriver()));
        db.setHostName(host);
        db.setDatabaseName(path);
        db.setUserName(user);
        db.setPassword(password);
        if (dialect.kind() == DriverKind::Firebird)
            db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=UTF8"));
        else
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            const DbError error = dialect.toError(db.lastError(), QStringLiteral("Cannot connect to database %1").arg(m_name));
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_qtName);
            throw DbError(DbErrorKind::Connection, error.message(), error.nativeCode());
        }
    }
}

void Connection::close()
{
    endRead();
    m_sqliteStatements.reset();
    m_releaser.reset();
    m_inTransaction = false;
    m_canHoldRead = false;
    if (!QSqlDatabase::contains(m_qtName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_qtName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_qtName);
}

int Connection::exec(const QString &sql, const QVariantList &values)
{
    endRead();
    ++m_readEpoch;
    QSqlQuery query(database());
    if (!query.prepare(sql))
        throw m_dialect->toError(query.lastError());
    for (const QVariant &v : values)
        query.addBindValue(v);
    if (!query.exec())
        throw m_dialect->toError(query.lastError());
    // Firebird has no row count for DDL and warns when asked for one.
    const QString verb = sql.trimmed().section(QLatin1Char(' '), 0, 0).toUpper();
    if (verb == QLatin1String("CREATE") || verb == QLatin1String("ALTER") || verb == QLatin1String("DROP"))
        return 0;
    return query.numRowsAffected();
}

QVariant Connection::scalar(const QString &sql, const QVariantList &values)
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw m_dialect->toError(query.lastError());
    for (const QVariant &v : values)
        query.addBindValue(v);
    if (!query.exec())
        throw m_dialect->toError(query.lastError());
    return query.next() ? query.value(0) : QVariant();
}

void Connection::beginTransaction()
{
    endRead();
    ++m_readEpoch;
    QSqlDatabase db = database();
    if (!db.transaction())
        throw m_dialect->toError(db.lastError());
    m_inTransaction = true;
}

void Connection::commit()
{
    QSqlDatabase db = database();
    if (!db.commit())
        throw m_dialect->toError(db.lastError());
    m_inTransaction = false;
}

void Connection::rollback()
{
    QSqlDatabase db = database();
    db.rollback();
    m_inTransaction = false;
}

void Connection::holdRead()
{
    if (m_readHeld || m_inTransaction || !m_canHoldRead || !QCoreApplication::instance() || !isOpen())
        return;
    QSqlDatabase db = database();
    if (!db.transaction())
        return; // reads go on statement by statement
    m_readHeld = true;
    heldReads().insert(this);
    if (!m_releaser)
        m_releaser = std::make_unique<QObject>();
    QTimer::singleShot(0, m_releaser.get(), [this] { endRead(); });
}

void Connection::endRead()
{
    if (!m_readHeld)
        return;
    m_readHeld = false;
    ++m_readEpoch;
    heldReads().remove(this);
    QSqlDatabase db = database();
    if (!db.commit())
        db.rollback();
}

void Connection::endHeldReads()
{
    const QSet<Connection *> held = heldReads();
    for (Connection *c : held)
        c->endRead();
}

Transaction::Transaction(Connection &connection)
    : m_connection(connection)
{
    m_connection.beginTransaction();
}

Transaction::~Transaction()
{
    if (!m_done)
        m_connection.rollback();
}

void Transaction::commit()
{
    m_connection.commit();
    m_done = true;
}

} // namespace engine
