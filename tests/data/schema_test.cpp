// The schema made on a real SQLite file and on the Firebird test server: MOTOR's
// columns in their order, the primary keys, the stock-status default, and the
// transfer table's 48 leading columns.
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "data/schema.h"
#include "engine/connection.h"
#include "firebird_server.h"

using data::DatabaseId;
using data::Schema;

namespace {

enum class Server { Sqlite, Firebird };

class SchemaTest : public ::testing::TestWithParam<Server>
{
protected:
    void SetUp() override
    {
        if (GetParam() == Server::Firebird) {
            REQUIRE_FIREBIRD();
            const QString motor = firebird_server::createDatabase(QStringLiteral("schema_motor"));
            const QString prb = firebird_server::createDatabase(QStringLiteral("schema_prb"));
            ASSERT_FALSE(motor.isEmpty() || prb.isEmpty());
            m_motor.openFirebird(firebird_server::host() + QLatin1Char(':') + motor, QStringLiteral("SYSDBA"), firebird_server::password());
            m_prb.openFirebird(firebird_server::host() + QLatin1Char(':') + prb, QStringLiteral("SYSDBA"), firebird_server::password());
        } else {
            for (const char *name : {"/motor.db", "/prb.db"}) {
                QFile f(m_dir.path() + QLatin1String(name));
                ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            }
            m_motor.openSqlite(m_dir.path() + QStringLiteral("/motor.db"));
            m_prb.openSqlite(m_dir.path() + QStringLiteral("/prb.db"));
        }
        Schema::createMissingTables(m_motor, DatabaseId::QalMotor);
        Schema::createMissingTables(m_prb, DatabaseId::QalPrb);
    }

    QStringList columnsInOrder(const QString &table)
    {
        QStringList names;
        const QSqlRecord record = m_motor.database().record(table);
        for (int i = 0; i < record.count(); ++i)
            names << record.fieldName(i).toUpper();
        return names;
    }

    QTemporaryDir m_dir;
    engine::Connection m_motor{QStringLiteral("QalMotor")};
    engine::Connection m_prb{QStringLiteral("QalPrb")};
};

TEST_P(SchemaTest, MotorColumnsStandInTheirOrder)
{
    const QStringList expected = QStringLiteral(
        "POLNO PRBPOLNO MOTORTYPE PREFIX FNAME LNAME ADDR1 ADDR2 PROVINCE POSTCODE KEYDATE POLDATE RECDATE EFFDATE "
        "ENDDATE CODE POLTYP CAR_SIZE CYEAR BRAND MODEL REGNO SEAT CSIZE WEIGHT CHASSI MOTORNO PREM STAMP TAX NETPREM "
        "PREM1 PREM2 DISCOUNT COMMISS CASH A B C D AGENT PAID MOTCOM PRBCOM OUTSTANDING FEE STATUS PROVINCE2 BRANCH "
        "T_INSERT T_CHANGE TRANSFER").split(QLatin1Char(' '));
    EXPECT_EQ(columnsInOrder(QStringLiteral("MOTOR")), expected);
    EXPECT_EQ(expected.indexOf(QStringLiteral("PROVINCE2")), 47) << "the transfer table takes the first 48 columns";
}

TEST_P(SchemaTest, EveryTableOfBothDatabasesExists)
{
    for (const data::Table &t : Schema::tables()) {
        engine::Connection &c = t.database == DatabaseId::QalMotor ? m_motor : m_prb;
        EXPECT_TRUE(Schema::tableExists(c, t.name)) << t.name.toStdString();
        EXPECT_EQ(c.database().record(t.name).count(), t.columns.size()) << t.name.toStdString();
    }
}

TEST_P(SchemaTest, PrimaryKeysRefuseASecondRow)
{
    struct Case {
        engine::Connection *db;
        QString insert;
        QVariantList values;
    };
    const QList<Case> cases{
        {&m_motor, QStringLiteral("insert into MOTOR (POLNO, PRBPOLNO) values (?, ?)"), {QStringLiteral("00000001"), QStringLiteral("P1")}},
        {&m_motor, QStringLiteral("insert into POLMOTOR (POLNO) values (?)"), {QStringLiteral("00000001")}},
        {&m_motor, QStringLiteral("insert into AGENT (AGENT, FNAME) values (?, ?)"), {QStringLiteral("1001"), QStringLiteral("สมชาย")}},
        {&m_prb, QStringLiteral("insert into PRB (POLNO) values (?)"), {QStringLiteral("P0000001")}},
    };
    for (const Case &c : cases) {
        c.db->exec(c.insert, c.values);
        try {
            c.db->exec(c.insert, c.values);
            ADD_FAILURE() << "a second row was stored: " << c.insert.toStdString();
        } catch (const engine::DbError &e) {
            EXPECT_EQ(e.kind(), engine::DbErrorKind::KeyViolation) << e.message().toStdString();
        }
    }
}

TEST_P(SchemaTest, NewStockRowReadsStatusZeroAndThaiTextRoundTrips)
{
    m_motor.exec(QStringLiteral("insert into POLMOTOR (POLNO, RECDATE) values (?, ?)"),
                 {QStringLiteral("12345678"), QDate(2550, 5, 27)});
    EXPECT_EQ(engine::trimFixedText(m_motor.scalar(QStringLiteral("select STATUS from POLMOTOR where POLNO = ?"),
                                                   {QStringLiteral("12345678")}).toString()),
              QStringLiteral("0"));
    EXPECT_EQ(m_motor.scalar(QStringLiteral("select count(*) from POLMOTOR where RECDATE = ?"), {QDate(2550, 5, 27)}).toInt(), 1)
        << "a date of the Buddhist-era year is found by a bound date";

    const QString name = QStringLiteral("สมศักดิ์ ทองคำ");
    m_motor.exec(QStringLiteral("insert into AGENT (AGENT, FNAME) values (?, ?)"), {QStringLiteral("1001"), name});
    EXPECT_EQ(engine::trimFixedText(m_motor.scalar(QStringLiteral("select FNAME from AGENT")).toString()), name);
}

TEST_P(SchemaTest, MissingRequiredValueIsClassified)
{
    try {
        m_motor.exec(QStringLiteral("insert into MOTOR (POLNO) values (?)"), {QStringLiteral("00000002")});
        ADD_FAILURE() << "a policy without PRBPOLNO was stored";
    } catch (const engine::DbError &e) {
        EXPECT_EQ(e.kind(), engine::DbErrorKind::MissingValue) << e.message().toStdString();
    }
}

TEST_P(SchemaTest, CreatingAgainChangesNothing)
{
    m_motor.exec(QStringLiteral("insert into BRANCH (BRANCH, SUBJECT) values (?, ?)"), {QStringLiteral("0001"), QStringLiteral("สำนักงานใหญ่")});
    EXPECT_TRUE(Schema::createMissingTables(m_motor, DatabaseId::QalMotor).isEmpty());
    EXPECT_EQ(m_motor.scalar(QStringLiteral("select count(*) from BRANCH")).toInt(), 1);
}

INSTANTIATE_TEST_SUITE_P(Servers, SchemaTest, ::testing::Values(Server::Sqlite, Server::Firebird),
                         [](const auto &info) { return info.param == Server::Sqlite ? "Sqlite" : "Firebird"; });

} // namespace
