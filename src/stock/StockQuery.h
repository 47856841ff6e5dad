#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <optional>

class TfrmDM;

// A piece of a WHERE clause and the values bound to its "?" in order.
struct SqlCondition {
    QString text;
    QVariantList values;
};

// The radio buttons of the stock list: the state of the stock a search keeps.
enum class StockState { None, Positive, Zero, Negative, All, BelowMinimum, AboveMaximum };

// The six filters of the stock list; a filter without a value is not ticked. A ticked
// text filter matches rows whose column contains the text ("%" and "_" are wildcards).
struct StockFilters {
    std::optional<QString> storage = {};  // storage name, exact
    std::optional<QString> code = {};     // item code
    std::optional<QString> category = {}; // category name, exact
    std::optional<QString> name = {};     // item name or pinyin initials
    std::optional<QString> standard = {}; // specification
    std::optional<QString> remark = {};   // item remark
};

// The statements of the stock list over the balance rows (UWare) with their item and
// storage. The list and its totals are built from the same conditions, so the totals
// always add up the rows listed.
namespace StockQuery {

// "from (UWare … SStorage) … UArticle " and the condition every statement starts with.
QString fromClause();

// The condition of a radio button; empty for "全部" and none. The warnings are strict
// (a quantity equal to its limit is no warning) and need the item's warning on.
QString stateCondition(StockState state);

// "WHERE (UWare.ID > 0) ", the user's storages when the list is not empty, the ticked
// filters and the radio button's condition.
SqlCondition whereClause(const StockFilters &filters, StockState state,
                         const QStringList &userStorages);

// The list's columns: ID, 仓库名称, 物品编码, …, 货位名称, AID, SID.
QString listStatement(const SqlCondition &where);
// One row: 库存数量 and 库存金额, the sums over the rows the list shows.
QString totalsStatement(const SqlCondition &where);

// The number of balance rows that a start-up warning would list for the user.
int warningCount(TfrmDM &dm, StockState warning, const QStringList &userStorages);

} // namespace StockQuery
