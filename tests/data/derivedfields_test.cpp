// The derived values of the data module's datasets, worked through real rows on SQLite.
#include <gtest/gtest.h>

#include "data/agentcode.h"
#include "data/derivedfields.h"
#include "dm_fixture.h"

namespace {

using namespace Qt::StringLiterals;

class DerivedFields : public testing::Test, protected DmFixture
{
protected:
    void SetUp() override { ASSERT_TRUE(start(Server::Sqlite)); }

    // STICKER form of a compulsory policy, held by `agent`, and optionally its PRB row.
    void compulsory(const QString &prbpolno, const QString &agent, bool withPrb, double prem = 600, double net = 645.21)
    {
        insert(dm->Database1, u"STICKER"_s, {{u"POLNO"_s, prbpolno}, {u"STICKNO"_s, u"S-"_s + prbpolno}, {u"AGENT"_s, agent}});
        if (withPrb)
            insert(dm->Database1, u"PRB"_s,
                   {{u"POLNO"_s, prbpolno}, {u"STICKNO"_s, u"S-"_s + prbpolno}, {u"CODE"_s, u"1.10"_s}, {u"PREM"_s, prem},
                    {u"STAMP"_s, 3.0}, {u"NETPREM"_s, net}, {u"EFFDATE"_s, QDate(2550, 5, 27)}});
    }
};

TEST_F(DerivedFields, EngineTextSeatsAndPaymentManner)
{
    struct Case {
        const char *polno, *code;
        QVariant csize, weight, seat, cash;
        QVariant csize2;
        const char *seat2;
        QVariant cash2, pcash, pvisa;
    };
    const Case cases[] = {
        {"00000001", "110", 1500.0, {}, 7, u"0"_s, u"1500 C.C."_s, "7 Seats", u"เครดิต"_s, 0.0, 0.0},
        {"00000002", "120", 1498.5, {}, 12, u"1"_s, u"1498.5 C.C"_s /* cut at 10 */, "12 Seats", u"เงินสด"_s, 800.0, 0.0},
        {"00000003", "320", {}, 3500.0, 3, u"2"_s, u"3 Tonage"_s, "3 Seats", u"Visa"_s, 0.0, 800.0},
        {"00000004", "320", {}, 999.0, 3, u"2"_s, u"0 Tonage"_s, "3 Seats", u"Visa"_s, 0.0, 800.0},
        {"00000005", "210", 2000.0, {}, 40, u"9"_s, u""_s, "40 Seats", {}, {}, {}},
        {"00000006", "999", 2000.0, {}, {}, {}, {}, "0 Seats", {}, {}, {}},
    };
    for (const Case &c : cases)
        policy(QString::fromLatin1(c.polno), {{u"CODE"_s, QString::fromLatin1(c.code)}, {u"CSIZE"_s, c.csize},
                                              {u"WEIGHT"_s, c.weight}, {u"SEAT"_s, c.seat}, {u"CASH"_s, c.cash},
                                              {u"PAID"_s, 800.0}});
    openMotorQ();
    const auto csize2 = byPolicy(*dm->MotorQ, u"csize2"_s);
    const auto seat2 = byPolicy(*dm->MotorQ, u"seat2"_s);
    const auto cash2 = byPolicy(*dm->MotorQ, u"cash2"_s);
    const auto pcash = byPolicy(*dm->MotorQ, u"pcash"_s);
    const auto pvisa = byPolicy(*dm->MotorQ, u"pvisa"_s);
    for (const Case &c : cases) {
        const QString p = QString::fromLatin1(c.polno);
        EXPECT_EQ(csize2[p], c.csize2) << c.polno;
        EXPECT_EQ(seat2[p].toString(), QString::fromLatin1(c.seat2)) << c.polno;
        EXPECT_EQ(cash2[p], c.cash2) << c.polno;
        EXPECT_EQ(pcash[p], c.pcash) << c.polno;
        EXPECT_EQ(pvisa[p], c.pvisa) << c.polno;
    }
}

TEST_F(DerivedFields, TextsOfInsuredAgentAndBill)
{
    insert(dm->Database2, u"AGENT"_s, {{u"AGENT"_s, u"1002"_s}, {u"FNAME"_s, u"สมชาย ใจดี"_s}});
    insert(dm->Database2, u"AGENT"_s, {{u"AGENT"_s, u"1003"_s}, {u"FNAME"_s, u"ไทยประกัน"_s}});
    const QString nai = dm->Database1.scalar(u"select NAME from PREFIX where CODE = 1"_s).toString();
    const QString bangkok = dm->Database1.scalar(u"select NAME from PROVINCE where CODE = 1"_s).toString();
    ASSERT_FALSE(nai.isEmpty());
    policy(u"00000011"_s, {{u"PREFIX"_s, 1}, {u"FNAME"_s, u"มานี"_s}, {u"LNAME"_s, u"มีนา"_s}, {u"ADDR1"_s, u"1 ถนนหนึ่ง"_s},
                           {u"ADDR2"_s, u"แขวงสอง"_s}, {u"PROVINCE"_s, 1}, {u"POSTCODE"_s, u"10200"_s},
                           {u"BRAND"_s, u"TOYOTA"_s}, {u"MODEL"_s, u"VIOS"_s}, {u"AGENT"_s, u"1002"_s},
                           {u"KEYDATE"_s, QDate(2550, 5, 27)}, {u"OUTSTANDING"_s, 10.0}, {u"CODE"_s, u"110"_s}});
    policy(u"00000012"_s, {{u"PREFIX"_s, 999}, {u"FNAME"_s, u"ก"_s}, {u"AGENT"_s, u"1003"_s}, {u"KEYDATE"_s, QDate(2552, 1, 5)},
                           {u"OUTSTANDING"_s, 0.0}, {u"PROVINCE"_s, 999}});
    openMotorQ();
    engine::QueryDataset &q = *dm->MotorQ;
    ASSERT_TRUE(q.locate(u"POLNO"_s, u"00000011"_s));
    EXPECT_EQ(q.value(u"name"_s).toString(), nai + u" มานี มีนา"_s);
    EXPECT_EQ(q.value(u"name2"_s).toString(), u"มานี มีนา"_s);
    EXPECT_EQ(q.value(u"addr"_s).toString(), u"1 ถนนหนึ่ง แขวงสอง "_s + bangkok + u" 10200"_s);
    EXPECT_EQ(q.value(u"province13"_s).toString(), bangkok + u" 10200"_s);
    EXPECT_EQ(q.value(u"Brand_Model"_s).toString(), u"TOYOTA VIOS"_s);
    EXPECT_EQ(q.value(u"agent2"_s).toString(), u"(1002)"_s);
    EXPECT_EQ(q.value(u"agentname"_s).toString(), u"สมชาย ใจดี"_s);
    EXPECT_EQ(q.value(u"agentname2"_s).toString(), u"สมชาย "_s) << "first word with its blank";
    EXPECT_EQ(q.value(u"INVNO"_s).toString(), u"5005271002"_s);
    EXPECT_EQ(q.value(u"paytyp"_s).toString(), u"เครดิต"_s);
    EXPECT_EQ(q.value(u"paytyp2"_s).toString(), u"ค้าง"_s);
    EXPECT_FALSE(q.value(u"desc1"_s).toString().isEmpty());

    ASSERT_TRUE(q.locate(u"POLNO"_s, u"00000012"_s));
    EXPECT_EQ(q.value(u"name"_s).toString(), u" ก "_s) << "an unknown title shows no text";
    EXPECT_EQ(q.value(u"agentname2"_s).toString(), QString()) << "a name without a blank";
    EXPECT_EQ(q.value(u"INVNO"_s).toString(), u"5201051003"_s);
    EXPECT_EQ(q.value(u"paytyp2"_s).toString(), u"สด"_s);
    EXPECT_TRUE(q.value(u"desc1"_s).isNull()) << "no package code";
}

TEST_F(DerivedFields, CompulsoryValuesOnlyForFormsHeldByTheInsurer)
{
    compulsory(u"P0000021"_s, u"0001"_s, true);
    compulsory(u"P0000022"_s, u"1002"_s, true);
    compulsory(u"P0000023"_s, u"0001"_s, false);
    for (const char *p : {"00000021", "00000022", "00000023", "00000024"})
        policy(QString::fromLatin1(p), {{u"NETPREM"_s, 1200.0}, {u"PRBCOM"_s, 45.21}});
    openMotorQ();
    struct Case {
        const char *polno;
        QVariant prbprem, prbnetprem, prbstamp, prbpolno2, prbeffdate, stickno, prbcode;
        double net;
    };
    const Case cases[] = {
        {"00000021", 600.0, 645.21, 3.0, u"P0000021"_s, QDate(2550, 5, 27), u"S-P0000021"_s, u"1.10"_s, 1845.21},
        {"00000022", 0.0, 0.0, 0.0, u""_s, {}, u"S-P0000022"_s, u"1.10"_s, 1200},
        {"00000023", {}, {}, {}, {}, {}, {}, {}, 1200},
        {"00000024", 0.0, 0.0, 0.0, u""_s, {}, {}, {}, 1200},
    };
    engine::QueryDataset &q = *dm->MotorQ;
    for (const Case &c : cases) {
        ASSERT_TRUE(q.locate(u"POLNO"_s, QString::fromLatin1(c.polno)));
        EXPECT_EQ(q.value(u"prbprem"_s), c.prbprem) << c.polno;
        EXPECT_EQ(q.value(u"prbnetprem"_s), c.prbnetprem) << c.polno;
        EXPECT_EQ(q.value(u"prbstamp"_s), c.prbstamp) << c.polno;
        EXPECT_EQ(q.value(u"prbpolno2"_s), c.prbpolno2) << c.polno;
        EXPECT_EQ(q.value(u"prbeffdate"_s), c.prbeffdate) << c.polno;
        EXPECT_EQ(q.value(u"prbcode"_s), c.prbcode) << c.polno;
        EXPECT_DOUBLE_EQ(q.value(u"NET"_s).toDouble(), c.net) << c.polno;
        EXPECT_DOUBLE_EQ(q.value(u"totalprem"_s).toDouble(), c.net) << c.polno;
        EXPECT_DOUBLE_EQ(q.value(u"prbtotal"_s).toDouble(), q.value(u"prbnetprem"_s).toDouble() - 45.21) << c.polno;
    }
    ASSERT_TRUE(q.locate(u"POLNO"_s, u"00000021"_s));
    EXPECT_EQ(dm->PrbT->value(u"POLNO"_s).toString(), u"P0000021"_s) << "PrbT stays on the row found";

    // MotorT follows the same rule.
    ASSERT_TRUE(dm->MotorT->locate(u"POLNO"_s, u"00000021"_s));
    EXPECT_EQ(dm->MotorT->value(u"stickno"_s).toString(), u"S-P0000021"_s);
    EXPECT_EQ(dm->MotorT->value(u"prbnetprem"_s).toDouble(), 645.21);
    EXPECT_EQ(dm->MotorT->value(u"netpaid"_s).toDouble(), 1800.0);
    ASSERT_TRUE(dm->MotorT->locate(u"POLNO"_s, u"00000022"_s));
    EXPECT_EQ(dm->MotorT->value(u"prbprem"_s).toDouble(), 0.0);
    EXPECT_EQ(dm->MotorT->value(u"netpaid"_s).toDouble(), 1155.0);
}

TEST_F(DerivedFields, NetpaidRoundsHalvesToEven)
{
    struct Case {
        const char *polno;
        double netprem, fee, motcom, prbcom, netpaid;
    };
    const Case cases[] = {
        {"00000031", 1000.25, 0.25, 0, 0, 1000}, {"00000032", 1001.25, 0.25, 0, 0, 1002},
        {"00000033", 1000.75, 0, 0, 0, 1001},    {"00000034", 1500, 0, 100.5, 0, 1400},
        {"00000035", 1500, 20, 0, 18.5, 1502},   {"00000036", 1000.49, 0, 0, 0, 1000},
    };
    for (const Case &c : cases)
        policy(QString::fromLatin1(c.polno), {{u"NETPREM"_s, c.netprem}, {u"FEE"_s, c.fee}, {u"MOTCOM"_s, c.motcom},
                                              {u"PRBCOM"_s, c.prbcom}, {u"STATUS"_s, u"C"_s}});
    policy(u"00000037"_s, {});
    openMotorQ();
    const auto q = byPolicy(*dm->MotorQ, u"netpaid"_s);
    const auto t = byPolicy(*dm->MotorT, u"netpaid"_s);
    for (const Case &c : cases) {
        EXPECT_EQ(q[QString::fromLatin1(c.polno)].toDouble(), c.netpaid) << c.polno;
        EXPECT_EQ(t[QString::fromLatin1(c.polno)].toDouble(), c.netpaid) << c.polno;
    }
    EXPECT_EQ(q[u"00000037"_s], QVariant(0.0)) << "empty amounts count as 0";
    EXPECT_EQ(byPolicy(*dm->MotorT, u"Status2"_s)[u"00000031"_s].toString(), u"กรมธรรม์ยกเลิก"_s);
    EXPECT_EQ(byPolicy(*dm->MotorT, u"Status2"_s)[u"00000037"_s].toString(), QString());
    EXPECT_EQ(data::roundedNetpaid(0.5, 0, 0, 0, 0), 0);
    EXPECT_EQ(data::roundedNetpaid(2.5, 0, 0, 0, 0), 2);
    EXPECT_EQ(data::roundedNetpaid(-1.5, 0, 0, 0, 0), -2);
}

TEST_F(DerivedFields, DetailListsPaymentsNewestVisitedFirst)
{
    policy(u"00000041"_s, {});
    policy(u"00000042"_s, {});
    policy(u"00000043"_s, {});
    const auto pay = [&](const char *polno, int seq, const char *docno, double amount2, const QString &detail) {
        insert(dm->Database2, u"PAY"_s,
               {{u"POLNO"_s, QString::fromLatin1(polno)}, {u"PTYPE"_s, u"เงินสด"_s}, {u"AMOUNT"_s, 5000.0},
                {u"AMOUNT2"_s, amount2}, {u"PDATE"_s, QDate(2009, 2, 1)}, {u"SEQ"_s, seq},
                {u"DOCNO"_s, QString::fromLatin1(docno)}, {u"PAYDETAIL"_s, detail}});
    };
    pay("00000041", 1, "D1", 1234.5, u"ครั้งแรก"_s);
    pay("00000041", 2, "D2", 200, u"ครั้งที่สอง"_s);
    pay("00000042", 1, "D3", 7, QString(90, u'x'));
    pay("00000042", 2, "D4", 8, QString(90, u'y'));
    pay("00000042", 3, "D5", 9, QString(90, u'z'));
    openMotorQ();
    const auto detail = byPolicy(*dm->MotorQ, u"detail"_s);
    EXPECT_EQ(detail[u"00000041"_s].toString(),
              u"[เงินสด-200.00]  D2  ครั้งที่สอง  [เงินสด-1,234.50]  D1  ครั้งแรก  "_s);
    const QString cut = detail[u"00000042"_s].toString();
    EXPECT_EQ(cut.size(), 200);
    EXPECT_TRUE(cut.startsWith(u"[เงินสด-9.00]  D5  zzz"_s)) << cut.toStdString();
    EXPECT_TRUE(detail[u"00000043"_s].isNull()) << "no payments";
    EXPECT_EQ(dm->PayT->filter(), u"Polno=00000043"_s) << "PayT keeps the filter of the last row computed";
    EXPECT_TRUE(dm->PayT->isEmpty());
    ASSERT_TRUE(dm->MotorQ->locate(u"POLNO"_s, u"00000041"_s));
    EXPECT_EQ(dm->PayT->recordCount(), 2);
}

TEST_F(DerivedFields, OldPremiumPackagesGiveTheDescriptions)
{
    dm->Database2.exec(u"update PACKET_OLD set BODY = ?, CAR_USE = ? where CODE = ?"_s,
                       {u"เก๋งเก่า"_s, u"ใช้เก่า"_s, u"110"_s});
    policy(u"00000051"_s, {{u"CODE"_s, u"110"_s}});
    openMotorQ();
    const QString current = dm->MotorQ->value(u"desc1"_s).toString();
    EXPECT_EQ(current, dm->Database2.scalar(u"select BODY from PACKET where CODE = '110'"_s).toString().trimmed());
    dm->PacketQ->setSql({u"select * from packet_old"_s});
    dm->PacketQ->open();
    dm->MotorQ->close();
    dm->MotorQ->open();
    EXPECT_EQ(dm->MotorQ->value(u"desc1"_s).toString(), u"เก๋งเก่า"_s);
    EXPECT_EQ(dm->MotorQ->value(u"desc2"_s).toString(), u"ใช้เก่า"_s);
}

TEST_F(DerivedFields, StockStatusAndReceiptRows)
{
    for (const auto &[polno, status] : {std::pair{"10000001", "0"}, {"10000002", "1"}, {"10000003", "1"}, {"10000004", "2"}})
        insert(dm->Database2, u"POLMOTOR"_s, {{u"POLNO"_s, QString::fromLatin1(polno)}, {u"STATUS"_s, QString::fromLatin1(status)}});
    dm->PolMotorQ->setSql({u"select status,count(status) from polmotor"_s, u"group by status"_s, u"order by status"_s});
    dm->PolMotorQ->open();
    QStringList seen;
    for (dm->PolMotorQ->first(); !dm->PolMotorQ->eof(); dm->PolMotorQ->next())
        seen << dm->PolMotorQ->value(u"STATUS"_s).toString() + u":"_s + dm->PolMotorQ->value(u"COUNT"_s).toString() + u":"_s
                    + dm->PolMotorQ->value(u"status2"_s).toString();
    EXPECT_EQ(seen, (QStringList{u"0:1:ยังไม่ใช้"_s, u"1:2:ใช้แล้ว"_s, u"2:1:"_s}));

    policy(u"00000061"_s, {{u"PREFIX"_s, 1}, {u"FNAME"_s, u"ก"_s}, {u"LNAME"_s, u"ข"_s}, {u"OUTSTANDING"_s, 300.0},
                           {u"PAID"_s, 200.5}});
    dm->RecAllQ3->setSql({u"select * from motor"_s, u"where polno='00000061'"_s});
    dm->RecAllQ3->open();
    EXPECT_EQ(dm->RecAllQ3->fieldByName(u"Netpaid"_s)->displayText(), u"500.50"_s);
    EXPECT_TRUE(dm->RecAllQ3->value(u"name"_s).toString().endsWith(u" ก ข"_s));
    // The editable result stores into MOTOR.
    dm->RecAllQ3->edit();
    dm->RecAllQ3->setValue(u"OUTSTANDING"_s, 0.0);
    dm->RecAllQ3->post();
    EXPECT_EQ(dm->Database2.scalar(u"select OUTSTANDING from MOTOR where POLNO = '00000061'"_s).toDouble(), 0.0);
    EXPECT_EQ(dm->RecAllQ3->fieldByName(u"Netpaid"_s)->displayText(), u"200.50"_s);

    // Payment lines are numbered from the lines already stored.
    engine::MemoryTable &lines = *dm->RecAll2T;
    for (int i = 1; i <= 3; ++i) {
        lines.append();
        EXPECT_EQ(lines.value(u"SEQ"_s).toInt(), i);
        lines.setValue(u"AMOUNT"_s, 100.0 * i);
        lines.post();
    }
    lines.first();
    lines.remove();
    lines.append();
    EXPECT_EQ(lines.value(u"SEQ"_s).toInt(), 3) << "two lines left";
    lines.cancel();
}

TEST_F(DerivedFields, NewAgentCodes)
{
    struct Case {
        QStringList existing;
        const char *next;
    };
    const Case cases[] = {
        {{}, "1001"},
        {{u"0001"_s}, "1001"},
        {{u"0001"_s, u"1001"_s, u"1002"_s, u"1003"_s, u"1004"_s, u"1005"_s}, "1006"},
        {{u"0001"_s, u"2"_s}, "1001"},
        {{u"0001"_s, u"1003"_s, u"ABCD"_s, u"99"_s}, "1004"},
        {{u"2000"_s, u"1500"_s}, "2001"},
    };
    for (const Case &c : cases) {
        dm->Database2.exec(u"delete from AGENT"_s);
        for (const QString &code : c.existing)
            insert(dm->Database2, u"AGENT"_s, {{u"AGENT"_s, code}, {u"FNAME"_s, u"ตัวแทน "_s + code}});
        dm->AgentT->refresh();
        dm->AgentT->append();
        EXPECT_EQ(dm->AgentT->value(u"AGENT"_s).toString(), QString::fromLatin1(c.next)) << c.existing.join(u',').toStdString();
        dm->AgentT->cancel();
    }
    EXPECT_EQ(data::nextAgentCode(QStringList{u"9999"_s}), QString()) << "4 digits used up: the person types the code";

    // The proposed code is stored with the row.
    dm->AgentT->append();
    dm->AgentT->setValue(u"FNAME"_s, u"ใหม่"_s);
    dm->AgentT->post();
    EXPECT_EQ(dm->Database2.scalar(u"select count(*) from AGENT where AGENT = '2001'"_s).toInt(), 1);
}

} // namespace
