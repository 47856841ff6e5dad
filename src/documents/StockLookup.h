#pragma once

#include "documents/IssueDocument.h"
#include "ui/AppServices.h"

#include <QStringList>

class LineGrid;
class LineGridModel;
class QWidget;

// One item as a stock-variant window writes it into a line.
struct StockLineRecord {
    QString code, name, standard, unit, price, quantity, remark, itemId, stock;
};

// How a window writes such a line: its hidden cells, whether its zero-price setting is
// on (price and amount "0" on every fill path), and the loan days of a loan line.
struct StockLineRules {
    IssueDocument::Columns columns;
    bool zeroPrice = false;
    QString loanDays;
};

// Writes columns 1–8, the item ID, the stock figure and the loan days of one line.
void writeStockLine(LineGridModel &lines, int line, const StockLineRecord &record, const StockLineRules &rules);

// The item lookup of the windows that take goods out of a storage (myFindWP, stock
// variant): the typed text is looked up among the items with a balance row in the
// storage (with a positive balance unless negative stock is allowed), leaving out the
// items already on the document. One match fills the line and moves on; several open
// "<storage> 物品 查找"; none adds 1 to the line that already holds the only matching
// item, or says "物品不存在或已选择！请重新录入！". The caller checks the storage first.
class StockLookup {
public:
    struct Mode {
        StockLineRules rules;
        bool positiveOnly = true;
        bool remarkOnOneMatch = true; // the return-to-supplier window leaves it empty
    };

    StockLookup(AppServices services, LineGrid &grid, QWidget *window, Mode mode, QString storageId,
                QString storageName);

    void run();

private:
    QStringList itemIdsOnDocument() const;
    bool addOneToExistingLine(const QString &text);

    AppServices m_services;
    LineGrid &m_grid;
    QWidget *m_window;
    Mode m_mode;
    QString m_storageId, m_storageName;
};
