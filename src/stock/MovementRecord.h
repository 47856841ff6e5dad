#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <array>

// The six lists of the item movement record: the live lines of one item in every
// storage, newest first.
struct MovementList {
    QString group;                      // the group box caption, "购买信息"
    QString statement;                  // one value bound: the item ID
    QList<QPair<QString, int>> widths;  // column title and width
};

const std::array<MovementList, 6> &movementLists();

// The item block: 物品名称, 规格, 单位, 单价, 物品编码 of the item ID bound.
QString movementItemStatement();
