// Documents saved by their own windows' saves are taken back exactly by the line deletes.
#include "documents/IssueDocument.h"
#include "documents/PurchaseIn.h"
#include "queries/DocumentDeletes.h"
#include "support/StockDocuments.h"
#include "ui/LineGridModel.h"

#include <gtest/gtest.h>

namespace {

struct RealSaves : ::testing::Test {
    TestDatabase db;
    int item = addTestItem(db, "A001", "A4纸");

    double ledgerSum() { return db.value("select sum(theIn - theOut) from UWList where AID=?", {item}).toDouble(); }
    QList<int> lineIds(const QString &table, const QString &number)
    {
        QList<int> ids;
        QSqlQuery query = db.dm.select(QString("select ID from %1 where theNum=?").arg(table), {number});
        while (query.next())
            ids << query.value(0).toInt();
        return ids;
    }
    void deleteAll(const QString &windowClass, const QString &number)
    {
        const QueryKind &kind = queryKind(windowClass);
        for (int line : lineIds(kind.lines, number))
            EXPECT_EQ(deleteLine(db.services, kind, line), std::nullopt);
        EXPECT_EQ(deleteDocument(db.services, kind, number), std::nullopt);
    }
};

TEST_F(RealSaves, LineDeletesUndoPurchaseAndIssueSaves)
{
    db.dm.myESQL("insert into UMerchant (ID, MName) values (1, '北京文具')");
    LineGridModel purchaseLines(QStringList(9), PurchaseIn::kColumnCount);
    purchaseLines.setCell(1, PurchaseIn::Code, "A001");
    purchaseLines.setCell(1, PurchaseIn::Price, "2");
    purchaseLines.setCell(1, PurchaseIn::Quantity, "20");
    purchaseLines.setCell(1, PurchaseIn::ItemId, QString::number(item));
    PurchaseIn::Header purchase;
    purchase.supplierId = "1";
    purchase.purchaser = purchase.handler = "张三";
    purchase.storageId = "1";
    purchase.storageName = "物品仓库";
    purchase.date = kTestLoginDate;
    const QString bought = PurchaseIn::save(db.services, purchase, purchaseLines);
    ASSERT_DOUBLE_EQ(testBalance(db, item, 1), 20);

    const struct {
        IssueDocument::Kind (*kind)();
        const char *window;
    } issues[] = {{IssueDocument::loan, "TfrmOut_JC_Q"}, {IssueDocument::requisition, "TfrmOut_LY_Q"},
                  {IssueDocument::damage, "TfrmOut_BS_Q"}, {IssueDocument::returnToSupplier, "TfrmOut_TH_Q"}};
    for (const auto &issue : issues) {
        SCOPED_TRACE(issue.window);
        const IssueDocument::Kind kind = issue.kind();
        LineGridModel lines(QStringList(9), kind.columns.count);
        for (int line = 1; line <= 2; ++line) {
            lines.setCell(line, IssueDocument::Code, "A001");
            lines.setCell(line, IssueDocument::Price, "2");
            lines.setCell(line, IssueDocument::Quantity, line == 1 ? "3" : "1.5");
            lines.setCell(line, kind.columns.itemId, QString::number(item));
        }
        IssueDocument::Header header;
        header.storageId = "1";
        header.storageName = "物品仓库";
        header.date = kTestLoginDate;
        header.person = header.approver = header.handler = "张三";
        header.supplierId = "1";
        header.supplierName = "北京文具";
        const QString number = IssueDocument::save(db.services, kind, header, lines);
        EXPECT_DOUBLE_EQ(testBalance(db, item, 1), 15.5);

        deleteAll(issue.window, number);
        EXPECT_DOUBLE_EQ(testBalance(db, item, 1), 20);
        EXPECT_DOUBLE_EQ(ledgerSum(), 20);
        EXPECT_EQ(db.value(QString("select theDel from %1 where theNum=?").arg(kind.table), {number}).toInt(), 1);
    }
    deleteAll("TfrmIn_CG_Q", bought);
    EXPECT_DOUBLE_EQ(testBalance(db, item, 1), 0);
    EXPECT_DOUBLE_EQ(ledgerSum(), 0);
}

} // namespace
