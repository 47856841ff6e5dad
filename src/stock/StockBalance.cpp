#include "stock/StockBalance.h"

#include "store/SqlStatement.h"
#include "store/TfrmDM.h"
#include "store/Transaction.h"

namespace StockBalance {

QList<qlonglong> deleteEmptyRows(TfrmDM &dm, const QList<qlonglong> &ids)
{
    QList<qlonglong> kept;
    Transaction transaction(dm.database());
    for (const qlonglong id : ids) {
        const QSqlQuery deleted = runStatement(
            dm.database(), QStringLiteral("Delete From UWare Where (ID = ?) AND (WCount = 0)"), {id});
        const bool stillThere =
            dm.myRetCount(QStringLiteral("select ID from UWare Where ID = ?"), {id}) > 0;
        if (deleted.numRowsAffected() == 0 && stillThere)
            kept << id;
    }
    transaction.commit();
    return kept;
}

} // namespace StockBalance
