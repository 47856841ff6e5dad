// The stock list and the movement report on the generated ten-year database: a search
// (first screen and totals) and the report of every stock row.
#include "SilentDialogs.h"
#include "largedb/LargeDatabase.h"
#include "sheets/SheetMembers.h"
#include "sheets/StatementRows.h"
#include "stock/MovementReport.h"
#include "stock/StockQuery.h"
#include "store/AppContext.h"
#include "store/SqlStatement.h"
#include "store/TfrmDM.h"
#include "ui/Dialogs.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Dialogs that answer nothing and show nothing: the export's file is all we keep.
struct Stock {
    int argc = 0;
    QCoreApplication app{argc, nullptr};
    AppContext context;
    TfrmDM dm{context};
    Stock() { dm.open(benchmarkDatabase()); }

    // The filters of the stock list in their order, `index` ticked with `text`.
    static QList<FilterValue> filter(int index, const QString &text)
    {
        QList<FilterValue> filters(6);
        if (index >= 0)
            filters[index] = FilterValue{true, text};
        return filters;
    }
    ListConditions conditions(int filterIndex, const QString &text, int state) const
    {
        return searchConditions(StockQuery::config(), context.UserStorages, filter(filterIndex, text), state);
    }
};

// A search as the window runs it: the first screen of rows (256, what the grid fetches
// first) and the totals of all rows.
void BM_StockListSearch(benchmark::State &state)
{
    Stock stock;
    const FilteredListConfig config = StockQuery::config();
    const int filterIndex = int(state.range(0));
    const ListConditions conditions = stock.conditions(filterIndex, filterIndex == 3 ? QStringLiteral("笔") : QString(),
                                                       int(state.range(1)));
    for (auto _ : state) {
        const BoundStatement list = config.statement.listStatement(conditions);
        QSqlQuery rows = runStatement(stock.dm.database(), list.text, list.values, ResultRows::ForwardOnly);
        int fetched = 0;
        while (fetched < 256 && rows.next())
            ++fetched;
        const BoundStatement totals = config.statement.totalsStatement(conditions);
        QSqlQuery sums = stock.dm.select(totals.text, totals.values);
        sums.next();
        state.counters["rows"] = sums.value(0).toDouble();
    }
}
// (filter, radio button): no filter; name or initials "笔"; 低于最低库存 (state 4).
BENCHMARK(BM_StockListSearch)->Args({-1, -1})->Args({3, -1})->Args({-1, 4})->Unit(benchmark::kMillisecond);

// The movement report of every stock row: the ten grouped statements and the sheet.
void BM_MovementReportOfEveryRow(benchmark::State &state)
{
    Stock stock;
    const FilteredListConfig config = StockQuery::config();
    const ListConditions conditions = stock.conditions(-1, QString(), -1);
    QTemporaryDir folder;
    SilentDialogs dialogs;
    for (auto _ : state) {
        const BoundStatement totals = config.statement.totalsStatement(conditions);
        QSqlQuery count = stock.dm.select(totals.text, totals.values);
        count.next();
        const qint64 rows = count.value(0).toLongLong();
        const BoundStatement list = config.statement.listStatement(conditions);
        auto stockRows = std::make_unique<StatementRows>(
            runStatement(stock.dm.database(), list.text, list.values, ResultRows::ForwardOnly), rows);
        MovementReportRows report(std::move(stockRows),
                                  MovementTotals::compute(stock.dm, std::nullopt, StockQuery::itemsStatement(conditions)));
        SheetExporter(dialogs, QStringLiteral("测试单位"), folder.path())
            .exportRows(sheetMember(u"TfrmWQ_D"), report, nullptr, sheetMember(u"TfrmWQ_D").titleText);
        state.counters["rows"] = double(rows);
    }
    if (!dialogs.failures.isEmpty())
        state.SkipWithError(dialogs.failures.first().toStdString().c_str());
}
BENCHMARK(BM_MovementReportOfEveryRow)->Unit(benchmark::kMillisecond)->Iterations(3);

// The ten grouped statements alone.
void BM_MovementTotals(benchmark::State &state)
{
    Stock stock;
    const ListConditions conditions = stock.conditions(-1, QString(), -1);
    for (auto _ : state)
        benchmark::DoNotOptimize(MovementTotals::compute(stock.dm, std::nullopt, StockQuery::itemsStatement(conditions)));
}
BENCHMARK(BM_MovementTotals)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
