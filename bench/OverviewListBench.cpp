// The overview lists and the start-up alerts on the large measuring database (ten years,
// about a million document lines), with no filter and every storage granted: the first
// screen of a list, its totals, a title-click sort by the database, the alert decision.
#include "app/StartupAlerts.h"
#include "largedb/LargeDatabase.h"
#include "queries/OverviewLists.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "ui/QueryRowsModel.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// One connection to the shared large database for all the list benchmarks.
struct LargeLists {
    LargeLists()
    {
        static int argc = 0;
        if (!QCoreApplication::instance())
            app = std::make_unique<QCoreApplication>(argc, nullptr);
        dm.open(benchmarkDatabase());
        QSqlQuery storages = dm.select(QStringLiteral("select SName from SStorage"));
        while (storages.next())
            context.UserStorages << storages.value(0).toString();
    }
    static LargeLists &instance()
    {
        static LargeLists lists;
        return lists;
    }
    ListConditions noFilter(const FilteredListConfig &config) const
    {
        return searchConditions(config, context.UserStorages, {}, -1);
    }

    std::unique_ptr<QCoreApplication> app;
    AppContext context;
    TfrmDM dm{context};
};

const OverviewKind kKinds[] = {
    OverviewKind::Loan,    OverviewKind::Requisition, OverviewKind::Purchase,
    OverviewKind::ReturnToSupplier, OverviewKind::ReturnOfLoan, OverviewKind::Damage,
    OverviewKind::Surplus, OverviewKind::Request, OverviewKind::Transfer,
};

void setLabel(benchmark::State &state, const FilteredListConfig &config)
{
    state.SetLabel(config.objectName.toStdString());
}

// The list statement opened into the grid's model: what shows the first screen.
void showRows(LargeLists &lists, const BoundStatement &statement)
{
    QueryRowsModel rows;
    rows.setStatement(lists.dm.database(), statement.text, statement.values);
    benchmark::DoNotOptimize(rows.rowCount());
}

void BM_OverviewFirstScreen(benchmark::State &state)
{
    LargeLists &lists = LargeLists::instance();
    const FilteredListConfig config = overviewConfig(kKinds[state.range(0)]);
    const BoundStatement statement = config.statement.listStatement(lists.noFilter(config));
    for (auto _ : state)
        showRows(lists, statement);
    setLabel(state, config);
}
BENCHMARK(BM_OverviewFirstScreen)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

void BM_OverviewTotals(benchmark::State &state)
{
    LargeLists &lists = LargeLists::instance();
    const FilteredListConfig config = overviewConfig(kKinds[state.range(0)]);
    const BoundStatement statement = config.statement.totalsStatement(lists.noFilter(config));
    for (auto _ : state) {
        QSqlQuery totals = lists.dm.select(statement.text, statement.values);
        benchmark::DoNotOptimize(totals.next());
    }
    setLabel(state, config);
}
BENCHMARK(BM_OverviewTotals)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

// A title click on the item name (text, pinyin order) or on the amount (a number).
void BM_OverviewTitleSort(benchmark::State &state)
{
    LargeLists &lists = LargeLists::instance();
    const FilteredListConfig config = overviewConfig(kKinds[state.range(0)]);
    const QString title = state.range(1) == 0 ? QStringLiteral("物品名称") : QStringLiteral("金额");
    const BoundStatement statement =
        config.statement.listStatement(lists.noFilter(config), ListSort{title, SortDirection::Descending});
    for (auto _ : state)
        showRows(lists, statement);
    state.SetLabel(config.objectName.toStdString() + " " + title.toStdString());
}
BENCHMARK(BM_OverviewTitleSort)->ArgsProduct({{0, 2, 7}, {0, 1}})->Unit(benchmark::kMillisecond);

void BM_StartupAlertDecision(benchmark::State &state)
{
    LargeLists &lists = LargeLists::instance();
    AppContext context = lists.context;
    context.RemindOverdueLoans = context.WarnBelowMin = context.WarnAboveMax = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(decideStartupAlerts(lists.dm, context));
}
BENCHMARK(BM_StartupAlertDecision)->Unit(benchmark::kMillisecond);

} // namespace
