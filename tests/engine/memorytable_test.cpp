#include <gtest/gtest.h>

#include "engine/memorytable.h"
#include "platform/error.h"

using namespace engine;

namespace {

class MemoryTableTest : public testing::Test
{
protected:
    void SetUp() override
    {
        t.addField(FieldDef(QStringLiteral("SEQ"), FieldType::SmallInt));
        t.addField(FieldDef(QStringLiteral("NAME"), FieldType::String, 5));
        t.addField(FieldDef(QStringLiteral("CK"), FieldType::Boolean));
        t.open();
        for (const char *name : {"a", "b", "c"})
            add(QString::fromLatin1(name));
    }
    void add(const QString &name)
    {
        t.append();
        t.setValue(QStringLiteral("NAME"), name);
        t.post();
    }
    QString names()
    {
        QString s;
        for (t.first(); !t.eof(); t.next())
            s += t.value(QStringLiteral("NAME")).toString();
        return s;
    }
    MemoryTable t{QStringLiteral("RecAll2T")};
};

TEST_F(MemoryTableTest, InsertAppendDeleteAndFilter)
{
    EXPECT_EQ(names(), QStringLiteral("abc"));
    t.first();
    t.next();
    t.insert(); // before the current row
    t.setValue(QStringLiteral("NAME"), QStringLiteral("toolong"));
    t.post();
    EXPECT_EQ(t.value(QStringLiteral("NAME")).toString(), QStringLiteral("toolo")) << "cut at the field's size";
    EXPECT_EQ(names(), QStringLiteral("atoolobc"));
    t.first();
    t.next();
    t.remove();
    EXPECT_EQ(t.value(QStringLiteral("NAME")).toString(), QStringLiteral("b"));
    t.last();
    t.remove();
    EXPECT_EQ(t.value(QStringLiteral("NAME")).toString(), QStringLiteral("b"));
    EXPECT_EQ(t.recordCount(), 2);

    t.first();
    t.edit();
    t.setValue(QStringLiteral("CK"), true);
    t.post();
    t.setFiltered(true);
    t.setFilter(QStringLiteral("CK=True"));
    EXPECT_EQ(names(), QStringLiteral("a"));
    t.setFilter(QStringLiteral("NAME='b'"));
    EXPECT_EQ(names(), QStringLiteral("b"));
    EXPECT_EQ(t.lookup(QStringLiteral("NAME"), {QStringLiteral("a")}, QStringLiteral("CK")), QVariant())
        << "look-up stays inside the filter";
    t.setFiltered(false);
    EXPECT_EQ(t.lookup(QStringLiteral("NAME"), {QStringLiteral("a")}, QStringLiteral("CK")), QVariant(true));

    t.emptyTable();
    EXPECT_TRUE(t.isEmpty());
    EXPECT_TRUE(t.isActive());
    t.close();
    EXPECT_THROW(t.recordCount(), platform::Error);
}

TEST_F(MemoryTableTest, AfterInsertRuleNumbersRows)
{
    t.afterInsert = [](Dataset &d) { d.setValue(QStringLiteral("SEQ"), d.recordCount() + 1); };
    t.append();
    EXPECT_EQ(t.value(QStringLiteral("SEQ")).toInt(), 4);
    t.post();
    t.append();
    EXPECT_EQ(t.value(QStringLiteral("SEQ")).toInt(), 5);
    t.cancel();
    EXPECT_EQ(t.recordCount(), 4);
    t.edit();
    EXPECT_THROW(t.setValue(QStringLiteral("SEQ"), QStringLiteral("x")), platform::Error) << "not a number";
    t.cancel();
}

} // namespace
