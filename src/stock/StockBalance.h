#pragma once

#include <QList>
#include <QString>

class TfrmDM;

// Deleting balance rows from the stock list.
namespace StockBalance {

// The message for a row that still holds stock, after its code and name.
inline const QString kHasStockText = QStringLiteral(" 有库存，不能删除！");

// Deletes the balance rows of `ids` whose quantity is 0, all in one transaction, and
// returns the IDs of the rows kept because they still hold stock: dropping such a row
// would lose its stock without a ledger row, and the next movement would start the
// balance again from nothing. The quantity is read by the delete itself, not taken
// from what a list showed.
QList<qlonglong> deleteEmptyRows(TfrmDM &dm, const QList<qlonglong> &ids);

} // namespace StockBalance
