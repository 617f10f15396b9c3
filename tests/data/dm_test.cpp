// The data module's datasets as the windows find them: names, start texts, start
// states, fields of both editions, grid headings, masks, and the aggregate
// columns on both database servers.
#include <gtest/gtest.h>

#include "dm_fixture.h"
#include "engine/dialect.h"

namespace {

using namespace Qt::StringLiterals;

QStringList fieldNames(const engine::Dataset &d)
{
    QStringList names;
    for (const auto &f : d.fields())
        names << f->name();
    return names;
}

class DataModule : public testing::TestWithParam<Server>, protected DmFixture
{
protected:
    void SetUp() override
    {
        if (!start(GetParam()))
            GTEST_SKIP() << "no Firebird test server";
    }
};

TEST_P(DataModule, StartTextsAndStates)
{
    struct Case {
        engine::Dataset *dataset;
        bool open;
        QStringList sql; // for queries
    };
    const Case cases[] = {
        {dm->Sticker2T, true, {}},
        {dm->Sticker2Q, false, {u"select * from sticker2"_s, u"where polno='99999999'"_s}},
        {dm->PolMotorT, true, {}},
        {dm->ExecQ, false, {}},
        {dm->MotorT, true, {}},
        {dm->ProvinceT, true, {}},
        {dm->PrefixT, true, {}},
        {dm->PrbT, true, {}},
        {dm->BrandQ, true, {u"select distinct brand from car_model"_s}},
        {dm->PacketQ, true, {u"select * from packet"_s}},
        {dm->BrandQ2, false, {u"select * from car_model"_s, u"where brand=:prm"_s}},
        {dm->MotorQ, false, {u"select * from motor"_s, u"where polno='99999999'"_s, u"and keydate>=:Prm1"_s, u"and keydate<=:Prm2"_s}},
        {dm->PolMotorQ, false, {u"select status,count(status) from polmotor"_s, u"group by status"_s}},
        {dm->PolMotorQ2, false, {u"select * from polmotor"_s, u"where polno='99999999'"_s}},
        {dm->TransferT, false, {}},
        {dm->MotorQ3, false, {u"select min(polno) from polmotor"_s, u"where status='0'"_s}},
        {dm->BrandT, true, {}},
        {dm->AgentT, true, {}},
        {dm->AgentQ, false, {u"select max(Agent) from agent"_s}},
        {dm->AgentQ2, false, {u"select * from agent"_s}},
        {dm->RecAllQ, false, {u"select agent,count(*) from motor"_s, u"where outstanding>0"_s, u"and agent<>''"_s, u"group by agent"_s}},
        {dm->RecAllQ3, false, {u"select * from motor"_s, u"where polno='99999999'"_s}},
        {dm->RecAllQ2, false, {u"select count(*) from motor"_s, u"where outstanding>0"_s, u"and agent<>''"_s}},
        {dm->RecAllT, false, {}},
        {dm->PayTypeT, true, {}},
        {dm->RecAll2T, true, {}},
        {dm->PayT, true, {}},
        {dm->PayQ, true, {u"select * from pay"_s, u"where polno=:prm"_s}},
        {dm->StickerT, true, {}},
        {dm->Query1, false, {}},
    };
    for (const Case &c : cases) {
        ASSERT_NE(c.dataset, nullptr);
        const std::string name = c.dataset->name().toStdString();
        EXPECT_EQ(c.dataset->isActive(), c.open) << name;
        if (auto *q = qobject_cast<engine::QueryDataset *>(c.dataset)) {
            EXPECT_EQ(q->sql(), c.sql) << name;
            EXPECT_EQ(q->connection(), c.dataset == dm->Query1 ? nullptr : &dm->Database2) << name;
        }
    }
    EXPECT_EQ(dm->PrbT->connection(), &dm->Database1);
    EXPECT_EQ(dm->StickerT->connection(), &dm->Database1);
    EXPECT_TRUE(dm->PayQ->isEmpty()) << "its parameter is unset";
    EXPECT_TRUE(dm->PayT->isFiltered());
    EXPECT_EQ(dm->PayT->filter(), QString());
    EXPECT_FALSE(dm->Database3.isOpen());
    for (engine::DataSource *ds : {dm->MotorTDs, dm->AgentTDs, dm->PayTDs, dm->RecAll2TDs})
        EXPECT_TRUE(ds->isEnabled());
    EXPECT_EQ(dm->MotorTDs->dataset(), dm->MotorT);
    EXPECT_EQ(dm->MotorQDs->dataset(), dm->MotorQ);
    EXPECT_EQ(Dm, dm.get());

    // The sticker table is in the number stock; the package list holds the installation's packages.
    EXPECT_EQ(dm->PacketQ->recordCount(), 4);
    EXPECT_EQ(dm->ProvinceT->recordCount(), 77);
}

TEST_P(DataModule, MotorQ2ColumnsAreNamedAlikeOnBothServers)
{
    for (const auto &[polno, code, prem] : {std::tuple{"00000001", "110", 1000.0}, {"00000002", "110", 1500.5}, {"00000003", "320", 1800.0}})
        policy(QString::fromLatin1(polno), {{u"CODE"_s, QString::fromLatin1(code)}, {u"PREM"_s, prem}, {u"NETPREM"_s, prem + 100},
                                            {u"COMMISS"_s, 10.0}});
    engine::QueryDataset &q = *dm->MotorQ2;
    q.open();
    EXPECT_EQ(fieldNames(q), (QStringList{u"CODE"_s, u"SUM"_s, u"SUM_1"_s, u"SUM_2"_s, u"COUNT"_s}));
    ASSERT_TRUE(q.locate(u"CODE"_s, u"110"_s));
    EXPECT_EQ(q.fieldByName(u"SUM"_s)->displayText(), u"2,500.50"_s);
    EXPECT_DOUBLE_EQ(q.value(u"SUM_1"_s).toDouble(), 2700.5);
    EXPECT_DOUBLE_EQ(q.value(u"SUM_2"_s).toDouble(), 20.0);
    EXPECT_EQ(q.value(u"COUNT"_s).toInt(), 2);

    // The other aggregate queries read their declared columns too.
    insert(dm->Database2, u"POLMOTOR"_s, {{u"POLNO"_s, u"20000001"_s}});
    insert(dm->Database2, u"POLMOTOR"_s, {{u"POLNO"_s, u"20000002"_s}});
    dm->MotorQ3->open();
    EXPECT_EQ(dm->MotorQ3->value(u"MIN"_s).toString(), u"20000001"_s) << "new stock rows read status 0";
    dm->PolMotorQ->open();
    EXPECT_EQ(dm->PolMotorQ->value(u"COUNT"_s).toInt(), 2);
    EXPECT_EQ(dm->PolMotorQ->value(u"status2"_s).toString(), u"ยังไม่ใช้"_s);
    dm->Database2.exec(u"update MOTOR set AGENT = '1002', OUTSTANDING = 5"_s);
    dm->RecAllQ->open();
    EXPECT_EQ(dm->RecAllQ->value(u"AGENT"_s).toString(), u"1002"_s);
    EXPECT_EQ(dm->RecAllQ->value(u"COUNT"_s).toInt(), 3);
    dm->RecAllQ2->open();
    EXPECT_EQ(dm->RecAllQ2->value(u"COUNT"_s).toInt(), 3);

    // A report reads the policies of a key-date range through MotorQ's parameters.
    dm->Database2.exec(u"update MOTOR set KEYDATE = ? where POLNO = '00000002'"_s, {QDate(2550, 5, 27)});
    dm->MotorQ->setSql({u"select * from motor"_s, u"where keydate>=:Prm1"_s, u"and keydate<=:Prm2"_s});
    dm->MotorQ->setParam(u"Prm1"_s, QDate(2550, 5, 27));
    dm->MotorQ->setParam(u"Prm2"_s, QDate(2550, 5, 27));
    dm->MotorQ->open();
    EXPECT_EQ(dm->MotorQ->recordCount(), 1);
    EXPECT_EQ(dm->MotorQ->value(u"KEYDATE"_s), QVariant(QDate(2550, 5, 27)));
}

TEST_P(DataModule, PaymentsOfAPolicyThroughPayTAndPayQ)
{
    policy(u"00000001"_s, {});
    for (int seq = 1; seq <= 2; ++seq)
        insert(dm->Database2, u"PAY"_s,
               {{u"POLNO"_s, u"00000001"_s}, {u"PTYPE"_s, u"บัตรเครดิต"_s}, {u"AMOUNT"_s, 900.0}, {u"AMOUNT2"_s, 450.0 * seq},
                {u"PDATE"_s, QDate(2009, 2, 28)}, {u"SEQ"_s, seq}, {u"DOCNO"_s, u"DOC%1"_s.arg(seq)}});
    dm->MotorQ->setSql({u"select * from motor"_s});
    dm->MotorQ->open();
    EXPECT_EQ(dm->MotorQ->value(u"detail"_s).toString(),
              u"[บัตรเครดิต-900.00]  DOC2    [บัตรเครดิต-450.00]  DOC1    "_s)
        << "fixed-width texts are joined without their padding";
    EXPECT_EQ(dm->PayT->recordCount(), 2);
    EXPECT_EQ(dm->PayT->value(u"PDATE"_s), QVariant(QDate(2009, 2, 28)));

    dm->PayQ->close();
    dm->PayQ->setParam(u"prm"_s, u"00000001"_s);
    dm->PayQ->open();
    EXPECT_EQ(dm->PayQ->recordCount(), 2);
    EXPECT_EQ(dm->PayQ->fieldByName(u"AMOUNT2"_s)->displayText(), u"450.00"_s);
}

INSTANTIATE_TEST_SUITE_P(Servers, DataModule, testing::Values(Server::Sqlite, Server::Firebird), serverName);

TEST(DataModuleEditions, FieldsHeadingsAndMasks)
{
    {
        DmFixture full;
        ASSERT_TRUE(full.start(Server::Sqlite, edition::Edition::Full));
        TDm &dm = *full.dm;
        const QStringList motorT = fieldNames(*dm.MotorT);
        EXPECT_EQ(motorT.first(), u"POLNO"_s);
        EXPECT_FALSE(motorT.contains(u"B"_s) || motorT.contains(u"C"_s) || motorT.contains(u"D"_s));
        EXPECT_FALSE(motorT.contains(u"T_INSERT"_s) || motorT.contains(u"TRANSFER"_s));
        EXPECT_TRUE(motorT.contains(u"BRANCH"_s) && motorT.contains(u"PROVINCE2"_s));
        EXPECT_EQ(motorT.mid(motorT.size() - 6),
                  (QStringList{u"stickno"_s, u"agent22"_s, u"netpaid"_s, u"prbprem"_s, u"prbnetprem"_s, u"Status2"_s}));
        const QStringList motorQ = fieldNames(*dm.MotorQ);
        EXPECT_FALSE(motorQ.contains(u"PROVINCE2"_s) || motorQ.contains(u"BRANCH"_s));
        EXPECT_EQ(motorQ.size(), 44 + 7 + 15 + 11 + 1);
        EXPECT_EQ(fieldNames(*dm.TransferT).size(), 48 - 11);

        struct Heading {
            engine::Dataset *dataset;
            const char *field;
            QString label;
            int width;
            bool visible;
        };
        const Heading headings[] = {
            {dm.RecAllQ3, "Netpaid", u"เงินต้องชำระ"_s, 10, true},
            {dm.RecAllQ3, "PAID", u"PAID"_s, 10, false},
            {dm.RecAll2T, "PAYDETAIL", u"รายละเอียดการรับชำระ"_s, 40, true},
            {dm.RecAll2T, "AMOUNT2", u"AMOUNT2"_s, 10, false},
            {dm.PayT, "PDATE", u"วันที่จ่าย"_s, 18, true},
            {dm.PayT, "POLNO", u"POLNO"_s, 8, true},
            {dm.PayQ, "PTYPE", u"ชนิกการรับชำระ"_s, 20, true},
            {dm.PayQ, "POLNO", u"POLNO"_s, 8, false},
        };
        for (const Heading &h : headings) {
            const engine::Field *f = h.dataset->fieldByName(QString::fromLatin1(h.field));
            EXPECT_EQ(f->displayLabel(), h.label) << h.field;
            EXPECT_EQ(f->displayWidth(), h.width) << h.field;
            EXPECT_EQ(f->isVisible(), h.visible) << h.field;
        }
        EXPECT_EQ(fieldNames(*dm.RecAllQ3),
                  (QStringList{u"POLNO"_s, u"REGNO"_s, u"Netpaid"_s, u"OUTSTANDING"_s, u"PAID"_s, u"PREFIX"_s, u"FNAME"_s,
                               u"LNAME"_s, u"prefix2"_s, u"name"_s, u"STATUS"_s}));
        EXPECT_EQ(dm.MotorT->fieldByName(u"EFFDATE"_s)->editMask(), u"!99/99/2500;1;_"_s);
        EXPECT_EQ(dm.PrbT->fieldByName(u"KEYDATE"_s)->editMask(), u"!99/99/2500;1;_"_s);
        EXPECT_EQ(dm.MotorT->fieldByName(u"CAR_SIZE"_s)->editMask(), u"!90:00;1;_"_s);
        EXPECT_EQ(dm.MotorT->fieldByName(u"OUTSTANDING"_s)->displayFormat(), u"#,###.00"_s);
        EXPECT_EQ(dm.MotorT->fieldByName(u"FEE"_s)->displayFormat(), QString()) << "FEE is not among the money fields";
        EXPECT_EQ(dm.PacketQ->fieldByName(u"PREM"_s)->displayFormat(), QString());
        EXPECT_EQ(dm.PayT->fieldByName(u"AMOUNT"_s)->displayFormat(), QString());
    }
    DmFixture basic;
    ASSERT_TRUE(basic.start(Server::Sqlite, edition::Edition::Basic));
    TDm &dm = *basic.dm;
    for (engine::Dataset *missing : {static_cast<engine::Dataset *>(dm.RecAllQ), static_cast<engine::Dataset *>(dm.RecAllQ3),
                                     static_cast<engine::Dataset *>(dm.RecAllQ2), static_cast<engine::Dataset *>(dm.RecAllT),
                                     static_cast<engine::Dataset *>(dm.PayTypeT), static_cast<engine::Dataset *>(dm.RecAll2T),
                                     static_cast<engine::Dataset *>(dm.PayQ)})
        EXPECT_EQ(missing, nullptr);
    EXPECT_EQ(dm.PayQDs, nullptr);
    ASSERT_NE(dm.PayT, nullptr);
    const QStringList motorT = fieldNames(*dm.MotorT);
    const qsizetype branch = motorT.indexOf(u"BRANCH"_s);
    EXPECT_EQ(motorT.mid(branch, 4), (QStringList{u"BRANCH"_s, u"T_INSERT"_s, u"T_CHANGE"_s, u"TRANSFER"_s}));
    EXPECT_EQ(dm.MotorT->fieldByName(u"T_INSERT"_s)->type(), engine::FieldType::DateTime);
    EXPECT_EQ(dm.MotorT->fieldByName(u"TRANSFER"_s)->type(), engine::FieldType::FixedString);

    // A policy stored through MotorT in the basic edition keeps its timestamp.
    dm.MotorT->append();
    dm.MotorT->setValue(u"POLNO"_s, u"30000001"_s);
    dm.MotorT->setValue(u"PRBPOLNO"_s, u"30000001"_s);
    dm.MotorT->setValue(u"KEYDATE"_s, QDate(2552, 2, 14));
    dm.MotorT->setValue(u"T_INSERT"_s, QDateTime(QDate(2009, 2, 14), QTime(10, 30, 5)));
    dm.MotorT->setValue(u"TRANSFER"_s, u"N"_s);
    dm.MotorT->post();
    dm.MotorT->close();
    dm.MotorT->open();
    ASSERT_TRUE(dm.MotorT->locate(u"POLNO"_s, u"30000001"_s));
    EXPECT_EQ(dm.MotorT->value(u"T_INSERT"_s), QVariant(QDateTime(QDate(2009, 2, 14), QTime(10, 30, 5))));
    EXPECT_EQ(dm.MotorT->value(u"KEYDATE"_s), QVariant(QDate(2552, 2, 14)));
}

TEST(DataModuleTransfer, PostedRowsGoThroughTheHook)
{
    DmFixture f;
    ASSERT_TRUE(f.start(Server::Sqlite));
    TDm &dm = *f.dm;
    f.policy(u"00000001"_s, {{u"FNAME"_s, u"หนึ่ง"_s}, {u"CASH"_s, u"1"_s}});
    f.policy(u"00000002"_s, {{u"FNAME"_s, u"สอง"_s}});
    QStringList written;
    dm.transferWriteThrough = [&](engine::Dataset &row) { written << row.value(u"FNAME"_s).toString(); };
    f.openMotorQ();
    EXPECT_EQ(dm.BatchMove1(), 2);
    EXPECT_EQ(written, (QStringList{u"หนึ่ง"_s, u"สอง"_s}));
    EXPECT_EQ(dm.TransferT->recordCount(), 2);
    EXPECT_EQ(dm.TransferT->findField(u"CASH"_s), nullptr);
}

} // namespace
