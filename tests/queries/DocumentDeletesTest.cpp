// Deleting lines and documents of the nine kinds: balance, ledger rows and marks.
#include "queries/DocumentDeletes.h"
#include "support/StockDocuments.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

struct LedgerRow {
    QString type, number;
    int storage;
    double in, out;
    bool operator==(const LedgerRow &) const = default;
};

void PrintTo(const LedgerRow &row, std::ostream *os)
{
    *os << row.type.toStdString() << " " << row.number.toStdString() << " S" << row.storage << " in " << row.in
        << " out " << row.out;
}

// Two storages; 20 of an item bought into the first.
struct Deletes : ::testing::Test {
    TestDatabase db;
    int item = addTestItem(db, "A001", "A4纸");
    int second = addTestStorage(db, "二号仓库");

    Deletes() { saveTestDocument(db, "UIn_CG", {{.item = item, .count = 20}}); }

    int ledgerRows() { return db.value("select count(*) from UWList").toInt(); }
    QList<LedgerRow> ledgerAfter(int rows)
    {
        QList<LedgerRow> found;
        QSqlQuery query = db.dm.select("select theType, theNum, SID, theIn, theOut from UWList where ID>? order by ID",
                                       {rows});
        while (query.next())
            found << LedgerRow{query.value(0).toString(), query.value(1).toString(), query.value(2).toInt(),
                               query.value(3).toDouble(), query.value(4).toDouble()};
        return found;
    }
    int mark(const QString &table, const QVariant &key, const char *column = "ID")
    {
        return db.value(QString("select theDel from %1 where %2=?").arg(table, column), {key}).toInt();
    }
};

struct DeleteCase {
    const char *header;
    const char *ledger;     // empty: no ledger row
    double firstStorage;    // balance change of a 2-unit line delete in storage 1
    double secondStorage;   // and in storage 2 (transfers)
};

TEST_F(Deletes, LineDeleteReversesStockWithItsLedgerRowsAndDocumentDeleteMarksOnlyTheHeader)
{
    const DeleteCase cases[] = {
        {"USQ", "", 0, 0},          {"UIn_CG", "采购删除", -2, 0}, {"UOut_TH", "退货删除", 2, 0},
        {"UOut_LY", "领用删除", 2, 0}, {"UOut_JC", "借用删除", 2, 0}, {"UIn_GH", "归还删除", -2, 0},
        {"UDB", "调拨删除", 2, -2},  {"UOut_BS", "报损删除", 2, 0}, {"UIn_BY", "报溢删除", -2, 0},
    };
    for (const DeleteCase &c : cases) {
        SCOPED_TRACE(c.header);
        const QueryKind &kind = *std::find_if(queryKinds().begin(), queryKinds().end(),
                                              [&](const QueryKind &k) { return k.header == c.header; });
        TestLine line{.item = item, .count = 2, .toStorage = second};
        SavedDocument issue;
        if (kind.header == "UIn_GH") {
            issue = saveTestDocument(db, "UOut_JC", {{.item = item, .count = 5}});
            line.issueLine = issue.lineIds[0];
            line.issueTable = "UOut_JC_Bill";
        }
        TestLine another = line;
        another.count = 1;
        const SavedDocument document = saveTestDocument(db, c.header, {line, another});
        const double first = testBalance(db, item, 1), other = testBalance(db, item, second);
        const int rows = ledgerRows();

        EXPECT_EQ(deleteDocument(db.services, kind, document.number), kind.deleteRefusal);
        EXPECT_EQ(mark(kind.header, document.number, "theNum"), 0);
        EXPECT_EQ(deleteLine(db.services, kind, document.lineIds[0]), std::nullopt);

        EXPECT_DOUBLE_EQ(testBalance(db, item, 1), first + c.firstStorage);
        EXPECT_DOUBLE_EQ(testBalance(db, item, second), other + c.secondStorage);
        EXPECT_EQ(mark(kind.lines, document.lineIds[0]), 1);
        EXPECT_EQ(mark(kind.lines, document.lineIds[1]), 0);
        QList<LedgerRow> expected;
        if (kind.header == "UDB")
            expected = {{c.ledger, document.number, second, 0, 2}, {c.ledger, document.number, 1, 2, 0}};
        else if (*c.ledger)
            expected = {{c.ledger, document.number, 1, qMax(c.firstStorage, 0.0), qMax(-c.firstStorage, 0.0)}};
        EXPECT_EQ(ledgerAfter(rows), expected);
        if (kind.header == "UIn_GH") {
            EXPECT_DOUBLE_EQ(db.value("select GHCount from UOut_JC_Bill where ID=?", {issue.lineIds[0]}).toDouble(), 1);
        }

        // A second delete of the same line finds it gone and changes nothing.
        EXPECT_EQ(deleteLine(db.services, kind, document.lineIds[0]), std::nullopt);
        EXPECT_EQ(ledgerRows(), rows + expected.size());

        EXPECT_EQ(deleteLine(db.services, kind, document.lineIds[1]), std::nullopt);
        const int linesMarked = db.value(QString("select count(*) from %1 where theDel=1").arg(kind.lines)).toInt();
        const int rowsBefore = ledgerRows();
        EXPECT_EQ(deleteDocument(db.services, kind, document.number), std::nullopt);
        EXPECT_EQ(mark(kind.header, document.number, "theNum"), 1);
        EXPECT_EQ(db.value(QString("select count(*) from %1 where theDel=1").arg(kind.lines)).toInt(), linesMarked);
        EXPECT_EQ(ledgerRows(), rowsBefore);
    }
}

TEST_F(Deletes, IssueLineWithReturnedGoodsIsNotDeleted)
{
    for (const char *header : {"UOut_JC", "UOut_LY"}) {
        SCOPED_TRACE(header);
        const QString table = QString(header) + "_Bill";
        const QueryKind &kind = *std::find_if(queryKinds().begin(), queryKinds().end(),
                                              [&](const QueryKind &k) { return k.header == header; });
        const SavedDocument issue = saveTestDocument(db, header, {{.item = item, .count = 10}});
        saveTestDocument(db, "UIn_GH", {{.item = item, .count = 4, .issueLine = issue.lineIds[0], .issueTable = table}});
        const double balance = testBalance(db, item, 1);
        const int rows = ledgerRows();

        EXPECT_EQ(deleteLine(db.services, kind, issue.lineIds[0]), kReturnedLineRefusal);
        EXPECT_EQ(mark(table, issue.lineIds[0]), 0);
        EXPECT_DOUBLE_EQ(testBalance(db, item, 1), balance);
        EXPECT_EQ(ledgerRows(), rows);
    }
}

} // namespace
