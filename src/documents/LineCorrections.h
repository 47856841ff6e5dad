#pragma once

#include "ui/AppServices.h"

#include <QString>
#include <optional>

// Corrections of one saved row from the query windows and the stock list: the count of
// a document line (with its ledger pair) or of a stock balance, the price and the
// remark of a line. Each runs in one transaction; the typed text is parsed and the row
// read inside that transaction before anything is written. The result is a refusal to
// show the user, or nothing when the change was made (or the row no longer exists).
namespace LineCorrections {

// The tables whose count can be changed: "UIn_CG_Bill", "UOut_TH_Bill", "UOut_LY_Bill",
// "UOut_JC_Bill", "USQ_Bill" (lines, by line ID) and "UWare" (a balance, by its ID).
bool countTable(const QString &table);

// Sets the count of row `rowId` of `table` to `newCount`. A stock line books the old
// count back and the new one out (or in), with two ledger rows under the line's own
// number; a request line changes only its count; a balance is set and its difference
// written as one "库存调整" row (none when unchanged). A requisition or loan line cannot
// go below what was returned of it.
std::optional<QString> changeCount(AppServices &services, const QString &table, int rowId,
                                   const QString &newCount);

// Sets the unit price of a purchase-in or return-to-supplier line; an empty text or "."
// alone is 0. Stock and ledger hold counts only and stay as they are.
std::optional<QString> changePrice(AppServices &services, const QString &table, int lineId,
                                   const QString &newPrice);

// Sets the remark of a purchase-in, return-to-supplier, requisition, loan or request
// line (at most 50 characters).
std::optional<QString> changeRemark(AppServices &services, const QString &table, int lineId,
                                    const QString &remark);

} // namespace LineCorrections
