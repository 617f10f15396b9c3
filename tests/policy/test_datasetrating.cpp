// The rating operations on the data module's own datasets: a new policy row of
// MotorT priced from the package row of PacketQ and the agent row of AgentT, then
// stored in a real SQLite database.
#include <gtest/gtest.h>

#include "data/dm.h"
#include "data/installer.h"
#include "engine/dataset.h"
#include "engine/field.h"
#include "platform/aliasregistry.h"
#include "policy/datasetrecord.h"
#include "policy/ratingoperations.h"
#include "temp_stores.h"

namespace {

TEST(DatasetRating, NewPolicyIsPricedFromPacketQAndAgentTAndStored)
{
    TempStores stores;
    data::Installer({.demo = true, .firebirdHost = {}, .prbPath = {}, .motorPath = {}}).run();
    TDm dm{platform::AliasRegistry()};
    auto rows = policy::RatingRows::fromDataModule();

    Dm->MotorT->insert();
    Dm->MotorT->setValue(QStringLiteral("POLNO"), QStringLiteral("50000001"));
    Dm->MotorT->setValue(QStringLiteral("PRBPOLNO"), QStringLiteral("P5000002"));   // a form not held by 0001
    Dm->MotorT->setValue(QStringLiteral("CASH"), QStringLiteral("0"));
    Dm->MotorT->setValue(QStringLiteral("EFFDATE"), QDate(2550, 5, 27));
    Dm->MotorT->setValue(QStringLiteral("ENDDATE"), QDate(2551, 5, 27));

    ASSERT_TRUE(Dm->PacketQ->locate(QStringLiteral("CODE"), QStringLiteral("110")));
    policy::packageChosen(rows.policy, rows.package);
    policy::packageLeft(rows.policy, rows.package);
    ASSERT_TRUE(Dm->AgentT->locate(QStringLiteral("AGENT"), QStringLiteral("1002")));   // 10 % on the class-3 premium
    policy::agentChosen(rows.policy, rows.agent);
    policy::characterTypedIntoPaid(rows.policy, QStringLiteral("5"));
    policy::prepareForSave(rows.policy, rows.package, rows.agent);
    Dm->MotorT->post();

    engine::Connection &db = dm.Database2;
    ASSERT_EQ(db.scalar(QStringLiteral("select count(*) from MOTOR")).toInt(), 1)
        << db.scalar(QStringLiteral("select POLNO from MOTOR")).toString().toStdString();
    const auto stored = [&](const char *column) {
        return db.scalar(QStringLiteral("select %1 from MOTOR where POLNO = ?").arg(QLatin1String(column)),
                         {QStringLiteral("50000001")});
    };
    EXPECT_EQ(stored("CODE").toString(), QStringLiteral("110"));
    EXPECT_DOUBLE_EQ(stored("PREM").toDouble(), 1000.0);
    EXPECT_DOUBLE_EQ(stored("STAMP").toDouble(), 4.0);
    EXPECT_DOUBLE_EQ(stored("TAX").toDouble(), 70.28);
    EXPECT_DOUBLE_EQ(stored("NETPREM").toDouble(), 1074.28);
    EXPECT_DOUBLE_EQ(stored("MOTCOM").toDouble(), 100.0);
    EXPECT_DOUBLE_EQ(stored("PRBCOM").toDouble(), 0.0);
    EXPECT_DOUBLE_EQ(stored("PREM1").toDouble(), 650.0);
    EXPECT_EQ(stored("A").toString().trimmed(), QStringLiteral("0")) << "the form is not held by 0001";
    EXPECT_EQ(stored("CASH").toString().trimmed(), QStringLiteral("1")) << "typing into the paid field made it cash";
    EXPECT_DOUBLE_EQ(stored("OUTSTANDING").toDouble(), 974.0);
}

TEST(DatasetRating, NoCurrentPackageOrAgentReadsAsEmpty)
{
    TempStores stores;
    data::Installer({}).run();
    TDm dm{platform::AliasRegistry()};
    policy::DatasetRecord agent(*Dm->AgentT);       // the agent table is empty
    EXPECT_FALSE(agent.value(QStringLiteral("MOTCOM1")).isValid());
    EXPECT_FALSE(agent.value(QStringLiteral("NO_SUCH_FIELD")).isValid());
}

} // namespace
