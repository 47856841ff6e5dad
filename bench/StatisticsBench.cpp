// Statistics windows and period reports over the generated ten-year database: the
// grouped rows loaded as the window loads them plus the totals, and a whole report run
// (grouped figures and UBB written). The shared file is copied so that this branch's
// indexes can be added without touching it.
#include "largedb/LargeDatabase.h"
#include "stock/PeriodReport.h"
#include "stock/Statistics.h"
#include "store/AppContext.h"
#include "store/Schema.h"
#include "store/SqlStatement.h"
#include "store/TfrmDM.h"
#include "ui/RowsModel.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// One copy of the measuring database with every index of the schema, open for the run.
struct MeasuringDatabase {
    int argc = 0;
    QCoreApplication app{argc, nullptr};
    QTemporaryDir folder;
    AppContext context;
    TfrmDM dm{context};

    MeasuringDatabase()
    {
        const QString path = folder.filePath(QStringLiteral("db.edb"));
        QFile::copy(benchmarkDatabase(), path);
        dm.open(path);
        for (QString statement : schemaStatements(SqlEngine::SQLite)) {
            if (statement.contains(QStringLiteral(" INDEX "))) {
                statement.replace(QStringLiteral(" INDEX "), QStringLiteral(" INDEX IF NOT EXISTS "));
                dm.myESQL(statement);
            }
        }
        dm.myESQL(QStringLiteral("ANALYZE"));
        QSqlQuery storages = dm.select(QStringLiteral("SELECT SName FROM SStorage"));
        while (storages.next())
            context.UserStorages << storages.value(0).toString();
    }

    static MeasuringDatabase &instance()
    {
        static MeasuringDatabase database;
        return database;
    }
};

const char16_t *const kWindows[] = {u"TfrmTJ_CG", u"TfrmTJ_TH", u"TfrmTJ_LY",
                                    u"TfrmTJ_JY", u"TfrmTJ_BS", u"TfrmTJ_BY"};

// range(0): the window; range(1): 1 with the ten-year date range ticked, 0 without.
void BM_StatisticsRun(benchmark::State &state)
{
    MeasuringDatabase &db = MeasuringDatabase::instance();
    const StatisticsKind &kind = statisticsKind(QString::fromUtf16(kWindows[state.range(0)]));
    StatisticsFilter filter;
    filter.returnState = ReturnState::All;
    if (state.range(1) == 1)
        filter.dates = DateSpan{QStringLiteral("2016-01-01"), QStringLiteral("2025-12-31")};
    int rows = 0;
    for (auto _ : state) {
        const BoundStatement grouped = statisticsStatement(kind, filter, db.context.UserStorages);
        QSqlQuery query = runStatement(db.dm.database(), grouped.sql, grouped.values, ResultRows::ForwardOnly);
        RowsModel model;
        model.load(query);
        const BoundStatement totals = statisticsTotalsStatement(kind, filter, db.context.UserStorages);
        QSqlQuery sums = db.dm.select(totals.sql, totals.values);
        sums.next();
        rows = model.rowCount();
    }
    state.SetLabel(kind.window.toStdString() + ", " + std::to_string(rows) + " rows");
}
BENCHMARK(BM_StatisticsRun)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

// range(0): 0 daily, 1 monthly, 2 yearly, each over the ten years.
void BM_PeriodReportRun(benchmark::State &state)
{
    MeasuringDatabase &db = MeasuringDatabase::instance();
    const auto period = ReportPeriod(state.range(0));
    const DateRange range{QDate(2016, 1, 1), QDate(2025, 12, 31)};
    qsizetype rows = 0;
    for (auto _ : state) {
        const QVector<ReportRow> report = computePeriodReport(db.dm.database(), period, range);
        writeReportTable(db.dm.database(), report);
        rows = report.size();
    }
    state.SetLabel(std::to_string(rows) + " periods");
}
BENCHMARK(BM_PeriodReportRun)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
