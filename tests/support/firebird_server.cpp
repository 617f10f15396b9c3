#include "firebird_server.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QUuid>
#include <gtest/gtest.h>

namespace firebird_server {

bool available()
{
    return !qEnvironmentVariableIsEmpty("QALMOTOR_FB_HOST") && !qEnvironmentVariableIsEmpty("QALMOTOR_FB_DIR");
}

QString host()
{
    return qEnvironmentVariable("QALMOTOR_FB_HOST");
}

QString password()
{
    return QStringLiteral("zovuroruv");
}

QString createDatabase(const QString &baseName)
{
    const QString path = qEnvironmentVariable("QALMOTOR_FB_DIR") + QLatin1Char('/') + baseName + QLatin1Char('_')
        + QUuid::createUuid().toString(QUuid::Id128).left(12) + QStringLiteral(".fdb");
    QProcess isql;
    isql.start(QStringLiteral("isql-fb"), {QStringLiteral("-q")});
    if (!isql.waitForStarted(10000)) {
        ADD_FAILURE() << "isql-fb does not start";
        return {};
    }
    const QString sql = QStringLiteral("CREATE DATABASE '%1:%2' USER 'SYSDBA' PASSWORD '%3' DEFAULT CHARACTER SET UTF8;\nQUIT;\n")
                            .arg(host(), path, password());
    isql.write(sql.toUtf8());
    isql.closeWriteChannel();
    isql.waitForFinished(30000);
    if (isql.exitCode() != 0) {
        ADD_FAILURE() << "isql-fb could not create " << path.toStdString() << ": "
                      << isql.readAllStandardError().toStdString();
        return {};
    }
    return path;
}

} // namespace firebird_server
