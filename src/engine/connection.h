#pragma once
// One connection to a database, opened by alias with the user and password given
// (there is never a login prompt). An alias names its driver: "INTRBASE" connects to
// Firebird with SERVER NAME host:path; "SQLITE" opens the embedded file PATH.
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>
#include <memory>

#include "dialect.h"

class QObject;

namespace platform {
class AliasRegistry;
}

namespace engine {

class SqliteStatements;

class Connection
{
public:
    // `name` is the database name the datasets use ("QalMotor", "QalPrb").
    explicit Connection(const QString &name);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Opens the database of an alias. Raises DbError naming the database on failure.
    void openAlias(const platform::AliasRegistry &aliases, const QString &aliasName, const QString &user,
                   const QString &password);
    void openSqlite(const QString &file);
    void openFirebird(const QString &serverName, const QString &user, const QString &password);
    void close();

    bool isOpen() const;
    const QString &name() const { return m_name; }
    const Dialect &dialect() const { return *m_dialect; }
    QSqlDatabase database() const;
    // The statements read through SQLite's own interface on this connection's handle;
    // nullptr for Firebird or a closed connection.
    SqliteStatements *sqliteStatements();

    // Runs a statement that returns no rows, with bound values in order of the "?"
    // placeholders; returns the number of rows changed. Raises DbError on failure.
    int exec(const QString &sql, const QVariantList &values = {});
    // The first column of the first row of a query, or an invalid QVariant when none.
    QVariant scalar(const QString &sql, const QVariantList &values = {});

    void beginTransaction();
    void commit();
    void rollback();

    // Derived fields read other tables for every row a dataset reads. On SQLite each
    // statement outside a transaction takes and drops the file's shared lock and checks
    // for a hot journal; holdRead() instead opens one read transaction that stays until
    // the event loop runs again, endHeldReads() is called (a dataset finished reading its
    // rows), or a statement or transaction is started through exec(), beginTransaction()
    // or close(). While it is held no other connection can commit to the file (rollback
    // journal), so the rows read are the rows stored. Writes must go through exec() or
    // Transaction so that they end the held read first. Nothing is held on Firebird, in
    // WAL mode, inside a transaction or without an application object.
    void holdRead();
    void endRead();
    bool holdsRead() const { return m_readHeld; }
    bool canHoldRead() const { return m_canHoldRead; }
    static void endHeldReads();
    // Counts the ends of held reads and the statements and transactions that may have
    // written: rows read while a read is held stay what the store holds as long as this
    // number has not changed.
    quint64 readEpoch() const { return m_readEpoch; }

    // Splits "host:path" at its first colon ("localhost:C:\...\QALPRB" gives localhost
    // and C:\...\QALPRB; ":C:\..." gives no host).
    static void splitServerName(const QString &serverName, QString *host, QString *path);

private:
    void openWith(const Dialect &dialect, const QString &host, const QString &path, const QString &user,
                  const QString &password);
    QString m_name;
    QString m_qtName;
    const Dialect *m_dialect = &Dialect::sqlite();
    bool m_inTransaction = false;
    bool m_canHoldRead = false; // SQLite with a rollback journal
    bool m_readHeld = false;
    quint64 m_readEpoch = 0;
    std::unique_ptr<QObject> m_releaser; // context of the queued release
    std::unique_ptr<SqliteStatements> m_sqliteStatements;
};

// Begins a transaction and rolls it back unless commit() is called: multi-row work
// is stored whole or not at all.
class Transaction
{
public:
    explicit Transaction(Connection &connection);
    ~Transaction();
    void commit();

private:
    Connection &m_connection;
    bool m_done = false;
};

} // namespace engine
