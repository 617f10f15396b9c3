#pragma once
// The main window: its menu is the only way into every other window. It holds the
// values other windows read (ReportCode, OldPremium) and runs the menu commands:
// the command's preparations, the report code, the window's title, the window shown
// modally and destroyed when it closes.
#include <QHash>
#include <QMainWindow>
#include <functional>

#include "menudefinition.h"

class QDialog;

namespace platform {
class AliasRegistry;
}

class TMain : public QMainWindow
{
    Q_OBJECT
public:
    // Creating the main window is start-up step 1: keyboard layout, date format,
    // missing aliases, show. An error is shown and the rest of the step is skipped.
    explicit TMain(platform::AliasRegistry &aliases, QWidget *parent = nullptr);
    ~TMain() override;

    QString ReportCode;          // one character, stored by report and send commands
    bool OldPremium = false;     // full edition: the old premium scale is in use

    struct Command {
        std::function<QDialog *(QWidget *parent)> window;  // makes the window to show modally
        std::function<void()> before;                      // preparations before it is made
        std::function<void()> after;                       // after it closed (also after an error)
        bool keepWindow = false;                           // the window outlives the command
    };
    // Gives a menu entry its command; an entry without one is disabled.
    void setCommand(const QString &entryName, Command command);
    // Runs what choosing the entry does. Tests call it directly as well.
    void runCommand(const QString &entryName);

    QAction *action(const QString &entryName) const;
    QMenu *menu(const QString &menuName) const;
    const QList<shell::MenuDef> &menuDefinition() const { return m_menus; }

private:
    void buildMenu();
    const shell::MenuItemDef *itemDef(const QString &entryName) const;

    QList<shell::MenuDef> m_menus;
    QHash<QString, QAction *> m_actions;
    QHash<QString, QMenu *> m_menuByName;
    QHash<QString, Command> m_commands;
};
