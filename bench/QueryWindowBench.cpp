// The document query windows on the large measuring database: the first screen of the
// document list without a filter over ten years, the record count, a month of totals
// and the lines of one document.
#include "largedb/LargeDatabase.h"
#include "queries/QueryStatements.h"
#include "store/AppContext.h"
#include "store/Schema.h"
#include "store/SqlStatement.h"
#include "store/TfrmDM.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlQueryModel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A copy of the shared measuring database with the indexes of this program's schema
// (the shared file may have been written by an older schema), open in a data module.
struct QueryDatabase {
    QTemporaryDir folder;
    AppContext context;
    TfrmDM dm{context};
    QStringList storages;

    QueryDatabase()
    {
        const QString path = folder.filePath(QStringLiteral("db.edb"));
        QFile::copy(benchmarkDatabase(), path);
        dm.open(path);
        for (QString statement : schemaStatements(SqlEngine::SQLite)) {
            if (statement.startsWith(QStringLiteral("CREATE INDEX")))
                dm.myESQL(statement.replace(QStringLiteral("CREATE INDEX"), QStringLiteral("CREATE INDEX IF NOT EXISTS")));
        }
        dm.myESQL(QStringLiteral("ANALYZE"));
        QSqlQuery names = dm.select(QStringLiteral("select SName from SStorage"));
        while (names.next())
            storages << names.value(0).toString();
    }
};

QueryDatabase &database()
{
    static int argc = 0;
    static QCoreApplication app(argc, nullptr);
    static QueryDatabase shared;
    return shared;
}

const QueryKind &kindOf(const benchmark::State &state)
{
    return queryKinds()[state.range(0)];
}

void BM_QueryFirstScreen(benchmark::State &state)
{
    QueryDatabase &db = database();
    const QueryKind &kind = kindOf(state);
    for (auto _ : state) {
        const BoundStatement master = masterStatement(kind, {}, db.storages);
        QSqlQueryModel model;
        model.setQuery(runStatement(db.dm.database(), master.text, master.values));
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.SetLabel(kind.windowClass.toStdString());
}

void BM_QueryRecordCount(benchmark::State &state)
{
    QueryDatabase &db = database();
    const QueryKind &kind = kindOf(state);
    for (auto _ : state) {
        const BoundStatement count = countStatement(kind, {}, db.storages);
        QSqlQuery query = db.dm.select(count.text, count.values);
        benchmark::DoNotOptimize(query.next());
    }
    state.SetLabel(kind.windowClass.toStdString());
}

void BM_QueryMonthTotals(benchmark::State &state)
{
    QueryDatabase &db = database();
    const QueryKind &kind = kindOf(state);
    for (auto _ : state) {
        const BoundStatement totals = totalsStatement(kind, QStringLiteral("2025-06-01"), QStringLiteral("2025-06-30"));
        QSqlQuery query = db.dm.select(totals.text, totals.values);
        benchmark::DoNotOptimize(query.next());
    }
    state.SetLabel(kind.windowClass.toStdString());
}

void BM_QueryDocumentLines(benchmark::State &state)
{
    QueryDatabase &db = database();
    const QueryKind &kind = kindOf(state);
    QSqlQuery newest = db.dm.select(QStringLiteral("select max(theNum) from %1").arg(kind.header));
    newest.next();
    const QString number = newest.value(0).toString();
    for (auto _ : state) {
        const BoundStatement lines = lineStatement(kind, number);
        QSqlQuery query = db.dm.select(lines.text, lines.values);
        int rows = 0;
        while (query.next())
            ++rows;
        benchmark::DoNotOptimize(rows);
    }
    state.SetLabel(kind.windowClass.toStdString());
}

// Every kind by its place in queryKinds(); the totals only where a window shows them.
BENCHMARK(BM_QueryFirstScreen)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QueryRecordCount)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QueryMonthTotals)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QueryDocumentLines)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

} // namespace
