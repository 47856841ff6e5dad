// Item packages: their lines, their save and rename, and a loan filled from one.
#include "documents/TfrmOut_JC.h"
#include "master/PackageLines.h"
#include "master/TfrmAPList.h"
#include "master/TfrmAPack.h"
#include "store/DatabaseError.h"
#include "support/Screenshots.h"
#include "support/TestDatabase.h"
#include "ui/DataGrid.h"
#include "ui/LineGrid.h"
#include "ui/LookupComboBox.h"
#include "ui/MaintenanceWindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace PackageLines;

struct Packages : ::testing::Test {
    TestDatabase db;

    Packages()
    {
        db.context.DefaultStorage = "1";
        db.context.LoanDays = "7";
        db.dm.myESQL("insert into UArticle (theNum, AName, AStandard, AUnit, APrice, thePY) values "
                     "('A001', 'A4纸', '80g', '包', 25, 'AZ'), ('B001', '订书机', '', '个', 30, 'DSJ'), "
                     "('B002', '订书钉', '', '盒', 3, 'DSD')");
        db.dm.SaveWare(itemId("A001"), "4", "1");
        db.dm.SaveWare(itemId("B001"), "5", "1");
        db.dm.myESQL("insert into UAPack (theName, Remark) values ('办公包', '')");
    }
    QString itemId(const QString &code)
    {
        return db.value("select ID from UArticle where theNum=?", {code}).toString();
    }
    QStringList rows(const QString &statement)
    {
        QStringList result;
        QSqlQuery query = db.dm.select(statement);
        while (query.next())
            result << query.value(0).toString();
        return result;
    }
    static void typeCode(LineGrid &grid, int line, const QString &text)
    {
        grid.setCurrent(line, Code);
        grid.lines()->setCell(line, Code, text);
        QTest::keyClick(&grid, Qt::Key_Return);
    }
};

TEST_F(Packages, LinesAreLookedUpSavedNumberedAndFillALoansEmptyLines)
{
    {
        TfrmAPList editor(db.services, 1, "办公包");
        EXPECT_EQ(editor.windowTitle(), "办公包 物品明细");
        LineGrid &grid = *editor.grid();
        typeCode(grid, 1, "zzz");
        EXPECT_EQ(db.dialogs.lastText(), "物品信息不存在，清重新选择！");
        typeCode(grid, 1, "A001");
        EXPECT_EQ(grid.currentLine(), 2);
        typeCode(grid, 3, "dsj"); // line 2 stays empty
        grid.lines()->setCell(3, Quantity, "3");
        grid.lines()->setCell(3, Remark, "备用");
        editor.save();
        EXPECT_EQ(db.dialogs.lastText(), "物品包 物品明细 保存成功！");
    }
    EXPECT_EQ(rows("select AID || '|' || APrice || '|' || theCount || '|' || Remark || '|' || myID from UAPList "
                   "where theName = '办公包' order by myID"),
              QStringList({itemId("A001") + "|25.0|1.0||1", itemId("B001") + "|30.0|3.0|备用|2"}));

    // The loan: line 2 already holds an item, so the package goes to lines 1 and 3.
    db.context.ZeroPriceJY = true;
    TfrmOut_JC loan(db.services);
    loan.show();
    loan.lines().setCell(2, Code, "B002");
    loan.lines().setCell(2, 10, itemId("B002"));
    loan.grid()->setCurrent(1, Code);
    auto *packages = loan.findChild<LookupComboBox *>("DBLookupComboBox2");
    packages->setCurrentIndex(0);
    Q_EMIT packages->activated(0);
    const QStringList expected[] = {
        {"A001", "A4纸", "80g", "包", "0", "1", "0", "", "7", itemId("A001"), "4", ""},
        {"B002", "", "", "", "", "", "", "", "", itemId("B002"), "", ""},
        {"B001", "订书机", "", "个", "0", "3", "0", "备用", "7", itemId("B001"), "5", ""},
    };
    for (int line = 1; line <= 3; ++line) {
        QStringList cells;
        for (int column = 1; column <= 12; ++column)
            cells << loan.lines().cell(line, column);
        EXPECT_EQ(cells, expected[line - 1]) << line;
    }
    EXPECT_EQ(loan.grid()->currentLine(), 4);
}

TEST_F(Packages, APackageFillStopsAtLine99AndSaysWhatDidNotFit)
{
    int myID = 0;
    for (const char *code : {"A001", "B001", "B002"}) {
        db.dm.myESQL("insert into UAPList (theName, AID, APrice, theCount, Remark, myID) values ('办公包', ?, 1, 1, '', ?)",
                     {itemId(code).toInt(), ++myID});
    }
    TfrmOut_JC loan(db.services);
    loan.grid()->setCurrent(98, Code);
    loan.fillFromPackage("办公包");
    EXPECT_EQ(loan.lines().cell(98, Code), "A001");
    EXPECT_EQ(loan.lines().cell(99, Code), "B001");
    EXPECT_EQ(db.dialogs.lastText(), "单据最多 99 行，有 1 条物品未能加入！");
}

TEST_F(Packages, ChecksComeBeforeAnyWriteAndAFailedSaveKeepsTheStoredLines)
{
    db.dm.myESQL("insert into UAPList (theName, AID, APrice, theCount, Remark, myID) values ('办公包', ?, 25, 2, '', 1)",
                 {itemId("A001").toInt()});
    const struct {
        QStringList line; // code, name, price, quantity, item ID
        const char *message;
    } cases[] = {
        {{}, "物品明细 不能为空！"},
        {{"A001", "A4纸", "25", "", "1"}, "A001 数量 不能为空！"},
        {{"A001", "A4纸", "25", "0", "1"}, "A001 A4纸 数量不能小于或等于0！"},
        {{"A001", "A4纸", "25", "两", "1"}, "A001 A4纸 数量不是有效的数字！"},
        {{"A001", "A4纸", "", "2", "1"}, "A001 单价 不能为空！"},
        {{"A001", "A4纸", "25", "2", ""}, "A001 A4纸 请按回车选择物品！"},
    };
    for (const auto &c : cases) {
        LineGridModel lines(QStringList(9), kColumnCount);
        if (!c.line.isEmpty()) {
            lines.setCell(1, Code, c.line[0]);
            lines.setCell(1, Name, c.line[1]);
            lines.setCell(1, Price, c.line[2]);
            lines.setCell(1, Quantity, c.line[3]);
            lines.setCell(1, ItemId, c.line[4]);
        }
        const std::optional<DocumentRefusal> refusal = check(lines);
        ASSERT_TRUE(refusal.has_value()) << c.message;
        EXPECT_EQ(refusal->message, QString::fromUtf8(c.message));
    }

    // The second insert fails: the delete of the old lines is rolled back with it.
    db.dm.myESQL("CREATE TRIGGER refuse BEFORE INSERT ON UAPList WHEN NEW.myID = 2 "
                 "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    LineGridModel lines(QStringList(9), kColumnCount);
    for (int line = 1; line <= 2; ++line) {
        lines.setCell(line, Code, "B001");
        lines.setCell(line, Price, "30");
        lines.setCell(line, Quantity, "1");
        lines.setCell(line, ItemId, itemId("B001"));
    }
    ASSERT_FALSE(check(lines).has_value());
    EXPECT_THROW(save(db.services, "办公包", lines), DatabaseError);
    EXPECT_EQ(rows("select AID || '|' || theCount from UAPList"), QStringList{itemId("A001") + "|2.0"});
}

TEST_F(Packages, RenamingAPackageKeepsItsLinesAndTheLinesCommandOpensTheEditor)
{
    db.dm.myESQL("insert into UAPList (theName, AID, APrice, theCount, Remark, myID) values ('办公包', ?, 25, 2, '', 1)",
                 {itemId("A001").toInt()});
    MaintenanceWindow window(db.services, packageMember());
    window.show();
    EXPECT_EQ(window.windowTitle(), "物品包设置");
    window.ButMedClick();
    static_cast<QLineEdit *>(window.field("theName"))->setText("新办公包");
    window.ButSaveEditClick();
    EXPECT_EQ(rows("select theName from UAPack"), QStringList{"新办公包"});
    EXPECT_EQ(rows("select theName from UAPList"), QStringList{"新办公包"});

    QString caption;
    int loaded = 0;
    QTimer::singleShot(0, [&] {
        auto *editor = qobject_cast<TfrmAPList *>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        caption = editor->windowTitle();
        loaded = editor->grid()->lines()->cell(1, Code) == "A001";
        EXPECT_TRUE(saveScreenshot(*editor, "package_lines"));
        editor->reject();
    });
    window.grid()->findChild<QAction *>("L1")->trigger();
    EXPECT_EQ(caption, "新办公包 物品明细");
    EXPECT_EQ(loaded, 1);

    // Without RightModify the command does nothing.
    db.context.RightModify = "否";
    window.grid()->findChild<QAction *>("L1")->trigger();
}

} // namespace
