#include "aliassetup.h"

#include "configfile.h"
#include "platform/aliasregistry.h"
#include "platform/inifile.h"

namespace shell {

void setUpAliases(platform::AliasRegistry &aliases)
{
    const platform::IniFile ini(config::path());
    const QString server = ini.readString(config::section(), config::kServerName);
    const QString path1 = ini.readString(config::section(), config::kDbPath1);
    const QString path2 = ini.readString(config::section(), config::kDbPath2);

    const auto serverAlias = [](const QString &name, const QString &location) {
        platform::Alias alias;
        alias.name = name;
        alias.driver = QStringLiteral("INTRBASE");
        // The colon belongs to the DbPath value; the two parts are joined directly.
        alias.params.insert(QStringLiteral("SERVER NAME"), location);
        alias.params.insert(QStringLiteral("USER NAME"), QStringLiteral("SYSDBA"));
        return alias;
    };
    aliases.createIfMissing(serverAlias(QStringLiteral("QALPRB"), server + path1));
    aliases.createIfMissing(serverAlias(QStringLiteral("QALMOTOR"), server + path2));

    platform::Alias transfer;
    transfer.name = QStringLiteral("TRANSFER");
    transfer.driver = QStringLiteral("STANDARD");
    transfer.params.insert(QStringLiteral("PATH"), QStringLiteral("C:\\Qalmotor\\Transfer"));
    transfer.params.insert(QStringLiteral("DEFAULT DRIVER"), QStringLiteral("PARADOX"));
    aliases.createIfMissing(transfer);
}

} // namespace shell
