#include "tmain.h"

#include <QDialog>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>

#include "aliassetup.h"
#include "edition/edition.h"
#include "menuicons.h"
#include "platform/dateformat.h"
#include "platform/error.h"
#include "platform/keyboardlayout.h"
#include "widgets/guarded.h"
#include "widgets/messages.h"

TMain::TMain(platform::AliasRegistry &aliases, QWidget *parent)
    : QMainWindow(parent), m_menus(shell::mainMenu())
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(edition::mainWindowTitle());
    resize(800, 570);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    setCentralWidget(new QWidget(this));
    buildMenu();

    widgets::guarded([&] {
        platform::activateKeyboardLayout(QStringLiteral("0000041e"));
        platform::DateFormat::activate();
        shell::setUpAliases(aliases);
        showMaximized();
    });
}

TMain::~TMain() = default;

namespace {
// A menu bar draws an entry that has an icon as the icon alone, and the caption
// would be lost; the bar's entries keep their caption and carry their image as a
// property instead, which a style or a test can read.
void setBarImage(QAction *a, const shell::MenuDef &def)
{
    if (def.image)
        a->setProperty("menuImage", shell::menuIcon(def.name));
}
} // namespace

void TMain::buildMenu()
{
    QMenuBar *bar = menuBar();
    for (const shell::MenuDef &def : m_menus) {
        if (def.isCommand()) {
            QAction *a = bar->addAction(def.caption);
            a->setObjectName(def.name);
            setBarImage(a, def);
            m_actions.insert(def.name, a);
            // Menu commands open their modal windows once the menu has closed.
            connect(a, &QAction::triggered, this, [this, name = def.name] { runCommand(name); }, Qt::QueuedConnection);
            a->setEnabled(false);
            continue;
        }
        QMenu *menu = bar->addMenu(def.caption);
        menu->setObjectName(def.name);
        menu->menuAction()->setObjectName(def.name);
        setBarImage(menu->menuAction(), def);
        m_menuByName.insert(def.name, menu);
        for (const shell::MenuItemDef &item : def.items) {
            if (item.isSeparator()) {
                menu->addSeparator();
                continue;
            }
            QAction *a = menu->addAction(item.caption);
            a->setObjectName(item.name);
            if (item.image)
                a->setIcon(shell::menuIcon(item.name));
            m_actions.insert(item.name, a);
            connect(a, &QAction::triggered, this, [this, name = item.name] { runCommand(name); }, Qt::QueuedConnection);
            a->setEnabled(false);
        }
    }
    // The basic edition shows the renewal notice but gives it no command.
    if (edition::isBasic())
        if (QAction *a = action(QStringLiteral("N8")))
            a->setEnabled(true);
}

QAction *TMain::action(const QString &entryName) const
{
    return m_actions.value(entryName);
}

QMenu *TMain::menu(const QString &menuName) const
{
    return m_menuByName.value(menuName);
}

const shell::MenuItemDef *TMain::itemDef(const QString &entryName) const
{
    for (const shell::MenuDef &def : m_menus)
        for (const shell::MenuItemDef &item : def.items)
            if (item.name == entryName)
                return &item;
    return nullptr;
}

void TMain::setCommand(const QString &entryName, Command command)
{
    m_commands.insert(entryName, std::move(command));
    if (QAction *a = action(entryName))
        a->setEnabled(true);
}

void TMain::runCommand(const QString &entryName)
{
    const auto it = m_commands.constFind(entryName);
    if (it == m_commands.constEnd())
        return;
    const Command command = *it;

    std::optional<QString> code;
    QString title;
    if (const shell::MenuItemDef *item = itemDef(entryName)) {
        code = item->code;
        title = item->title;
    } else {
        for (const shell::MenuDef &def : m_menus)
            if (def.name == entryName) {
                code = def.code;
                title = def.title;
            }
    }

    QPointer<QDialog> window;
    widgets::guarded([&] {
        if (command.before)
            command.before();
        if (code)
            ReportCode = *code;
        if (!command.window)
            return;
        window = command.window(this);
        if (!window)
            return;
        if (!title.isEmpty())
            window->setWindowTitle(title);
        window->exec();
    });
    if (!command.keepWindow)
        delete window.data();
    if (command.after)
        widgets::guarded(command.after);
}
