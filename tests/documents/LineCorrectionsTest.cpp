// Corrections of saved lines and balances: count changes with their ledger pair, price
// and remark changes, and the line dialogs that run them.
#include "documents/LineCorrections.h"
#include "documents/LineDialogs.h"
#include "support/StockDocuments.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

using namespace LineCorrections;

struct LedgerRow {
    QString type, number;
    double in, out, balance;
    bool operator==(const LedgerRow &) const = default;
};

void PrintTo(const LedgerRow &row, std::ostream *os)
{
    *os << row.type.toStdString() << " " << row.number.toStdString() << " in " << row.in << " out " << row.out
        << " KC " << row.balance;
}

// A storage holding 20 of one item, bought with purchase-in 2603150001.
struct Corrections : ::testing::Test {
    TestDatabase db;
    int item = addTestItem(db, "A001", "A4纸");
    SavedDocument stock = saveTestDocument(db, "UIn_CG", {{.item = item, .count = 20}});

    int ledgerRows() { return db.value("select count(*) from UWList").toInt(); }
    QList<LedgerRow> ledgerAfter(int rows)
    {
        QList<LedgerRow> found;
        QSqlQuery query = db.dm.select("select theType, theNum, theIn, theOut, KCCount from UWList where ID>? order by ID",
                                       {rows});
        while (query.next())
            found << LedgerRow{query.value(0).toString(), query.value(1).toString(), query.value(2).toDouble(),
                               query.value(3).toDouble(), query.value(4).toDouble()};
        return found;
    }
    double lineCount(const QString &table, int line)
    {
        return db.value(QString("select theCount from %1 where ID=?").arg(table), {line}).toDouble();
    }
};

struct CountCase {
    const char *header;
    const char *ledger;        // empty: no ledger rows
    double balanceChange;      // of 5 → 8
    bool inbound;
};

TEST_F(Corrections, CountFiveToEightBooksTheDifferenceWithALedgerPair)
{
    const CountCase cases[] = {
        {"UIn_CG", "采购调整", 3, true},
        {"UOut_TH", "退货调整", -3, false},
        {"UOut_LY", "领用调整", -3, false},
        {"UOut_JC", "借用调整", -3, false},
        {"USQ", "", 0, false},
    };
    for (const CountCase &c : cases) {
        SCOPED_TRACE(c.header);
        const QString table = QString(c.header) + "_Bill";
        const SavedDocument document = saveTestDocument(db, c.header, {{.item = item, .count = 5}});
        const double before = testBalance(db, item, 1);
        const int rows = ledgerRows();

        EXPECT_EQ(changeCount(db.services, table, document.lineIds[0], "8"), std::nullopt);

        EXPECT_DOUBLE_EQ(testBalance(db, item, 1), before + c.balanceChange);
        EXPECT_DOUBLE_EQ(lineCount(table, document.lineIds[0]), 8);
        QList<LedgerRow> expected;
        if (*c.ledger) {
            const double afterUndo = before + (c.inbound ? -5 : 5);
            expected = {{c.ledger, document.number, c.inbound ? 0.0 : 5.0, c.inbound ? 5.0 : 0.0, afterUndo},
                        {c.ledger, document.number, c.inbound ? 8.0 : 0.0, c.inbound ? 0.0 : 8.0,
                         before + c.balanceChange}};
        }
        EXPECT_EQ(ledgerAfter(rows), expected);
    }
}

TEST_F(Corrections, BadCountWritesNothing)
{
    const SavedDocument loan = saveTestDocument(db, "UOut_JC", {{.item = item, .count = 5}});
    const int rows = ledgerRows();
    for (const char *typed : {"1.2.", "", ".", "abc", "-1"}) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(changeCount(db.services, "UOut_JC_Bill", loan.lineIds[0], typed), "数量 必须是有效的数字！");
    }
    EXPECT_DOUBLE_EQ(testBalance(db, item, 1), 15);
    EXPECT_DOUBLE_EQ(lineCount("UOut_JC_Bill", loan.lineIds[0]), 5);
    EXPECT_EQ(ledgerRows(), rows);
}

TEST_F(Corrections, CountCannotGoBelowWhatWasReturned)
{
    for (const char *header : {"UOut_JC", "UOut_LY"}) {
        SCOPED_TRACE(header);
        const QString table = QString(header) + "_Bill";
        const SavedDocument issue = saveTestDocument(db, header, {{.item = item, .count = 5}});
        saveTestDocument(db, "UIn_GH", {{.item = item, .count = 3, .issueLine = issue.lineIds[0], .issueTable = table}});
        const int rows = ledgerRows();

        EXPECT_EQ(changeCount(db.services, table, issue.lineIds[0], "2.5"), "数量 不能小于已归还数量 3！");
        EXPECT_EQ(ledgerRows(), rows);
        EXPECT_DOUBLE_EQ(lineCount(table, issue.lineIds[0]), 5);

        EXPECT_EQ(changeCount(db.services, table, issue.lineIds[0], "3"), std::nullopt);
        EXPECT_DOUBLE_EQ(lineCount(table, issue.lineIds[0]), 3);
    }
}

TEST_F(Corrections, DeletedLineIsNotChanged)
{
    db.dm.myESQL("update UIn_CG_Bill set theDel=1 where ID=?", {stock.lineIds[0]});
    EXPECT_EQ(changeCount(db.services, "UIn_CG_Bill", stock.lineIds[0], "8"), "该明细已删除，不能修改！");
    EXPECT_DOUBLE_EQ(testBalance(db, item, 1), 20);
}

TEST_F(Corrections, BalanceIsSetAndItsDifferenceLedgered)
{
    const int ware = db.value("select ID from UWare where AID=? and SID=1", {item}).toInt();
    int rows = ledgerRows();
    EXPECT_EQ(changeCount(db.services, "UWare", ware, "20"), std::nullopt);
    EXPECT_EQ(ledgerAfter(rows), QList<LedgerRow>{});

    EXPECT_EQ(changeCount(db.services, "UWare", ware, "3"), std::nullopt);
    EXPECT_EQ(ledgerAfter(rows), (QList<LedgerRow>{{"库存调整", "", 0, 17, 3}}));
    rows = ledgerRows();
    EXPECT_EQ(changeCount(db.services, "UWare", ware, "4.5"), std::nullopt);
    EXPECT_EQ(ledgerAfter(rows), (QList<LedgerRow>{{"库存调整", "", 1.5, 0, 4.5}}));
    EXPECT_DOUBLE_EQ(testBalance(db, item, 1), 4.5);
}

TEST_F(Corrections, PriceAndRemarkTouchNeitherStockNorLedger)
{
    const int rows = ledgerRows();
    const int line = stock.lineIds[0];
    EXPECT_EQ(changePrice(db.services, "UIn_CG_Bill", line, "3.25"), std::nullopt);
    EXPECT_DOUBLE_EQ(db.value("select APrice from UIn_CG_Bill where ID=?", {line}).toDouble(), 3.25);
    for (const char *empty : {"", "."}) {
        EXPECT_EQ(changePrice(db.services, "UIn_CG_Bill", line, empty), std::nullopt);
        EXPECT_DOUBLE_EQ(db.value("select APrice from UIn_CG_Bill where ID=?", {line}).toDouble(), 0);
    }
    EXPECT_EQ(changePrice(db.services, "UIn_CG_Bill", line, "1..2"), "单价 必须是有效的数字！");

    EXPECT_EQ(changeRemark(db.services, "UIn_CG_Bill", line, "O'Brien 的 50% 折扣"), std::nullopt);
    EXPECT_EQ(db.value("select Remark from UIn_CG_Bill where ID=?", {line}).toString(), "O'Brien 的 50% 折扣");
    EXPECT_EQ(ledgerRows(), rows);
    EXPECT_DOUBLE_EQ(testBalance(db, item, 1), 20);
}

TEST_F(Corrections, CountDialogShowsRefusalAndStaysOpenThenSaves)
{
    TfrmMCount dialog(db.services, "A4纸 修改数量", "UIn_CG_Bill", stock.lineIds[0], "20");
    EXPECT_EQ(dialog.windowTitle(), "A4纸 修改数量");
    EXPECT_EQ(dialog.box()->text(), "20");
    dialog.box()->setText("1.2.");
    dialog.findChild<QPushButton *>("BitBtn1")->click();
    EXPECT_EQ(db.dialogs.lastText(), "数量 必须是有效的数字！");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    dialog.box()->setText("12");
    dialog.findChild<QPushButton *>("BitBtn1")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(testBalance(db, item, 1), 12);
}

TEST_F(Corrections, PriceAndRemarkDialogsSave)
{
    TfrmMPrice price(db.services, "采购明细单价", "UIn_CG_Bill", stock.lineIds[0], "1");
    price.box()->setText("");
    price.save();
    EXPECT_EQ(price.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(db.value("select APrice from UIn_CG_Bill").toDouble(), 0);

    TfrmMRemark remark(db.services, "采购明细备注", "UIn_CG_Bill", stock.lineIds[0], "");
    EXPECT_EQ(remark.box()->maxLength(), 50);
    remark.box()->setText("加急");
    remark.save();
    EXPECT_EQ(db.value("select Remark from UIn_CG_Bill").toString(), "加急");
}

} // namespace
