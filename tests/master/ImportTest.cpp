// Imports of items, persons and suppliers from workbooks.
#include "master/ImportDialog.h"
#include "sheets/WorkbookReader.h"
#include "sheets/XlsxSheetWriter.h"
#include "store/PinyinCode.h"
#include "support/Screenshots.h"
#include "support/TestDatabase.h"
#include "ui/LookupComboBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

using Row = QStringList;

const Row kItemTitles = {"物品编码", "物品分类", "物品名称", "规格型号", "单位", "单价", "库存数量", "备注", "货位名称"};

// Writes Sheet1 of a new workbook: the titles, then the rows; numbers as numbers.
QString workbook(TestDatabase &db, const QString &name, const Row &titles, const QList<Row> &rows)
{
    const QString path = db.folder.filePath(name);
    XlsxSheetWriter writer(path);
    for (int column = 0; column < titles.size(); ++column)
        writer.writeValue(0, column, titles[column], true, nullptr);
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column)
            writer.writeValue(row + 1, column, rows[row][column], false, nullptr);
    }
    EXPECT_TRUE(writer.close());
    return path;
}

struct Import : ::testing::Test {
    TestDatabase db;

    // Opens `file` in the dialog and returns the preview's caption.
    static QString open(ImportDialog &dialog, TestDatabase &db, const QString &file)
    {
        db.dialogs.fileNames = {file};
        dialog.findChild<QPushButton *>(QStringLiteral("openButton"))->click();
        return dialog.findChildren<QGroupBox *>().at(1)->title();
    }
    static QPushButton *importButton(ImportDialog &dialog)
    {
        return dialog.findChild<QPushButton *>(QStringLiteral("importButton"));
    }
    QStringList column(const QString &statement)
    {
        QStringList values;
        QSqlQuery query = db.dm.select(statement);
        while (query.next())
            values << query.value(0).toString();
        return values;
    }
};

TEST_F(Import, ItemsWithStockThenTheSameSheetAgainAddsOnlyStock)
{
    const QString file = workbook(db, "items.xlsx", kItemTitles, {
        {"A001", "文具", "螺丝(M6)", "M6", "个", "1.5", "10", "", "A区"},
        {"", "胶带", "O'Neil 胶带?", "", "卷", "", "", "进口", ""},
        {"", "", "", "", "", "3", "4", "没有名称", ""},
        {"", "文具", "铅笔", "HB", "支", "0.8", "20", "", "A区"},
        {"A001", "", "螺丝(M6) 第二行", "", "", "", "5", "", ""},
    });
    TfrmIn_A dialog(db.services);
    dialog.show();
    EXPECT_FALSE(importButton(dialog)->isEnabled());
    EXPECT_EQ(open(dialog, db, file), QStringLiteral("EXCEL数据  共有 5 条数据"));
    EXPECT_TRUE(importButton(dialog)->isEnabled());
    dialog.findChild<LookupComboBox *>(QStringLiteral("DBComStorage"))->setKeyValue(1);
    EXPECT_TRUE(dialog.findChild<QCheckBox *>(QStringLiteral("saveStock"))->isChecked());
    saveScreenshot(dialog, QStringLiteral("frmIn_A"));
    importButton(dialog)->click();
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("成功导入物品数据 3 条！"));
    EXPECT_FALSE(dialog.isVisible());

    EXPECT_EQ(column("select theNum||'|'||AName||'|'||AType||'|'||APrice||'|'||PName||'|'||theDate from UArticle order by ID"),
              QStringList({"A001|螺丝(M6|文具|1.5|A区|2026-03-15", "2603150002|O'Neil 胶带|胶带|0.0||2026-03-15",
                           "2603150003|铅笔|文具|0.8|A区|2026-03-15"}));
    EXPECT_EQ(db.value("select thePY from UArticle where theNum='A001'").toString(), PinyinCode("螺丝(M6)"));
    EXPECT_EQ(column("select theName from UAType order by theName"), QStringList({"文具", "胶带"}));
    EXPECT_EQ(column("select PName from SPlace"), QStringList{"A区"});
    EXPECT_EQ(column("select theNum||'='||WCount from UWare join UArticle on UArticle.ID=AID order by UWare.ID"),
              QStringList({"A001=15.0", "2603150002=0.0", "2603150003=20.0"}));
    EXPECT_EQ(column("select theType||'|'||theIn||'|'||KCCount from UWList order by ID"),
              QStringList({"物品导入|10.0|10.0", "物品导入|0.0|0.0", "物品导入|20.0|20.0", "物品导入|5.0|15.0"}));

    // The same items again (with their codes now): no new item, the stock once more.
    const QString again = workbook(db, "again.xlsx", kItemTitles, {
        {"A001", "文具", "螺丝(M6)", "M6", "个", "1.5", "10", "", "A区"},
        {"2603150003", "文具", "铅笔", "HB", "支", "0.8", "20", "", "A区"},
    });
    TfrmIn_A second(db.services);
    open(second, db, again);
    second.findChild<LookupComboBox *>(QStringLiteral("DBComStorage"))->setKeyValue(1);
    importButton(second)->click();
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("成功导入物品数据 0 条！"));
    EXPECT_EQ(db.value("select count(*) from UArticle").toInt(), 3);
    EXPECT_EQ(column("select WCount from UWare order by ID"), QStringList({"25", "0", "40"}));
    EXPECT_EQ(db.value("select count(*) from UWList").toInt(), 6);
}

TEST_F(Import, GeneratedCodesSkipCodesAlreadyTakenAndCountTheDayOnce)
{
    db.dm.myESQL("insert into UArticle(AName, theNum, theDate) values('旧物品', '2603150001', '2026-01-02')");
    SheetTable::Builder builder;
    const Row titles = kItemTitles;
    for (int column = 0; column < titles.size(); ++column)
        builder.addCell(0, column, titles[column]);
    for (int row = 1; row <= 3; ++row)
        builder.addCell(row, 2, QStringLiteral("物品%1").arg(row));
    const ImportOutcome outcome = importItems(db.dm, builder.table(), {false, {}, kTestLoginDate});
    EXPECT_EQ(outcome.added, 3);
    EXPECT_EQ(column("select theNum from UArticle order by ID"),
              QStringList({"2603150001", "2603150002", "2603150003", "2603150004"}));
}

TEST_F(Import, LongValuesAreCutToTheirColumnsAndProgressReachesTheEnd)
{
    const QString longName = QString(55, QChar(u'长'));
    SheetTable::Builder builder;
    for (int column = 0; column < kItemTitles.size(); ++column)
        builder.addCell(0, column, kItemTitles[column]);
    const QStringList row = {"CODE-0123456789-XYZ", "分类名称分类名称分类名称分类名称分类名称多", longName, QString(25, 'S'),
                             "单位单位单位单位单位单", "1", "2", QString(60, 'R'), QString(22, 'P')};
    for (int column = 0; column < row.size(); ++column)
        builder.addCell(1, column, row[column]);
    builder.addCell(2, 0, "CODE-0123456789-other"); // the same code once cut to 16
    builder.addCell(2, 2, "另一个名称");
    builder.addCell(2, 6, "3");
    QList<std::pair<int, int>> reports;
    const ImportOutcome outcome = importItems(db.dm, builder.table(), {true, "1", kTestLoginDate},
                                              [&reports](int done, int total) { reports.append({done, total}); });
    EXPECT_EQ(outcome.added, 1);
    EXPECT_EQ(reports.last(), std::make_pair(2, 2));
    EXPECT_EQ(column("select length(theNum)||'|'||length(AType)||'|'||length(AName)||'|'||length(AStandard)||'|'||"
                     "length(AUnit)||'|'||length(Remark)||'|'||length(PName) from UArticle"),
              QStringList{"16|20|50|20|10|50|20"});
    EXPECT_EQ(db.value("select WCount from UWare").toInt(), 5);
}

TEST_F(Import, ABadNumberInRow500WritesNothingAndNamesTheRow)
{
    QList<Row> rows;
    for (int row = 1; row <= 600; ++row)
        rows << Row{QStringLiteral("C%1").arg(row), "", QStringLiteral("物品%1").arg(row), "", "", "2", "1", "", ""};
    rows[499][5] = "两元";
    const QString file = workbook(db, "bad.xlsx", kItemTitles, rows);
    TfrmIn_A dialog(db.services);
    dialog.show();
    open(dialog, db, file);
    dialog.findChild<LookupComboBox *>(QStringLiteral("DBComStorage"))->setKeyValue(1);
    importButton(dialog)->click();
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("第 500 条数据的 单价 不是数字：两元，没有导入任何数据。"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(db.value("select count(*) from UArticle").toInt(), 0);
    EXPECT_EQ(db.value("select count(*) from UWList").toInt(), 0);
}

TEST_F(Import, RefusesMissingTitlesAMissingStorageAndUnreadableWorkbooks)
{
    TfrmIn_A dialog(db.services);
    dialog.show();
    open(dialog, db, workbook(db, "titles.xlsx", {"物品编码", "物品名称", "规格型号", "单位", "库存数量", "备注", "物品分类"},
                              {{"A1", "笔", "", "", "1", "", ""}}));
    importButton(dialog)->click();
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("EXCEL数据缺少列：单价、货位名称，没有导入任何数据。"));

    open(dialog, db, workbook(db, "items.xlsx", kItemTitles, {{"A1", "", "笔", "", "", "1", "1", "", ""}}));
    dialog.findChild<QCheckBox *>(QStringLiteral("saveStock"))->setChecked(true);
    importButton(dialog)->click();
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("请选择 仓库名称！"));
    EXPECT_EQ(db.value("select count(*) from UArticle").toInt(), 0);

    const struct { const char *file; QString message; } unreadable[] = {
        {"not_a_workbook.xlsx", kWorkbookDamagedText},
        {"password.xlsx", kWorkbookPasswordText},
        {"password.xls", kWorkbookPasswordText},
        {"no_sheet1.xlsx", kWorkbookNoSheet1Text},
    };
    for (const auto &c : unreadable) {
        TfrmIn_P persons(db.services);
        open(persons, db, QStringLiteral(SHEET_FIXTURES_DIR "/") + QLatin1String(c.file));
        EXPECT_EQ(db.dialogs.lastText(), c.message) << c.file;
        EXPECT_FALSE(importButton(persons)->isEnabled());
    }
}

TEST_F(Import, AnXlsWorkbookIsPreviewedAndItsMissingTitlesNamed)
{
    TfrmIn_P dialog(db.services);
    dialog.show();
    EXPECT_EQ(open(dialog, db, QStringLiteral(SHEET_FIXTURES_DIR "/persons.xls")), QStringLiteral("EXCEL数据  共有 3 条数据"));
    importButton(dialog)->click();
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("EXCEL数据缺少列：职务、联系方式、身份证号、住址、备注，没有导入任何数据。"));
    EXPECT_EQ(db.value("select count(*) from SPerson").toInt(), 0);
}

TEST_F(Import, PersonsSkipTakenStaffNumbersAndEmptyNamesAndCreateDepartments)
{
    db.dm.myESQL("insert into SPerson(PName, DName, theNum, thePY) values('老员工', '办公室', 'P01', '')");
    const QString file = workbook(db, "persons.xlsx", {"工号", "部门名称", "人员姓名", "职务", "联系方式", "身份证号", "住址", "备注"}, {
        {"P01", "办公室", "换了名字", "", "", "", "", ""},
        {"P02", "O'Brien 车间", "李四", "主任", "139", "110101199001011234", "北京", ""},
        {"P03", "", "王五", "", "", "", "", ""},
        {"P04", "办公室", "", "", "", "", "", ""},
        {"P02", "办公室", "赵六", "", "", "", "", ""},
    });
    TfrmIn_P dialog(db.services);
    dialog.show();
    EXPECT_EQ(open(dialog, db, file), QStringLiteral("EXCEL数据  共有 5 条数据"));
    saveScreenshot(dialog, QStringLiteral("frmIn_P"));
    importButton(dialog)->click();
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("成功导入人员数据 2 条！"));
    EXPECT_EQ(column("select theNum||'|'||PName||'|'||DName||'|'||thePY from SPerson order by ID"),
              QStringList({"P01|老员工|办公室|", "P02|李四|O'Brien 车间|LS", "P03|王五||WW"}));
    EXPECT_EQ(column("select DName||'|'||thePY from SDepartment order by ID"),
              QStringList({"O'Brien 车间|" + PinyinCode("O'Brien 车间"), "|"}));
}

TEST_F(Import, SuppliersSkipExistingAndEmptyNamesAndCountOnlyAddedRows)
{
    db.dm.myESQL("insert into UMerchant(MName, MPhone, MProson, thePY) values('北京文具', '', '', '')");
    const QString file = workbook(db, "suppliers.xlsx", {"商家名称", "电话号码", "联系人", "地址", "备注"}, {
        {"北京文具", "010", "", "", ""},
        {"O'Hara 商行", "021-555", "O'Hara", "上海", "进口"},
        {"", "020", "", "", ""},
        {"O'Hara 商行", "", "", "", ""},
    });
    TfrmIn_G dialog(db.services);
    dialog.show();
    open(dialog, db, file);
    saveScreenshot(dialog, QStringLiteral("frmIn_G"));
    importButton(dialog)->click();
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("成功导入供应商数据 1 条！"));
    EXPECT_EQ(column("select MName||'|'||MPhone||'|'||MProson||'|'||thePY from UMerchant order by ID"),
              QStringList({"北京文具|||", "O'Hara 商行|021-555|O'Hara|" + PinyinCode("O'Hara 商行")}));
}

} // namespace
