// The movement report: the grouped statements give the figures of the per-row
// definition, on hand-made cases and on random documents.
#include "BalanceFixture.h"
#include "stock/MovementReport.h"
#include "store/Numbers.h"
#include "store/Transaction.h"
#include "sheets/StatementRows.h"

#include <gtest/gtest.h>
#include <random>

namespace {

struct MovementReports : ::testing::Test, BalanceFixture {
    int documents = 0;

    // One live or deleted document of a kind with one line; `storage` is the line's
    // storage column ("SID", or "DBID" and "RKID" of a transfer).
    void document(const QString &header, const QString &date, int aid, double count,
                  const QVariantList &storages, bool headerDeleted = false, bool lineDeleted = false)
    {
        const QString num = QString::number(++documents);
        db.dm.myESQL(QStringLiteral("insert into %1 (theNum, myDate, theDel) values (?, ?, ?)").arg(header),
                     {num, date, headerDeleted ? 1 : 0});
        QString columns = "theNum, AID, theCount, theDel";
        QString marks = "?, ?, ?, ?";
        if (header == "UDB") {
            columns += ", DBID, RKID";
            marks += ", ?, ?";
        } else if (header != "USQ") {
            columns += ", SID";
            marks += ", ?";
        }
        db.dm.myESQL(QStringLiteral("insert into %1_Bill (%2) values (%3)").arg(header, columns, marks),
                     QVariantList{num, aid, count, lineDeleted ? 1 : 0} + storages);
    }

    // The figures as the report defines them: ten statements per stock row.
    MovementFigures perRow(int aid, int sid, const std::optional<MovementPeriod> &period)
    {
        MovementFigures figures{};
        for (int k = 0; k < kMovementKindCount; ++k) {
            const MovementKind &kind = movementKinds()[k];
            QString sql = QStringLiteral("SELECT SUM(theCount) AS F1 FROM %1 INNER JOIN %2 ON %1.theNum = %2.theNum "
                                         "WHERE (%1.theDel = 0) AND (%2.theDel = 0) AND (AID = ?) ")
                              .arg(kind.header, kind.lines);
            QVariantList values{aid};
            if (!kind.storageColumn.isEmpty()) {
                sql += QStringLiteral("AND (%1.%2 = ?) ").arg(kind.lines, kind.storageColumn);
                values << sid;
            }
            if (period) {
                sql += " AND (myDate>=?) AND (myDate<=?)";
                values << period->from << period->to;
            }
            figures[k] = roundMoney(db.value(sql, values).toDouble()); // null counts as 0
        }
        return figures;
    }

    // Every stock row of a search with its grouped and its per-row figures.
    void expectBothAgree(const QList<FilterValue> &filters, const std::optional<MovementPeriod> &period)
    {
        const StockQuery::StockListSearch stock = search(filters);
        const MovementTotals totals = MovementTotals::compute(db.dm, period, stock.items);
        QSqlQuery rows = db.dm.select(stock.list.text, stock.list.values);
        int checked = 0;
        while (rows.next()) {
            const int aid = rows.value("AID").toInt();
            const int sid = rows.value("SID").toInt();
            EXPECT_EQ(totals.figures(aid, sid), perRow(aid, sid, period)) << "item " << aid << " storage " << sid;
            ++checked;
        }
        EXPECT_GT(checked, 0);
    }
};

TEST_F(MovementReports, GroupedFiguresEqualThePerRowDefinitionOnRandomDocuments)
{
    Transaction writing(db.dm.database()); // one commit instead of one per row
    std::mt19937 random(20260315);
    auto pick = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); };
    QList<int> storages, items;
    for (const char *name : {"一号库", "二号库", "三号库"})
        storages << storage(QString::fromUtf8(name));
    for (int i = 0; i < 8; ++i)
        items << item(QString::number(i), QStringLiteral("物品%1").arg(i));
    for (const int aid : items) {
        for (const int sid : storages) {
            if (pick(0, 3) > 0)
                book(aid, sid, {"1"});
        }
    }
    const QStringList headers = {"USQ", "UIn_CG", "UOut_TH", "UOut_LY", "UOut_JC", "UIn_GH", "UDB", "UOut_BS", "UIn_BY"};
    for (int n = 0; n < 600; ++n) {
        const QString header = headers[pick(0, int(headers.size()) - 1)];
        const QString date = QDate(2025, 1, 1).addDays(pick(0, 120)).toString("yyyy-MM-dd");
        QVariantList where;
        if (header == "UDB")
            where << storages[pick(0, 2)] << storages[pick(0, 2)];
        else if (header != "USQ")
            where << storages[pick(0, 2)];
        document(header, date, items[pick(0, int(items.size()) - 1)], pick(1, 400) / 4.0, where,
                 pick(0, 9) == 0, pick(0, 9) == 0);
    }
    writing.commit();
    expectBothAgree(ticked(), std::nullopt);
    expectBothAgree(ticked(), MovementPeriod{"2025-02-01", "2025-03-15"});
    expectBothAgree(ticked({{0, "二号库"}}), MovementPeriod{"2025-01-01", "2025-01-31"});
    expectBothAgree(ticked({{1, "3"}}), std::nullopt);
}

TEST_F(MovementReports, KindsLandInTheirStorageRows)
{
    const int a = storage("甲库");
    const int b = storage("乙库");
    const int pen = item("1", "笔");
    book(pen, a, {"10"});
    book(pen, b, {"1"});
    document("UOut_LY", "2025-03-01", pen, 5, {a});
    document("UIn_GH", "2025-03-02", pen, 2, {a});
    document("USQ", "2025-03-03", pen, 7, {});
    document("UDB", "2025-03-04", pen, 3, {a, b});
    document("UOut_LY", "2025-03-05", pen, 100, {a}, true);        // deleted header
    document("UOut_LY", "2025-03-05", pen, 100, {a}, false, true); // deleted line

    const MovementTotals all = MovementTotals::compute(db.dm, std::nullopt, search(ticked()).items);
    //                        申请 采购 退货 领用 借用 归还 调出 调入 报损 报溢
    EXPECT_EQ(all.figures(pen, a), (MovementFigures{7, 0, 0, 5, 0, 2, 3, 0, 0, 0}));
    EXPECT_EQ(all.figures(pen, b), (MovementFigures{7, 0, 0, 0, 0, 0, 0, 3, 0, 0}));

    // Both ends of the period are included, the day after is not.
    const MovementTotals period = MovementTotals::compute(db.dm, MovementPeriod{"2025-03-02", "2025-03-03"},
                                                          search(ticked()).items);
    EXPECT_EQ(period.figures(pen, a), (MovementFigures{7, 0, 0, 0, 0, 2, 0, 0, 0, 0}));
}

TEST_F(MovementReports, RowsAppendTheTenQuantitiesToTheStockRows)
{
    const int a = storage("甲库");
    const int pen = item("1", "笔", 2);
    const int ink = item("2", "墨水", 3);
    book(pen, a, {"10"});
    book(ink, a, {"4"});
    document("UIn_CG", "2025-03-01", pen, 2.5, {a});
    const StockQuery::StockListSearch stock = search(ticked());
    auto stockRows = std::make_unique<StatementRows>(db.dm.select(stock.list.text, stock.list.values), stock.rows);
    MovementReportRows report(std::move(stockRows), MovementTotals::compute(db.dm, std::nullopt, stock.items));
    const QStringList titles = report.titles();
    ASSERT_EQ(titles.size(), 14 + 10);
    const int purchased = int(titles.indexOf("采购数量"));
    EXPECT_EQ(purchased, 15);
    EXPECT_EQ(report.size(), 2);
    ASSERT_TRUE(report.next());
    EXPECT_EQ(report.text(int(titles.indexOf("物品名称"))), "笔");
    EXPECT_EQ(report.text(purchased), "2.5");
    ASSERT_TRUE(report.next());
    EXPECT_EQ(report.text(int(titles.indexOf("物品名称"))), "墨水");
    EXPECT_EQ(report.text(purchased), "0");
    EXPECT_FALSE(report.next());
}

} // namespace
