// The statements of the query windows run against a small database: filters, storage
// restriction, totals and lines.
#include "queries/QueryStatements.h"
#include "support/StockDocuments.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

struct Statements : ::testing::Test {
    TestDatabase db;
    const QueryKind &purchase = queryKind("TfrmIn_CG_Q");
    int item = addTestItem(db, "A001", "A4纸");
    int second = addTestStorage(db, "二号仓库");
    QStringList storages{"物品仓库", "二号仓库"};

    // The supplier of the documents the test writer saves.
    Statements() { db.dm.myESQL("insert into UMerchant (ID, MName, thePY) values (1, '其他商店', 'QTSD')"); }

    // Numbers listed by the purchase-in statement, in order.
    QStringList numbers(const QueryKind &kind, const QList<QueryFilterValue> &filters)
    {
        const BoundStatement statement = masterStatement(kind, filters, storages);
        QSqlQuery query = db.dm.select(statement.text, statement.values);
        QStringList found;
        while (query.next())
            found << query.value(0).toString();
        const BoundStatement count = countStatement(kind, filters, storages);
        QSqlQuery counted = db.dm.select(count.text, count.values);
        EXPECT_TRUE(counted.next());
        EXPECT_EQ(counted.value(0).toInt(), found.size());
        return found;
    }
    // The filters of the purchase-in window with only filter `index` ticked.
    static QList<QueryFilterValue> only(int index, QueryFilterValue value)
    {
        QList<QueryFilterValue> filters(8);
        value.ticked = true;
        filters[index] = value;
        return filters;
    }
    void setRemark(const QString &number, const QString &remark)
    {
        db.dm.myESQL("update UIn_CG set Remark=? where theNum=?", {remark, number});
    }
};

TEST_F(Statements, TextFiltersBindWhatIsTypedAndKeepTheirWildcards)
{
    const QString a = saveTestDocument(db, "UIn_CG", {{.item = item}}).number;
    const QString b = saveTestDocument(db, "UIn_CG", {{.item = item}}).number;
    const QString c = saveTestDocument(db, "UIn_CG", {{.item = item}}).number;
    setRemark(a, "O'Brien 送货");
    setRemark(b, "折扣 50% 以上");
    setRemark(c, "");
    db.dm.myESQL("update UIn_CG_Bill set Remark='O''Brien'"); // a line remark must not be confused with it

    const int remark = 7;
    EXPECT_EQ(numbers(purchase, only(remark, {.text = "O'Brien"})), QStringList{a});
    EXPECT_EQ(numbers(purchase, only(remark, {.text = "50%"})), QStringList{b});
    EXPECT_EQ(numbers(purchase, only(remark, {.text = "O%送货"})), QStringList{a});
    EXPECT_EQ(numbers(purchase, only(remark, {.text = "折_"})), QStringList{b});
    EXPECT_EQ(numbers(purchase, only(remark, {.text = ""})), (QStringList{c, b, a}));
    EXPECT_EQ(numbers(purchase, only(0, {.text = a.right(4)})), QStringList{a});
}

TEST_F(Statements, LookupDateAndSupplierFilters)
{
    db.dm.myESQL("insert into UMerchant (MName, thePY) values ('北京文具', 'BJWJ')");
    const QString old = saveTestDocument(db, "UIn_CG", {{.item = item}}, "2026-01-31").number;
    const QString recent = saveTestDocument(db, "UIn_CG", {{.item = item, .storage = second}}, "2026-02-01").number;
    db.dm.myESQL("update UIn_CG set MID=(select max(ID) from UMerchant) where theNum=?", {recent});

    EXPECT_EQ(numbers(purchase, only(1, {.from = "2026-02-01", .to = "2026-02-28"})), QStringList{recent});
    EXPECT_EQ(numbers(purchase, only(1, {.from = "2026-01-31", .to = "2026-01-31"})), QStringList{old});
    EXPECT_EQ(numbers(purchase, only(2, {.text = "bjw"})), QStringList{recent});
    EXPECT_EQ(numbers(purchase, only(2, {.text = "文具"})), QStringList{recent});
    EXPECT_EQ(numbers(purchase, only(5, {.text = "二号仓库"})), QStringList{recent});
    // A ticked lookup with nothing chosen compares with the empty text.
    EXPECT_EQ(numbers(purchase, only(5, {.text = ""})), QStringList{});
}

TEST_F(Statements, StorageRestrictionOnlyForTheRestrictedKinds)
{
    const QString mine = saveTestDocument(db, "UIn_CG", {{.item = item}}).number;
    const QString theirs = saveTestDocument(db, "UIn_CG", {{.item = item, .storage = second}}).number;
    const QString request = saveTestDocument(db, "USQ", {{.item = item}}).number;
    storages = {"物品仓库"};
    EXPECT_EQ(numbers(purchase, {}), QStringList{mine});
    storages = {};
    EXPECT_EQ(numbers(purchase, {}), QStringList{});
    EXPECT_EQ(numbers(queryKind("TfrmSQ_Q"), {}), QStringList{request});
    (void)theirs;
}

TEST_F(Statements, TotalsCoverLiveLinesDatedBetweenThePickers)
{
    saveTestDocument(db, "UIn_CG", {{.item = item, .count = 2, .price = 3}, {.item = item, .count = 1, .price = 0.5}},
                     "2026-03-01");
    const SavedDocument other = saveTestDocument(db, "UIn_CG", {{.item = item, .count = 4, .price = 1}}, "2026-03-02");
    saveTestDocument(db, "UIn_CG", {{.item = item, .count = 100, .price = 1}}, "2026-04-01");
    db.dm.myESQL("update UIn_CG_Bill set theDel=1 where ID=?", {other.lineIds[0]});

    const BoundStatement totals = totalsStatement(purchase, "2026-03-01", "2026-03-31");
    QSqlQuery query = db.dm.select(totals.text, totals.values);
    ASSERT_TRUE(query.next());
    EXPECT_DOUBLE_EQ(query.value("数量").toDouble(), 3);
    EXPECT_DOUBLE_EQ(query.value("金额").toDouble(), 6.5);
}

TEST_F(Statements, LinesOfEveryKindShowTheirColumnsAndOnlyLiveLines)
{
    for (const QueryKind &kind : queryKinds()) {
        SCOPED_TRACE(kind.windowClass.toStdString());
        TestLine line{.item = item, .count = 2, .toStorage = second};
        if (kind.header == "UIn_GH") {
            line.issueLine = saveTestDocument(db, "UOut_JC", {{.item = item, .count = 5}}).lineIds[0];
            line.issueTable = "UOut_JC_Bill";
        }
        const SavedDocument document = saveTestDocument(db, kind.header, {line, line});
        db.dm.myESQL(QString("update %1 set theDel=1 where ID=?").arg(kind.lines), {document.lineIds[1]});
        const BoundStatement statement = lineStatement(kind, document.number);
        QSqlQuery query = db.dm.select(statement.text, statement.values);
        ASSERT_TRUE(query.next());
        EXPECT_EQ(query.value("编号").toString(), document.number);
        EXPECT_EQ(query.value("物品名称").toString(), "A4纸");
        EXPECT_EQ(query.value("ID").toInt(), document.lineIds[0]);
        EXPECT_DOUBLE_EQ(query.value("数量").toDouble(), 2);
        EXPECT_FALSE(query.next());
    }
}

} // namespace
