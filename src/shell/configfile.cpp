#include "configfile.h"

#include <QList>

#include "platform/inifile.h"
#include "platform/paths.h"

namespace shell::config {

QString path()
{
    return platform::Paths::programFolder() + QStringLiteral("/myinifile.ini");
}

QString section()
{
    return QStringLiteral("Settings");
}

QString read(const QString &key)
{
    return platform::IniFile(path()).readString(section(), key);
}

const QList<Default> &defaults()
{
    static const QList<Default> values{
        {kDrive, QStringLiteral("A")},
        {kPath, QStringLiteral("A:\\")},
        {kServerName, QStringLiteral("localhost")},
        {kDbPath1, QStringLiteral(":C:\\Program Files\\Borland\\InterBase\\bin\\QALPRB")},
        {kDbPath2, QStringLiteral(":C:\\Program Files\\Borland\\InterBase\\bin\\QALMOTOR")},
    };
    return values;
}

} // namespace shell::config
