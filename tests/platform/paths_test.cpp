// The system's Windows paths mapped to real folders.
#include <QDir>
#include <gtest/gtest.h>

#include "platform/paths.h"
#include "temp_stores.h"

namespace {

TEST(Paths, DriveLettersMapToFoldersAndBack)
{
    TempStores stores;
    const QString usb = stores.path(QStringLiteral("usb"));
    platform::Paths::mapDrive(QLatin1Char('a'), usb);
    EXPECT_EQ(platform::Paths::driveFolder(QLatin1Char('A')), usb);
    EXPECT_EQ(platform::Paths::resolve(QStringLiteral("A:\\")), usb);
    EXPECT_EQ(platform::Paths::resolve(QStringLiteral("A:\\MOTOR.DB")), usb + QStringLiteral("/MOTOR.DB"));
    EXPECT_EQ(platform::Paths::resolve(QStringLiteral("C:\\Qalmotor\\Transfer")),
              platform::Paths::driveFolder(QLatin1Char('C')) + QStringLiteral("/Qalmotor/Transfer"));
    EXPECT_EQ(platform::Paths::resolve(QStringLiteral("myinifile.ini")), stores.programFolder() + QStringLiteral("/myinifile.ini"));

    ASSERT_TRUE(QDir().mkpath(usb + QStringLiteral("/day1")));
    EXPECT_EQ(platform::Paths::toLogical(usb + QStringLiteral("/day1")), QStringLiteral("A:\\day1"));
    EXPECT_EQ(platform::Paths::toLogical(usb), QStringLiteral("A:\\"));
    EXPECT_TRUE(platform::Paths::drives().contains(QLatin1Char('A')));
    EXPECT_TRUE(platform::Paths::drives().contains(QLatin1Char('C')));
}

TEST(Paths, NamesAreFoundWithoutRegardToCase)
{
    TempStores stores;
    const QString c = platform::Paths::driveFolder(QLatin1Char('C'));
    ASSERT_TRUE(QDir().mkpath(c + QStringLiteral("/Qalmotor/Transfer")));
    EXPECT_EQ(platform::Paths::resolve(QStringLiteral("C:\\QalMotor\\TRANSFER\\MOTOR.DB")),
              c + QStringLiteral("/Qalmotor/Transfer/MOTOR.DB"));
}

} // namespace
