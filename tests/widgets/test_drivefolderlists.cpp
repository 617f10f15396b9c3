// Drive and folder lists over drives mapped to temporary folders.
#include <QDir>
#include <gtest/gtest.h>

#include "platform/paths.h"
#include "temp_stores.h"
#include "widgets/drivefolderlists.h"
#include "window_test.h"

using namespace windowtest;

TEST(DriveFolderLists, TheFolderListFollowsTheDriveAndTellsTheFolderInLogicalForm)
{
    TempStores stores;
    const QString a = stores.path(QStringLiteral("floppy"));
    QDir().mkpath(a + QStringLiteral("/EXPORT"));
    platform::Paths::mapDrive(QLatin1Char('A'), a);

    widgets::DriveComboBox drives;
    widgets::FolderTree folders;
    folders.linkDriveList(&drives);
    drives.setDrive(QLatin1Char('c'));
    EXPECT_EQ(folders.drive(), QLatin1Char('C'));
    drives.setDrive(QLatin1Char('A'));
    EXPECT_EQ(drives.currentText(), QStringLiteral("a:"));
    EXPECT_EQ(folders.drive(), QLatin1Char('A'));
    EXPECT_EQ(folders.folder(), QStringLiteral("A:\\"));
    ASSERT_TRUE(folders.setFolder(QStringLiteral("A:\\EXPORT")));
    EXPECT_EQ(folders.folder(), QStringLiteral("A:\\EXPORT"));
    EXPECT_FALSE(folders.setFolder(QStringLiteral("A:\\MISSING")));
}
