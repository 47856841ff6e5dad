// The nine overview lists: totals agree with the rows over a table of filters, the
// storage restriction, the loan and requisition states and the overdue rule.
#include "OverviewData.h"
#include "queries/TfrmYLB.h"
#include "support/Screenshots.h"
#include "ui/QueryRowsModel.h"

#include <QTableView>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

const OverviewKind kAllKinds[] = {
    OverviewKind::Loan,    OverviewKind::Requisition, OverviewKind::Purchase,
    OverviewKind::ReturnToSupplier, OverviewKind::ReturnOfLoan, OverviewKind::Damage,
    OverviewKind::Surplus, OverviewKind::Request, OverviewKind::Transfer,
};

void fetchAll(QueryRowsModel &rows)
{
    while (rows.canFetchMore())
        rows.fetchMore();
}

// Checks that the totals of the last search are the sums of the rows listed.
void expectTotalsAgree(OverviewList &list, const QString &what)
{
    QueryRowsModel &rows = *list.rows();
    fetchAll(rows);
    EXPECT_EQ(list.recordCount(), rows.rowCount()) << what.toStdString();
    QStringList expected{list.config().recordLabel + QString::number(rows.rowCount())};
    for (const ListSum &sum : list.config().statement.sums) {
        double total = 0;
        for (int row = 0; row < rows.rowCount(); ++row)
            total += rows.value(row, sum.title).toDouble();
        expected << sum.label + sumText(std::round(total * 1e6) / 1e6);
    }
    EXPECT_EQ(list.statusTexts(), expected) << what.toStdString();
}

struct FilterCase {
    const char *what;
    QString caption; // the filter's check box; empty: no filter
    FilterValue value;
    qsizetype rows;   // expected in every list that has the filter
};

struct OverviewListsTest : ::testing::Test {
    TestDatabase db;
    OverviewData data{db};
};

TEST_F(OverviewListsTest, TotalsEqualTheSumsOfTheRowsForEveryListAndFilter)
{
    const FilterCase cases[] = {
        {"no filter", "", {}, 4},
        {"name by initials", "物品名称", {true, "bg"}, 1},
        {"name with %", "物品名称", {true, "100%"}, 2},
        {"a lone % matches all", "物品名称", {true, "%"}, 4},
        {"name with apostrophe", "物品名称", {true, "O'N"}, 1},
        {"remark with apostrophe", "备       注", {true, "O'Brien"}, 1},
        {"remark _ is a wildcard", "备       注", {true, "O_Brien"}, 1},
        {"both date ends included", "", {}, 4},
        {"category", "物品分类", {true, "文具"}, 2},
        {"category ticked, nothing chosen", "物品分类", {true, ""}, 0},
        {"code", "物品编号", {true, "0012"}, 1},
        {"code", "物品编码", {true, "0012"}, 1},
        {"number", "编       号", {true, "031000"}, 2},
    };
    for (OverviewKind kind : kAllKinds) {
        OverviewList list(db.services, kind);
        const QString dates = list.config().filters[1].caption;
        for (const FilterCase &filter : cases) {
            const QString what = list.windowTitle() + " / " + filter.what;
            const bool hasFilter = std::any_of(list.config().filters.cbegin(), list.config().filters.cend(),
                                               [&](const ListFilter &f) { return f.caption == filter.caption; });
            if (!filter.caption.isEmpty() && !hasFilter)
                continue;
            for (const ListFilter &each : list.config().filters)
                list.setFilter(each.caption, {false});
            if (!filter.caption.isEmpty())
                list.setFilter(filter.caption, filter.value);
            if (QString(filter.what) == "both date ends included")
                list.setFilter(dates, {true, "2026-03-01", "2026-03-10"});
            list.search();
            expectTotalsAgree(list, what);
            EXPECT_EQ(list.recordCount(), filter.rows) << what.toStdString();
        }
        list.setFilter(dates, {true, "2026-03-02", "2026-03-09"});
        list.search();
        EXPECT_EQ(list.recordCount(), 0) << list.windowTitle().toStdString();
    }
}

TEST_F(OverviewListsTest, PersonsDepartmentsAndStoragesFilterByTheChosenName)
{
    TfrmYLB_JC loans(db.services);
    loans.setFilter("借  用  人", {true, "O'Brien"});
    loans.search();
    EXPECT_EQ(loans.recordCount(), 2);
    expectTotalsAgree(loans, "loan by person");
    loans.setFilter("借  用  人", {false});
    loans.setFilter("出库仓库", {true, "一号库"});
    loans.search();
    EXPECT_EQ(loans.recordCount(), 2);
    EXPECT_EQ(loans.statusTexts(),
              QStringList({"借用记录：2", "借用数量：13.5", "金额：115.125", "归还数量：3", "未还数量：10.5"}));

    TfrmYLB_CG purchases(db.services);
    purchases.setFilter("供  应  商", {true, "bjwj"});
    purchases.search();
    EXPECT_EQ(purchases.recordCount(), 4);
    TfrmYLB_DB transfers(db.services);
    transfers.setFilter("调拨仓库", {true, "二号库"});
    transfers.search();
    EXPECT_EQ(transfers.recordCount(), 2);
    saveScreenshot(loans, "overview_loan_list");
}

TEST_F(OverviewListsTest, AUserWithoutStoragesSeesOnlyRequestsAndTransfers)
{
    db.context.UserStorages.clear();
    for (OverviewKind kind : kAllKinds) {
        OverviewList list(db.services, kind);
        list.search();
        const bool unrestricted = kind == OverviewKind::Request || kind == OverviewKind::Transfer;
        EXPECT_EQ(list.recordCount(), unrestricted ? 4 : 0) << list.windowTitle().toStdString();
        expectTotalsAgree(list, list.windowTitle());
    }
    db.context.UserStorages = {"二号库"};
    TfrmYLB_GH returns(db.services);
    returns.search();
    EXPECT_EQ(returns.recordCount(), 2);
}

TEST_F(OverviewListsTest, StatesOfTheLoanAndRequisitionLists)
{
    for (OverviewKind kind : {OverviewKind::Loan, OverviewKind::Requisition}) {
        OverviewList list(db.services, kind);
        EXPECT_EQ(list.chosenState(), -1);
        EXPECT_EQ(list.rows()->rowCount(), 0); // nothing is searched at opening
        const std::pair<QString, qint64> states[] = {{"未还", 3}, {"已还", 1}, {"全部", 4}};
        for (const auto &[state, rows] : states) {
            list.chooseState(state);
            EXPECT_EQ(list.recordCount(), rows) << state.toStdString();
            expectTotalsAgree(list, state);
        }
    }
}

TEST_F(OverviewListsTest, OverdueMeansMoreWholeDaysThanAllowedAndNotFullyReturned)
{
    db.dm.myESQL("update UOut_JC_Bill set theDel=1");
    const int sevenDays = data.loan(7, 2, 0, 7);
    const int eightDays = data.loan(8, 2, 0, 7);
    data.loan(30, 2, 2, 7);    // fully returned: never overdue
    const int partly = data.loan(30, 5, 1, 7);
    TfrmYLB_JC loans(db.services);
    loans.chooseState("超出归还天数");
    fetchAll(*loans.rows());
    QList<int> listed;
    for (int row = 0; row < loans.rows()->rowCount(); ++row)
        listed << loans.rows()->value(row, "ID").toInt();
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, QList<int>({eightDays, partly}));
    EXPECT_FALSE(listed.contains(sevenDays));
    expectTotalsAgree(loans, "overdue");
    loans.chooseState("已还");
    EXPECT_EQ(loans.recordCount(), 1);
}

TEST_F(OverviewListsTest, ColumnsTitlesWidthsAndHiddenColumns)
{
    TfrmYLB_JC loans(db.services);
    loans.search();
    QStringList titles;
    for (int column = 0; column < loans.rows()->columnCount(); ++column)
        titles << loans.rows()->headerData(column, Qt::Horizontal).toString();
    EXPECT_EQ(titles, QStringList({"编号", "借用日期", "部门名称", "借用人", "批准人", "出库仓库", "物品编码",
                                   "物品分类", "物品名称", "规格型号", "单位", "单价", "借用数量", "金额",
                                   "归还数量", "未还数量", "备注", "归还天数", "AID", "SID", "ID"}));
    EXPECT_EQ(loans.grid()->columnWidth(8), 200);
    EXPECT_TRUE(loans.grid()->isColumnHidden(20));
    EXPECT_FALSE(loans.grid()->isColumnHidden(17));
    // Rows in borrower, category, name order, names by pinyin: O'Brien before 张三.
    EXPECT_EQ(loans.rows()->value(0, "借用人").toString(), "O'Brien");
    EXPECT_EQ(loans.rows()->value(3, "借用人").toString(), "张三");
    EXPECT_EQ(loans.rows()->data(loans.rows()->index(1, 11)).toString(), "99999.99");
}

} // namespace
