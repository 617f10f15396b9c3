// The transfer table writer and reader, checked against pxlib, an independent reader
// and writer of the format.
#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include "pxlib_c.h"

#include "platform/error.h"
#include "pxlib_table.h"
#include "transfer/motorlayout.h"
#include "transfer/paradoxreader.h"
#include "transfer/paradoxwriter.h"

using namespace transfer;

namespace {

QString policyNumber(int n)
{
    return QStringLiteral("%1").arg(n, 8, 10, QLatin1Char('0'));
}

// A sold policy as the policy table gives it.
QVariantMap soldPolicy(int n)
{
    return {
        {u"POLNO"_qs, policyNumber(n)},
        {u"PRBPOLNO"_qs, QStringLiteral("P%1").arg(n % 10000000, 7, 10, QLatin1Char('0'))},
        {u"MOTORTYPE"_qs, u"1"_qs},
        {u"PREFIX"_qs, 3},
        {u"FNAME"_qs, u"สมชาย"_qs},
        {u"LNAME"_qs, u"ใจดี"_qs},
        {u"ADDR1"_qs, u"99/1 ถ.พหลโยธิน"_qs},
        {u"ADDR2"_qs, u"แขวงสามเสนใน เขตพญาไท"_qs},
        {u"PROVINCE"_qs, 10},
        {u"POSTCODE"_qs, u"10400"_qs},
        {u"KEYDATE"_qs, QDate(2550, 5, 27)},
        {u"POLDATE"_qs, QDate(2550, 5, 27)},
        {u"RECDATE"_qs, QDate(2550, 5, 28)},
        {u"EFFDATE"_qs, QDate(2550, 5, 27)},
        {u"ENDDATE"_qs, QDate(2551, 5, 27)},
        {u"CODE"_qs, u"110"_qs},
        {u"POLTYP"_qs, u"3"_qs},
        {u"CAR_SIZE"_qs, u"1600"_qs},
        {u"CYEAR"_qs, u"2005"_qs},
        {u"BRAND"_qs, u"โตโยต้า"_qs},
        {u"MODEL"_qs, u"VIOS"_qs},
        {u"REGNO"_qs, u"กข 1234"_qs},
        {u"SEAT"_qs, 7},
        {u"CSIZE"_qs, 1500.0},
        {u"WEIGHT"_qs, 0.0},
        {u"CHASSI"_qs, u"NCP93-0012345"_qs},
        {u"MOTORNO"_qs, u"1NZ-9876543"_qs},
        {u"PREM"_qs, 1800.5},
        {u"STAMP"_qs, 8.0},
        {u"TAX"_qs, 126.6},
        {u"NETPREM"_qs, 1935.1},
        {u"PREM1"_qs, 0.0},
        {u"PREM2"_qs, -0.0},
        {u"DISCOUNT"_qs, -180.05},
        {u"COMMISS"_qs, -1e6},
        {u"CASH"_qs, u"1"_qs},
        {u"A"_qs, u"Y"_qs},
        {u"B"_qs, QVariant()},
        {u"C"_qs, u"“ดีเลิศ” — €5…"_qs},
        {u"D"_qs, u""_qs},
        {u"AGENT"_qs, u"0001"_qs},
        {u"PAID"_qs, 1755.05},
        {u"MOTCOM"_qs, 0.01},
        {u"PRBCOM"_qs, 12345678.9},
        {u"OUTSTANDING"_qs, -0.01},
        {u"FEE"_qs, QVariant()},
        {u"STATUS"_qs, u"C"_qs},
        {u"PROVINCE2"_qs, -32767},
    };
}

// The CREATE TABLE of the transfer table, one column a line.
const char *const createTableColumns[] = {
    "POLNO CHAR(8)", "PRBPOLNO CHAR(8)", "MOTORTYPE CHAR(1) DEFAULT 1", "PREFIX SMALLINT",
    "FNAME VARCHAR(50)", "LNAME VARCHAR(50)", "ADDR1 VARCHAR(50)", "ADDR2 VARCHAR(50)",
    "PROVINCE SMALLINT DEFAULT 1", "POSTCODE VARCHAR(5)", "KEYDATE DATE", "POLDATE DATE", "RECDATE DATE",
    "EFFDATE DATE", "ENDDATE DATE", "CODE VARCHAR(3)", "POLTYP CHAR(1)", "CAR_SIZE VARCHAR(5)",
    "CYEAR CHAR(4)", "BRAND VARCHAR(30)", "MODEL VARCHAR(30)", "REGNO VARCHAR(10)", "SEAT SMALLINT",
    "CSIZE FLOAT(8,2)", "WEIGHT FLOAT(8,2)", "CHASSI VARCHAR(20)", "MOTORNO VARCHAR(20)",
    "PREM FLOAT(8,2)", "STAMP FLOAT(8,2)", "TAX FLOAT(8,2)", "NETPREM FLOAT(8,2)", "PREM1 FLOAT(8,2)",
    "PREM2 FLOAT(8,2)", "DISCOUNT FLOAT(8,2)", "COMMISS FLOAT(8,2)", "CASH CHAR(1)", "A CHAR(1)",
    "B CHAR(1)", "C VARCHAR(30)", "D VARCHAR(30)", "AGENT CHAR(4)", "PAID FLOAT(8,2)", "MOTCOM FLOAT(8,2)",
    "PRBCOM FLOAT(8,2)", "OUTSTANDING FLOAT(8,2)", "FEE FLOAT(8,2)", "STATUS CHAR(1)",
    "PROVINCE2 SMALLINT DEFAULT 1",
};

class ParadoxTable : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString dbPath() const { return path(u"MOTOR.DB"_qs); }
    QString pxPath() const { return path(u"MOTOR.PX"_qs); }

    QTemporaryDir m_dir;
};

} // namespace

TEST(MotorLayout, HasTheColumnsOfTheCreateTableStatement)
{
    const QList<Column> &columns = motorColumns();
    ASSERT_EQ(columns.size(), 48);
    const QRegularExpression re(u"^(\\w+) (CHAR|VARCHAR|SMALLINT|FLOAT|DATE)(?:\\((\\d+)(?:,2)?\\))?( DEFAULT 1)?$"_qs);
    for (int i = 0; i < 48; ++i) {
        const auto m = re.match(QString::fromLatin1(createTableColumns[i]));
        ASSERT_TRUE(m.hasMatch()) << createTableColumns[i];
        const Column &c = columns[i];
        EXPECT_EQ(c.name, m.captured(1));
        const QString sqlType = m.captured(2);
        if (sqlType.endsWith(u"CHAR"_qs)) {
            EXPECT_EQ(c.type, ColumnType::Alpha) << createTableColumns[i];
            EXPECT_EQ(c.width, m.captured(3).toInt()) << createTableColumns[i];
        } else {
            const ColumnType t = sqlType == u"SMALLINT"_qs ? ColumnType::Short
                : sqlType == u"FLOAT"_qs                   ? ColumnType::Double
                                                           : ColumnType::Date;
            EXPECT_EQ(c.type, t) << createTableColumns[i];
        }
        if (m.captured(4).isEmpty())
            EXPECT_FALSE(c.defaultValue.isValid()) << createTableColumns[i];
        else
            EXPECT_EQ(c.defaultValue.toInt(), 1) << createTableColumns[i];
    }
}

TEST_F(ParadoxTable, PxlibReadsEveryColumnOfAWrittenRow)
{
    ParadoxWriter writer(m_dir.path(), motorTableName, motorColumns());
    QVariantMap blanks{{u"POLNO"_qs, u"00000002"_qs}};
    for (const Column &c : motorColumns()) {
        if (c.name != u"POLNO"_qs)
            blanks.insert(c.name, QVariant());
    }
    writer.append(blanks);
    writer.append(soldPolicy(1));
    writer.close();

    PxlibTable px(dbPath());
    ASSERT_TRUE(px.isOpen()) << px.errors().join(u'\n').toStdString();
    EXPECT_EQ(px.fileType(), pxfFileTypIndexDB);
    EXPECT_EQ(px.primaryKeyFields(), 1);
    EXPECT_EQ(px.codePage(), 874);
    ASSERT_EQ(px.recordCount(), 2);
    const QList<PxlibField> fields = px.fields();
    ASSERT_EQ(fields.size(), 48);
    for (int i = 0; i < 48; ++i) {
        const Column &c = motorColumns()[i];
        EXPECT_EQ(fields[i].name, c.name);
        const int type = c.type == ColumnType::Alpha ? pxfAlpha
            : c.type == ColumnType::Short            ? pxfShort
            : c.type == ColumnType::Double           ? pxfNumber
                                                     : pxfDate;
        EXPECT_EQ(fields[i].type, type) << c.name.toStdString();
        EXPECT_EQ(fields[i].size, c.storedSize()) << c.name.toStdString();
    }

    // Rows come in key order although they were appended the other way round.
    const QVariantMap sold = px.record(0);
    const QByteArray soldRaw = px.rawRecord(0);
    const QVariantMap expected = soldPolicy(1);
    int soldOffset = 0;
    for (const Column &c : motorColumns()) {
        const QVariant want = expected.value(c.name);
        const QVariant got = sold.value(c.name);
        const std::string name = c.name.toStdString();
        const bool blank = !want.isValid() || want.toString().isEmpty();
        const QByteArray field = soldRaw.mid(soldOffset, c.storedSize());
        soldOffset += c.storedSize();
        if (blank) {
            EXPECT_EQ(field, QByteArray(c.storedSize(), '\0')) << name;
        } else if (c.type == ColumnType::Date) {
            const QDate d = want.toDate();
            EXPECT_EQ(got.toLongLong(), pxlibDayNumber(d.year(), d.month(), d.day())) << name;
        } else if (c.type == ColumnType::Double) {
            EXPECT_EQ(got.toDouble(), want.toDouble()) << name;
        } else {
            EXPECT_EQ(got.toString(), want.toString()) << name;
        }
    }
    EXPECT_EQ(sold.value(u"KEYDATE"_qs).toLongLong(), pxlibDayNumber(2550, 5, 27));

    // The blank row: every field but the key is the format's blank, all zero bytes
    // (pxlib reads blank dates and numbers as values, so those are checked raw).
    const QVariantMap blank = px.record(1);
    EXPECT_EQ(blank.value(u"POLNO"_qs).toString(), u"00000002"_qs);
    const QByteArray raw = px.rawRecord(1);
    ASSERT_EQ(raw.size(), 561);
    int offset = 0;
    for (const Column &c : motorColumns()) {
        if (c.name != u"POLNO"_qs) {
            EXPECT_EQ(raw.mid(offset, c.storedSize()), QByteArray(c.storedSize(), '\0')) << c.name.toStdString();
            if (c.type == ColumnType::Alpha || c.type == ColumnType::Short) {
                EXPECT_FALSE(blank.value(c.name).isValid()) << c.name.toStdString();
            }
        }
        offset += c.storedSize();
    }
}

TEST_F(ParadoxTable, PrimaryIndexIsAcceptedByPxlibAndLocatesEveryRow)
{
    // 2 rows fit one index block; 3000 rows (429 data blocks) need a root block above
    // two index blocks.
    for (int rows : {2, 3000}) {
        SCOPED_TRACE(rows);
        QList<int> numbers;
        for (int i = 0; i < rows; ++i)
            numbers.append(10000000 + i * 7);
        std::shuffle(numbers.begin(), numbers.end(), *QRandomGenerator::global());
        {
            ParadoxWriter writer(m_dir.path(), motorTableName, motorColumns());
            for (int n : numbers)
                writer.append(soldPolicy(n));
            writer.close();
        }
        PxlibTable px(dbPath());
        ASSERT_TRUE(px.isOpen());
        ASSERT_TRUE(px.attachIndex(pxPath())) << px.errors().join(u'\n').toStdString();
        EXPECT_TRUE(px.errors().isEmpty()) << px.errors().join(u'\n').toStdString();

        const QList<PxlibIndexEntry> entries = px.indexEntries();
        int covered = 0, leaves = 0, previousBlock = 0;
        QByteArray previousKey;
        for (const PxlibIndexEntry &e : entries) {
            if (e.level != 1)
                continue;
            ++leaves;
            covered += e.records;
            EXPECT_GT(e.key, previousKey);
            EXPECT_EQ(e.block, previousBlock + 1);
            previousKey = e.key;
            previousBlock = e.block;
        }
        EXPECT_EQ(covered, rows);
        EXPECT_EQ(leaves, (rows + 6) / 7);
        EXPECT_EQ(entries.size() > leaves, rows > 2044);

        // Through the index, pxlib finds the rows in key order, the first of each block
        // being the key its index entry names.
        std::sort(numbers.begin(), numbers.end());
        for (int i = 0; i < rows; ++i)
            ASSERT_EQ(px.record(i).value(u"POLNO"_qs).toString(), policyNumber(numbers[i])) << i;
        int recno = 0;
        for (const PxlibIndexEntry &e : entries) {
            if (e.level == 1) {
                EXPECT_EQ(e.key, policyNumber(numbers[recno]).toLatin1());
                recno += e.records;
            }
        }
    }
}

TEST_F(ParadoxTable, EmptyTableIsWrittenAtOnceAndReplacesAnOldOne)
{
    {
        ParadoxWriter old(m_dir.path(), motorTableName, motorColumns());
        old.append(soldPolicy(1));
        old.close();
    }
    ASSERT_TRUE(QFile::rename(dbPath(), path(u"motor.db"_qs)));

    ParadoxWriter writer(m_dir.path(), motorTableName, motorColumns());
    EXPECT_FALSE(QFile::exists(path(u"motor.db"_qs)));
    PxlibTable px(dbPath());
    ASSERT_TRUE(px.isOpen());
    EXPECT_EQ(px.recordCount(), 0);
    EXPECT_EQ(ParadoxReader(dbPath()).rowCount(), 0);
    EXPECT_EQ(ParadoxReader(dbPath()).columns().size(), 48);

    // A writer dropped without close() leaves the empty table.
    {
        ParadoxWriter dropped(m_dir.path(), motorTableName, motorColumns());
        dropped.append(soldPolicy(5));
    }
    EXPECT_EQ(ParadoxReader(dbPath()).rowCount(), 0);
}

TEST_F(ParadoxTable, ReaderReadsATableThatPxlibWrote)
{
    const QList<PxlibField> fields = {
        {u"POLNO"_qs, pxfAlpha, 8}, {u"FNAME"_qs, pxfAlpha, 50}, {u"SEAT"_qs, pxfShort, 2},
        {u"PREM"_qs, pxfNumber, 8}, {u"KEYDATE"_qs, pxfDate, 4},
    };
    const QList<QVariantList> rows = {
        {u"00000001"_qs, u"สมหญิง รักไทย"_qs, 7, -1234.56, QDate(2550, 5, 27)},
        {u"00000002"_qs, QVariant(), -2, 0.0, QVariant()},
        {u"00000003"_qs, u"ABC"_qs, QVariant(), QVariant(), QDate(2552, 2, 29)},
    };
    const QStringList errors = writeWithPxlib(dbPath(), pxPath(), fields, rows);
    ASSERT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();

    const ParadoxReader reader(dbPath());
    ASSERT_EQ(reader.columns().size(), 5);
    EXPECT_EQ(reader.columns()[1].name, u"FNAME"_qs);
    EXPECT_EQ(reader.columns()[1].type, ColumnType::Alpha);
    EXPECT_EQ(reader.columns()[1].width, 50);
    EXPECT_EQ(reader.columns()[4].type, ColumnType::Date);
    ASSERT_EQ(reader.rowCount(), 3);

    const QVariantMap first = reader.row(0);
    EXPECT_EQ(first.value(u"FNAME"_qs).toString(), u"สมหญิง รักไทย"_qs);
    EXPECT_EQ(first.value(u"SEAT"_qs), QVariant(7));
    EXPECT_EQ(first.value(u"PREM"_qs).toDouble(), -1234.56);
    EXPECT_EQ(first.value(u"KEYDATE"_qs).toDate(), QDate(2550, 5, 27));

    const QVariantMap second = reader.row(1);
    EXPECT_TRUE(second.value(u"FNAME"_qs).isNull());
    EXPECT_EQ(second.value(u"SEAT"_qs), QVariant(-2));
    EXPECT_EQ(second.value(u"PREM"_qs).toDouble(), 0.0);
    EXPECT_FALSE(second.value(u"PREM"_qs).isNull());
    EXPECT_TRUE(second.value(u"KEYDATE"_qs).isNull());
    EXPECT_EQ(second.value(u"KEYDATE"_qs).typeId(), QMetaType::QDate);

    const QVariantMap third = reader.row(2);
    EXPECT_TRUE(third.value(u"SEAT"_qs).isNull());
    EXPECT_TRUE(third.value(u"PREM"_qs).isNull());
    EXPECT_EQ(third.value(u"KEYDATE"_qs).toDate(), QDate(2552, 2, 29));
}

TEST_F(ParadoxTable, ReaderUsesTheDataFileAloneAndFindsItInAnyCase)
{
    {
        ParadoxWriter writer(m_dir.path(), motorTableName, motorColumns());
        for (int n : {3, 1, 2})
            writer.append(soldPolicy(n));
        writer.close();
    }
    // An index left from another table, and the data file under a lower-case name.
    QFile stale(pxPath());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray(5000, '\x7F'));
    stale.close();
    ASSERT_TRUE(QFile::rename(dbPath(), path(u"motor.db"_qs)));

    const ParadoxReader reader(dbPath());
    ASSERT_EQ(reader.rowCount(), 3);
    QVariantMap expected = soldPolicy(2);
    const QVariantMap row = reader.row(1);
    for (const Column &c : motorColumns()) {
        const QVariant want = expected.value(c.name);
        const QVariant got = row.value(c.name);
        if (!want.isValid() || want.toString().isEmpty())
            EXPECT_TRUE(got.isNull()) << c.name.toStdString();
        else if (c.type == ColumnType::Alpha)
            EXPECT_EQ(got.toString(), want.toString()) << c.name.toStdString();
        else if (c.type == ColumnType::Short)
            EXPECT_EQ(got, QVariant(want.toInt())) << c.name.toStdString();
        else if (c.type == ColumnType::Double)
            EXPECT_EQ(got, QVariant(want.toDouble())) << c.name.toStdString();
        else
            EXPECT_EQ(got, QVariant(want.toDate())) << c.name.toStdString();
    }
    EXPECT_EQ(reader.row(0).value(u"POLNO"_qs).toString(), u"00000001"_qs);
    EXPECT_EQ(reader.row(2).value(u"POLNO"_qs).toString(), u"00000003"_qs);
}

TEST_F(ParadoxTable, ColumnsLeftOutOfANamedRowTakeTheirDefaults)
{
    ParadoxWriter writer(m_dir.path(), motorTableName, motorColumns());
    writer.append(QVariantMap{{u"polno"_qs, u"00000009"_qs}, {u"FName"_qs, u"ก"_qs}});
    writer.close();
    const QVariantMap row = ParadoxReader(dbPath()).row(0);
    EXPECT_EQ(row.value(u"FNAME"_qs).toString(), u"ก"_qs);
    EXPECT_EQ(row.value(u"MOTORTYPE"_qs).toString(), u"1"_qs);
    EXPECT_EQ(row.value(u"PROVINCE"_qs), QVariant(1));
    EXPECT_EQ(row.value(u"PROVINCE2"_qs), QVariant(1));
    EXPECT_TRUE(row.value(u"SEAT"_qs).isNull());

    EXPECT_THROW(writer.append(QVariantMap{{u"POLNO"_qs, u"1"_qs}, {u"BRANCH"_qs, u"0001"_qs}}), platform::Error);
}

TEST_F(ParadoxTable, AValueThatDoesNotFitStopsTheRowWithPolicyAndColumn)
{
    struct Case
    {
        const char *column;
        QVariant value;
        const char *says;
    };
    const Case cases[] = {
        {"FNAME", u"José"_qs, "code page 874"},
        {"LNAME", u"สมชาย 😀"_qs, "code page 874"},
        {"ADDR1", QString(51, u'ก'), "51 characters"},
        {"POLTYP", u"31"_qs, "more than the column's 1"},
        {"SEAT", 40000, "whole number"},
        {"SEAT", u"เจ็ด"_qs, "whole number"},
        {"PREFIX", 2.5, "whole number"},
        {"PREM", u"abc"_qs, "not a number"},
        {"TAX", qInf(), "not a number"},
        {"KEYDATE", u"31/02/2550"_qs, "not a date"},
    };
    ParadoxWriter writer(m_dir.path(), motorTableName, motorColumns());
    for (const Case &c : cases) {
        QVariantMap row = soldPolicy(42);
        row.insert(QString::fromLatin1(c.column), c.value);
        try {
            writer.append(row);
            ADD_FAILURE() << c.column << " accepted";
        } catch (const platform::Error &e) {
            EXPECT_TRUE(e.message().contains(u"00000042"_qs)) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QString::fromLatin1(c.column))) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QString::fromLatin1(c.says))) << e.message().toStdString();
        }
    }
    EXPECT_EQ(writer.rowCount(), 0);

    // The refused rows left nothing behind: the same policy is taken once, then refused
    // as a second row with that key.
    writer.append(soldPolicy(42));
    EXPECT_THROW(writer.append(soldPolicy(42)), platform::Error);
    QVariantMap noKey = soldPolicy(43);
    noKey.insert(u"POLNO"_qs, u""_qs);
    EXPECT_THROW(writer.append(noKey), platform::Error);
    writer.close();
    const ParadoxReader reader(dbPath());
    ASSERT_EQ(reader.rowCount(), 1);
    EXPECT_EQ(reader.row(0).value(u"FNAME"_qs).toString(), u"สมชาย"_qs);
}

TEST_F(ParadoxTable, ADamagedOrForeignFileIsAnErrorNotACrash)
{
    {
        ParadoxWriter writer(m_dir.path(), motorTableName, motorColumns());
        for (int n = 1; n <= 20; ++n)
            writer.append(soldPolicy(n));
        writer.close();
    }
    QFile file(dbPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    file.close();

    const auto readBack = [&](const QByteArray &bytes) {
        const QString p = path(u"DAMAGED.DB"_qs);
        QFile f(p);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
        f.close();
        ParadoxReader reader(p);
        return reader.rowCount();
    };
    QByteArray wrongRecordSize = good;
    wrongRecordSize[0] = 0x10;
    QByteArray badBlockCount = good;
    badBlockCount[0x800 + 5] = char(0x7F); // the first block claims more rows than fit
    const QByteArray cases[] = {
        good.left(0x40),                   // no header
        good.left(0x800 + 0x1000 + 100),   // cut inside the second block
        wrongRecordSize,
        badBlockCount,
        QByteArray(5000, '\xFF'),
        QByteArray("ABC"),
    };
    for (const QByteArray &bytes : cases)
        EXPECT_THROW(readBack(bytes), platform::Error);
    EXPECT_EQ(readBack(good), 20);
    EXPECT_THROW(ParadoxReader(path(u"NONE.DB"_qs)), platform::Error);
}
