// The main-menu items of the number-stock and reference-data windows: enabled, and
// each opens its window; the agent command detaches AgentTDs around its window.
#include <QAction>
#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/aliasregistry.h"
#include "refdata/tagent.h"
#include "refdata/tbrand.h"
#include "shell/startup.h"
#include "shell/tmain.h"
#include "stock/tdelpolno.h"
#include "stock/tgenpolno.h"
#include "stock/tmotordel2.h"
#include "stock/tmotordel3.h"
#include "window_test.h"

using namespace windowtest;

TEST(MenuCommands, EachItemOpensItsWindowModally)
{
    DemoInstallation db;
    platform::AliasRegistry aliases;
    TMain main(aliases);
    shell::registerCommands(main);

    const struct {
        const char *entry;
        const char *windowClass;
    } items[] = {{"N10", "TGenPolno"}, {"N11", "TDelPolno"}, {"lock1", "TMotorDel2"},
                 {"N22", "TMotorDel3"}, {"AGENT1", "TAgent"},  {"N21", "TBrand"}};
    for (const auto &item : items) {
        const QString entry = QString::fromLatin1(item.entry);
        ASSERT_NE(main.action(entry), nullptr) << item.entry;
        EXPECT_TRUE(main.action(entry)->isEnabled()) << item.entry;
        QString opened;
        bool detached = false;
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            opened = QString::fromLatin1(modal->metaObject()->className());
            detached = !Dm->AgentTDs->isEnabled();
            modal->close();
        });
        main.runCommand(entry);
        EXPECT_EQ(opened, QString::fromLatin1(item.windowClass)) << item.entry;
        EXPECT_EQ(detached, entry == QLatin1String("AGENT1")) << item.entry;
        EXPECT_TRUE(Dm->AgentTDs->isEnabled()) << item.entry;
    }
}
