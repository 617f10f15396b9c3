// qalmotor-setup's work: a fresh installation, a second run that changes nothing,
// and the failures a person can meet (a folder that cannot be written, a server
// that cannot be reached), on embedded files and on the Firebird test server.
#include <QFile>
#include <QUuid>
#include <gtest/gtest.h>

#include "data/dm.h"
#include "data/installer.h"
#include "engine/connection.h"
#include "firebird_server.h"
#include "platform/aliasregistry.h"
#include "platform/error.h"
#include "platform/inifile.h"
#include "platform/paths.h"
#include "temp_stores.h"

namespace {

struct Counts {
    int province, prefix, packet, packetOld, paytype, agent, prb, sticker, stock;
};

Counts countRows()
{
    TDm dm{platform::AliasRegistry()};
    const auto n = [](engine::Connection &c, const char *table) {
        return c.scalar(QStringLiteral("select count(*) from %1").arg(QLatin1String(table))).toInt();
    };
    return {n(dm.Database1, "PROVINCE"), n(dm.Database1, "PREFIX"), n(dm.Database2, "PACKET"),
            n(dm.Database2, "PACKET_OLD"), n(dm.Database2, "PAYTYPE"), n(dm.Database2, "AGENT"),
            n(dm.Database1, "PRB"), n(dm.Database1, "STICKER"), n(dm.Database2, "POLMOTOR")};
}

void expectFreshThenUnchanged(const data::InstallOptions &options)
{
    const QStringList first = data::Installer(options).run();
    EXPECT_FALSE(first.isEmpty());
    const Counts before = countRows();
    EXPECT_EQ(before.province, 77);
    EXPECT_GE(before.prefix, 3);
    EXPECT_EQ(before.packet, 4);
    EXPECT_EQ(before.packetOld, 4);
    EXPECT_GE(before.paytype, 1);

    // What a person changed since must survive a second run.
    {
        TDm dm{platform::AliasRegistry()};
        dm.Database2.exec(QStringLiteral("update PACKET set PREM = ? where CODE = ?"), {1111.0, QStringLiteral("110")});
    }
    EXPECT_TRUE(data::Installer(options).run().isEmpty()) << "a second run reports nothing done";
    const Counts after = countRows();
    EXPECT_EQ(std::tie(after.province, after.packet, after.agent, after.prb, after.stock),
              std::tie(before.province, before.packet, before.agent, before.prb, before.stock));
    TDm dm{platform::AliasRegistry()};
    EXPECT_DOUBLE_EQ(dm.Database2.scalar(QStringLiteral("select PREM from PACKET where CODE = ?"), {QStringLiteral("110")}).toDouble(), 1111.0);
}

TEST(Installer, EmbeddedInstallationWithDemoDataThenNothingChanges)
{
    TempStores stores;
    expectFreshThenUnchanged({.demo = true, .firebirdHost = {}, .prbPath = {}, .motorPath = {}});

    TDm dm{platform::AliasRegistry()};
    EXPECT_EQ(dm.Database2.scalar(QStringLiteral("select count(*) from PAYTYPE where NAME = ?"), {QStringLiteral("บัตรเครดิต")}).toInt(), 1);
    EXPECT_EQ(dm.Database2.scalar(QStringLiteral("select count(*) from AGENT where AGENT = ?"), {QStringLiteral("0001")}).toInt(), 1);
    EXPECT_GT(dm.Database2.scalar(QStringLiteral("select count(*) from AGENT where MOTCOM1 > 0")).toInt(), 0);
    EXPECT_GT(dm.Database2.scalar(QStringLiteral("select count(*) from AGENT where MOTCOM2 > 0")).toInt(), 0);
    EXPECT_GT(dm.Database1.scalar(QStringLiteral("select count(*) from STICKER where AGENT = ?"), {QStringLiteral("0001")}).toInt(), 0);
    EXPECT_GT(dm.Database2.scalar(QStringLiteral("select count(*) from POLMOTOR where STATUS = ?"), {QStringLiteral("0")}).toInt(), 0);
    EXPECT_EQ(dm.Database2.scalar(QStringLiteral("select count(*) from STICKER2 where POLTYP = ?"), {QStringLiteral("2")}).toInt(), 1);

    const platform::IniFile ini(stores.programFolder() + QStringLiteral("/myinifile.ini"));
    EXPECT_EQ(ini.readString(QStringLiteral("Settings"), QStringLiteral("Path")), QStringLiteral("A:\\"));
    EXPECT_EQ(ini.readString(QStringLiteral("Settings"), QStringLiteral("Server Name")), QStringLiteral("localhost"));
}

TEST(Installer, WithoutDemoOnlyTheCodeTables)
{
    TempStores stores;
    data::Installer({}).run();
    const Counts c = countRows();
    EXPECT_EQ(c.province, 77);
    EXPECT_EQ(c.agent, 0);
    EXPECT_EQ(c.prb, 0);
    EXPECT_EQ(c.stock, 0);
}

TEST(Installer, FolderThatCannotBeWrittenIsNamed)
{
    TempStores stores;
    // A plain file where the program folder should be: nothing can be created in it.
    const QString blocker = stores.path(QStringLiteral("not-a-folder"));
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    platform::Paths::setProgramFolder(blocker);
    try {
        data::Installer({}).run();
        ADD_FAILURE() << "setup reported success";
    } catch (const platform::Error &e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Cannot write the folder ") + blocker)) << e.message().toStdString();
    }
}

TEST(Installer, FirebirdInstallationThenNothingChanges)
{
    REQUIRE_FIREBIRD();
    TempStores stores;
    const QString tag = QUuid::createUuid().toString(QUuid::Id128).left(10);
    const QString dir = qEnvironmentVariable("QALMOTOR_FB_DIR");
    const data::InstallOptions options{.demo = true,
                                       .firebirdHost = firebird_server::host(),
                                       .prbPath = dir + QStringLiteral("/prb_%1.fdb").arg(tag),
                                       .motorPath = dir + QStringLiteral("/motor_%1.fdb").arg(tag)};
    expectFreshThenUnchanged(options);
    const auto alias = platform::AliasRegistry().find(QStringLiteral("qalmotor"));
    ASSERT_TRUE(alias.has_value());
    EXPECT_EQ(alias->driver, QStringLiteral("INTRBASE"));
    EXPECT_EQ(alias->param(QStringLiteral("SERVER NAME")), firebird_server::host() + QLatin1Char(':') + options.motorPath);
}

TEST(Installer, ServerThatCannotBeReachedIsSaid)
{
    TempStores stores;
    // Port 1 on the loopback: nothing listens there.
    const data::InstallOptions options{.demo = false,
                                       .firebirdHost = QStringLiteral("127.0.0.1/1"),
                                       .prbPath = QStringLiteral("/nowhere/prb.fdb"),
                                       .motorPath = QStringLiteral("/nowhere/motor.fdb")};
    try {
        data::Installer(options).run();
        ADD_FAILURE() << "setup reported success";
    } catch (const platform::Error &e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Cannot reach the database server"))) << e.message().toStdString();
    }
}

} // namespace
