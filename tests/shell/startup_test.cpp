// Start-up: aliases made from myinifile.ini only when missing, an alias error shown
// without stopping the start-up, a database that cannot be connected ending it with
// a message that names the database.
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "data/dm.h"
#include "data/installer.h"
#include "platform/aliasregistry.h"
#include "platform/inifile.h"
#include "recording_messages.h"
#include "shell/aliassetup.h"
#include "shell/startup.h"
#include "shell/tmain.h"
#include "temp_stores.h"

namespace {

void writeConfig(const TempStores &stores, const QString &text)
{
    QFile f(stores.programFolder() + QStringLiteral("/myinifile.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
}

QString location(const char *alias)
{
    return platform::AliasRegistry().find(QLatin1String(alias))->param(QStringLiteral("SERVER NAME"));
}

TEST(AliasSetup, LocationsJoinServerAndPathAndAnExistingAliasIsNeverChanged)
{
    TempStores stores;
    writeConfig(stores, QStringLiteral("[Settings]\nServer Name=\nDbPath1=:C:\\Program Files\\Borland\\InterBase\\bin\\QALPRB\n"
                                       "DbPath2=:/data/QALMOTOR.fdb\n"));
    platform::AliasRegistry aliases;
    shell::setUpAliases(aliases);
    EXPECT_EQ(location("QALPRB"), QStringLiteral(":C:\\Program Files\\Borland\\InterBase\\bin\\QALPRB"));
    EXPECT_EQ(location("QALMOTOR"), QStringLiteral(":/data/QALMOTOR.fdb"));
    const auto transfer = aliases.find(QStringLiteral("Transfer"));
    ASSERT_TRUE(transfer.has_value());
    EXPECT_EQ(transfer->driver, QStringLiteral("STANDARD"));
    EXPECT_EQ(transfer->param(QStringLiteral("PATH")), QStringLiteral("C:\\Qalmotor\\Transfer"));
    EXPECT_EQ(transfer->param(QStringLiteral("DEFAULT DRIVER")), QStringLiteral("PARADOX"));
    EXPECT_EQ(aliases.find(QStringLiteral("QALPRB"))->param(QStringLiteral("USER NAME")), QStringLiteral("SYSDBA"));

    // Editing the file after the first start changes nothing at the next one.
    writeConfig(stores, QStringLiteral("[Settings]\nServer Name=otherhost\nDbPath1=:x\nDbPath2=:y\n"));
    shell::setUpAliases(aliases);
    EXPECT_EQ(location("QALMOTOR"), QStringLiteral(":/data/QALMOTOR.fdb"));
    EXPECT_EQ(location("QALPRB"), QStringLiteral(":C:\\Program Files\\Borland\\InterBase\\bin\\QALPRB"));
}

TEST(Startup, DatabaseThatCannotBeConnectedEndsTheProgramNamingIt)
{
    TempStores stores;
    RecordingMessages messages;
    // No configuration file: the aliases get an empty server name and cannot connect.
    shell::Startup startup;
    EXPECT_FALSE(startup.start());
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown()[0].kind, widgets::MessageKind::Error);
    EXPECT_TRUE(messages.last().contains(QStringLiteral("QalMotor"))) << messages.last().toStdString();
    EXPECT_FALSE(startup.mainWindow()->isVisible());
    EXPECT_EQ(location("QALPRB"), QString()) << "the alias was made from the missing file's empty values";
}

TEST(Startup, AliasErrorIsShownAndTheStartUpGoesOn)
{
    TempStores stores;
    RecordingMessages messages;
    ASSERT_TRUE(QDir().mkpath(platform::AliasRegistry::defaultFile()));   // cannot be written
    shell::Startup startup;
    EXPECT_FALSE(startup.start());
    ASSERT_EQ(messages.shown().size(), 2) << messages.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(messages.texts()[0].contains(platform::AliasRegistry::defaultFile()));
    EXPECT_TRUE(messages.texts()[1].contains(QStringLiteral("QalMotor"))) << "the data module was still created";
}

TEST(Startup, PreparedInstallationStartsWithTheMainWindowShown)
{
    TempStores stores;
    RecordingMessages messages;
    data::Installer({}).run();
    shell::Startup startup;
    ASSERT_TRUE(startup.start()) << messages.last().toStdString();
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_TRUE(startup.mainWindow()->isVisible());
    EXPECT_TRUE(startup.mainWindow()->isMaximized());
    ASSERT_NE(Dm, nullptr);
    EXPECT_TRUE(Dm->Database1.isOpen());
    EXPECT_TRUE(Dm->Database2.isOpen());
    EXPECT_TRUE(startup.mainWindow()->action(QStringLiteral("Disk1"))->isEnabled());
}

} // namespace
