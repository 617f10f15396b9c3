// The settings window: defaults written when "Drive" is missing, the labels showing
// the file's values, "บันทึก" writing the five keys in order, and a file that
// cannot be written.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/inifile.h"
#include "platform/paths.h"
#include "recording_messages.h"
#include "shell/tdiskf.h"
#include "widgets/drivefolderlists.h"
#include "temp_stores.h"

namespace {

QString iniPath(const TempStores &stores)
{
    return stores.programFolder() + QStringLiteral("/myinifile.ini");
}

void writeFile(const QString &path, const QString &text)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
}

QString readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

const QString kDefaults = QStringLiteral(
    "[Settings]\nDrive=A\nPath=A:\\\nServer Name=localhost\nDbPath1=:C:\\Program Files\\Borland\\InterBase\\bin\\QALPRB\n"
    "DbPath2=:C:\\Program Files\\Borland\\InterBase\\bin\\QALMOTOR\n\n");

QStringList labels(const TDiskF &w)
{
    return {w.Label1->text(), w.Label2->text(), w.Label3->text()};
}

TEST(Settings, FileWithoutDriveGetsTheFiveDefaults)
{
    struct Case {
        const char *name;
        QString before;   // empty: no file
    };
    const Case cases[] = {
        {"no file", {}},
        {"other keys but no Drive", QStringLiteral("[Settings]\nPath=C:\\x\nServer Name=host9\nDbPath1=:p1\nDbPath2=:p2\n")},
    };
    for (const Case &c : cases) {
        TempStores stores;
        RecordingMessages messages;
        if (!c.before.isEmpty())
            writeFile(iniPath(stores), c.before);
        TDiskF w;
        if (c.before.isEmpty()) {
            EXPECT_EQ(readFile(iniPath(stores)), kDefaults) << "written in order";
        }
        const platform::IniFile ini(iniPath(stores));
        for (const auto &[key, value] : {std::pair{"Drive", "A"}, {"Path", "A:\\"}, {"Server Name", "localhost"}})
            EXPECT_EQ(ini.readString(QStringLiteral("Settings"), QLatin1String(key)), QLatin1String(value)) << c.name << key;
        EXPECT_EQ(labels(w), (QStringList{QStringLiteral("localhost"), QStringLiteral(":C:\\Program Files\\Borland\\InterBase\\bin\\QALPRB"),
                                          QStringLiteral(":C:\\Program Files\\Borland\\InterBase\\bin\\QALMOTOR")}))
            << c.name;
        EXPECT_EQ(w.selectedDrive(), QLatin1Char('A')) << c.name;
        EXPECT_TRUE(messages.shown().isEmpty()) << c.name;
    }
}

TEST(Settings, SaveWritesDriveFolderAndTheLabelsThenCloses)
{
    TempStores stores;
    RecordingMessages messages;
    // "Drive" present, "Server Name" missing: the first label is empty and is written empty.
    writeFile(iniPath(stores), QStringLiteral("[Settings]\nDrive=A\nPath=A:\\\nDbPath1=:p1\nDbPath2=:p2\n"));
    const QString c = platform::Paths::driveFolder(QLatin1Char('C'));
    ASSERT_TRUE(QDir().mkpath(c + QStringLiteral("/Exchange")));

    TDiskF w;
    w.show();
    EXPECT_EQ(labels(w), (QStringList{QString(), QStringLiteral(":p1"), QStringLiteral(":p2")}));
    w.DriveComboBox1->setCurrentIndex(w.DriveComboBox1->findText(QStringLiteral("c:")));
    w.selectFolder(QStringLiteral("C:\\exchange"));
    EXPECT_EQ(w.selectedFolder(), QStringLiteral("C:\\Exchange"));
    QTest::mouseClick(w.BitBtn1, Qt::LeftButton);

    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(readFile(iniPath(stores)),
              QStringLiteral("[Settings]\nDrive=C\nPath=C:\\Exchange\nDbPath1=:p1\nDbPath2=:p2\nServer Name=\n\n"));
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST(Settings, FileThatCannotBeWrittenIsReportedAndTheWindowStaysOpen)
{
    TempStores stores;
    RecordingMessages messages;
    ASSERT_TRUE(QDir().mkpath(iniPath(stores)));    // a folder where the file should be
    TDiskF w;
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.last(), QStringLiteral("Unable to write to %1").arg(iniPath(stores)));
    EXPECT_EQ(w.Label1->text(), QStringLiteral("localhost")) << "the labels keep their initial texts";

    w.show();
    QTest::mouseClick(w.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(messages.shown().size(), 2);
    EXPECT_TRUE(w.isVisible()) << "the window stays open";
    EXPECT_NE(w.result(), QDialog::Accepted);
}

} // namespace
