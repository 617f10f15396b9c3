#pragma once
// The main menu of both editions as data: menus in menu-bar order, their items
// (an empty name is a separator), the report code an item stores before its window
// opens and the title it gives that window.
#include <QList>
#include <QString>
#include <optional>

namespace shell {

struct MenuItemDef {
    QString name;                     // objectName of the action; empty for a separator
    QString caption;
    std::optional<QString> code;      // stored into ReportCode; nullopt leaves it unchanged
    QString title;                    // title given to the window; empty keeps its own
    bool image = false;
    bool isSeparator() const { return name.isEmpty(); }
};

struct MenuDef {
    QString name;
    QString caption;
    bool image = false;
    QList<MenuItemDef> items;         // empty for a menu-bar entry that is itself a command
    std::optional<QString> code;      // for a menu-bar command
    QString title;
    bool isCommand() const { return items.isEmpty(); }
};

// The menus of the edition that runs (edition::current()).
QList<MenuDef> mainMenu();

} // namespace shell
