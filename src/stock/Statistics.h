#pragma once

#include "sheets/SheetExport.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

// The statistics of one document kind: the live lines of a period summed per item and,
// for most kinds, per person and storage or department. Six windows share the shape;
// a StatisticsKind is what one of them is made of.

// Who a row belongs to, before the item columns.
enum class StatisticsParty {
    None,                // damage and surplus: per item only
    PersonAndStorage,    // purchases and returns: the person, the storage
    DepartmentAndPerson, // requisitions and loans: the department, the person
};

// Requisitions and loans sum the returned quantity; loans also what is still out.
enum class StatisticsReturns { None, Returned, ReturnedAndOut };

// The return radio buttons: lines with something still out, fully returned, or all.
enum class ReturnState { NotReturned, Returned, All };

struct StatisticsKind {
    QString window;        // class name, "TfrmTJ_JY"
    QString caption;       // window caption
    QString groupCaption;  // caption of the filter group
    QString header;        // document header table
    QString lines;         // document line table
    QString dateCaption;   // caption of the date box, "借用日期"
    StatisticsParty party = StatisticsParty::None;
    QString personColumn;  // header column of the person, "theLYPro"
    QString personTitle;   // its column title, "借用人"
    QString personCaption; // caption of its filter box, "借  用  人"
    QString storageTitle;  // column title of the storage, "入库仓库"
    bool linePrice = false; // valued at the line's price (and grouped by it), not the item's
    StatisticsReturns returns = StatisticsReturns::None;
    QString unusedWord;    // "借用" in "未借用物品"; empty without the two lists
    QList<int> gridWidths; // per grid column, in order
    SheetMember sheet;     // export layout
};

// The six statistics windows, by class name; throws std::out_of_range for another name.
const StatisticsKind &statisticsKind(QStringView window);

// A date range as "yyyy-MM-dd" texts, both ends included.
struct DateSpan {
    QString from;
    QString to;
};

// The filters of a run. A filter that is not set is left out.
struct StatisticsFilter {
    std::optional<DateSpan> dates;
    std::optional<QString> category;
    std::optional<QString> name;     // part of the item name; % and _ act as wildcards
    std::optional<QString> department;
    std::optional<QString> person;
    std::optional<QString> storage;  // storage name
    ReturnState returnState = ReturnState::NotReturned;
};

// A statement with its bound values.
struct BoundStatement {
    QString sql;
    QVariantList values;
};

// The grouped rows and the totals of the same lines. Only documents of the user's
// storages count, so a user without storages gets nothing.
BoundStatement statisticsStatement(const StatisticsKind &kind, const StatisticsFilter &filter,
                                   const QStringList &userStorages);
BoundStatement statisticsTotalsStatement(const StatisticsKind &kind, const StatisticsFilter &filter,
                                         const QStringList &userStorages);
// The titles of the summed columns, in order: "数量", "金额", and "归还数量", "未还数量"
// where the kind has them.
QStringList statisticsSumTitles(const StatisticsKind &kind);

// The items, and the persons, with no live document of the kind in the range (all dates
// without one), for the lists "未借用物品" and "未借用人员".
BoundStatement unusedItemsStatement(const StatisticsKind &kind, const std::optional<DateSpan> &dates);
BoundStatement unusedPersonsStatement(const StatisticsKind &kind, const std::optional<DateSpan> &dates);
