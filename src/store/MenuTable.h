#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The main menu of the program as data: the main window builds its menu from it and a
// new database fills SMenu from it, so both always agree on the position codes.
//
// A position code is the digit of the top menu followed by the item's two-digit place
// in that menu, counting from 0 and counting separators ("102" = third item of menu 1).
// Menu rights are stored under these codes.

struct MenuItemDef {
    const char *caption;     // as shown, with "&" before the accelerator; "-" = separator
    const char *objectName;  // the item's name, also the name of its click handler
    bool visibleAtStart;     // most items wait for the login to grant them
};

struct TopMenuDef {
    int digit;               // first digit of the codes of its items
    const char *caption;
    const char *objectName;
    bool governedByRights;   // false for the Help menu: always visible, no codes
    std::vector<MenuItemDef> items;
};

// The six top menus, in order.
const std::vector<TopMenuDef> &mainMenuTable();

// "digit" + two-digit position, e.g. positionCode(1, 2) == "102".
QString positionCode(int digit, int position);

// The caption as stored in SMenu.MName: cut just after its first blank when that blank
// stands at the third character or later ("用户管理 &U" → "用户管理 "); otherwise whole.
QString menuRightName(const QString &caption);

// Every (code, MName) of the menus governed by rights, in menu order.
struct MenuRight {
    QString code;
    QString name;
};
std::vector<MenuRight> menuRights();
