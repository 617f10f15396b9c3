// Writes pictures of the main window of both editions, with a menu open, and of the
// settings window to the folder named by QALMOTOR_SCREENSHOTS, for a person to look
// at. Skipped when that variable is not set.
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

#include "data/installer.h"
#include "edition/edition.h"
#include "recording_messages.h"
#include "shell/startup.h"
#include "shell/tdiskf.h"
#include "shell/tmain.h"
#include "temp_stores.h"

namespace {

TEST(Screenshots, MainWindowsAndSettings)
{
    const QString folder = qEnvironmentVariable("QALMOTOR_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "QALMOTOR_SCREENSHOTS is not set";
    QDir().mkpath(folder);
    for (const auto e : {edition::Edition::Full, edition::Edition::Basic}) {
        edition::set(e);
        TempStores stores;
        RecordingMessages messages;
        data::Installer({}).run();
        shell::Startup startup;
        ASSERT_TRUE(startup.start());
        TMain *main = startup.mainWindow();
        main->showNormal();
        main->resize(800, 570);
        QTest::qWait(50);
        const QString name = e == edition::Edition::Full ? QStringLiteral("full") : QStringLiteral("basic");
        EXPECT_TRUE(main->grab().save(folder + QStringLiteral("/main-%1.png").arg(name)));
        for (const char *menuName : {"N1", "N3"}) {
            QMenu *menu = main->menu(QLatin1String(menuName));
            menu->popup(main->mapToGlobal(QPoint(10, 30)));
            QTest::qWait(50);
            EXPECT_TRUE(menu->grab().save(folder + QStringLiteral("/menu-%1-%2.png").arg(name, QLatin1String(menuName))));
            menu->hide();
        }
        if (e == edition::Edition::Full) {
            TDiskF settings;
            settings.show();
            QTest::qWait(50);
            EXPECT_TRUE(settings.grab().save(folder + QStringLiteral("/settings.png")));
        }
    }
    edition::set(edition::Edition::Full);
}

} // namespace
