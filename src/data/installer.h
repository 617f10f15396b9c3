#pragma once
// Prepares an installation: myinifile.ini beside the programs, the aliases, the two
// databases with their tables, the code tables and, when asked, demo data. Whatever
// exists already is left as it is, so a second run changes nothing.
#include <QString>
#include <QStringList>

namespace data {

struct InstallOptions {
    bool demo = false;
    // Empty: embedded SQLite databases in the store root. Otherwise the Firebird
    // server's host and the two database paths on it.
    QString firebirdHost;
    QString prbPath;
    QString motorPath;
};

class Installer
{
public:
    explicit Installer(InstallOptions options);
    // Does the work and returns one line per thing it created; an empty list means
    // the installation was complete already. Raises platform::Error with a message
    // for a person when a folder cannot be written or a server cannot be reached.
    QStringList run();

private:
    void writeConfiguration();
    void createAliases();
    void prepareDatabase(const QString &alias, int databaseId);
    void createFirebirdDatabase(const QString &serverName, const QString &connectError);

    InstallOptions m_options;
    QStringList m_done;
};

} // namespace data
