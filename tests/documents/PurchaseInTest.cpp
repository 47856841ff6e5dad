// The purchase-in document: the window's lookups and keyboard flow, the checks of a
// save and what a save writes.
#include "documents/PurchaseIn.h"
#include "documents/TfrmA_In.h"
#include "documents/TfrmIN_CG.h"
#include "store/DatabaseError.h"
#include "support/Screenshots.h"
#include "support/TestDatabase.h"
#include "ui/DataGrid.h"
#include "ui/LineGrid.h"
#include "ui/LookupComboBox.h"
#include "ui/PickerDialog.h"

#include <QApplication>
#include <QLabel>
#include <QSqlRecord>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <xlsxwriter.h>

namespace {

using namespace PurchaseIn;

// A catalogue of four items, a supplier and two persons.
struct PurchaseWindow : ::testing::Test {
    TestDatabase db;

    PurchaseWindow()
    {
        db.context.DefaultStorage = "1";
        db.dm.myESQL("insert into UArticle (theNum, AName, AStandard, AUnit, APrice, thePY, Remark) values "
                     "('A001', 'A4纸', '80g', '包', 25, 'AZ', ''), ('A002', '签字笔', '0.5mm', '支', 2.5, 'QZB', '黑色'), "
                     "('B001', '订书机', '', '个', 30, 'DSJ', ''), ('B002', '订书钉', '', '盒', 3, 'DSD', '')");
        db.dm.myESQL("insert into UMerchant (MName, thePY) values ('北京文具', 'BJWJ')");
        db.dm.myESQL("insert into SPerson (theNum, DName, PName, thePY) values ('01', '行政部', '张三', 'ZS'), "
                     "('02', '行政部', '李四', 'LS')");
    }

    // The cell editor open in the grid; closed editors linger until deleted later.
    static QLineEdit *openEditor(LineGrid &grid)
    {
        for (QLineEdit *editor : grid.findChildren<QLineEdit *>()) {
            if (editor->isVisible())
                return editor;
        }
        return nullptr;
    }
    // Types `text` into a cell of the grid as a user does, then presses Enter.
    static void typeAndEnter(LineGrid &grid, int line, int column, const QString &text)
    {
        grid.setCurrent(line, column);
        if (!text.isEmpty()) {
            QTest::keyClick(&grid, text.at(0).toLatin1());
            QLineEdit *editor = openEditor(grid);
            ASSERT_NE(editor, nullptr);
            QTest::keyClicks(editor, text.mid(1));
            // Enter closes the editor, so its release reaches the grid, as with real focus.
            QTest::keyPress(editor, Qt::Key_Return);
            QTest::keyRelease(&grid, Qt::Key_Return);
        } else {
            QTest::keyClick(&grid, Qt::Key_Return);
        }
    }
    // Runs `answer` on the next modal dialog that opens.
    static void whenModalOpens(std::function<void(QWidget *)> answer)
    {
        QTimer::singleShot(0, [answer] { answer(QApplication::activeModalWidget()); });
    }
    static QStringList line(LineGrid &grid, int line)
    {
        QStringList cells;
        for (int column = Code; column <= RequestLineId; ++column)
            cells << grid.lines()->cell(line, column);
        return cells;
    }
    QString itemId(const QString &code)
    {
        return db.value("select ID from UArticle where theNum=?", {code}).toString();
    }
    QStringList rows(const QString &statement)
    {
        QStringList result;
        QSqlQuery query = db.dm.select(statement);
        while (query.next()) {
            QStringList fields;
            for (int i = 0; i < query.record().count(); ++i)
                fields << query.value(i).toString();
            result << fields.join('|');
        }
        return result;
    }
};

TEST_F(PurchaseWindow, OneMatchFillsTheLineAndMovesOn)
{
    TfrmIN_CG window(db.services);
    window.show();
    LineGrid &grid = *window.grid();
    typeAndEnter(grid, 1, Code, "dsj");
    EXPECT_EQ(line(grid, 1), QStringList({"B001", "订书机", "", "个", "30", "1", "30", "", itemId("B001"), ""}));
    EXPECT_EQ(grid.currentLine(), 2);
    EXPECT_EQ(grid.currentColumn(), int(Code));

    // Enter on the price moves to the quantity, on the quantity to the next line.
    typeAndEnter(grid, 1, Price, "28");
    EXPECT_EQ(grid.currentColumn(), int(Quantity));
    typeAndEnter(grid, 1, Quantity, "4");
    EXPECT_EQ(grid.lines()->cell(1, Amount), "112");
    EXPECT_EQ(grid.currentLine(), 2);
    EXPECT_EQ(grid.currentColumn(), int(Code));
}

TEST_F(PurchaseWindow, Screenshot)
{
    TfrmIN_CG window(db.services);
    window.show();
    window.findChild<QLineEdit *>("Edit1")->setText("北京文具");
    window.findChild<QLineEdit *>("Edit7")->setText("张三");
    typeAndEnter(*window.grid(), 1, Code, "A001");
    typeAndEnter(*window.grid(), 2, Code, "dsj");
    EXPECT_TRUE(saveScreenshot(window, "purchase_in"));
    whenModalOpens([](QWidget *modal) {
        EXPECT_TRUE(saveScreenshot(*modal, "item_picker"));
        static_cast<QDialog *>(modal)->reject();
    });
    typeAndEnter(*window.grid(), 3, Code, "0");
    whenModalOpens([](QWidget *modal) {
        EXPECT_TRUE(saveScreenshot(*modal, "new_item"));
        static_cast<QDialog *>(modal)->reject();
    });
    typeAndEnter(*window.grid(), 4, Code, "ZZZ");
}

TEST_F(PurchaseWindow, PriceAndQuantityTakeOnlyDigitsAndPoint)
{
    TfrmIN_CG window(db.services);
    window.show();
    LineGrid &grid = *window.grid();
    typeAndEnter(grid, 1, Code, "A001");
    grid.setCurrent(1, Quantity);
    QTest::keyClick(&grid, 'x');
    EXPECT_EQ(openEditor(grid), nullptr); // the letter did not even open the editor
    EXPECT_FALSE(grid.accepts(Quantity, "a"));
    EXPECT_TRUE(grid.accepts(Price, "."));
    EXPECT_FALSE(grid.accepts(Amount, "5"));
    EXPECT_TRUE(grid.accepts(Name, "x"));
}

TEST_F(PurchaseWindow, SeveralMatchesOpenThePickerAndTheChoiceStaysOnTheLine)
{
    TfrmIN_CG window(db.services);
    window.show();
    LineGrid &grid = *window.grid();
    QString caption;
    int records = 0;
    whenModalOpens([&](QWidget *modal) {
        auto *picker = qobject_cast<PickerDialog *>(modal);
        ASSERT_NE(picker, nullptr);
        caption = picker->windowTitle();
        records = picker->recordCount();
        DataGrid *rows = picker->grid();
        for (int row = 0; row < picker->recordCount(); ++row) {
            if (picker->value(row, "物品编码") == "A002")
                rows->setCurrentIndex(rows->rows()->index(row, 0));
        }
        QTest::keyClick(rows, Qt::Key_Return);
    });
    typeAndEnter(grid, 1, Code, "A00");
    EXPECT_EQ(caption, "物品 查找");
    EXPECT_EQ(records, 2);
    EXPECT_EQ(line(grid, 1), QStringList({"A002", "签字笔", "0.5mm", "支", "2.5", "1", "2.5", "黑色", itemId("A002"), ""}));
    // Enter in the code column with a code moves on to the price.
    EXPECT_EQ(grid.currentLine(), 1);
    EXPECT_EQ(grid.currentColumn(), int(Price));
}

TEST_F(PurchaseWindow, SelectAllFillsLinesDownToLine99AndSaysWhatDidNotFit)
{
    TfrmIN_CG window(db.services);
    window.show();
    LineGrid &grid = *window.grid();
    whenModalOpens([](QWidget *modal) { qobject_cast<PickerDialog *>(modal)->A1Click(); });
    typeAndEnter(grid, 98, Code, "0"); // all four items match
    EXPECT_EQ(grid.lines()->cell(98, Code), "A001");
    EXPECT_EQ(grid.lines()->cell(99, Code), "A002");
    EXPECT_EQ(db.dialogs.lastText(), "单据最多 99 行，有 2 条物品未能加入！");
    EXPECT_EQ(grid.currentLine(), 99);
}

TEST_F(PurchaseWindow, AnItemAlreadyOnTheDocumentGetsOneMore)
{
    TfrmIN_CG window(db.services);
    window.show();
    LineGrid &grid = *window.grid();
    typeAndEnter(grid, 1, Code, "A001");
    typeAndEnter(grid, 2, Code, "A001");
    EXPECT_EQ(grid.lines()->cell(1, Quantity), "2");
    EXPECT_EQ(grid.lines()->cell(1, Amount), "50");
    EXPECT_EQ(line(grid, 2), QStringList(10, QString()));
}

TEST_F(PurchaseWindow, AnUnknownCodeOpensTheNewItemDialog)
{
    TfrmIN_CG window(db.services);
    window.show();
    LineGrid &grid = *window.grid();
    QStringList messages;
    whenModalOpens([&](QWidget *modal) {
        auto *dialog = qobject_cast<TfrmA_In *>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "物品录入");
        EXPECT_EQ(dialog->edit("Edit1")->text(), "C900");
        dialog->edit("Edit1")->setText("A001"); // taken
        dialog->edit("Edit2")->setText("回形针");
        dialog->edit("Edit4")->setText("盒");
        dialog->edit("Edit5")->setText("4.5");
        dialog->BitBtn1Click();
        messages << db.dialogs.texts();
        dialog->edit("Edit1")->setText("C900");
        dialog->BitBtn1Click();
    });
    typeAndEnter(grid, 1, Code, "C900");
    EXPECT_EQ(messages, QStringList{"物品编码 添加重复！"});
    EXPECT_EQ(line(grid, 1), QStringList({"C900", "回形针", "", "盒", "4.5", "1", "4.5", "", itemId("C900"), ""}));
    EXPECT_EQ(rows("select AName, thePY, YJMin, YJMax, theYJ, theDate from UArticle where theNum='C900'"),
              QStringList{"回形针|HXZ|9|99|否|" + kTestLoginDate});
    EXPECT_EQ(grid.currentLine(), 2);
}

TEST_F(PurchaseWindow, NewItemDialogChecksItsFieldsInOrder)
{
    TfrmA_In dialog(db.services, QString());
    EXPECT_EQ(dialog.edit("Edit1")->text(), "2603150001"); // proposed from the item count of the day
    dialog.edit("Edit1")->clear();
    const struct { const char *field, *value, *message; } steps[] = {
        {"Edit1", "X1", "物品编码 不能为空！"}, {"Edit2", "胶水", "物品名称 不能为空！"},
        {"Edit4", "瓶", "单位 不能为空！"},     {"Edit5", "6", "单价 不能为空！"},
    };
    for (const auto &step : steps) {
        dialog.BitBtn1Click();
        EXPECT_EQ(db.dialogs.lastText(), QString::fromUtf8(step.message));
        dialog.edit(step.field)->setText(QString::fromUtf8(step.value));
    }
    dialog.BitBtn1Click();
    EXPECT_EQ(dialog.createdItem().code, "X1");
    EXPECT_EQ(dialog.createdItem().id, itemId("X1"));
}

// Header fields of a document that passes every check.
Header goodHeader()
{
    Header h;
    h.supplierName = "北京文具";
    h.purchaser = "张三";
    h.handler = "李四";
    h.storageId = "1";
    h.storageName = "物品仓库";
    h.date = "2026-03-14";
    h.remark = "季度'补货";
    return h;
}

void setLine(LineGridModel &lines, int line, const QStringList &cells)
{
    for (int column = 0; column < cells.size(); ++column)
        lines.setCell(line, Code + column, cells[column]);
}

TEST_F(PurchaseWindow, ChecksRunInOrderAndStopAtTheFirstFailure)
{
    const struct {
        std::function<void(Header &, LineGridModel &)> spoil;
        const char *message;
        Focus focus;
    } cases[] = {
        {[](Header &h, LineGridModel &) { h.supplierName.clear(); h.purchaser.clear(); },
         "商家名称 不能为空！请录入 商家名称！", Focus::SupplierName},
        {[](Header &h, LineGridModel &) { h.purchaser.clear(); h.handler.clear(); }, "采购人 不能为空！请选择 采购人！", Focus::Purchaser},
        {[](Header &h, LineGridModel &) { h.handler.clear(); h.storageId.clear(); }, "经办人 不能为空！请选择 经办人！", Focus::Handler},
        {[](Header &h, LineGridModel &) { h.storageId.clear(); }, "入库仓库 不能为空！请选择 入库仓库！", Focus::Storage},
        {[](Header &, LineGridModel &l) { l.clearLine(1); l.clearLine(2); }, "采购入库明细 不能为空！", Focus::Grid},
        {[](Header &, LineGridModel &l) { l.setCell(2, Quantity, "0"); l.setCell(1, Price, ""); },
         "B001 订书机 数量不能小于或等于0！", Focus::Grid},
        {[](Header &, LineGridModel &l) { l.setCell(2, Quantity, "两个"); }, "B001 订书机 数量不是有效的数字！", Focus::Grid},
        {[](Header &, LineGridModel &l) { l.setCell(2, Price, ""); }, "B001 单价 不能为空！", Focus::Grid},
        {[](Header &, LineGridModel &l) { l.setCell(1, Price, "1.2.3"); }, "A001 单价不是有效的数字！", Focus::Grid},
    };
    for (const auto &c : cases) {
        LineGridModel lines(QStringList(9), kColumnCount);
        setLine(lines, 1, {"A001", "A4纸", "80g", "包", "25", "2", "50", "", itemId("A001")});
        setLine(lines, 2, {"B001", "订书机", "", "个", "30", "1", "30", "", itemId("B001")});
        Header header = goodHeader();
        c.spoil(header, lines);
        const std::optional<CheckFailure> failure = check(db.services, header, lines);
        ASSERT_TRUE(failure.has_value()) << c.message;
        EXPECT_EQ(failure->message, QString::fromUtf8(c.message));
        EXPECT_EQ(failure->focus, c.focus) << c.message;
    }
    EXPECT_EQ(db.dm.myRetCount("select * from UIn_CG"), 0);
}

TEST_F(PurchaseWindow, ASaveWritesHeaderLinesStockLedgerPriceAndRequestCounter)
{
    db.dm.myESQL("insert into USQ_Bill (theNum, AID, theCount, APrice, theCG, theLY, theJY, myID, theDel) "
                 "values ('2603100001', ?, 5, 20, 1, 0, 0, 1, 0)", {itemId("A001").toInt()});
    db.dm.SaveWare(itemId("A001"), "10", "1"); // already in stock
    LineGridModel lines(QStringList(9), kColumnCount);
    setLine(lines, 1, {"A001", "A4纸", "80g", "包", "26.5", "2.5", "", "急用", itemId("A001"),
                       db.value("select ID from USQ_Bill").toString()});
    setLine(lines, 3, {"N-1", "新墨盒", "HP 88", "个", "120", "2", "", "", "", ""});
    Header header = goodHeader();
    ASSERT_FALSE(check(db.services, header, lines).has_value());
    EXPECT_EQ(header.supplierId, "1"); // the existing supplier by exact name

    const QString number = save(db.services, header, lines);
    EXPECT_EQ(number, "2603150001");
    const QString newItem = itemId("N-1");
    EXPECT_EQ(lines.cell(3, ItemId), newItem);
    EXPECT_EQ(rows("select theNum, theUser, myDate, theCGPro, theBGPro, MID, SID, Remark, theDate, theDel, SName from UIn_CG"),
              QStringList{"2603150001|系统管理员|2026-03-14|张三|李四|1|1|季度'补货|2026-03-15|0|物品仓库"});
    EXPECT_EQ(rows("select theNum, AID, APrice, theCount, SID, Remark, myID, theDel from UIn_CG_Bill order by ID"),
              QStringList({"2603150001|" + itemId("A001") + "|26.5|2.5|1|急用|1|0",
                           "2603150001|" + newItem + "|120|2|1||2|0"}));
    EXPECT_EQ(rows("select AID, WCount from UWare order by AID"),
              QStringList({itemId("A001") + "|12.5", newItem + "|2"}));
    EXPECT_EQ(rows("select theType, theNum, SID, AID, theIn, theOut, KCCount from UWList order by ID"),
              QStringList({"采购入库|2603150001|1|" + itemId("A001") + "|2.5|0|12.5",
                           "采购入库|2603150001|1|" + newItem + "|2|0|2"}));
    EXPECT_EQ(db.value("select APrice from UArticle where theNum='A001'").toString(), "26.5");
    EXPECT_EQ(rows("select AName, AStandard, AUnit, APrice, thePY, theDate from UArticle where theNum='N-1'"),
              QStringList{"新墨盒|HP 88|个|120|XMH|" + kTestLoginDate});
    EXPECT_EQ(db.value("select theCG from USQ_Bill").toString(), "3.5");
}

TEST_F(PurchaseWindow, AFailedWriteLeavesNothingBehind)
{
    LineGridModel lines(QStringList(9), kColumnCount);
    setLine(lines, 1, {"A001", "A4纸", "80g", "包", "25", "2", "", "", itemId("A001"), ""});
    setLine(lines, 2, {"N-2", "新品", "", "个", "5", "1", "", "", "", ""});
    Header header = goodHeader();
    ASSERT_FALSE(check(db.services, header, lines).has_value());
    db.dm.myESQL("drop table UWList"); // the ledger row of the first line fails
    EXPECT_THROW(save(db.services, header, lines), DatabaseError);
    for (const char *table : {"UIn_CG", "UIn_CG_Bill", "UWare"})
        EXPECT_EQ(db.dm.myRetCount(QString("select * from ") + table), 0) << table;
    EXPECT_EQ(itemId("N-2"), QString());
    EXPECT_EQ(lines.cell(2, ItemId), QString()); // no ID of a rolled-back item in the grid
    EXPECT_EQ(db.value("select APrice from UArticle where theNum='A001'").toString(), "25");
}

TEST_F(PurchaseWindow, TwoSavesInARowGiveConsecutiveNumbersAndAnEmptyGrid)
{
    TfrmIN_CG window(db.services);
    window.show();
    auto *supplier = window.findChild<QLineEdit *>("Edit1");
    for (int round = 0; round < 2; ++round) {
        supplier->setText(round == 0 ? "上海'新纪元" : "北京文具");
        window.findChild<QLineEdit *>("Edit7")->setText("张三");
        window.findChild<QLineEdit *>("Edit8")->setText("李四");
        typeAndEnter(*window.grid(), 1, Code, "A001");
        window.findChild<QPushButton *>("BitBtn1")->click();
        EXPECT_EQ(db.dialogs.lastText(), "采购入库单 保存成功！");
        EXPECT_EQ(line(*window.grid(), 1), QStringList(10, QString()));
        EXPECT_EQ(supplier->text(), QString());
        EXPECT_EQ(window.findChild<LookupComboBox *>("DBLookupComboBox1")->keyValue().toString(), "1");
    }
    EXPECT_EQ(db.dialogs.previews, 2);
    EXPECT_EQ(rows("select theNum || '|' || MID from UIn_CG order by ID"),
              QStringList({"2603150001|2", "2603150002|1"}));
    EXPECT_EQ(rows("select MName || '|' || thePY from UMerchant where ID=2"), QStringList{"上海'新纪元|SHXJY"});
}

TEST_F(PurchaseWindow, AFailedCheckShowsItsMessageAndFocusesTheField)
{
    TfrmIN_CG window(db.services);
    window.show();
    window.findChild<QLineEdit *>("Edit1")->setText("北京文具");
    window.findChild<QPushButton *>("BitBtn1")->click();
    EXPECT_EQ(db.dialogs.lastText(), "采购人 不能为空！请选择 采购人！");
    EXPECT_EQ(window.focusWidget(), window.findChild<QLineEdit *>("Edit7"));
    EXPECT_EQ(db.dm.myRetCount("select * from UIn_CG"), 0);
}

TEST_F(PurchaseWindow, PersonAndSupplierBoxesFillFromTheirPickers)
{
    TfrmIN_CG window(db.services);
    window.show();
    auto *purchaser = window.findChild<QLineEdit *>("Edit7");
    purchaser->setText("ls");
    whenModalOpens([](QWidget *modal) {
        auto *picker = qobject_cast<PickerDialog *>(modal);
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(picker->windowTitle(), "查找 人员");
        picker->myLoad();
    });
    QTest::keyClick(purchaser, Qt::Key_Return);
    EXPECT_EQ(purchaser->text(), "李四");

    auto *supplier = window.findChild<QLineEdit *>("Edit1");
    supplier->setText("bj");
    whenModalOpens([](QWidget *modal) { qobject_cast<PickerDialog *>(modal)->myLoad(); });
    QTest::keyClick(supplier, Qt::Key_Return);
    EXPECT_EQ(supplier->text(), "北京文具");
    EXPECT_EQ(window.findChild<QLabel *>("LabJSSID")->text(), "1");
    supplier->clear(); // an emptied name forgets the supplier
    EXPECT_EQ(window.findChild<QLabel *>("LabJSSID")->text(), QString());
}

TEST_F(PurchaseWindow, OpenedFromARequestTakesItsPeopleAndLinesOver)
{
    db.dm.myESQL("insert into USQ (theNum, theSQPro, theBGPro, Remark, theDel) values ('2603100001', '王五', '赵六', '开学', 0)");
    db.dm.myESQL("insert into USQ_Bill (theNum, AID, theCount, APrice, Remark, myID, theDel) values "
                 "('2603100001', ?, 3, 2.5, '蓝', 1, 0), ('2603100001', ?, 9, 1, '', 2, 1)",
                 {itemId("A002").toInt(), itemId("A001").toInt()});
    TfrmIN_CG window(db.services, "2603100001");
    EXPECT_EQ(window.findChild<QLineEdit *>("Edit7")->text(), "王五");
    EXPECT_EQ(window.findChild<QLineEdit *>("Edit8")->text(), "赵六");
    EXPECT_EQ(window.findChild<QLineEdit *>("Edit6")->text(), "开学");
    EXPECT_EQ(line(*window.grid(), 1), QStringList({"A002", "签字笔", "0.5mm", "支", "2.5", "3", "7.5", "蓝",
                                                   itemId("A002"), db.value("select min(ID) from USQ_Bill").toString()}));
    EXPECT_EQ(window.grid()->lines()->cell(2, Code), QString()); // the deleted request line stays out
}

TEST_F(PurchaseWindow, ImportFillsLinesByTitleAndStopsAtLine99)
{
    QTemporaryDir folder;
    const QString file = folder.filePath("lines.xlsx");
    lxw_workbook *book = workbook_new(file.toUtf8().constData());
    lxw_worksheet *sheet = workbook_add_worksheet(book, "Sheet1");
    const char *titles[] = {"数量", "物品编码", "物品名称", "单价", "备注", "规格型号", "单位", "金额"};
    for (int column = 0; column < 8; ++column)
        worksheet_write_string(sheet, 0, lxw_col_t(column), titles[column], nullptr);
    for (int row = 1; row <= 105; ++row) {
        worksheet_write_number(sheet, lxw_row_t(row), 0, row, nullptr);
        worksheet_write_string(sheet, lxw_row_t(row), 1, QString("X%1").arg(row).toUtf8().constData(), nullptr);
        worksheet_write_string(sheet, lxw_row_t(row), 2, "导入品", nullptr);
        worksheet_write_number(sheet, lxw_row_t(row), 3, 1.5, nullptr);
    }
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);

    TfrmIN_CG window(db.services);
    db.dialogs.fileNames = {file};
    window.importLines();
    EXPECT_EQ(line(*window.grid(), 1), QStringList({"X1", "导入品", "", "", "1.5", "1", "", "", "", ""}));
    EXPECT_EQ(window.grid()->lines()->cell(99, Code), "X99");
    EXPECT_EQ(db.dialogs.lastText(), "单据最多 99 行，Excel 中有 6 行物品未能导入！");

    db.dialogs.fileNames = {folder.filePath("missing.xlsx")};
    window.importLines();
    EXPECT_EQ(window.grid()->lines()->cell(1, Code), "X1"); // an unreadable file changes nothing
}

} // namespace
