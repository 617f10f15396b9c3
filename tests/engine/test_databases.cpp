#include <gtest/gtest.h>

#include "test_databases.h"

#include <QFile>

#include "firebird_server.h"

std::string serverName(const testing::TestParamInfo<Server> &info)
{
    return info.param == Server::Sqlite ? "Sqlite" : "Firebird";
}

std::unique_ptr<TestDatabase> TestDatabase::create(Server server, const QString &name)
{
    std::unique_ptr<TestDatabase> db(new TestDatabase(name));
    if (server == Server::Sqlite) {
        const QString file = db->m_dir.filePath(name + QStringLiteral(".db"));
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.close();
        db->m_connection.openSqlite(file);
        return db;
    }
    if (!firebird_server::available())
        return nullptr;
    const QString path = firebird_server::createDatabase(name.toLower());
    if (path.isEmpty())
        return nullptr;
    db->m_connection.openFirebird(firebird_server::host() + QLatin1Char(':') + path, QStringLiteral("SYSDBA"),
                                  firebird_server::password());
    return db;
}
