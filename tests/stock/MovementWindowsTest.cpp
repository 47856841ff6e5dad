// The stock movement record (ledger of one item in one storage), the item movement
// record with its sectioned export, and the movement report dialog.
#include "OpenpyxlSheet.h"
#include "BalanceFixture.h"
#include "stock/StockQuery.h"
#include "stock/TfrmLDJL.h"
#include "stock/TfrmWList.h"
#include "stock/TfrmWQ_D.h"
#include "store/LedgerKinds.h"
#include "support/Screenshots.h"
#include "ui/DataGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QProgressBar>
#include <gtest/gtest.h>

namespace {

QStringList column(const DataGrid *grid, const QString &title)
{
    QStringList values;
    for (int row = 0; row < grid->rows()->rowCount(); ++row)
        values << grid->rows()->value(row, title).toString();
    return values;
}

struct MovementWindows : ::testing::Test, BalanceFixture {
    int first = storage("甲库");
    int second = storage("乙库");
    int stapler = item("0012", "订书机", 12.5);

    MovementWindows() { db.context.OrgName = "测试单位"; }

    // A document header and one line; `extra` names more line columns and their values.
    void document(const QString &header, const QString &num, const QString &date, const QString &headerColumns,
                  const QVariantList &headerValues, const QString &lineColumns, const QVariantList &lineValues,
                  bool deleted = false)
    {
        const auto marks = [](qsizetype n) { return placeholders(n); };
        db.dm.myESQL(QStringLiteral("insert into %1 (theNum, myDate, theDel%2) values (?, ?, 0%3)")
                         .arg(header, headerColumns.isEmpty() ? "" : ", " + headerColumns,
                              headerValues.isEmpty() ? "" : ", " + marks(headerValues.size())),
                     QVariantList{num, date} + headerValues);
        db.dm.myESQL(QStringLiteral("insert into %1_Bill (theNum, AID, theDel, %2) values (?, ?, ?, %3)")
                         .arg(header, lineColumns, marks(lineValues.size())),
                     QVariantList{num, stapler, deleted ? 1 : 0} + lineValues);
    }

    QString exportedFile() const
    {
        return db.dialogs.openedUrls.isEmpty() ? QString() : db.dialogs.openedUrls.last().toLocalFile();
    }
};

TEST_F(MovementWindows, LedgerListsOneItemInOneStorageAndExportsPlain)
{
    const QString aid = QString::number(stapler);
    const QString sid = QString::number(first);
    db.dm.SaveWare(aid, "5", sid);
    db.dm.mySaveUWList(LedgerKind::PurchaseIn, "0012", sid, aid, "5", "0");
    db.dm.SaveWare(aid, "-2", sid);
    db.dm.mySaveUWList(LedgerKind::StockCorrected, "", sid, aid, "0", "2");
    db.dm.SaveWare(aid, "7", QString::number(second));
    db.dm.mySaveUWList(LedgerKind::PurchaseIn, "0013", QString::number(second), aid, "7", "0");

    TfrmWList window(db.services, "甲库 0012 订书机 库存流动记录", first, stapler);
    window.show();
    EXPECT_EQ(column(window.grid(), "操作事件"), QStringList({"采购入库", "库存调整"}));
    EXPECT_EQ(column(window.grid(), "库存数量"), QStringList({"5", "3"}));
    EXPECT_TRUE(window.grid()->isColumnHidden(window.grid()->rows()->column("ID")));
    EXPECT_TRUE(saveScreenshot(window, "stock_ledger"));

    window.findChild<QAction *>("EXCELE1")->trigger();
    const OpenpyxlSheet sheet(exportedFile());
    ASSERT_TRUE(sheet.ok) << sheet.error.toStdString();
    EXPECT_TRUE(QFileInfo(exportedFile()).fileName().startsWith("甲库 0012 订书机 库存流动记录"));
    EXPECT_EQ(sheet.row(1), QStringList({"序号", "日期", "用户", "操作事件", "编号", "入库数量", "出库数量", "库存数量"}));
    EXPECT_EQ(sheet.row(2), QStringList({"1", kTestLoginDate, "系统管理员", "采购入库", "0012", "5", "0", "5"}));
    EXPECT_TRUE(sheet.isText[1][4]); // the number keeps its leading zeros
    EXPECT_EQ(sheet.row(3), QStringList({"2", kTestLoginDate, "系统管理员", "库存调整", "", "0", "2", "3"}));
    EXPECT_TRUE(sheet.merges.isEmpty());

    db.context.RightExport = "否";
    db.dialogs.openedUrls.clear();
    window.exportLedger();
    EXPECT_TRUE(db.dialogs.openedUrls.isEmpty());

    db.context.RightDelete = "否";
    window.deleteRow();
    EXPECT_TRUE(db.dialogs.messages.isEmpty());
    db.context.RightDelete = "是";
    db.dialogs.answers = {false};
    window.deleteRow();
    EXPECT_EQ(db.dialogs.lastText(), "确认要删除吗？该删除将不可恢复！");
    EXPECT_EQ(window.grid()->rows()->rowCount(), 2);
    db.dialogs.answers = {true};
    window.grid()->moveCursor(DataGrid::Move::Last);
    window.deleteRow();
    EXPECT_EQ(column(window.grid(), "操作事件"), QStringList{"采购入库"});
}

TEST_F(MovementWindows, MovementRecordListsLiveLinesOfEveryStorageNewestFirst)
{
    const int stationer = db.dm.insertRow("insert into UMerchant (MName) values ('文具店')");
    const int paper = db.dm.insertRow("insert into UMerchant (MName) values ('纸业')");
    document("UIn_CG", "1", "2025-03-01", "theCGPro, MID", {"张三", stationer}, "theCount, APrice, SID, Remark",
             {2, 3, first, "first"});
    document("UIn_CG", "2", "2025-03-05", "theCGPro, MID", {"李四", paper}, "theCount, APrice, SID, Remark",
             {4, 2.5, second, "second"});
    document("UIn_CG", "3", "2025-03-09", "theCGPro, MID", {"李四", paper}, "theCount, APrice, SID", {9, 1, first},
             true);
    db.dm.myESQL("delete from UMerchant where ID=?", {stationer}); // its purchases stay listed
    document("UOut_LY", "4", "2025-03-02", "theLYPro", {"王五"}, "theCount, SID", {1, first});
    document("UOut_JC", "5", "2025-03-03", "theLYPro, thePZPro", {"赵六", "钱七"}, "theCount, SID", {2, second});
    document("UIn_GH", "6", "2025-03-04", "theGHPro", {"赵六"}, "theCount, SID", {1, second});
    document("UOut_BS", "7", "2025-03-06", "thePZPro", {"钱七"}, "theCount, SID", {0.5, first});
    document("UIn_BY", "8", "2025-03-07", "thePZPro", {"钱七"}, "theCount, SID", {3, first});
    document("UOut_TH", "9", "2025-03-08", "theTHPro", {"张三"}, "theCount, SID", {1, first}); // not listed

    TfrmLDJL window(db.services, stapler, "甲库", "30");
    window.show();
    EXPECT_EQ(window.field("物品编码"), "0012");
    EXPECT_EQ(window.field("单价"), "12.5");
    EXPECT_EQ(window.field("所在仓库"), "甲库");
    EXPECT_EQ(window.field("库存数量"), "30");
    EXPECT_EQ(column(window.list(0), "采购日期"), QStringList({"2025-03-05", "2025-03-01"}));
    EXPECT_EQ(column(window.list(0), "供应商"), QStringList({"纸业", ""}));
    EXPECT_EQ(column(window.list(0), "金额"), QStringList({"10", "6"}));
    EXPECT_EQ(column(window.list(1), "领用人"), QStringList{"王五"});
    EXPECT_EQ(column(window.list(2), "批准人"), QStringList{"钱七"});
    EXPECT_EQ(column(window.list(3), "归还人"), QStringList{"赵六"});
    EXPECT_EQ(column(window.list(4), "数量"), QStringList{"0.5"});
    EXPECT_EQ(column(window.list(5), "报溢日期"), QStringList{"2025-03-07"});
    EXPECT_TRUE(saveScreenshot(window, "movement_record"));

    db.context.RightExport = "否"; // the record exports without the right
    window.exportRecord();
    const OpenpyxlSheet sheet(exportedFile());
    ASSERT_TRUE(sheet.ok) << sheet.error.toStdString();
    EXPECT_EQ(sheet.row(1), QStringList{"测试单位物品流动记录表"});
    EXPECT_EQ(sheet.row(3), QStringList({"", "订书机", "A4", "个", "12.5", "甲库", "30"}));
    EXPECT_EQ(sheet.row(5), QStringList{"采购记录"});
    EXPECT_EQ(sheet.row(7), QStringList({"1", "2025-03-05", "李四", "4", "2.5", "10", "纸业"}));
    EXPECT_EQ(sheet.row(8), QStringList({"2", "2025-03-01", "张三", "2", "3", "6"})); // supplier gone
    EXPECT_TRUE(sheet.isText[6][1]); // dates stay text
    const QStringList sections = {"领用记录", "借出记录", "归还记录", "报损记录", "报溢记录"};
    int row = 9;
    for (const QString &section : sections) {
        EXPECT_TRUE(sheet.row(row).isEmpty()) << section.toStdString();
        EXPECT_EQ(sheet.row(row + 1), QStringList{section});
        EXPECT_EQ(sheet.row(row + 3).value(0), "1") << section.toStdString();
        row += 4;
    }
    EXPECT_EQ(sheet.row(row - 1), QStringList({"1", "2025-03-07", "钱七", "3"}));
    EXPECT_EQ(int(sheet.rows.size()), row - 1);
}

TEST_F(MovementWindows, ReportWritesTheStockRowsWithTheirQuantitiesInThePeriod)
{
    const int ink = item("0013", "墨水", 3);
    book(stapler, first, {"10"});
    book(stapler, second, {"1"});
    book(ink, first, {"4"});
    document("UOut_LY", "1", "2025-03-01", "", {}, "theCount, SID", {5, first});
    document("UIn_GH", "2", "2025-03-31", "", {}, "theCount, SID", {2, first});
    document("UIn_GH", "3", "2025-04-01", "", {}, "theCount, SID", {100, first});
    document("USQ", "4", "2025-03-10", "", {}, "theCount", {7});
    document("UDB", "5", "2025-03-11", "", {}, "theCount, DBID, RKID", {3, first, second});

    TfrmWQ_D dialog(db.services, search(ticked({{1, "001"}})));
    EXPECT_FALSE(dialog.dateBox()->isChecked());
    EXPECT_EQ(dialog.fromDate()->date(), QDate::currentDate().addMonths(-1));
    dialog.dateBox()->setChecked(true);
    dialog.fromDate()->setDate(QDate(2025, 3, 1));
    dialog.toDate()->setDate(QDate(2025, 3, 31));
    db.context.RightExport = "否"; // the report exports without the right
    dialog.exportReport();
    EXPECT_EQ(dialog.progress()->value(), dialog.progress()->maximum());

    const OpenpyxlSheet sheet(exportedFile());
    ASSERT_TRUE(sheet.ok) << sheet.error.toStdString();
    EXPECT_EQ(sheet.row(1), QStringList{"测试单位物品流动报表 2025-03-01 2025-03-31"});
    EXPECT_EQ(sheet.row(2).mid(8), QStringList({"库存数量", "库存金额", "备注", "申请数量", "采购数量", "退货数量",
                                                "领用数量", "借用数量", "归还数量", "调出数量", "调入数量",
                                                "报损数量", "报溢数量"}));
    //                                      申请 采购 退货 领用 借用 归还 调出 调入 报损 报溢
    EXPECT_EQ(sheet.row(3), QStringList({"1", "甲库", "0012", "办公用品", "订书机", "A4", "个", "12.5", "10",
                                         "125", "", "7", "0", "0", "5", "0", "2", "3", "0", "0", "0"}));
    EXPECT_TRUE(sheet.isText[2][2]);
    EXPECT_EQ(sheet.row(4).mid(1, 2), QStringList({"乙库", "0012"}));
    EXPECT_EQ(sheet.row(4).mid(11), QStringList({"7", "0", "0", "0", "0", "0", "0", "3", "0", "0"}));
    EXPECT_EQ(sheet.row(5).mid(1, 2), QStringList({"甲库", "0013"}));
    EXPECT_EQ(int(sheet.rows.size()), 5);
    EXPECT_TRUE(sheet.landscape);
    EXPECT_TRUE(saveScreenshot(dialog, "movement_report"));
}

} // namespace
