// The loan, requisition, write-off and return-to-supplier documents: their refusals,
// their saves, the stock rule, the request take-over and the fill paths.
#include "documents/IssueDocument.h"
#include "documents/TfrmIN_CG.h"
#include "documents/TfrmOut_BS.h"
#include "documents/TfrmOut_JC.h"
#include "documents/TfrmOut_LY.h"
#include "documents/TfrmOut_TH.h"
#include "support/Screenshots.h"
#include "support/TestDatabase.h"
#include "ui/DataGrid.h"
#include "ui/LookupComboBox.h"
#include "ui/PickerDialog.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlRecord>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

using namespace IssueDocument;

// Runs `answer` on the next modal dialog that opens.
void whenModalOpens(std::function<void(QWidget *)> answer)
{
    QTimer::singleShot(0, [answer] { answer(QApplication::activeModalWidget()); });
}

// Types `text` into the code cell of `line` and presses Enter, as a user does.
void typeCode(LineGrid &grid, int line, const QString &text)
{
    grid.setCurrent(line, Code);
    grid.lines()->setCell(line, Code, text);
    QTest::keyClick(&grid, Qt::Key_Return);
}

// Items in storage 1 (物品仓库) and storage 2 (备用仓库), persons and a supplier.
struct IssueFixture : ::testing::Test {
    TestDatabase db;

    IssueFixture()
    {
        db.context.DefaultStorage = "1";
        db.context.LoanDays = "7";
        db.dm.myESQL("insert into SStorage (SName) values ('备用仓库')");
        db.dm.myESQL("insert into UArticle (theNum, AName, AStandard, AUnit, APrice, thePY, Remark) values "
                     "('A001', 'A4纸', '80g', '包', 25, 'AZ', '白'), ('A002', '签字笔', '0.5mm', '支', 2.5, 'QZB', ''), "
                     "('B001', '订书机', '', '个', 30, 'DSJ', ''), ('B002', '订书钉', '', '盒', 3, 'DSD', '')");
        stock("A001", "1", "4");
        stock("A002", "1", "10");
        stock("B001", "1", "5");
        stock("B002", "2", "8");
        db.dm.myESQL("insert into UMerchant (MName, thePY) values ('北京文具', 'BJWJ')");
        db.dm.myESQL("insert into SPerson (theNum, DName, PName, thePY) values ('01', '行政部', '张三', 'ZS'), "
                     "('02', '财务部', '李四', 'LS')");
    }

    void stock(const QString &code, const QString &storage, const QString &count)
    {
        db.dm.SaveWare(itemId(code), count, storage);
    }
    QString itemId(const QString &code)
    {
        return db.value("select ID from UArticle where theNum=?", {code}).toString();
    }
    QString balance(const QString &code, const QString &storage = "1")
    {
        return db.dm.myRetKCCount(storage, itemId(code));
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

// Types Chinese text into a box as an input method commits it.
void typeText(QLineEdit *box, const QString &text)
{
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
}

void setBox(DocumentWindow &window, const char *name, const QString &text)
{
    window.findChild<QLineEdit *>(name)->setText(text);
}
void setLabel(DocumentWindow &window, const char *name, const QString &text)
{
    window.findChild<QLabel *>(name)->setText(text);
}
void chooseStorage(DocumentWindow &window, const QVariant &id)
{
    window.findChild<LookupComboBox *>("DBLookupComboBox1")->setKeyValue(id);
}
void save(DocumentWindow &window)
{
    window.findChild<QPushButton *>("BitBtn1")->click();
}

// One step of a refusal walk: what is put right before the save, the refusal expected.
struct Step {
    std::function<void(DocumentWindow &)> fix;
    const char *message;
    const char *focus;
};

struct KindCase {
    const char *name;
    std::function<std::unique_ptr<DocumentWindow>(AppServices)> open;
    std::vector<Step> refusals;    // from a window with its storage cleared
    const char *headerTable;
    const char *successMessage;
};

const auto noFix = [](DocumentWindow &) {};

std::vector<KindCase> kindCases()
{
    const auto quantity = [](const char *value) {
        return [value](DocumentWindow &w) { w.lines().setCell(1, Quantity, value); };
    };
    const auto addItem = [](DocumentWindow &w) { typeCode(*w.grid(), 1, "A001"); };
    return {
        {"loan",
         [](AppServices s) { return std::make_unique<TfrmOut_JC>(s); },
         {{noFix, "出库仓库 不能为空！请选择 出库仓库！", "DBLookupComboBox1"},
          {[](DocumentWindow &w) { chooseStorage(w, 1); }, "借用人 不能为空！请选择 借出人！", "Edit2"},
          {[](DocumentWindow &w) { setBox(w, "Edit2", "张三"); }, "请按回车选择 借用人！", "Edit2"},
          {[](DocumentWindow &w) { setLabel(w, "Label4", "行政部"); }, "审批人 不能为空！请选择 审批人！", "Edit3"},
          {[](DocumentWindow &w) { setBox(w, "Edit3", "李四"); }, "经办人 不能为空！请选择 经办人！", "Edit4"},
          {[](DocumentWindow &w) { setBox(w, "Edit4", "李四"); }, "借出出库明细 不能为空！", "StringGrid1"},
          {[=](DocumentWindow &w) { addItem(w); quantity("5")(w); }, "A001 A4纸 的库存不足，不能借用！", "StringGrid1"},
          {quantity("0"), "A001 A4纸 数量不能小于或等于0！", "StringGrid1"},
          {quantity("2x"), "A001 A4纸 数量不是有效的数字！", "StringGrid1"}},
         "UOut_JC", "借用出库单 保存成功！"},
        {"requisition",
         [](AppServices s) { return std::make_unique<TfrmOut_LY>(s); },
         {{noFix, "出库仓库 不能为空！请选择 出库仓库！", "DBLookupComboBox1"},
          {[](DocumentWindow &w) { chooseStorage(w, 1); }, "领用人 不能为空！请选择 领用人！", "Edit2"},
          {[](DocumentWindow &w) { setBox(w, "Edit2", "张三"); }, "请按回车选择 领用人！", "Edit2"},
          {[](DocumentWindow &w) { setLabel(w, "Label3", "行政部"); }, "经办人 不能为空！请选择 经办人！", "Edit3"},
          {[](DocumentWindow &w) { setBox(w, "Edit3", "李四"); }, "领用出库明细 不能为空！", "StringGrid1"},
          {[=](DocumentWindow &w) { addItem(w); quantity("5")(w); }, "A001 A4纸 的库存不足，不能领用！", "StringGrid1"},
          {quantity("0"), "A001 A4纸 数量不能小于或等于0！", "StringGrid1"}},
         "UOut_LY", "领用出库单 保存成功！"},
        {"write-off",
         [](AppServices s) { return std::make_unique<TfrmOut_BS>(s); },
         {{noFix, "出库仓库 不能为空！请选择 出库仓库！", "DBLookupComboBox1"},
          {[](DocumentWindow &w) { chooseStorage(w, 1); }, "审批人 不能为空！请选择 审批人！", "Edit2"},
          {[](DocumentWindow &w) { setBox(w, "Edit2", "张三"); }, "经办人 不能为空！请选择 经办人！", "Edit3"},
          {[](DocumentWindow &w) { setBox(w, "Edit3", "李四"); }, "报损明细 不能为空！", "StringGrid1"},
          {[=](DocumentWindow &w) { addItem(w); quantity("5")(w); }, "A001 A4纸 的库存不足，不能报损！", "StringGrid1"},
          {quantity("0"), "A001 A4纸 数量不能小于或等于0！", "StringGrid1"}},
         "UOut_BS", "报损单 保存成功！"},
        {"return to supplier",
         [](AppServices s) { return std::make_unique<TfrmOut_TH>(s); },
         {{noFix, "商家名称 不能为空！请选择 商家名称！", "Edit1"},
          // A name typed by hand is no chosen supplier.
          {[](DocumentWindow &w) { typeText(w.findChild<QLineEdit *>("Edit1"), "北京文具"); },
           "商家名称 不能为空！请选择 商家名称！", "Edit1"},
          {[](DocumentWindow &w) { setLabel(w, "LabJSSID", "1"); }, "退货人 不能为空！请选择 采购人！", "Edit7"},
          {[](DocumentWindow &w) { setBox(w, "Edit7", "张三"); }, "经办人 不能为空！请选择 经办人！", "Edit8"},
          {[](DocumentWindow &w) { setBox(w, "Edit8", "李四"); }, "出库仓库 不能为空！请选择 入库仓库！", "DBLookupComboBox1"},
          {[](DocumentWindow &w) { chooseStorage(w, 1); }, "退货出库明细 不能为空！", "StringGrid1"},
          {[=](DocumentWindow &w) { addItem(w); quantity("0")(w); }, "A001 A4纸 数量不能小于或等于0！", "StringGrid1"},
          {quantity("5"), "A001 A4纸 的库存不足，不能领用！", "StringGrid1"}},
         "UOut_TH", "退货出库单 保存成功！"},
    };
}

TEST_F(IssueFixture, EachRefusalShowsItsTextMovesTheFocusAndWritesNothing)
{
    for (const KindCase &kind : kindCases()) {
        SCOPED_TRACE(kind.name);
        std::unique_ptr<DocumentWindow> window = kind.open(db.services);
        window->show();
        QApplication::setActiveWindow(window.get());
        chooseStorage(*window, QVariant());
        for (const Step &step : kind.refusals) {
            step.fix(*window);
            db.dialogs.clear();
            save(*window);
            EXPECT_EQ(db.dialogs.lastText(), QString::fromUtf8(step.message));
            EXPECT_EQ(window->focusWidget(), window->findChild<QWidget *>(step.focus)) << step.message;
        }
        EXPECT_EQ(db.dm.myRetCount(QString("select * from ") + kind.headerTable), 0);
        EXPECT_EQ(db.dm.myRetCount("select * from UWList"), 0);
        EXPECT_EQ(balance("A001"), "4");
    }
}

// What a good save of each kind writes, read back.
struct SaveCase {
    const char *name;
    std::function<std::unique_ptr<DocumentWindow>(AppServices)> open;
    std::function<void(DocumentWindow &)> fillHeader;
    const char *headerQuery, *header;
    const char *lineQuery;
    QStringList lines; // with %1, %2 for the item IDs of A001 and B001
    const char *ledgerKind;
    const char *successMessage;
};

TEST_F(IssueFixture, EachSaveWritesHeaderLinesBalancesAndLedgerThenPrintsAndResets)
{
    db.context.DefaultHandler = "王五";
    const std::vector<SaveCase> cases = {
        {"loan", [](AppServices s) { return std::make_unique<TfrmOut_JC>(s); },
         [](DocumentWindow &w) { setBox(w, "Edit2", "张三"); setLabel(w, "Label4", "行政部"); setBox(w, "Edit3", "李四");
                                 setBox(w, "Edit1", "借'出"); },
         "select theNum, theLYPro, thePZPro, myDate, theUser, Remark, theBGPro, DName, theDate, theDel, SName from UOut_JC",
         "2603150001|张三|李四|%1|系统管理员|借'出|王五|行政部|2026-03-15|0|物品仓库",
         "select theNum, AID, SID, theCount, Remark, myID, thePrice, theDel, GHCount, theGH from UOut_JC_Bill order by ID",
         {"2603150001|%1|1|2|白|1|25|0|0|7", "2603150001|%2|1|1||2|30|0|0|7"}, "借用出库", "借用出库单 保存成功！"},
        {"requisition", [](AppServices s) { return std::make_unique<TfrmOut_LY>(s); },
         [](DocumentWindow &w) { setBox(w, "Edit2", "张三"); setLabel(w, "Label3", "行政部"); setBox(w, "Edit1", "领"); },
         "select theNum, theLYPro, theBGPro, myDate, theUser, Remark, DName, theDate, theDel, SName from UOut_LY",
         "2603150001|张三|王五|%1|系统管理员|领|行政部|2026-03-15|0|物品仓库",
         "select theNum, AID, SID, theCount, Remark, myID, thePrice, theDel, GHCount from UOut_LY_Bill order by ID",
         {"2603150001|%1|1|2|白|1|25|0|0", "2603150001|%2|1|1||2|30|0|0"}, "领用出库", "领用出库单 保存成功！"},
        {"write-off", [](AppServices s) { return std::make_unique<TfrmOut_BS>(s); },
         [](DocumentWindow &w) { setBox(w, "Edit2", "张三"); setBox(w, "Edit1", "坏"); },
         "select theNum, thePZPro, theBGPro, myDate, theUser, Remark, theDate, theDel, SName from UOut_BS",
         "2603150001|张三|王五|%1|系统管理员|坏|2026-03-15|0|物品仓库",
         "select theNum, AID, SID, theCount, Remark, myID, thePrice, theDel from UOut_BS_Bill order by ID",
         {"2603150001|%1|1|2|白|1|25|0", "2603150001|%2|1|1||2|30|0"}, "报损出库", "报损单 保存成功！"},
        {"return to supplier", [](AppServices s) { return std::make_unique<TfrmOut_TH>(s); },
         [](DocumentWindow &w) { setBox(w, "Edit1", "北京文具"); setLabel(w, "LabJSSID", "1"); setBox(w, "Edit7", "张三");
                                 setBox(w, "Edit6", "退"); },
         "select theNum, theUser, myDate, theTHPro, theBGPro, MID, SID, Remark, theDate, theDel, SName from UOut_TH",
         "2603150001|系统管理员|%1|张三|王五|1|1|退|2026-03-15|0|物品仓库",
         "select theNum, AID, APrice, theCount, SID, Remark, myID, theDel from UOut_TH_Bill order by ID",
         // The one-match path of the return-to-supplier window leaves the remark empty.
         {"2603150001|%1|25|2|1||1|0", "2603150001|%2|30|1|1||2|0"}, "退货出库", "退货出库单 保存成功！"},
    };
    for (const SaveCase &c : cases) {
        SCOPED_TRACE(c.name);
        const int previews = db.dialogs.previews;
        std::unique_ptr<DocumentWindow> window = c.open(db.services);
        window->show();
        c.fillHeader(*window);
        const QString day = window->date("DateTimePicker1");
        typeCode(*window->grid(), 1, "A001");
        window->lines().setCell(1, Quantity, "2");
        typeCode(*window->grid(), 2, "dsj");
        save(*window);
        ASSERT_EQ(db.dialogs.lastText(), QString::fromUtf8(c.successMessage));
        EXPECT_EQ(db.dialogs.previews, previews + 1);
        EXPECT_EQ(rows(c.headerQuery), QStringList{QString::fromUtf8(c.header).arg(day)});
        QStringList lines;
        for (const QString &line : c.lines)
            lines << QString(line).replace("%1", itemId("A001")).replace("%2", itemId("B001"));
        EXPECT_EQ(rows(c.lineQuery), lines);
        EXPECT_EQ(rows("select theType, theNum, SID, AID, theIn, theOut, KCCount from UWList order by ID"),
                  QStringList({QString::fromUtf8(c.ledgerKind) + "|2603150001|1|" + itemId("A001") + "|0|2|2",
                               QString::fromUtf8(c.ledgerKind) + "|2603150001|1|" + itemId("B001") + "|0|1|4"}));
        // Reset: empty lines, the defaults back, the header boxes empty.
        EXPECT_EQ(window->lines().cell(1, Code), QString());
        EXPECT_EQ(window->storageId("DBLookupComboBox1"), "1");
        EXPECT_EQ(window->findChild<QLineEdit *>("Edit1")->text(), QString());
        // Undo the save for the next kind.
        for (const char *table : {"UWList", "UOut_JC", "UOut_JC_Bill", "UOut_LY", "UOut_LY_Bill", "UOut_BS",
                                  "UOut_BS_Bill", "UOut_TH", "UOut_TH_Bill"})
            db.dm.myESQL(QString("delete from ") + table);
        db.dm.SaveWare(itemId("A001"), "2", "1");
        db.dm.SaveWare(itemId("B001"), "1", "1");
    }
}

TEST_F(IssueFixture, StockIsTestedAtSaveOverTheWrittenStorageAndAllLinesOfAnItem)
{
    const Kind kind = loan();
    const struct {
        const char *name;
        QList<QStringList> lines; // code, quantity
        const char *storage;
        const char *refusal;
        QStringList balances;     // A001 in storage 1, B001 in 1, B002 in 2 after an allowed save
    } cases[] = {
        {"a loan of 5 against 4", {{"A001", "5"}}, "1", "A001 A4纸 的库存不足，不能借用！", {"-1", "5", "8"}},
        {"package lines of 3 + 3 against 5", {{"B001", "3"}, {"B001", "3"}}, "1", "B001 订书机 的库存不足，不能借用！",
         {"4", "-1", "8"}},
        // Filled under storage 1, where 4 lie; saved to storage 2, where there are none.
        {"lines filled under storage 1 saved to storage 2", {{"A001", "1"}}, "2", "A001 A4纸 的库存不足，不能借用！",
         {"4", "5", "8"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        for (bool allowed : {false, true}) {
            db.context.AllowNegativeStock = allowed;
            LineGridModel lines(QStringList(10), kind.columns.count);
            int line = 0;
            for (const QStringList &cells : c.lines) {
                ++line;
                lines.setCell(line, Code, cells[0]);
                lines.setCell(line, Name, db.value("select AName from UArticle where theNum=?", {cells[0]}).toString());
                lines.setCell(line, Quantity, cells[1]);
                lines.setCell(line, kind.columns.itemId, itemId(cells[0]));
                lines.setCell(line, kind.columns.stock, balance(cells[0], "1")); // the figure shown at fill time
            }
            Header header;
            header.storageId = c.storage;
            header.storageName = "仓库";
            header.person = header.approver = header.handler = "张三";
            header.department = "行政部";
            const std::optional<DocumentRefusal> refusal = check(db.services, kind, header, lines);
            if (!allowed) {
                ASSERT_TRUE(refusal.has_value());
                EXPECT_EQ(refusal->message, QString::fromUtf8(c.refusal));
                continue;
            }
            ASSERT_FALSE(refusal.has_value()) << refusal->message.toStdString();
            save(db.services, kind, header, lines);
        }
        if (QString(c.storage) == "2")
            EXPECT_EQ(balance("A001", "2"), "-1");
        else
            EXPECT_EQ(QStringList({balance("A001"), balance("B001"), balance("B002", "2")}), c.balances);
        db.dm.myESQL("update UWare set WCount = 4 where AID = ? and SID = 1", {itemId("A001").toInt()});
        db.dm.myESQL("update UWare set WCount = 5 where AID = ? and SID = 1", {itemId("B001").toInt()});
    }
}

TEST_F(IssueFixture, ALoanFromARequestTakesItsPeopleLinesAndLoanDaysAndRaisesTheCounter)
{
    db.dm.myESQL("insert into USQ (theNum, theSQPro, theBGPro, DName, Remark, theDel) "
                 "values ('2603100001', '张三', '李四', '行政部', '开学', 0)");
    db.dm.myESQL("insert into USQ_Bill (theNum, AID, theCount, APrice, Remark, myID, theDel, theJY) values "
                 "('2603100001', ?, 3, 2.5, '蓝', 1, 0, 1), ('2603100001', ?, 2, 30, '', 2, 0, 0)",
                 {itemId("A002").toInt(), itemId("B001").toInt()});
    db.context.ZeroPriceJY = true; // not applied to a request's lines
    TfrmOut_JC window(db.services, "2603100001");
    EXPECT_EQ(window.text("Edit2"), "张三");
    EXPECT_EQ(window.text("Edit4"), "李四");
    EXPECT_EQ(window.department("Edit2"), "行政部");
    EXPECT_EQ(window.text("Edit1"), "开学");
    const Columns columns = loan().columns;
    const QString firstRequestLine = db.value("select min(ID) from USQ_Bill").toString();
    QStringList line1;
    for (int column = Code; column < columns.count; ++column)
        line1 << window.lines().cell(1, column);
    EXPECT_EQ(line1, QStringList({"A002", "签字笔", "0.5mm", "支", "2.5", "3", "7.5", "蓝", "7", itemId("A002"), "10",
                                  firstRequestLine}));
    EXPECT_EQ(window.grid()->currentLine(), 3);

    window.findChild<QLineEdit *>("Edit3")->setText("李四");
    save(window);
    EXPECT_EQ(db.dialogs.lastText(), "借用出库单 保存成功！");
    EXPECT_EQ(rows("select theJY from USQ_Bill order by ID"), QStringList({"4", "2"}));
    EXPECT_EQ(rows("select theGH, thePrice from UOut_JC_Bill order by ID"), QStringList({"7|2.5", "7|30"}));
    EXPECT_EQ(rows("select DName from UOut_JC"), QStringList{"行政部"});

    // After the reset a borrower typed by hand has no department and is refused.
    typeText(window.findChild<QLineEdit *>("Edit2"), "张三");
    window.findChild<QLineEdit *>("Edit3")->setText("李四");
    typeCode(*window.grid(), 1, "A002");
    save(window);
    EXPECT_EQ(db.dialogs.lastText(), "请按回车选择 借用人！");
}

TEST_F(IssueFixture, ARequisitionFromARequestRaisesItsCounterAndKeepsHandAddedLinesApart)
{
    db.dm.myESQL("insert into USQ (theNum, theSQPro, theBGPro, DName, Remark, theDel) "
                 "values ('2603100001', '张三', '李四', '行政部', '', 0)");
    db.dm.myESQL("insert into USQ_Bill (theNum, AID, theCount, APrice, myID, theDel, theLY) values "
                 "('2603100001', ?, 3, 2.5, 1, 0, 0)", {itemId("A002").toInt()});
    TfrmOut_LY window(db.services, "2603100001");
    EXPECT_EQ(window.text("Edit2"), "张三");
    EXPECT_EQ(window.department("Edit2"), "行政部");
    EXPECT_EQ(window.text("Edit3"), "李四");
    typeCode(*window.grid(), 2, "B001"); // a line added by hand
    save(window);
    EXPECT_EQ(db.dialogs.lastText(), "领用出库单 保存成功！");
    EXPECT_EQ(rows("select theLY from USQ_Bill"), QStringList{"3"});
    EXPECT_EQ(rows("select theCount from UOut_LY_Bill order by ID"), QStringList({"3", "1"}));
}

TEST_F(IssueFixture, ThePersonPickerWritesTheDepartmentBackAndEditingForgetsIt)
{
    TfrmOut_LY window(db.services, QString());
    window.show();
    auto *person = window.findChild<QLineEdit *>("Edit2");
    person->setText("ls");
    whenModalOpens([](QWidget *modal) { qobject_cast<PickerDialog *>(modal)->myLoad(); });
    QTest::keyClick(person, Qt::Key_Return);
    EXPECT_EQ(person->text(), "李四");
    EXPECT_EQ(window.department("Edit2"), "财务部");
    QTest::keyClick(person, Qt::Key_Backspace);
    EXPECT_EQ(window.department("Edit2"), QString());
}

TEST_F(IssueFixture, ASupplierNameTypedByHandForgetsTheChosenSupplier)
{
    TfrmIN_CG purchase(db.services);
    TfrmOut_TH giveBack(db.services);
    for (DocumentWindow *window : {static_cast<DocumentWindow *>(&purchase), static_cast<DocumentWindow *>(&giveBack)}) {
        window->show();
        auto *name = window->findChild<QLineEdit *>("Edit1");
        name->setText("bj");
        whenModalOpens([](QWidget *modal) { qobject_cast<PickerDialog *>(modal)->myLoad(); });
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_EQ(window->text("LabJSSID"), "1");
        typeText(name, "上海");
        EXPECT_EQ(name->text(), "北京文具上海");
        EXPECT_EQ(window->text("LabJSSID"), QString());
    }
}

TEST_F(IssueFixture, ZeroPricesHoldOnEveryFillPath)
{
    db.context.ZeroPriceJY = true;
    db.dm.myESQL("insert into UAPack (theName) values ('办公包')");
    db.dm.myESQL("insert into UAPList (theName, AID, APrice, theCount, Remark, myID) values ('办公包', ?, 9, 2, '包内', 1)",
                 {itemId("B001").toInt()});
    db.dm.myESQL("insert into UArticle (theNum, AName, AUnit, APrice, thePY) values "
                 "('C001', '胶水', '瓶', 4, 'JS'), ('C002', '胶棒', '支', 3, 'JB')");
    stock("C001", "1", "3");
    stock("C002", "1", "3");
    TfrmOut_JC window(db.services);
    window.show();
    LineGrid &grid = *window.grid();
    typeCode(grid, 1, "A001"); // one match
    QStringList pickers;
    whenModalOpens([&pickers](QWidget *modal) {
        auto *picker = qobject_cast<PickerDialog *>(modal);
        pickers << picker->windowTitle();
        picker->myLoad();
    });
    typeCode(grid, 2, "C"); // 胶水 and 胶棒: the picker
    whenModalOpens([&pickers](QWidget *modal) {
        auto *picker = qobject_cast<PickerDialog *>(modal);
        pickers << QString::number(picker->recordCount());
        picker->A1Click();
    });
    typeCode(grid, 3, "0"); // "全选" of the three left
    EXPECT_EQ(pickers, QStringList({"物品仓库 物品 查找", "3"}));
    grid.setCurrent(1, Code);
    window.fillFromPackage("办公包"); // into the first free line
    for (int line = 1; line <= 6; ++line) {
        EXPECT_FALSE(window.lines().cell(line, Code).isEmpty()) << line;
        EXPECT_EQ(window.lines().cell(line, Price), "0") << line;
        EXPECT_EQ(window.lines().cell(line, Amount), "0") << line;
    }
    EXPECT_EQ(window.lines().cell(6, Code), "B001");
    EXPECT_EQ(window.lines().cell(6, Quantity), "2");
    EXPECT_EQ(window.lines().cell(6, 9), "7"); // loan days
    EXPECT_EQ(window.lines().cell(6, 11), "5"); // stock figure
}

TEST_F(IssueFixture, StockLookupFindsOnlyItemsInTheStorageAndAddsOneToALineThatHoldsTheItem)
{
    TfrmOut_BS window(db.services);
    window.show();
    LineGrid &grid = *window.grid();
    typeCode(grid, 1, "B002"); // only in storage 2
    EXPECT_EQ(db.dialogs.lastText(), "物品不存在或已选择！请重新录入！");
    typeCode(grid, 1, "A001");
    typeCode(grid, 2, "A001");
    EXPECT_EQ(window.lines().cell(1, Quantity), "2");
    EXPECT_EQ(window.lines().cell(2, Code), QString());
    // On a line with an item the code takes no letters, name to unit no key at all.
    grid.setCurrent(1, Code);
    EXPECT_FALSE(grid.accepts(Code, "x"));
    EXPECT_TRUE(grid.accepts(Code, "\b"));
    EXPECT_FALSE(grid.accepts(Name, "x"));
    EXPECT_FALSE(grid.takesEnter(Unit));
    EXPECT_FALSE(grid.accepts(Price, "1"));
    // Choosing another storage empties the lines of a write-off.
    auto *storage = window.findChild<LookupComboBox *>("DBLookupComboBox1");
    storage->setCurrentIndex(1);
    Q_EMIT storage->activated(1);
    EXPECT_EQ(window.lines().cell(1, Code), QString());
    // Without a storage the lookup says so.
    storage->setKeyValue(QVariant());
    typeCode(grid, 1, "A001");
    EXPECT_EQ(db.dialogs.lastText(), "出库仓库 不能为空！请选择 出库仓库！");
}

TEST_F(IssueFixture, Screenshots)
{
    db.context.DefaultApprover = "李四";
    db.context.DefaultHandler = "王五";
    TfrmOut_JC loanWindow(db.services);
    TfrmOut_LY requisitionWindow(db.services);
    TfrmOut_BS damageWindow(db.services);
    TfrmOut_TH returnWindow(db.services);
    const std::pair<DocumentWindow *, const char *> windows[] = {
        {&loanWindow, "loan"}, {&requisitionWindow, "requisition"}, {&damageWindow, "write_off"},
        {&returnWindow, "return_to_supplier"}};
    for (const auto &[window, name] : windows) {
        window->show();
        typeCode(*window->grid(), 1, "A001");
        typeCode(*window->grid(), 2, "dsj");
        EXPECT_TRUE(saveScreenshot(*window, name));
    }
}

} // namespace
