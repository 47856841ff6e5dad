// Page layout and geometry of the renderer, with the purchase-in template.
#include "reports/Code39.h"
#include "reports/DocumentTemplates.h"
#include "reports/ReportRenderer.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// The data sets of frxR_CG with `lines` lines.
ReportData purchaseInData(int lines)
{
    ReportData data;
    data.sets.insert(kUnitSet, {{"UName"}, {{QString("晴川朔禾信息科技有限公司")}}});
    data.sets.insert(kKindSet, {{"theName"}, {{QString("物品采购入库单")}}});
    data.sets.insert("frxDB_CG", {{"MName", "theNum", "myDate", "theCGPro", "theBGPro", "SName", "Remark"}, {}});
    DataSet bill{{"myID", "ANum", "AName", "AStandard", "AUnit", "APrice", "theCount", "Remark"}, {}};
    for (int i = 1; i <= lines; ++i)
        bill.rows.append(QVariantList{i, "WP0001", "笔", "", "支", 1.0, 1.0, ""});
    data.sets.insert("frxDB_CG_Bill", bill);
    return data;
}

// On A4 with 10 mm margins 277 mm are printable: the 20 mm page header leaves room for
// 51 rows of 5 mm, or 46 rows with the 23 mm footer below them.
TEST(ReportPages, RowsFillPagesAndTheFooterFollowsTheLastRow)
{
    struct Case {
        int lines;
        QList<qsizetype> rowsPerPage;
    };
    const Case cases[] = {
        {0, {0}},      {1, {1}},          {46, {46}},        {47, {47, 0}},
        {51, {51, 0}}, {52, {51, 1}},     {60, {51, 9}},     {97, {51, 46}},
        {98, {51, 47, 0}}, {103, {51, 51, 1}},
    };
    for (const Case &c : cases) {
        const ReportRenderer renderer(frxR_CG(), purchaseInData(c.lines));
        QList<qsizetype> rowsPerPage;
        qsizetype nextRow = 0;
        for (const PagePlan &page : renderer.pages()) {
            EXPECT_EQ(page.firstRow, nextRow) << c.lines << " lines";
            EXPECT_EQ(page.footer, &page == &renderer.pages().last()) << c.lines << " lines";
            rowsPerPage << page.rowCount;
            nextRow += page.rowCount;
        }
        EXPECT_EQ(rowsPerPage, c.rowsPerPage) << c.lines << " lines";
    }
}

// Draws page 1 at 10 pixels per millimetre and finds the rules where the template puts
// them: column boundaries in the title row, line rows below it, the totals row.
TEST(ReportPages, RulesSitWhereTheTemplateMeasuresThem)
{
    const ReportRenderer renderer(frxR_CG(), purchaseInData(2));
    QImage page(1900, 2770, QImage::Format_Grayscale8);
    page.setDotsPerMeterX(10000);
    page.setDotsPerMeterY(10000);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        renderer.drawPage(painter, 0);
    }
    const auto dark = [&page](double xMm, double yMm) {
        return qGray(page.pixel(qRound(xMm * 10), qRound(yMm * 10))) < 128;
    };

    // Title row 15–20 mm, two lines 20–30 mm, totals 30–35 mm.
    for (double top : {15.0, 20.0, 25.0, 30.0}) {
        for (double boundary : {0.0, 10.0, 35.0, 85.0, 105.0, 115.0, 135.0, 150.0, 170.0, 189.9}) {
            EXPECT_TRUE(dark(boundary, top + 2.5)) << boundary << " mm, row at " << top;
            if (boundary < 189) {
                EXPECT_FALSE(dark(boundary + 0.6, top + 0.6)) << boundary << " mm, row at " << top;
            }
        }
        EXPECT_TRUE(dark(60, top)) << "rule at " << top;
    }
    EXPECT_TRUE(dark(60, 35));
    // Between the totals row and the footer fields nothing is drawn.
    EXPECT_FALSE(dark(60, 35.6));
    // The header fields at 10–15 mm are not boxed.
    EXPECT_FALSE(dark(10, 12.5));
}

} // namespace

namespace {

TEST(ReportColumns, BandsFillEachColumnThenTheNextPage)
{
    ReportTemplate report;
    report.pageSize = QSizeF(210, 297);
    report.margins = QMarginsF(0, 0, 0, 0);
    report.columns = 3;
    report.columnWidth = 69.33;
    report.masterDataSet = "rows";
    report.masterData.height = 29.7;
    DataSet rows;
    rows.columns = {"n"};
    for (int i = 0; i < 31; ++i)
        rows.rows.append(QVariantList{i});
    ReportData data;
    data.sets.insert("rows", rows);
    const ReportRenderer renderer(report, data);
    ASSERT_EQ(renderer.pages().size(), 2);
    EXPECT_EQ(renderer.pages()[0].rowCount, 30);
    EXPECT_EQ(renderer.pages()[1].firstRow, 30);
    EXPECT_EQ(renderer.pages()[1].rowCount, 1);
}

TEST(ReportColumns, Code39TakesOnlyItsOwnCharacters)
{
    const struct { const char *text; bool encodable; } cases[] = {
        {"2603150001", true}, {"AB-1 $/+%.", true}, {"ab-1", false}, {"编码1", false}, {"", false}, {"A*B", false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(code39CanEncode(QString::fromUtf8(c.text)), c.encodable) << c.text;
        EXPECT_EQ(code39Bars(QString::fromUtf8(c.text)).has_value(), c.encodable) << c.text;
    }
    // Start, ten characters and stop: 12 characters of five bars each.
    EXPECT_EQ(code39Bars("2603150001")->bars.size(), 60);
}

} // namespace
