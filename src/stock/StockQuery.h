#pragma once

#include "queries/FilteredList.h"

class TfrmDM;

// The stock list as a filtered list: the balance rows (UWare) with their item and
// storage, six filters, the radio buttons of the stock state, the quantity and value
// totals. The list and its totals come from the same conditions.
namespace StockQuery {

// The captions of the two warning buttons, which the start-up alerts preset.
inline const QString kBelowMinimum = QStringLiteral("低于最低库存");
inline const QString kAboveMaximum = QStringLiteral("高于最高库存");

FilteredListConfig config();

// "select UWare.AID" over the balance rows of a search: the items they hold.
BoundStatement itemsStatement(const ListConditions &conditions);
// "select UWare.ID" over the balance rows of a search.
BoundStatement balanceIdsStatement(const ListConditions &conditions);

// What commands of a stock list need of its last search: the rows in their shown
// order, the items they hold, and how many rows there are.
struct StockListSearch {
    BoundStatement list;
    BoundStatement items;
    qint64 rows = 0;
};
StockListSearch lastSearch(const FilteredList &stockList);

// Whether the stock list opened on the radio button `state` would list any row for a
// user with these storages (an empty list: all storages).
bool listsAnyRow(TfrmDM &dm, const QString &state, const QStringList &userStorages);

} // namespace StockQuery
