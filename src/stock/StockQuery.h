#pragma once

#include "queries/FilteredList.h"

// The stock list as a filtered list: the balance rows (UWare) with their item and
// storage, six filters, the radio buttons of the stock state, the quantity and value
// totals. The list and its totals come from the same conditions.
namespace StockQuery {

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

} // namespace StockQuery
