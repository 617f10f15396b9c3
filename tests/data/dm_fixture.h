#pragma once
// A fresh installation (code tables only) on SQLite or on the Firebird test server,
// its data module, and helpers that store rows and read datasets.
#include <QUuid>
#include <QVariantMap>
#include <gtest/gtest.h>
#include <memory>

#include "data/dm.h"
#include "data/installer.h"
#include "edition/edition.h"
#include "firebird_server.h"
#include "platform/aliasregistry.h"
#include "temp_stores.h"

enum class Server { Sqlite, Firebird };

inline std::string serverName(const testing::TestParamInfo<Server> &info)
{
    return info.param == Server::Sqlite ? "Sqlite" : "Firebird";
}

class DmFixture
{
public:
    // Returns false (after a skip note) when the Firebird server is not there.
    bool start(Server server, edition::Edition e = edition::Edition::Full)
    {
        edition::set(e);
        data::InstallOptions options;
        if (server == Server::Firebird) {
            if (!firebird_server::available())
                return false;
            const QString tag = QUuid::createUuid().toString(QUuid::Id128).left(10);
            const QString dir = qEnvironmentVariable("QALMOTOR_FB_DIR");
            options.firebirdHost = firebird_server::host();
            options.prbPath = dir + QStringLiteral("/dmprb_%1.fdb").arg(tag);
            options.motorPath = dir + QStringLiteral("/dmmotor_%1.fdb").arg(tag);
        }
        data::Installer(options).run();
        dm = std::make_unique<TDm>(platform::AliasRegistry());
        return true;
    }
    ~DmFixture()
    {
        dm.reset();
        edition::set(edition::Edition::Full);
    }

    static void insert(engine::Connection &c, const QString &table, const QVariantMap &values)
    {
        QStringList marks(values.size(), QStringLiteral("?"));
        c.exec(QStringLiteral("insert into %1 (%2) values (%3)").arg(table, values.keys().join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
               values.values());
    }
    // A MOTOR row with the columns every policy has, and the ones given.
    void policy(const QString &polno, QVariantMap values)
    {
        values.insert(QStringLiteral("POLNO"), polno);
        if (!values.contains(QStringLiteral("PRBPOLNO")))
            values.insert(QStringLiteral("PRBPOLNO"), QStringLiteral("P") + polno.right(7));
        insert(dm->Database2, QStringLiteral("MOTOR"), values);
    }
    // Opens MotorQ on every policy, in policy order.
    void openMotorQ()
    {
        dm->MotorQ->setSql({QStringLiteral("select * from motor"), QStringLiteral("order by polno")});
        dm->MotorQ->open();
    }
    // A field of each row of a dataset, by the row's POLNO.
    static QMap<QString, QVariant> byPolicy(engine::Dataset &d, const QString &field)
    {
        QMap<QString, QVariant> out;
        for (d.first(); !d.eof(); d.next())
            out.insert(d.value(QStringLiteral("POLNO")).toString(), d.value(field));
        return out;
    }

    TempStores stores;
    std::unique_ptr<TDm> dm;
};
