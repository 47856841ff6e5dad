// One document line's stock booking: the balance update and its ledger row, on a new
// database file.
#include "store/AppContext.h"
#include "store/LedgerKinds.h"
#include "store/NewDatabase.h"
#include "store/TfrmDM.h"
#include "store/Transaction.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_SaveWareAndLedgerRow(benchmark::State &state)
{
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    QTemporaryDir folder;
    AppContext context;
    context.LoginDate = QStringLiteral("2026-03-15");
    context.CurUserName = QStringLiteral("系统管理员");
    const QString path = folder.filePath(QStringLiteral("db.edb"));
    createDatabaseFile(path);
    TfrmDM dm(context);
    dm.open(path);

    int item = 0;
    const bool inTransaction = state.range(0) == 1;
    for (auto _ : state) {
        // 500 distinct items, so both the insert and the update path are taken.
        const QString aid = QString::number(++item % 500 + 1);
        if (inTransaction) {
            Transaction transaction(dm.database());
            dm.SaveWare(aid, QStringLiteral("2.5"), QStringLiteral("1"));
            dm.mySaveUWList(LedgerKind::PurchaseIn, QStringLiteral("2603150001"), QStringLiteral("1"),
                            aid, QStringLiteral("2.5"), QStringLiteral("0"));
            transaction.commit();
        } else {
            dm.SaveWare(aid, QStringLiteral("2.5"), QStringLiteral("1"));
            dm.mySaveUWList(LedgerKind::PurchaseIn, QStringLiteral("2603150001"), QStringLiteral("1"),
                            aid, QStringLiteral("2.5"), QStringLiteral("0"));
        }
    }
}
// 0: each statement commits on its own; 1: the line in one transaction, as a save runs it.
BENCHMARK(BM_SaveWareAndLedgerRow)->Arg(0)->Arg(1);

} // namespace
