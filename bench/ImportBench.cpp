// The item import: 10 000 items with an opening stock read from an .xlsx workbook and
// written with their balance and ledger rows.
#include "master/MasterImport.h"
#include "sheets/WorkbookReader.h"
#include "sheets/XlsxSheetWriter.h"
#include "store/AppContext.h"
#include "store/NewDatabase.h"
#include "store/TfrmDM.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void writeItemWorkbook(const QString &path, int items)
{
    XlsxSheetWriter writer(path);
    const QStringList titles = {"物品编码", "物品分类", "物品名称", "规格型号", "单位", "单价", "库存数量", "备注", "货位名称"};
    for (int column = 0; column < titles.size(); ++column)
        writer.writeValue(0, column, titles[column], true, nullptr);
    for (int row = 1; row <= items; ++row) {
        const QStringList values = {QStringLiteral("B%1").arg(row), QStringLiteral("分类%1").arg(row % 20),
                                    QStringLiteral("办公用品%1号").arg(row), QStringLiteral("规格%1").arg(row % 7),
                                    QStringLiteral("个"), QString::number(row % 100 + 0.5), QString::number(row % 50),
                                    QString(), QStringLiteral("货位%1").arg(row % 30)};
        for (int column = 0; column < values.size(); ++column)
            writer.writeValue(row, column, values[column], false, nullptr);
    }
    writer.close();
}

void BM_ImportItemsWithStock(benchmark::State &state)
{
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    QTemporaryDir folder;
    const QString workbook = folder.filePath(QStringLiteral("items.xlsx"));
    writeItemWorkbook(workbook, int(state.range(0)));
    AppContext context;
    context.LoginDate = QStringLiteral("2026-03-15");
    context.CurUserName = QStringLiteral("系统管理员");
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = folder.filePath(QStringLiteral("db%1.edb").arg(++round));
        createDatabaseFile(path);
        TfrmDM dm(context);
        dm.open(path);
        state.ResumeTiming();

        const SheetReadResult sheet = readSheet1(workbook);
        const ImportOutcome outcome = importItems(dm, sheet.table, {true, QStringLiteral("1"), context.LoginDate});
        if (outcome.added != state.range(0))
            state.SkipWithError("not every item was imported");
    }
}
BENCHMARK(BM_ImportItemsWithStock)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
