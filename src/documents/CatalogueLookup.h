#pragma once

#include "ui/AppServices.h"

#include <QStringList>

class LineGrid;
class QWidget;

// The item lookup of the purchase-in and request windows (Enter or a double click on a
// line without an item): the typed text is looked up in the catalogue, leaving out the
// items already on the document. One match fills the line and moves to the next line;
// several open the picker "物品 查找"; none adds 1 to the line that already holds the
// item, or opens "物品录入" to create it. Lines keep the item ID in cell 9.
class CatalogueLookup {
public:
    static constexpr int kItemIdColumn = 9;

    // What the lookup does when the text finds no item that is not on the document yet.
    enum class WhenNone {
        CreateItem,  // add 1 to the line holding the only match, or open "物品录入"
        SayNotFound, // "物品信息不存在，清重新选择！" (the package lines)
    };

    CatalogueLookup(AppServices services, LineGrid &grid, QWidget *window, WhenNone whenNone = WhenNone::CreateItem);

    // myFindWP: looks up the item of the grid's current line.
    void run();

private:
    struct Record {
        QString code, name, standard, unit, price, remark, id;
    };
    void writeLine(int line, const Record &record);
    QStringList itemIdsOnDocument() const;
    bool addOneToExistingLine(const QString &text);
    void createItem(const QString &code);

    AppServices m_services;
    LineGrid &m_grid;
    QWidget *m_window;
    WhenNone m_whenNone;
};
