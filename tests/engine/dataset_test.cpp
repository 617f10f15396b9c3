// The dataset model's rules against real databases: every test runs on SQLite and
// on the Firebird test server with the same body.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "engine/datasource.h"
#include "engine/fieldtypehints.h"
#include "engine/querydataset.h"
#include "engine/tabledataset.h"
#include "firebird_server.h"
#include "platform/error.h"
#include "test_databases.h"

using namespace engine;
using namespace Qt::StringLiterals;
using State = Dataset::State;

namespace {

class DatasetOnServer : public testing::TestWithParam<Server>
{
protected:
    void SetUp() override
    {
        if (GetParam() == Server::Firebird)
            REQUIRE_FIREBIRD();
        m_db = TestDatabase::create(GetParam());
        ASSERT_TRUE(m_db);
        m_db->exec(QStringLiteral("create table items (code char(4) not null primary key, name varchar(30), "
                                  "amount double precision, keydate date, kind smallint)"));
        m_db->exec(QStringLiteral("create table kinds (code smallint not null primary key, name varchar(20))"));
        m_db->exec(QStringLiteral("create table notes (polno char(8) not null, seq smallint, note varchar(20))"));
        for (int i = 1; i <= 7; ++i)
            m_db->connection().exec(QStringLiteral("insert into items (code,name,amount,keydate,kind) values (?,?,?,?,?)"),
                                    {QStringLiteral("A%1").arg(i), QStringLiteral("item %1").arg(i), i * 100.5,
                                     QDate(2550, 5, i), i % 2 + 1});
        m_db->exec(QStringLiteral("insert into kinds (code,name) values (1,'even')"));
        m_db->exec(QStringLiteral("insert into kinds (code,name) values (2,'odd')"));
    }

    // ITEMS with declared fields, two rows per page so that navigation crosses pages.
    std::unique_ptr<TableDataset> items()
    {
        auto t = std::make_unique<TableDataset>(&conn(), QStringLiteral("ITEMS"), QStringLiteral("ItemsT"));
        t->addField(FieldDef(QStringLiteral("CODE"), FieldType::FixedString, 4));
        t->addField(FieldDef(QStringLiteral("NAME"), FieldType::String, 30));
        t->addField(FieldDef(QStringLiteral("AMOUNT"), FieldType::Float).money());
        t->addField(FieldDef(QStringLiteral("KEYDATE"), FieldType::Date));
        t->addField(FieldDef(QStringLiteral("KIND"), FieldType::SmallInt));
        t->setPageSize(2);
        return t;
    }

    QStringList codesForward(Dataset &d)
    {
        QStringList codes;
        for (d.first(); !d.eof(); d.next())
            codes << d.value(QStringLiteral("CODE")).toString();
        return codes;
    }

    Connection &conn() { return m_db->connection(); }
    QVariant scalar(const QString &sql) { return conn().scalar(sql); }

    std::unique_ptr<TestDatabase> m_db;
};

TEST_P(DatasetOnServer, NavigatesAcrossPagesInKeyOrder)
{
    auto t = items();
    EXPECT_EQ(t->state(), State::Inactive);
    EXPECT_THROW(t->next(), platform::Error);
    t->open();
    EXPECT_EQ(t->state(), State::Browse);
    EXPECT_TRUE(t->bof());
    EXPECT_EQ(codesForward(*t), (QStringList{u"A1"_s, u"A2"_s, u"A3"_s, u"A4"_s, u"A5"_s, u"A6"_s, u"A7"_s}));
    EXPECT_TRUE(t->eof());
    EXPECT_EQ(t->value(QStringLiteral("CODE")).toString(), QStringLiteral("A7")) << "eof stays on the last row";

    QStringList backwards;
    for (t->last(); !t->bof(); t->prior())
        backwards << t->value(QStringLiteral("CODE")).toString();
    EXPECT_EQ(backwards, (QStringList{u"A7"_s, u"A6"_s, u"A5"_s, u"A4"_s, u"A3"_s, u"A2"_s, u"A1"_s}));
    EXPECT_EQ(t->recordCount(), 7);

    // Fixed text comes back without the server's padding, dates as dates with the
    // stored (Buddhist-era) year, money with its display format.
    ASSERT_TRUE(t->locate(QStringLiteral("CODE"), QStringLiteral("A3")));
    EXPECT_EQ(t->fieldByName(QStringLiteral("CODE"))->asString(), QStringLiteral("A3"));
    EXPECT_EQ(t->value(QStringLiteral("KEYDATE")), QVariant(QDate(2550, 5, 3)));
    EXPECT_EQ(t->fieldByName(QStringLiteral("AMOUNT"))->displayText(), QStringLiteral("301.50"));
    t->next();
    EXPECT_EQ(t->value(QStringLiteral("CODE")).toString(), QStringLiteral("A4")) << "next continues after a located row";
}

TEST_P(DatasetOnServer, LocateMissesWithoutMoving)
{
    auto t = items();
    t->open();
    t->locate(QStringLiteral("CODE"), QStringLiteral("A5"));
    EXPECT_FALSE(t->locate(QStringLiteral("CODE"), QStringLiteral("ZZ")));
    EXPECT_EQ(t->value(QStringLiteral("CODE")).toString(), QStringLiteral("A5"));
    EXPECT_TRUE(t->locate(QStringLiteral("NAME;KIND"), {QStringLiteral("item 6"), 1}));
    EXPECT_EQ(t->value(QStringLiteral("CODE")).toString(), QStringLiteral("A6"));
    // A quote is just a character of the value.
    EXPECT_FALSE(t->locate(QStringLiteral("NAME"), QStringLiteral("x' or '1'='1")));
}

TEST_P(DatasetOnServer, EditPostAndCancel)
{
    auto t = items();
    t->open();
    EXPECT_THROW(t->setValue(QStringLiteral("NAME"), QStringLiteral("x")), platform::Error) << "browse state";

    t->locate(QStringLiteral("CODE"), QStringLiteral("A2"));
    t->edit();
    EXPECT_EQ(t->state(), State::Edit);
    t->setValue(QStringLiteral("NAME"), QStringLiteral("changed"));
    t->cancel();
    EXPECT_EQ(t->state(), State::Browse);
    EXPECT_EQ(t->value(QStringLiteral("NAME")).toString(), QStringLiteral("item 2"));
    EXPECT_EQ(scalar(QStringLiteral("select name from items where code='A2'")).toString(), QStringLiteral("item 2"));

    t->edit();
    t->setValue(QStringLiteral("NAME"), QStringLiteral("O'Brien"));
    t->setValue(QStringLiteral("KEYDATE"), QDate(2552, 2, 29));
    t->post();
    EXPECT_EQ(t->state(), State::Browse);
    EXPECT_EQ(scalar(QStringLiteral("select name from items where code='A2'")).toString(), QStringLiteral("O'Brien"));
    auto again = items();
    again->open();
    ASSERT_TRUE(again->locate(QStringLiteral("CODE"), QStringLiteral("A2")));
    EXPECT_EQ(again->value(QStringLiteral("KEYDATE")), QVariant(QDate(2552, 2, 29)));

    // Moving away from a changed row stores it.
    t->edit();
    t->setValue(QStringLiteral("AMOUNT"), 5.25);
    t->next();
    EXPECT_EQ(t->state(), State::Browse);
    EXPECT_EQ(scalar(QStringLiteral("select amount from items where code='A2'")).toDouble(), 5.25);
}

TEST_P(DatasetOnServer, InsertRulesAndErrors)
{
    auto t = items();
    QStringList calls;
    t->afterInsert = [&](Dataset &d) {
        calls << QStringLiteral("afterInsert");
        d.setValue(QStringLiteral("KIND"), 2);
    };
    t->beforePost = [&](Dataset &) { calls << QStringLiteral("beforePost"); };
    t->afterPost = [&](Dataset &d) { calls << QStringLiteral("afterPost:") + d.value(QStringLiteral("CODE")).toString(); };
    t->open();
    t->locate(QStringLiteral("CODE"), QStringLiteral("A4"));

    t->append();
    EXPECT_EQ(t->state(), State::Insert);
    EXPECT_TRUE(t->value(QStringLiteral("CODE")).isNull()) << "a new row starts empty";
    EXPECT_EQ(t->value(QStringLiteral("KIND")).toInt(), 2) << "after-insert rule ran";
    t->cancel();
    EXPECT_EQ(t->value(QStringLiteral("CODE")).toString(), QStringLiteral("A4")) << "cancel returns to the row";
    EXPECT_EQ(t->recordCount(), 7);

    // A repeated key is refused with the server's key violation; the row stays in insert state.
    t->insert();
    t->setValue(QStringLiteral("CODE"), QStringLiteral("A1"));
    try {
        t->post();
        ADD_FAILURE() << "duplicate key stored";
    } catch (const DbError &e) {
        EXPECT_EQ(e.kind(), DbErrorKind::KeyViolation) << e.message().toStdString();
    }
    EXPECT_EQ(t->state(), State::Insert);
    t->setValue(QStringLiteral("CODE"), QStringLiteral("B1"));
    t->post();
    EXPECT_EQ(t->value(QStringLiteral("CODE")).toString(), QStringLiteral("B1"));
    EXPECT_EQ(calls, (QStringList{u"afterInsert"_s, u"afterInsert"_s, u"beforePost"_s, u"beforePost"_s, u"afterPost:B1"_s}));
    EXPECT_EQ(scalar(QStringLiteral("select kind from items where code='B1'")).toInt(), 2);

    // A missing required value is the server's missing-value error.
    t->insert();
    t->setValue(QStringLiteral("NAME"), QStringLiteral("no code"));
    try {
        t->post();
        ADD_FAILURE() << "row without key stored";
    } catch (const DbError &e) {
        EXPECT_EQ(e.kind(), DbErrorKind::MissingValue) << e.message().toStdString();
    }
    t->cancel();

    // A before-post rule that refuses keeps the row unsaved.
    t->beforePost = [](Dataset &) { throw platform::Error(QStringLiteral("refused")); };
    t->insert();
    t->setValue(QStringLiteral("CODE"), QStringLiteral("C1"));
    EXPECT_THROW(t->post(), platform::Error);
    EXPECT_EQ(t->state(), State::Insert);
    t->cancel();
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from items where code='C1'")).toInt(), 0);
}

TEST_P(DatasetOnServer, DeleteLandsOnNeighbour)
{
    auto t = items();
    t->open();
    t->locate(QStringLiteral("CODE"), QStringLiteral("A2"));
    t->remove();
    EXPECT_EQ(t->value(QStringLiteral("CODE")).toString(), QStringLiteral("A3"));
    t->last();
    t->remove();
    EXPECT_EQ(t->value(QStringLiteral("CODE")).toString(), QStringLiteral("A6")) << "after the last row, the one before";
    EXPECT_EQ(codesForward(*t), (QStringList{u"A1"_s, u"A3"_s, u"A4"_s, u"A5"_s, u"A6"_s}));
    m_db->exec(QStringLiteral("delete from items"));
    t->close();
    t->open();
    EXPECT_TRUE(t->isEmpty());
    EXPECT_TRUE(t->eof() && t->bof());
    EXPECT_THROW(t->remove(), platform::Error);
    t->edit();
    EXPECT_EQ(t->state(), State::Insert) << "editing an empty table starts a row";
}

TEST_P(DatasetOnServer, FilterRestrictsEveryRead)
{
    struct Case {
        const char *filter;
        QStringList codes;
    };
    const Case cases[] = {
        {"KIND=1", {u"A2"_s, u"A4"_s, u"A6"_s}},
        {"Kind = 2", {u"A1"_s, u"A3"_s, u"A5"_s, u"A7"_s}},
        {"name='item 3'", {u"A3"_s}},
        {"NAME=\"item 4\"", {u"A4"_s}},
        {"Code=A5", {u"A5"_s}},
        {"kind=1 and name='item 6'", {u"A6"_s}},
        {"NAME='it''s'", {}},
        {"", {u"A1"_s, u"A2"_s, u"A3"_s, u"A4"_s, u"A5"_s, u"A6"_s, u"A7"_s}},
    };
    auto t = items();
    t->setFiltered(true);
    t->open();
    for (const Case &c : cases) {
        t->setFilter(QString::fromUtf8(c.filter));
        EXPECT_EQ(codesForward(*t), c.codes) << c.filter;
        EXPECT_EQ(t->recordCount(), c.codes.size()) << c.filter;
    }
    t->setFilter(QStringLiteral("KIND=1"));
    EXPECT_FALSE(t->locate(QStringLiteral("CODE"), QStringLiteral("A1"))) << "locate stays inside the filter";
    EXPECT_TRUE(t->lookup(QStringLiteral("CODE"), {QStringLiteral("A1")}, QStringLiteral("NAME")).isNull());
    EXPECT_THROW(t->setFilter(QStringLiteral("NOSUCH=1")), platform::Error);
    EXPECT_THROW(t->setFilter(QStringLiteral("KIND")), platform::Error);
    EXPECT_EQ(t->filter(), QStringLiteral("KIND=1")) << "a bad filter leaves the one before";
    t->setFiltered(false);
    EXPECT_EQ(t->recordCount(), 7);
}

TEST_P(DatasetOnServer, TableWithoutKeyPagesAndWritesOneRow)
{
    for (int i = 0; i < 5; ++i)
        m_db->connection().exec(QStringLiteral("insert into notes (polno,seq,note) values (?,?,?)"),
                                {QStringLiteral("P1"), i % 3, QStringLiteral("same")});
    TableDataset t(&conn(), QStringLiteral("NOTES"));
    t.setPageSize(2);
    t.setOrderFields({QStringLiteral("POLNO"), QStringLiteral("SEQ")});
    t.open();
    QList<int> seqs;
    for (t.first(); !t.eof(); t.next())
        seqs << t.value(QStringLiteral("SEQ")).toInt();
    EXPECT_EQ(seqs, (QList<int>{0, 0, 1, 1, 2}));
    EXPECT_EQ(t.value(QStringLiteral("POLNO")).toString(), QStringLiteral("P1")) << "CHAR(8) is trimmed";
    // Two identical rows: deleting one keeps its twin.
    t.first();
    t.remove();
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from notes where seq=0")).toInt(), 1);
    t.first();
    t.edit();
    t.setValue(QStringLiteral("NOTE"), QStringLiteral("edited"));
    t.post();
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from notes where note='edited'")).toInt(), 1);
}

TEST_P(DatasetOnServer, LookupAndCalculatedFieldsFollowEveryRow)
{
    TableDataset kinds(&conn(), QStringLiteral("KINDS"));
    kinds.open();
    auto t = items();
    t->addField(FieldDef::lookupField(QStringLiteral("kindname"), 20, QStringLiteral("KIND"), &kinds, QStringLiteral("CODE"),
                                      QStringLiteral("NAME")));
    t->addField(FieldDef::calculated(QStringLiteral("label"), FieldType::String, 10));
    int calcs = 0;
    t->onCalcFields = [&](Dataset &d) {
        ++calcs;
        d.setValue(QStringLiteral("label"), d.value(QStringLiteral("kindname")).toString() + QStringLiteral("/")
                                                + d.value(QStringLiteral("NAME")).toString());
    };
    t->open();
    QStringList labels;
    for (t->first(); !t->eof(); t->next())
        labels << t->value(QStringLiteral("label")).toString();
    EXPECT_EQ(labels.first(), QStringLiteral("odd/item 1"));
    EXPECT_EQ(labels.at(1), QStringLiteral("even/item ")) << "cut at the field's 10 characters";
    EXPECT_EQ(labels.at(2), QStringLiteral("odd/item 3"));
    EXPECT_GE(calcs, 7);

    // Changing the key field while editing recomputes the derived values at once.
    QSignalSpy changed(t.get(), &Dataset::fieldChanged);
    t->first();
    t->edit();
    t->setValue(QStringLiteral("KIND"), 1);
    EXPECT_EQ(t->value(QStringLiteral("kindname")).toString(), QStringLiteral("even"));
    EXPECT_EQ(t->value(QStringLiteral("label")).toString(), QStringLiteral("even/item "));
    EXPECT_GE(changed.count(), 3) << "the field and both derived fields";
    t->setValue(QStringLiteral("KIND"), 9);
    EXPECT_TRUE(t->value(QStringLiteral("kindname")).isNull()) << "no matching row: empty";
    t->cancel();
}

// A query reading ahead into a keyed table (look-up and locate) and a table without
// key (filtered pass) gives every row what reads of its own would give: forward and
// backward, for a value with more rows than a page, and after a write in the middle
// of a pass.
TEST_P(DatasetOnServer, ReadAheadAnswersEveryRowAsItsOwnReadsWould)
{
    m_db->exec(QStringLiteral("create table pols (polno char(8) not null primary key)"));
    m_db->exec(QStringLiteral("create table cards (polno char(8) not null primary key, name varchar(20))"));
    m_db->exec(QStringLiteral("create table pays (polno char(8) not null, seq smallint, amount double precision)"));
    const auto polno = [](int i) { return QStringLiteral("P%1").arg(i, 7, 10, QLatin1Char('0')); };
    const auto payments = [](int i) { return i == 70 ? 70 : i % 4; };
    const int policies = 150;
    {
        Transaction t(conn());
        for (int i = 1; i <= policies; ++i) {
            conn().exec(QStringLiteral("insert into pols (polno) values (?)"), {polno(i)});
            if (i % 2 == 0)
                conn().exec(QStringLiteral("insert into cards (polno,name) values (?,?)"), {polno(i), QStringLiteral("card %1").arg(i)});
            for (int s = 1; s <= payments(i); ++s)
                conn().exec(QStringLiteral("insert into pays (polno,seq,amount) values (?,?,?)"), {polno(i), s, 1.0 * s});
        }
        t.commit();
    }
    TableDataset cards(&conn(), QStringLiteral("CARDS"));
    TableDataset pays(&conn(), QStringLiteral("PAYS"));
    cards.open();
    pays.open();
    QueryDataset q(&conn(), QStringLiteral("PolsQ"));
    q.setSql({QStringLiteral("select * from pols"), QStringLiteral("order by polno")});
    q.addField(FieldDef(QStringLiteral("POLNO"), FieldType::FixedString, 8));
    q.addField(FieldDef::lookupField(QStringLiteral("cardname"), 20, QStringLiteral("POLNO"), &cards, QStringLiteral("POLNO"),
                                     QStringLiteral("NAME")));
    q.addField(FieldDef::calculated(QStringLiteral("paid"), FieldType::Float));
    q.addField(FieldDef::calculated(QStringLiteral("count"), FieldType::Integer));
    q.addField(FieldDef::calculated(QStringLiteral("located"), FieldType::String, 20));
    q.addReadAhead(&pays, QStringLiteral("POLNO"), QStringLiteral("POLNO"));
    q.onCalcFields = [&](Dataset &d) {
        pays.setFiltered(true);
        pays.setFilter(QStringLiteral("polno=") + d.value(QStringLiteral("POLNO")).toString());
        double paid = 0;
        int count = 0;
        for (pays.first(); !pays.eof(); pays.next()) {
            paid += pays.value(QStringLiteral("AMOUNT")).toDouble();
            ++count;
        }
        d.setValue(QStringLiteral("paid"), paid);
        d.setValue(QStringLiteral("count"), count);
        if (cards.locate(QStringLiteral("POLNO"), d.value(QStringLiteral("POLNO"))))
            d.setValue(QStringLiteral("located"), cards.value(QStringLiteral("NAME")));
    };
    q.open();

    bool written = false;
    const auto check = [&](int i) {
        const int n = payments(i) + (written && i == 101 ? 1 : 0);
        const QString card = i % 2 ? QString() : written && i == 102 ? QStringLiteral("renamed") : QStringLiteral("card %1").arg(i);
        EXPECT_EQ(q.value(QStringLiteral("POLNO")).toString(), polno(i));
        EXPECT_EQ(q.value(QStringLiteral("count")).toInt(), n) << "policy " << i;
        EXPECT_DOUBLE_EQ(q.value(QStringLiteral("paid")).toDouble(), n * (n + 1) / 2.0) << "policy " << i;
        EXPECT_EQ(q.value(QStringLiteral("cardname")).toString(), card) << "policy " << i;
        EXPECT_EQ(q.value(QStringLiteral("located")).toString(), card) << "policy " << i;
    };
    int i = 1;
    for (q.first(); !q.eof(); q.next(), ++i) {
        check(i);
        if (i == 100) {
            // Rows 101 and 102 were read ahead with row 100; the writes must show.
            conn().exec(QStringLiteral("insert into pays (polno,seq,amount) values (?,?,?)"),
                        {polno(101), payments(101) + 1, payments(101) + 1.0});
            conn().exec(QStringLiteral("update cards set name='renamed' where polno=?"), {polno(102)});
            written = true;
        }
    }
    EXPECT_EQ(i, policies + 1);
    q.last();
    for (i = policies; i >= 1; --i, q.prior())
        check(i);
    EXPECT_TRUE(q.bof());
}

// SQLite's reads keep their statements: a read that cannot run reports the database's
// reason, and once the table is back the same reads work again.
TEST_P(DatasetOnServer, ReadOfAMissingTableReportsAndRecovers)
{
    if (GetParam() == Server::Firebird)
        GTEST_SKIP() << "a Firebird table in use cannot be dropped";
    auto t = items();
    t->open();
    EXPECT_EQ(codesForward(*t).size(), 7);
    t->close();
    t->open();
    m_db->exec(QStringLiteral("alter table items rename to items_away"));
    try {
        t->first();
        ADD_FAILURE() << "reading a missing table must fail";
    } catch (const DbError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("no such table"), Qt::CaseInsensitive)) << e.message().toStdString();
    }
    m_db->exec(QStringLiteral("alter table items_away rename to items"));
    EXPECT_EQ(codesForward(*t).size(), 7);
    EXPECT_EQ(t->lookup(QStringLiteral("CODE"), {QStringLiteral("A3")}, QStringLiteral("NAME")).toString(), QStringLiteral("item 3"));
}

TEST_P(DatasetOnServer, QueryParametersTextAndColumns)
{
    FieldTypeHints::set(QStringLiteral("KEYDATE"), FieldType::Date);
    FieldTypeHints::set(QStringLiteral("CODE"), FieldType::FixedString, 4);
    QueryDataset q(&conn(), QStringLiteral("ItemQ"));
    q.setSql({QStringLiteral("select * from items"), QStringLiteral("where keydate>=:Prm1"), QStringLiteral("and keydate<=:Prm2"),
              QStringLiteral("and name<>':notaparam'"), QStringLiteral("order by code")});
    EXPECT_EQ(q.paramNames(), (QStringList{u"Prm1"_s, u"Prm2"_s}));
    q.setParam(QStringLiteral("prm1"), QDate(2550, 5, 3));
    q.setParam(QStringLiteral("Prm2"), QDate(2550, 5, 5));
    EXPECT_THROW(q.setParam(QStringLiteral("nosuch"), 1), platform::Error);
    q.open();
    EXPECT_EQ(q.recordCount(), 3);
    EXPECT_EQ(q.value(QStringLiteral("code")).toString(), QStringLiteral("A3"));
    EXPECT_EQ(q.value(QStringLiteral("KEYDATE")), QVariant(QDate(2550, 5, 3))) << "a date, also from SQLite's text";
    EXPECT_THROW(q.edit(), platform::Error) << "a query is read only";

    // Replacing the text closes the query; aggregate columns fill declared fields in order.
    QueryDataset counts(&conn(), QStringLiteral("CountQ"));
    counts.addField(FieldDef(QStringLiteral("KIND"), FieldType::SmallInt));
    counts.addField(FieldDef(QStringLiteral("COUNT"), FieldType::Integer));
    counts.addField(FieldDef(QStringLiteral("SUM"), FieldType::Float).money());
    counts.setSql({QStringLiteral("select kind,count(kind),sum(amount) from items"), QStringLiteral("group by kind"),
                   QStringLiteral("order by kind")});
    counts.open();
    EXPECT_EQ(counts.value(QStringLiteral("COUNT")).toInt(), 3);
    EXPECT_EQ(counts.fieldByName(QStringLiteral("SUM"))->displayText(), QStringLiteral("1,206.00"));
    counts.setSql({QStringLiteral("select kind,count(*) from items where name=:prm"), QStringLiteral("group by kind")});
    EXPECT_FALSE(counts.isActive());
    counts.setParam(QStringLiteral("prm"), QStringLiteral("item 1' or 'x'='x"));
    counts.open();
    EXPECT_TRUE(counts.isEmpty()) << "the parameter is a value, not SQL";

    // A statement query changes rows and returns none.
    QueryDataset exec(&conn(), QStringLiteral("ExecQ"));
    exec.setSql({QStringLiteral("update items set amount=0"), QStringLiteral("where code=:c")});
    exec.setParam(QStringLiteral("c"), QStringLiteral("A1"));
    EXPECT_EQ(exec.execSql(), 1);
    FieldTypeHints::clear();
}

TEST_P(DatasetOnServer, LiveQueryWritesItsTable)
{
    QueryDataset q(&conn(), QStringLiteral("LiveQ"));
    q.setSql({QStringLiteral("select * from items"), QStringLiteral("where kind=1")});
    q.setRequestLive(QStringLiteral("ITEMS"), {QStringLiteral("CODE")});
    q.open();
    EXPECT_EQ(q.recordCount(), 3);
    ASSERT_TRUE(q.locate(QStringLiteral("CODE"), QStringLiteral("A4")));
    q.edit();
    q.setValue(QStringLiteral("NAME"), QStringLiteral("live"));
    q.post();
    EXPECT_EQ(scalar(QStringLiteral("select name from items where code='A4'")).toString(), QStringLiteral("live"));
    q.remove();
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from items where code='A4'")).toInt(), 0);
    EXPECT_EQ(q.recordCount(), 2);
}

TEST_P(DatasetOnServer, DataSourceDisabledDetachesControls)
{
    auto t = items();
    DataSource ds(t.get(), QStringLiteral("ItemsTDs"));
    QSignalSpy data(&ds, &DataSource::dataChanged);
    QSignalSpy fields(&ds, &DataSource::fieldChanged);
    t->open();
    EXPECT_TRUE(ds.isLinked());
    EXPECT_GT(data.count(), 0);
    ds.setEnabled(false);
    EXPECT_FALSE(ds.isLinked());
    EXPECT_FALSE(ds.prepareEdit()) << "a detached control cannot edit";
    data.clear();
    t->next();
    t->edit();
    t->setValue(QStringLiteral("NAME"), QStringLiteral("quiet"));
    EXPECT_EQ(data.count(), 0);
    EXPECT_EQ(fields.count(), 0);
    t->cancel();
    ds.setEnabled(true);
    EXPECT_EQ(data.count(), 1) << "enabling shows the current row again";
    EXPECT_TRUE(ds.prepareEdit());
    EXPECT_EQ(t->state(), State::Edit);
    t->setValue(QStringLiteral("NAME"), QStringLiteral("typed"));
    EXPECT_EQ(fields.count(), 1);
    t->cancel();
}

INSTANTIATE_TEST_SUITE_P(Servers, DatasetOnServer, testing::Values(Server::Sqlite, Server::Firebird), serverName);

} // namespace
