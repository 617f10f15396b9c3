#pragma once
// A fresh, empty database per test on either server, so one test body runs on both.
#include <QTemporaryDir>
#include <memory>

#include "engine/connection.h"

enum class Server { Sqlite, Firebird };

std::string serverName(const testing::TestParamInfo<Server> &info);

class TestDatabase
{
public:
    // Empty when the server is not available (the caller skips).
    static std::unique_ptr<TestDatabase> create(Server server, const QString &name = QStringLiteral("QalMotor"));
    engine::Connection &connection() { return m_connection; }
    void exec(const QString &sql) { m_connection.exec(sql); }

private:
    explicit TestDatabase(const QString &name) : m_connection(name) {}
    QTemporaryDir m_dir;
    engine::Connection m_connection;
};
