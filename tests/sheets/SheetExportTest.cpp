// SheetExporter: list windows' rows written to .xlsx files in the titled, plain and
// sectioned layouts, read back cell by cell; the member table; the failures the user
// is told about.
#include "ExportedSheet.h"
#include "SheetTestSupport.h"
#include "sheets/SheetMembers.h"
#include "sheets/WorkbookReader.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QSortFilterProxyModel>
#include <QSqlDatabase>
#include <QSqlQueryModel>
#include <QStandardItemModel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kOrgName = "晴川朔禾信息科技有限公司";

// A grid model like a window's result: header titles and rows of display texts.
std::unique_ptr<QStandardItemModel> gridModel(const QStringList &titles,
                                               const QList<QStringList> &rows)
{
    auto model = std::make_unique<QStandardItemModel>(int(rows.size()), int(titles.size()));
    model->setHorizontalHeaderLabels(titles);
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < titles.size(); ++column)
            model->setItem(row, column, new QStandardItem(rows[row].value(column)));
    }
    return model;
}

QString letter(int column)
{
    return QString(QChar('A' + column));
}

struct SheetExportFixture : ::testing::Test {
    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    SheetExporter exporter{dialogs, kOrgName, folder.filePath("Excel导出")};

    // The one file the export handed to the desktop.
    QString openedFile() const
    {
        return dialogs.openedUrls.size() == 1 ? dialogs.openedUrls.first().toLocalFile()
                                              : QString();
    }
};

// Every member of the table, exported from a grid whose columns are in reverse order
// and carry one column more: header, widths, text columns, landscape and footer.
class MemberExport : public SheetExportFixture, public ::testing::WithParamInterface<SheetMember> {};

TEST_P(MemberExport, WritesTitledSheetOfTheMember)
{
    const SheetMember &member = GetParam();
    QStringList titles = {"ID"};
    QStringList first = {"7"};
    QStringList second = {"8"};
    for (const SheetColumn &column : member.columns) {
        titles.prepend(column.field.isEmpty() ? column.title : column.field);
        first.prepend(column.text ? "0012" : "甲" + column.title);
        second.prepend(column.text ? "2024-03-01" : "25.5");
    }
    auto rows = gridModel(titles, {first, second});

    const QString path = exporter.exportList(member, *rows);
    ASSERT_FALSE(path.isEmpty()) << dialogs.lastText().toStdString();
    EXPECT_EQ(openedFile(), path);
    // The file name drops the blanks around the title ("物品流动报表 ").
    EXPECT_TRUE(QFileInfo(path).fileName().startsWith((kOrgName + member.titleText).trimmed() + "_"));
    EXPECT_TRUE(dialogs.messages.isEmpty());

    const ExportedSheet sheet(path);
    ASSERT_TRUE(sheet.ok);
    const int columns = int(member.columns.size());
    const QString last = letter(columns);
    EXPECT_EQ(sheet.text("A1"), kOrgName + member.titleText);
    EXPECT_EQ(sheet.merges, QStringList{"A1:" + last + "1"});
    EXPECT_EQ(sheet.text("A2"), "序号");
    EXPECT_EQ(sheet.landscape, member.landscape);
    EXPECT_EQ(sheet.footer, "&C朔禾物品管理软件 www.shuohe.example.com 共&N页，第&P页");
    // The stored width carries the spreadsheet's cell padding of 0.71 characters.
    EXPECT_NEAR(sheet.widths.value(1), 4.71, 0.01);
    for (int column = 0; column < columns; ++column) {
        const SheetColumn &expected = member.columns[column];
        const QString at = letter(column + 1);
        SCOPED_TRACE(expected.title.toStdString());
        EXPECT_EQ(sheet.text(at + "2"), expected.title);
        if (expected.width > 0) {
            EXPECT_NEAR(sheet.widths.value(column + 2), expected.width + 0.71, 0.01);
        }
        EXPECT_EQ(sheet.text(at + "3"), expected.text ? "0012" : "甲" + expected.title);
        EXPECT_EQ(sheet.text(at + "4"), expected.text ? "2024-03-01" : "25.5");
        EXPECT_EQ(sheet.isText(at + "4"), expected.text) << "number cells stay numbers";
    }
    EXPECT_EQ(sheet.row(3, 'A'), QStringList{"1"});
    EXPECT_FALSE(sheet.isText("A4"));
    // Lists with sums close with the 合计 row, empty here without a totals result.
    EXPECT_EQ(sheet.lastRow(), member.sums.isEmpty() ? 4 : 5);
    if (!member.sums.isEmpty()) {
        EXPECT_EQ(sheet.text("A5"), "合计");
    }
}

// The members of the titled layout; the plain layout has tests of its own.
QList<SheetMember> titledMembers()
{
    QList<SheetMember> titled;
    for (const SheetMember &member : sheetMembers()) {
        if (member.layout == SheetLayout::Titled)
            titled << member;
    }
    return titled;
}

INSTANTIATE_TEST_SUITE_P(SheetExport, MemberExport, ::testing::ValuesIn(titledMembers()),
                         [](const auto &info) { return info.param.window.toStdString(); });

TEST(SheetExport, MemberTableIsConsistent)
{
    QStringList windows;
    for (const SheetMember &member : sheetMembers()) {
        SCOPED_TRACE(member.window.toStdString());
        EXPECT_FALSE(windows.contains(member.window)) << "one row per window";
        windows << member.window;
        QStringList titles;
        for (const SheetColumn &column : member.columns)
            titles << column.title;
        for (const QString &sum : member.sums)
            EXPECT_TRUE(titles.contains(sum)) << "summed column " << sum.toStdString();
    }
    EXPECT_EQ(&sheetMember(u"TfrmM_Q"), &sheetMembers()[1]);
    EXPECT_THROW(sheetMember(u"TfrmNoSuchWindow"), std::out_of_range);
}

// A statistics-like list with sums, one column filled from a field of another name.
const SheetMember kSummedMember{
    .window = "TestList",
    .layout = SheetLayout::Titled,
    .titleText = "报损物品一览表",
    .columns = {{"编号", 8, true}, {"出库名称", 8, false, "出库仓库"}, {"数量", 8},
                {"金额", 8}},
    .sums = {"数量", "金额"},
    .landscape = true,
};

struct TotalsCase {
    const char *name;
    QList<QStringList> rows;
    QList<QStringList> totals; // rows of the totals result
    int totalsRow;
    QStringList expectedTotals; // A to E of the totals row
};

class TotalsExport : public SheetExportFixture, public ::testing::WithParamInterface<TotalsCase> {};

TEST_P(TotalsExport, EndsWithTotalsRow)
{
    auto rows = gridModel({"编号", "出库仓库", "数量", "金额"}, GetParam().rows);
    auto totals = gridModel({"数量", "金额", "其他"}, GetParam().totals);
    const QString path = exporter.exportList(kSummedMember, *rows, totals.get());
    const ExportedSheet sheet(path);
    ASSERT_TRUE(sheet.ok);
    const int row = GetParam().totalsRow;
    EXPECT_EQ(sheet.row(row, 'E'), GetParam().expectedTotals);
    EXPECT_FALSE(sheet.isText("D" + QString::number(row)));
    EXPECT_EQ(sheet.lastRow(), row);
    EXPECT_EQ(sheet.row(2, 'E'), QStringList({"序号", "编号", "出库名称", "数量", "金额"}));
}

INSTANTIATE_TEST_SUITE_P(
    SheetExport, TotalsExport,
    ::testing::Values(
        TotalsCase{"rows_and_sums",
                   {{"0012", "物品仓库", "2", "10.5"}, {"0013", "二号库", "3", "4"}},
                   {{"5", "14.5", "x"}},
                   5,
                   {"合计", "", "", "5", "14.5"}},
        TotalsCase{"no_rows_no_sums", {}, {}, 3, {"合计", "", "", "", ""}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(SheetExportFixture, RowsFollowTheGridsSortOrder)
{
    auto source = gridModel({"编号", "出库仓库", "数量", "金额"},
                            {{"0001", "甲", "1", "1"}, {"0003", "丙", "3", "3"},
                             {"0002", "乙", "2", "2"}});
    QSortFilterProxyModel sorted;
    sorted.setSourceModel(source.get());
    sorted.sort(0, Qt::DescendingOrder);
    const ExportedSheet sheet(exporter.exportList(kSummedMember, sorted));
    EXPECT_EQ(sheet.row(3, 'B'), QStringList({"1", "0003"}));
    EXPECT_EQ(sheet.row(4, 'B'), QStringList({"2", "0002"}));
    EXPECT_EQ(sheet.row(5, 'B'), QStringList({"3", "0001"}));
    EXPECT_EQ(sheet.text("A6"), "合计");
}

// Some windows name the spreadsheet after the title text alone; the title row keeps
// the organisation's name.
TEST_F(SheetExportFixture, CaptionWithoutOrgNameNamesTheFile)
{
    SheetMember member = kSummedMember;
    member.captionWithoutOrgName = true;
    auto rows = gridModel({"编号", "出库仓库", "数量", "金额"}, {});
    const QString path = exporter.exportList(member, *rows);
    EXPECT_TRUE(QFileInfo(path).fileName().startsWith("报损物品一览表_"));
    EXPECT_EQ(ExportedSheet(path).text("A1"), kOrgName + "报损物品一览表");
}

// File names carry the time to the second; an export in the same second gets its own.
TEST_F(SheetExportFixture, RepeatedExportsKeepEveryFile)
{
    auto rows = gridModel({"编号", "出库仓库", "数量", "金额"}, {});
    const QString first = exporter.exportList(kSummedMember, *rows);
    const QString second = exporter.exportList(kSummedMember, *rows);
    EXPECT_NE(first, second);
    EXPECT_TRUE(QFileInfo::exists(first));
    EXPECT_TRUE(QFileInfo::exists(second));
}

// A query result is fetched in parts; the sheet holds all of it.
TEST_F(SheetExportFixture, ExportsEveryRowOfAQueryModel)
{
    {
        QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", "sheet_export");
        database.setDatabaseName(":memory:");
        ASSERT_TRUE(database.open());
        QSqlQueryModel model;
        model.setQuery("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                       "WHERE i < 600) SELECT printf('%04d', i) AS 编号, '库' AS 出库仓库, "
                       "i AS 数量, i * 2 AS 金额 FROM n",
                       database);
        ASSERT_LT(model.rowCount(), 600) << "the model should fetch in parts";
        const ExportedSheet sheet(exporter.exportList(kSummedMember, model));
        EXPECT_EQ(sheet.row(602, 'E'), QStringList({"600", "0600", "库", "600", "1200"}));
        EXPECT_EQ(sheet.text("A603"), "合计");
    }
    QSqlDatabase::removeDatabase("sheet_export");
}

// The plain layout, read back with the workbook reader: row 1 holds the titles.
TEST_F(SheetExportFixture, PlainLayoutReadsBackByTitles)
{
    const SheetMember plain{.window = "TestPlain",
                            .layout = SheetLayout::Plain,
                            .titleText = "物品信息",
                            .columns = {{"物品编码", 0, true}, {"物品名称"}, {"单价"}},
                            .numberWidth = 0};
    auto rows = gridModel({"物品名称", "单价", "物品编码"},
                          {{"订书机", "12.5", "0001"}, {"螺丝(M6", "", "00E5"}});
    const QString path = exporter.exportList(plain, *rows);
    EXPECT_TRUE(QFileInfo(path).fileName().startsWith("物品信息_"));

    const SheetReadResult read = readSheet1(path);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_EQ(read.table.titles(), QStringList({"序号", "物品编码", "物品名称", "单价"}));
    ASSERT_EQ(read.table.rowCount(), 2);
    EXPECT_EQ(read.table.value(1, "序号"), "2");
    EXPECT_EQ(read.table.value(1, "物品编码"), "00E5") << "not read as 0×10⁵";
    EXPECT_EQ(read.table.value(0, "单价"), "12.5");

    const ExportedSheet sheet(path);
    EXPECT_TRUE(sheet.merges.isEmpty());
    EXPECT_TRUE(sheet.widths.isEmpty());
    EXPECT_TRUE(sheet.footer.isEmpty());
    EXPECT_FALSE(sheet.landscape);
}

MovementRecordItem movementItem()
{
    return {"订书机", "A4", "个", "12.5", "物品仓库", "30"};
}

TEST_F(SheetExportFixture, MovementRecordHasSixSectionsEvenWhenEmpty)
{
    auto purchases = gridModel({"采购日期", "供应商", "采购人", "数量", "单价", "金额", "备注"},
                               {{"2024-03-01", "文具店", "张三", "10", "12.5", "125", ""},
                                {"2024-02-01", "文具店", "李四", "20", "12", "240", ""}});
    auto loans = gridModel({"借用日期", "借用人", "批准人", "数量", "备注"},
                           {{"2024-03-05", "王五", "赵六", "1", ""}});
    const QString path = exporter.exportMovementRecord(
        movementItem(), {purchases.get(), nullptr, loans.get(), nullptr, nullptr, nullptr});
    const ExportedSheet sheet(path);
    ASSERT_TRUE(sheet.ok);
    EXPECT_TRUE(QFileInfo(path).fileName().startsWith(kOrgName + "物品流动记录表_"));
    EXPECT_EQ(sheet.text("A1"), kOrgName + "物品流动记录表");
    EXPECT_EQ(sheet.row(2, 'G'), QStringList({"", "物品名称", "规格", "单位", "单价", "所在仓库", "库存数量"}));
    EXPECT_EQ(sheet.row(3, 'G'), QStringList({"", "订书机", "A4", "个", "12.5", "物品仓库", "30"}));
    EXPECT_FALSE(sheet.isText("E3"));

    // Each section: a blank merged row, a merged name row, a header row, the movements.
    const QList<QStringList> expected = {
        {}, {"采购记录"}, {"序号", "采购日期", "采购人", "数量", "单价", "金额", "供应商"},
        {"1", "2024-03-01", "张三", "10", "12.5", "125", "文具店"},
        {"2", "2024-02-01", "李四", "20", "12", "240", "文具店"},
        {}, {"领用记录"}, {"序号", "领用日期", "领用人", "数量"},
        {}, {"借出记录"}, {"序号", "借用日期", "借用人", "批准人", "数量"},
        {"1", "2024-03-05", "王五", "赵六", "1"},
        {}, {"归还记录"}, {"序号", "归还日期", "归还人", "数量"},
        {}, {"报损记录"}, {"序号", "报损日期", "批准人", "数量"},
        {}, {"报溢记录"}, {"序号", "报溢日期", "批准人", "数量"},
    };
    QStringList expectedMerges = {"A1:G1"};
    for (int index = 0; index < expected.size(); ++index) {
        const int row = index + 4;
        QStringList wanted = expected[index];
        while (wanted.size() < 7)
            wanted << "";
        EXPECT_EQ(sheet.row(row, 'G'), wanted) << "row " << row;
        if (expected[index].size() <= 1)
            expectedMerges << QString("A%1:G%1").arg(row);
    }
    EXPECT_EQ(sheet.lastRow(), expected.size() + 3);
    EXPECT_EQ(sheet.merges, expectedMerges);
    EXPECT_TRUE(sheet.isText("B7")) << "dates stay text";
    EXPECT_FALSE(sheet.isText("D7"));
    EXPECT_FALSE(sheet.landscape);
    EXPECT_TRUE(sheet.footer.isEmpty());
}

struct FailureCase {
    const char *name;
    bool folderIsAFile;
    QStringList gridTitles;
    QString message;
};

class ExportFailure : public SheetExportFixture, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ExportFailure, TellsTheUserAndWritesNothing)
{
    QString exportFolder = folder.filePath("Excel导出");
    if (GetParam().folderIsAFile) {
        QFile blocker(exportFolder);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    auto rows = gridModel(GetParam().gridTitles, {{"0012", "库", "1", "2"}});
    EXPECT_TRUE(exporter.exportList(kSummedMember, *rows).isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].kind, ScriptedDialogs::Kind::Error);
    EXPECT_EQ(dialogs.messages[0].text, GetParam().message);
    EXPECT_TRUE(dialogs.openedUrls.isEmpty());
    EXPECT_TRUE(QDir(exportFolder).entryList(QDir::Files).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    SheetExport, ExportFailure,
    ::testing::Values(
        FailureCase{"folder_cannot_be_made", true, {"编号", "出库仓库", "数量", "金额"},
                    "无法创建Xls文件，请确认是否安装EXCEL"},
        FailureCase{"grid_lacks_a_column", false, {"编号", "出库名称", "数量", "金额"},
                    "导出失败：列表中没有“出库仓库”列。"}),
    [](const auto &info) { return std::string(info.param.name); });

// When nothing on the desktop opens the file, the user learns where it is.
TEST(SheetExport, SaysWhereTheFileIsWhenItCannotBeOpened)
{
    struct NoOpener : ScriptedDialogs {
        bool openUrl(const QUrl &) override { return false; }
    } dialogs;
    QTemporaryDir folder;
    SheetExporter exporter(dialogs, kOrgName, folder.path());
    auto rows = gridModel({"编号", "出库仓库", "数量", "金额"}, {});
    const QString path = exporter.exportList(kSummedMember, *rows);
    ASSERT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(dialogs.lastText(), "文件已保存：" + QDir::toNativeSeparators(path));
}

} // namespace
