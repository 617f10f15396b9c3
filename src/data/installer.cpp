#include "installer.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>

#include "dm.h"
#include "installdata.h"
#include "platform/aliasregistry.h"
#include "platform/clock.h"
#include "platform/error.h"
#include "platform/inifile.h"
#include "platform/paths.h"
#include "schema.h"

namespace data {

namespace {

const QString kDefaultPrbPath = QStringLiteral(":C:\\Program Files\\Borland\\InterBase\\bin\\QALPRB");
const QString kDefaultMotorPath = QStringLiteral(":C:\\Program Files\\Borland\\InterBase\\bin\\QALMOTOR");

bool tableIsEmpty(engine::Connection &connection, const QString &table)
{
    return connection.scalar(QStringLiteral("select count(*) from %1").arg(table)).toInt() == 0;
}

QVariant storedValue(const Column &column, const QVariant &value)
{
    if (column.type == ColumnType::Date && value.canConvert<QDate>())
        return value.toDate();
    return value;
}

// Inserts rows into a table only when it is empty; returns whether it did.
bool fillIfEmpty(engine::Connection &connection, const installdata::TableRows &rows)
{
    if (!tableIsEmpty(connection, rows.table))
        return false;
    const Table &table = Schema::table(rows.table);
    engine::Transaction transaction(connection);
    for (const QVariantMap &row : rows.rows) {
        QStringList columns, marks;
        QVariantList values;
        for (auto it = row.cbegin(); it != row.cend(); ++it) {
            const Column *column = table.column(it.key());
            if (!column)
                throw platform::Error(QStringLiteral("Unknown column %1.%2").arg(rows.table, it.key()));
            columns << column->name;
            marks << QStringLiteral("?");
            values << storedValue(*column, it.value());
        }
        connection.exec(QStringLiteral("insert into %1 (%2) values (%3)")
                            .arg(table.name, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
                        values);
    }
    transaction.commit();
    return true;
}

} // namespace

Installer::Installer(InstallOptions options)
    : m_options(std::move(options))
{
}

QStringList Installer::run()
{
    m_done.clear();
    writeConfiguration();
    createAliases();
    prepareDatabase(QStringLiteral("QALMOTOR"), int(DatabaseId::QalMotor));
    prepareDatabase(QStringLiteral("QALPRB"), int(DatabaseId::QalPrb));
    return m_done;
}

void Installer::writeConfiguration()
{
    const QString folder = platform::Paths::programFolder();
    const QString file = folder + QStringLiteral("/myinifile.ini");
    if (QFileInfo::exists(file))
        return;
    const bool fb = !m_options.firebirdHost.isEmpty();
    try {
        platform::IniFile ini(file);
        ini.writeSection(QStringLiteral("Settings"),
                         {{QStringLiteral("Drive"), QStringLiteral("A")},
                          {QStringLiteral("Path"), QStringLiteral("A:\\")},
                          {QStringLiteral("Server Name"), fb ? m_options.firebirdHost : QStringLiteral("localhost")},
                          {QStringLiteral("DbPath1"), fb ? QLatin1Char(':') + m_options.prbPath : kDefaultPrbPath},
                          {QStringLiteral("DbPath2"), fb ? QLatin1Char(':') + m_options.motorPath : kDefaultMotorPath}});
    } catch (const platform::Error &) {
        throw platform::Error(QStringLiteral("Cannot write the folder %1: myinifile.ini cannot be created there.").arg(folder));
    }
    m_done << QStringLiteral("created %1").arg(file);
}

void Installer::createAliases()
{
    platform::AliasRegistry aliases;
    const bool fb = !m_options.firebirdHost.isEmpty();
    const QString root = platform::Paths::storeRoot();
    const auto make = [&](const QString &name, const QString &fbPath) {
        platform::Alias alias;
        alias.name = name;
        if (fb) {
            alias.driver = QStringLiteral("INTRBASE");
            alias.params.insert(QStringLiteral("SERVER NAME"), m_options.firebirdHost + QLatin1Char(':') + fbPath);
            alias.params.insert(QStringLiteral("USER NAME"), QStringLiteral("SYSDBA"));
        } else {
            alias.driver = QStringLiteral("SQLITE");
            alias.params.insert(QStringLiteral("PATH"), root + QLatin1Char('/') + name + QStringLiteral(".db"));
        }
        return alias;
    };
    platform::Alias transfer;
    transfer.name = QStringLiteral("TRANSFER");
    transfer.driver = QStringLiteral("STANDARD");
    transfer.params.insert(QStringLiteral("PATH"), QStringLiteral("C:\\Qalmotor\\Transfer"));
    transfer.params.insert(QStringLiteral("DEFAULT DRIVER"), QStringLiteral("PARADOX"));
    try {
        for (const platform::Alias &alias :
             {make(QStringLiteral("QALPRB"), m_options.prbPath), make(QStringLiteral("QALMOTOR"), m_options.motorPath), transfer}) {
            if (aliases.createIfMissing(alias))
                m_done << QStringLiteral("created the alias %1 (%2)").arg(alias.name, alias.driver);
        }
    } catch (const platform::Error &) {
        throw platform::Error(QStringLiteral("Cannot write the folder %1: the aliases cannot be stored there.")
                                  .arg(QFileInfo(aliases.file()).absolutePath()));
    }
}

void Installer::createFirebirdDatabase(const QString &serverName, const QString &connectError)
{
    QProcess isql;
    isql.start(QStringLiteral("isql-fb"), {QStringLiteral("-q")});
    if (!isql.waitForStarted(10000))
        throw platform::Error(QStringLiteral("Cannot reach the database server: %1").arg(connectError));
    isql.write(QStringLiteral("CREATE DATABASE '%1' USER 'SYSDBA' PASSWORD '%2' DEFAULT CHARACTER SET UTF8;\nQUIT;\n")
                   .arg(serverName, TDm::password())
                   .toUtf8());
    isql.closeWriteChannel();
    isql.waitForFinished(60000);
    if (isql.exitCode() != 0)
        throw platform::Error(QStringLiteral("Cannot reach the database server or create %1: %2 %3")
                                  .arg(serverName, connectError, QString::fromLocal8Bit(isql.readAllStandardError()).trimmed()));
}

void Installer::prepareDatabase(const QString &aliasName, int databaseId)
{
    platform::AliasRegistry aliases;
    const auto alias = aliases.find(aliasName);
    if (!alias)
        throw platform::Error(QStringLiteral("The alias %1 does not exist.").arg(aliasName));
    engine::Connection connection(aliasName);
    if (alias->driver.compare(QLatin1String("SQLITE"), Qt::CaseInsensitive) == 0) {
        const QString file = alias->param(QStringLiteral("PATH"));
        if (!QFileInfo::exists(file)) {
            const QString folder = QFileInfo(file).absolutePath();
            QFile probe(file);
            if (!QDir().mkpath(folder) || !probe.open(QIODevice::WriteOnly))
                throw platform::Error(QStringLiteral("Cannot write the folder %1: the database %2 cannot be created there.")
                                          .arg(folder, aliasName));
            probe.close();
            m_done << QStringLiteral("created the database %1").arg(file);
        }
        connection.openSqlite(file);
    } else {
        const QString serverName = alias->param(QStringLiteral("SERVER NAME"));
        try {
            connection.openAlias(aliases, aliasName, TDm::userName(), TDm::password());
        } catch (const engine::DbError &error) {
            createFirebirdDatabase(serverName, error.message());
            connection.openAlias(aliases, aliasName, TDm::userName(), TDm::password());
            m_done << QStringLiteral("created the database %1").arg(serverName);
        }
    }
    const auto id = DatabaseId(databaseId);
    for (const QString &table : Schema::createMissingTables(connection, id))
        m_done << QStringLiteral("created the table %1.%2").arg(aliasName, table);

    QList<installdata::TableRows> rows = installdata::codeTables();
    if (m_options.demo)
        rows += installdata::demoTables(platform::Clock::today());
    for (const installdata::TableRows &t : rows) {
        if (Schema::table(t.table).database != id)
            continue;
        if (fillIfEmpty(connection, t))
            m_done << QStringLiteral("filled the table %1.%2 (%3 rows)").arg(aliasName, t.table).arg(t.rows.size());
    }
}

} // namespace data
