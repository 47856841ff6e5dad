// The export of an overview list, read back with openpyxl; the streaming exporter's
// progress and its refusal of a list longer than a sheet.
#include "OverviewData.h"
#include "queries/TfrmYLB.h"
#include "sheets/SheetMembers.h"
#include "ui/QueryRowsModel.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

QJsonObject readSheet(const QString &path)
{
    QProcess reader;
    reader.start(SYSTEM_PYTHON3, {READ_SHEET_SCRIPT, path});
    reader.waitForFinished(60000);
    EXPECT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
}

// The number after the label in a status text, "金额：12.5" → 12.5.
double strip(const OverviewList &list, int label)
{
    return list.statusTexts().at(label).section(QStringLiteral("："), 1).toDouble();
}

TEST(OverviewExport, FollowsTheSortedOrderWithTextCellsTotalsLandscapeAndFooter)
{
    TestDatabase db;
    OverviewData data(db);
    TfrmYLB_JC loans(db.services);
    loans.search();
    loans.titleClick(loans.rows()->column("金额"));
    loans.exportList();
    ASSERT_EQ(db.dialogs.openedUrls.size(), 1) << db.dialogs.lastText().toStdString();
    const QJsonObject sheet = readSheet(db.dialogs.openedUrls.first().toLocalFile());
    const QJsonArray rows = sheet["rows"].toArray();
    ASSERT_EQ(rows.size(), 7);
    EXPECT_EQ(rows[0].toArray()[0].toString(), "测试单位借用物品一览表");
    QStringList header;
    for (const QJsonValue &title : rows[1].toArray())
        header << title.toString();
    EXPECT_EQ(header, QStringList({"序号", "编号", "借用日期", "部门名称", "借用人", "批准人", "出库仓库", "物品编码",
                                   "物品分类", "物品名称", "规格型号", "单位", "单价", "借用数量", "金额",
                                   "归还数量", "未还数量", "备注", "归还天数"}));
    QList<double> amounts;
    for (int row = 2; row < 6; ++row) {
        const QJsonArray cells = rows[row].toArray();
        EXPECT_EQ(cells[0].toDouble(), row - 1);
        EXPECT_TRUE(cells[1].isString() && cells[2].isString() && cells[7].isString());
        amounts << cells[14].toDouble();
    }
    EXPECT_EQ(amounts, QList<double>({7.5, 20.5, 107.625, 99999.99}));
    EXPECT_EQ(rows[5].toArray()[7].toString(), "0012"); // the code keeps its zeros
    EXPECT_EQ(rows[2].toArray()[2].toString(), "2026-03-01");
    const QJsonArray totals = rows[6].toArray();
    EXPECT_EQ(totals[0].toString(), "合计");
    for (int sum = 0; sum < 4; ++sum)
        EXPECT_DOUBLE_EQ(totals[13 + sum].toDouble(), strip(loans, sum + 1)) << sum;
    EXPECT_TRUE(totals[1].isNull());
    EXPECT_EQ(sheet["merges"].toArray(), QJsonArray({"A1:S1"}));
    EXPECT_TRUE(sheet["landscape"].toBool());
    EXPECT_TRUE(sheet["footer"].toString().endsWith("共&N页，第&P页"));
}

TEST(OverviewExport, NeedsTheExportRight)
{
    TestDatabase db;
    OverviewData data(db);
    db.context.RightExport = "否";
    TfrmYLB_DB transfers(db.services);
    transfers.search();
    transfers.exportList();
    EXPECT_TRUE(db.dialogs.openedUrls.isEmpty());
    EXPECT_TRUE(db.dialogs.messages.isEmpty());
}

// Rows that count how often they are read.
struct CountedRows : SheetRows {
    qint64 rows;
    qint64 read = 0;
    explicit CountedRows(qint64 size) : rows(size) {}
    QStringList titles() const override { return {"编号", "数量", "金额"}; }
    qint64 size() const override { return rows; }
    bool next() override { return ++read <= rows; }
    QString text(int column) const override { return QString::number(read * (column + 1)); }
};

SheetMember smallMember()
{
    return {"TfrmSmall", SheetLayout::Titled, "小表", {{"编号", 8, true}, {"数量", 8}, {"金额", 8}}, {"数量", "金额"}};
}

TEST(StreamedExport, RefusesAListLongerThanASheetBeforeWritingAnything)
{
    TestDatabase db;
    const QString folder = db.folder.path() + "/export";
    CountedRows rows(kSheetRowLimit - 2); // with title, header and 合计: one row too many
    EXPECT_TRUE(SheetExporter(db.dialogs, "单位", folder).exportRows(smallMember(), rows).isEmpty());
    EXPECT_EQ(rows.read, 0);
    EXPECT_FALSE(QDir(folder).exists());
    ASSERT_EQ(db.dialogs.messages.size(), 1);
    EXPECT_EQ(db.dialogs.messages[0].kind, ScriptedDialogs::Kind::Warning);
    EXPECT_TRUE(db.dialogs.lastText().contains("1048576"));
}

TEST(StreamedExport, ReportsProgressAndWritesEveryRow)
{
    TestDatabase db;
    CountedRows rows(4500);
    QList<qint64> reported;
    const QString path = SheetExporter(db.dialogs, "单位", db.folder.path() + "/export")
                             .exportRows(smallMember(), rows, nullptr, {},
                                         [&](qint64 written, qint64 total) {
                                             EXPECT_EQ(total, 4500);
                                             reported << written;
                                         });
    ASSERT_FALSE(path.isEmpty());
    EXPECT_EQ(reported, QList<qint64>({2000, 4000}));
    const QJsonArray sheetRows = readSheet(path)["rows"].toArray();
    ASSERT_EQ(sheetRows.size(), 2 + 4500 + 1);
    EXPECT_EQ(sheetRows[4501].toArray()[3].toDouble(), 4500 * 3);
    EXPECT_EQ(sheetRows.last().toArray()[0].toString(), "合计");
}

} // namespace
