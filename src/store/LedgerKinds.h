#pragma once

#include <QString>

// The kinds of ledger row (UWList.theType). Every writer names its kind through these
// constants, so the text of a kind is written in one place only. The comment says
// which column receives the quantity.
namespace LedgerKind {
// Document saves.
inline const QString PurchaseIn = QStringLiteral("采购入库");          // theIn
inline const QString ReturnToSupplier = QStringLiteral("退货出库");    // theOut
inline const QString Requisition = QStringLiteral("领用出库");         // theOut
inline const QString Loan = QStringLiteral("借用出库");                // theOut
inline const QString WriteOff = QStringLiteral("报损出库");            // theOut
inline const QString LoanReturn = QStringLiteral("归还入库");          // theIn
inline const QString TransferOut = QStringLiteral("调拨出库");         // theOut, source storage
inline const QString TransferIn = QStringLiteral("调拨入库");          // theIn, destination storage
inline const QString Surplus = QStringLiteral("报溢入库");             // theIn
// Line deletes: the reverse of the save.
inline const QString PurchaseDeleted = QStringLiteral("采购删除");     // theOut
inline const QString ReturnDeleted = QStringLiteral("退货删除");       // theIn
inline const QString RequisitionDeleted = QStringLiteral("领用删除");  // theIn
inline const QString LoanDeleted = QStringLiteral("借用删除");         // theIn
inline const QString WriteOffDeleted = QStringLiteral("报损删除");     // theIn
inline const QString LoanReturnDeleted = QStringLiteral("归还删除");   // theOut
inline const QString TransferDeleted = QStringLiteral("调拨删除");     // theOut at destination, then theIn at source
inline const QString SurplusDeleted = QStringLiteral("报溢删除");      // theOut
// Count changes of a saved line: the old count undone, then the new count booked.
inline const QString PurchaseAdjusted = QStringLiteral("采购调整");    // theOut old, theIn new
inline const QString ReturnAdjusted = QStringLiteral("退货调整");      // theIn old, theOut new
inline const QString RequisitionAdjusted = QStringLiteral("领用调整"); // theIn old, theOut new
inline const QString LoanAdjusted = QStringLiteral("借用调整");        // theIn old, theOut new
// Without a document.
inline const QString StockCorrected = QStringLiteral("库存调整");      // theIn increase or theOut decrease
inline const QString ItemImported = QStringLiteral("物品导入");        // theIn, opening stock
} // namespace LedgerKind
