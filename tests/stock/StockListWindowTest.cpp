// The stock list window: searches with totals and export, the pop-up commands with
// their rights, the correction, deletes, and two lists that each act on their own rows.
#include "OpenpyxlSheet.h"
#include "BalanceFixture.h"
#include "documents/LineDialogs.h"
#include "documents/PurchaseIn.h"
#include "pictures/PictureListModel.h"
#include "pictures/TfrmPic_List.h"
#include "stock/TfrmLDJL.h"
#include "stock/TfrmWList.h"
#include "stock/TfrmWQ_D.h"
#include "stock/TfrmWare_Q.h"
#include "store/Numbers.h"
#include "support/Screenshots.h"
#include "support/StockDocuments.h"
#include "ui/DataGrid.h"
#include "ui/LineGridModel.h"
#include "ui/QueryRowsModel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Runs `answer` on the next modal dialog that opens, and records whether one opened.
void whenModalOpens(std::function<void(QWidget *)> answer)
{
    QTimer::singleShot(0, [answer] { answer(QApplication::activeModalWidget()); });
}

struct StockListWindow : ::testing::Test, BalanceFixture {
    int first = storage("甲库");
    int second = storage("乙库");
    int stapler = item("0012", "订书机", 12.5, "是", 5, 20);
    int paper = item("0013", "复印纸", 1000.1, "是", 1, 2);
    int ink = item("0014", "墨水", 3, "否", 5, 20);

    StockListWindow()
    {
        db.context.OrgName = "测试单位";
        // Purchases through the purchase-in save, issues as the document windows write them.
        purchase({{stapler, 4}, {paper, 3}}, first);
        purchase({{stapler, 10}}, second);
        saveTestDocument(db, "UOut_LY", {TestLine{.item = stapler, .storage = first, .count = 1.5}});
        saveTestDocument(db, "UOut_JC", {TestLine{.item = paper, .storage = first, .count = 3}});
        saveTestDocument(db, "UIn_BY", {TestLine{.item = ink, .storage = second, .count = 2}});
    }

    void purchase(std::initializer_list<std::pair<int, double>> lines, int sid)
    {
        PurchaseIn::Header header;
        header.supplierName = "文具店";
        header.purchaser = header.handler = "张三";
        header.storageId = QString::number(sid);
        header.storageName = db.value("select SName from SStorage where ID=?", {sid}).toString();
        header.date = kTestLoginDate;
        LineGridModel grid({"序号", "物品编码", "物品名称", "规格型号", "单位", "单价", "数量", "金额", "备注"},
                           PurchaseIn::kColumnCount);
        int line = 0;
        for (const auto &[aid, count] : lines) {
            ++line;
            grid.setCell(line, PurchaseIn::Code, db.value("select theNum from UArticle where ID=?", {aid}).toString());
            grid.setCell(line, PurchaseIn::Price, db.value("select APrice from UArticle where ID=?", {aid}).toString());
            grid.setCell(line, PurchaseIn::Quantity, numberText(count));
            grid.setCell(line, PurchaseIn::ItemId, QString::number(aid));
        }
        ASSERT_FALSE(PurchaseIn::check(db.services, header, grid));
        PurchaseIn::save(db.services, header, grid);
    }

    static QStringList column(const FilteredList &list, const QString &title)
    {
        QStringList values;
        for (int row = 0; row < list.rows()->rowCount(); ++row)
            values << list.rows()->value(row, title).toString();
        return values;
    }
    static void run(TfrmWare_Q &list, const char *command)
    {
        list.contextMenu()->findChild<QAction *>(command)->trigger();
    }
    // Moves the current row to the row of `code` in `storage`.
    static void choose(TfrmWare_Q &list, const QString &code, const QString &storage)
    {
        for (int row = 0; row < list.rows()->rowCount(); ++row) {
            if (list.rows()->value(row, "物品编码") == code && list.rows()->value(row, "仓库名称") == storage)
                list.grid()->setCurrentIndex(list.rows()->index(row, 1));
        }
    }
    QString exportedFile() const
    {
        return db.dialogs.openedUrls.isEmpty() ? QString() : db.dialogs.openedUrls.last().toLocalFile();
    }
};

TEST_F(StockListWindow, RowsAndTotalsEqualTheHandSumsAndExportWithTheTotalsRow)
{
    TfrmWare_Q list(db.services);
    EXPECT_EQ(list.windowTitle(), "库存物品一览表");
    EXPECT_EQ(list.rows()->rowCount(), 0); // no search at opening
    EXPECT_FALSE(list.findChild<QPushButton *>("BitBtn2")->isEnabled());
    list.search();
    // 订书机 甲库 4 − 1.5, 复印纸 甲库 3 − 3, 订书机 乙库 10, 墨水 乙库 2.
    EXPECT_EQ(column(list, "库存数量"), QStringList({"2.5", "0", "10", "2"}));
    EXPECT_EQ(list.statusTexts(), QStringList({"记录数：4", "库存数量：14.5", "库存金额：162.25"}));
    list.chooseState("零库存");
    EXPECT_EQ(list.statusTexts(), QStringList({"记录数：1", "库存数量：0", "库存金额：0.00"}));
    list.chooseState("低于最低库存");
    EXPECT_EQ(column(list, "物品名称"), QStringList({"订书机", "复印纸"})); // 墨水 has warnings off
    list.chooseState("高于最高库存");
    EXPECT_EQ(list.statusTexts(), QStringList({"记录数：0", "库存数量：0", "库存金额：0.00"}));

    list.chooseState("全部");
    list.setFilter("仓库名称", FilterValue{true, "乙库"});
    list.search();
    list.resize(1200, 500);
    list.show();
    EXPECT_TRUE(saveScreenshot(list, "stock_list"));
    list.exportList();
    const OpenpyxlSheet sheet(exportedFile());
    ASSERT_TRUE(sheet.ok) << sheet.error.toStdString();
    EXPECT_EQ(sheet.row(1), QStringList{"测试单位库存物品一览表"});
    EXPECT_EQ(sheet.row(2), QStringList({"序号", "仓库名称", "物品编码", "物品分类", "物品名称", "规格型号", "单位",
                                         "单价", "库存数量", "库存金额", "备注", "货位名称"}));
    EXPECT_EQ(sheet.row(3), QStringList({"1", "乙库", "0012", "办公用品", "订书机", "A4", "个", "12.5", "10", "125",
                                         "", "一号架"}));
    EXPECT_TRUE(sheet.isText[2][2]);
    EXPECT_EQ(sheet.row(5), QStringList({"合计", "", "", "", "", "", "", "", "12", "131"}));
    EXPECT_TRUE(sheet.merges.contains("A1:L1"));
    EXPECT_TRUE(sheet.landscape);
}

TEST_F(StockListWindow, CorrectionWritesOneAdjustmentRowAndNothingWhenUnchangedOrBad)
{
    TfrmWare_Q list(db.services);
    list.setFilter("物品编码", FilterValue{true, "0012"});
    list.setFilter("仓库名称", FilterValue{true, "乙库"});
    list.search();
    const int ledgerRows = db.dm.myRetCount("select ID from UWList");
    const auto correct = [&](const QString &typed, bool expectClosed) {
        bool opened = false;
        whenModalOpens([&](QWidget *modal) {
            auto *dialog = qobject_cast<TfrmMCount *>(modal);
            ASSERT_NE(dialog, nullptr);
            opened = true;
            EXPECT_EQ(dialog->windowTitle(), "订书机 修改数量");
            dialog->box()->setText(typed);
            dialog->save();
            if (dialog->isVisible()) {
                EXPECT_FALSE(expectClosed) << typed.toStdString();
                dialog->reject();
            }
        });
        run(list, "K1");
        EXPECT_TRUE(opened);
    };

    correct("10", true); // the same count
    EXPECT_EQ(db.dm.myRetCount("select ID from UWList"), ledgerRows);
    correct("1.2.", false); // not a number: refused, nothing written
    EXPECT_EQ(db.dm.myRetCount("select ID from UWList"), ledgerRows);
    EXPECT_EQ(testBalance(db, stapler, second), 10);

    correct("3", true);
    EXPECT_EQ(column(list, "库存数量"), QStringList{"3"}); // the list searched again
    QSqlQuery ledger = db.dm.select("select theType, theNum, theIn, theOut, KCCount from UWList where ID > ?",
                                    {ledgerRows});
    ASSERT_TRUE(ledger.next());
    EXPECT_EQ(ledger.value(0).toString(), "库存调整");
    EXPECT_EQ(ledger.value(1).toString(), "");
    EXPECT_EQ(ledger.value(2).toDouble(), 0);
    EXPECT_EQ(ledger.value(3).toDouble(), 7);
    EXPECT_EQ(ledger.value(4).toDouble(), 3);
    EXPECT_FALSE(ledger.next());

    db.context.RightModify = "否";
    bool opened = false;
    whenModalOpens([&](QWidget *modal) {
        opened = modal != nullptr;
        if (modal)
            modal->close();
    });
    run(list, "K1");
    QApplication::processEvents();
    EXPECT_FALSE(opened);
}

TEST_F(StockListWindow, DeletesRefuseRowsWithStockAndKeepToTheListedRows)
{
    TfrmWare_Q list(db.services);
    list.search();
    choose(list, "0012", "乙库");
    db.dialogs.answers = {true};
    run(list, "D1");
    EXPECT_EQ(db.dialogs.texts(), QStringList({"确认要删除吗？该删除将不可恢复！", "0012 订书机 有库存，不能删除！"}));
    EXPECT_EQ(list.recordCount(), 4);

    choose(list, "0013", "甲库"); // 0 in stock
    db.dialogs.clear();
    db.dialogs.answers = {true};
    run(list, "D1");
    EXPECT_EQ(list.recordCount(), 3);
    EXPECT_EQ(db.dialogs.texts(), QStringList{"确认要删除吗？该删除将不可恢复！"});

    // 全部删除 acts on the listed rows only and says how many it kept.
    book(ink, first, {"1", "-1"});
    book(paper, second, {"0"});
    list.setFilter("仓库名称", FilterValue{true, "甲库"});
    list.search();
    EXPECT_EQ(list.recordCount(), 2);
    db.dialogs.clear();
    db.dialogs.answers = {true};
    run(list, "Q1");
    EXPECT_EQ(db.dialogs.texts(), QStringList({"确认要全部删除吗？该删除将不可恢复！", "1 条库存记录 有库存，不能删除！"}));
    EXPECT_EQ(column(list, "物品编码"), QStringList{"0012"});
    EXPECT_NE(balanceId(paper, second), 0); // not listed, not deleted

    db.context.RightDelete = "否";
    db.dialogs.clear();
    run(list, "Q1");
    run(list, "D1");
    EXPECT_TRUE(db.dialogs.messages.isEmpty());
}

TEST_F(StockListWindow, TwoListsEachActOnTheirOwnRows)
{
    book(ink, first, {"30"}); // 墨水 has warnings off: never under a warning button
    book(stapler, first, {"30"});
    TfrmWare_Q below(db.services);
    below.chooseState("低于最低库存");
    TfrmWare_Q above(db.services);
    above.chooseState("高于最高库存");
    EXPECT_EQ(column(below, "物品名称"), QStringList({"复印纸"}));
    EXPECT_EQ(column(above, "物品名称"), QStringList({"订书机"}));

    // The report opened from the first list writes the first list's rows.
    db.context.RightExport = "否";
    whenModalOpens([](QWidget *modal) {
        auto *report = qobject_cast<TfrmWQ_D *>(modal);
        ASSERT_NE(report, nullptr);
        report->exportReport();
        report->reject();
    });
    run(below, "B1");
    const OpenpyxlSheet sheet(exportedFile());
    ASSERT_TRUE(sheet.ok) << sheet.error.toStdString();
    EXPECT_EQ(int(sheet.rows.size()), 2 + int(below.recordCount()));
    EXPECT_EQ(sheet.row(3).mid(1, 4), QStringList({below.rows()->value(0, "仓库名称").toString(),
                                                   below.rows()->value(0, "物品编码").toString(), "办公用品",
                                                   below.rows()->value(0, "物品名称").toString()}));

    // The picture list shows the items of this list's rows.
    whenModalOpens([&](QWidget *modal) {
        auto *pictures = qobject_cast<TfrmPic_List *>(modal);
        ASSERT_NE(pictures, nullptr);
        const PictureListModel *items = pictures->model();
        ASSERT_NE(items->item(items->index(0, 0)), nullptr);
        EXPECT_EQ(items->item(items->index(0, 0))->name, "订书机");
        EXPECT_EQ(items->item(items->index(0, 1)), nullptr);
        pictures->reject();
    });
    run(above, "L1");
}

TEST_F(StockListWindow, CommandsOpenTheirWindowsForTheCurrentRow)
{
    TfrmWare_Q list(db.services);
    run(list, "V1"); // an empty list: nothing opens
    list.search();
    choose(list, "0012", "甲库");
    run(list, "C1");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "0012");

    whenModalOpens([](QWidget *modal) {
        auto *record = qobject_cast<TfrmLDJL *>(modal);
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->field("所在仓库"), "甲库");
        EXPECT_EQ(record->field("库存数量"), "2.5");
        EXPECT_EQ(record->list(0)->rows()->rowCount(), 2); // purchases of both storages
        record->reject();
    });
    run(list, "V1");

    whenModalOpens([](QWidget *modal) {
        auto *ledger = qobject_cast<TfrmWList *>(modal);
        ASSERT_NE(ledger, nullptr);
        EXPECT_EQ(ledger->windowTitle(), "甲库 0012 订书机 库存流动记录");
        EXPECT_EQ(ledger->grid()->rows()->rowCount(), 2); // the purchase and the requisition
        ledger->reject();
    });
    run(list, "J1");

    run(list, "F1");
    EXPECT_EQ(db.dialogs.lastText(), "0012 订书机 没有上传文件！");
}

} // namespace
