#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What one document query window is: its tables, filters, columns, menus, texts and
// the way a deleted line is taken back out of stock. The nine windows are these nine
// descriptions over one window piece (QueryWindow).

enum class QueryFilterKind {
    Text,              // LIKE, anywhere in the column
    Dates,             // a pair of date pickers, both ends included
    Supplier,          // part of the supplier's name or of its pinyin initials
    AllPersons,        // the lookups compare the chosen text with the column
    DepartmentPersons, // persons of the department chosen in the filter before
    Departments,
    Storages,
    Users,
};

struct QueryFilter {
    QString caption;  // the check box
    QueryFilterKind kind;
    QString column;   // qualified when it is the header's (the builder adds it otherwise)
};

struct QueryColumn {
    QString title;    // the alias: the field name the window reads
    QString column;   // expression; bare names are the header's (master) or the line's (lines)
    int width = 0;    // 0 keeps the grid's default
};

// How deleting a line takes it back out of stock.
enum class Reversal {
    Inbound,  // the line brought goods in: take its count out
    Outbound, // the line took goods out: put its count back
    Return,   // a return of loan: take it out and lower the returned count of its issue line
    Transfer, // out of the receiving storage, back into the source storage
    None,     // a request: only the mark
};

struct PrintedKind;

struct QueryKind {
    QString windowClass;     // "TfrmIn_CG_Q", also its export member
    QString caption;         // "采购入库查询"
    QString header;          // "UIn_CG"
    QString lines;           // "UIn_CG_Bill"
    QString menuName;        // "采购入库单": "打印采购入库单 &P", "删除采购入库单 &D"
    QString deleteNotice;    // followed by the number
    QString deleteRefusal;
    QList<QueryFilter> filters;
    QList<QueryColumn> masterColumns;
    QString masterJoin;      // joined after the header table, or empty
    bool storageRestricted;
    QList<QueryColumn> lineColumns;  // after the six common ones; "L" is the line table
    QStringList hiddenLineColumns;   // line table columns read by the commands
    bool totals = false;             // the strip of record count, total count and amount
    Reversal reversal;
    QString deleteLedger;            // ledger kind of a line delete
    QString priceCaption;            // the line commands; empty: not offered
    QString remarkCaption;
    bool countChange = false;
    PrintedKind (*print)();          // how its documents print
};

// The nine kinds in the order of the query menu's commands.
const QList<QueryKind> &queryKinds();
// The kind of a window class; throws std::out_of_range for another name.
const QueryKind &queryKind(const QString &windowClass);
