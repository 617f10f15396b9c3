// The alias registry: persistent, names without regard to case, created when
// missing and never changed; and the INI file under it.
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "platform/aliasregistry.h"
#include "platform/error.h"
#include "platform/inifile.h"
#include "temp_stores.h"

namespace {

platform::Alias serverAlias(const QString &name, const QString &location)
{
    platform::Alias a;
    a.name = name;
    a.driver = QStringLiteral("INTRBASE");
    a.params.insert(QStringLiteral("SERVER NAME"), location);
    a.params.insert(QStringLiteral("USER NAME"), QStringLiteral("SYSDBA"));
    return a;
}

TEST(AliasRegistry, CreatedWhenMissingFoundWithoutCaseNeverChanged)
{
    TempStores stores;
    platform::AliasRegistry registry;
    EXPECT_FALSE(registry.exists(QStringLiteral("QalMotor")));
    EXPECT_TRUE(registry.createIfMissing(serverAlias(QStringLiteral("QALMOTOR"), QStringLiteral("localhost:C:\\db\\QALMOTOR"))));

    // Another program of the installation sees it, under any spelling.
    platform::AliasRegistry other;
    for (const char *spelling : {"QALMOTOR", "QalMotor", "qalmotor"}) {
        const auto found = other.find(QLatin1String(spelling));
        ASSERT_TRUE(found.has_value()) << spelling;
        EXPECT_EQ(found->param(QStringLiteral("server name")), QStringLiteral("localhost:C:\\db\\QALMOTOR"));
        EXPECT_EQ(found->driver, QStringLiteral("INTRBASE"));
    }

    EXPECT_FALSE(other.createIfMissing(serverAlias(QStringLiteral("qalMotor"), QStringLiteral("elsewhere:/x"))));
    EXPECT_EQ(platform::AliasRegistry().find(QStringLiteral("QALMOTOR"))->param(QStringLiteral("SERVER NAME")),
              QStringLiteral("localhost:C:\\db\\QALMOTOR"));
}

TEST(AliasRegistry, StoreThatCannotBeWrittenRaisesAnErrorNamingIt)
{
    TempStores stores;
    // A folder where the registry file should be: it can be neither read nor written.
    ASSERT_TRUE(QDir().mkpath(platform::AliasRegistry::defaultFile()));
    platform::AliasRegistry registry;
    try {
        registry.createIfMissing(serverAlias(QStringLiteral("QALPRB"), QStringLiteral(":C:\\x")));
        ADD_FAILURE() << "no error";
    } catch (const platform::Error &e) {
        EXPECT_TRUE(e.message().contains(platform::AliasRegistry::defaultFile())) << e.message().toStdString();
    }
}

TEST(IniFile, KeysWithoutCaseOrderKeptAndMissingKeysEmpty)
{
    TempStores stores;
    const QString path = stores.path(QStringLiteral("my.ini"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Settings]\nDrive=A\nServer Name=host1\nPath=A:\\\n");
    f.close();

    platform::IniFile ini(path);
    EXPECT_EQ(ini.readString(QStringLiteral("settings"), QStringLiteral("server name")), QStringLiteral("host1"));
    EXPECT_EQ(ini.readString(QStringLiteral("Settings"), QStringLiteral("DbPath1")), QString());
    ini.writeString(QStringLiteral("Settings"), QStringLiteral("DRIVE"), QStringLiteral("C"));
    ini.writeString(QStringLiteral("Settings"), QStringLiteral("DbPath1"), QStringLiteral(":C:\\x"));

    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()),
              QStringLiteral("[Settings]\nDrive=C\nServer Name=host1\nPath=A:\\\nDbPath1=:C:\\x\n\n"));
}

} // namespace
