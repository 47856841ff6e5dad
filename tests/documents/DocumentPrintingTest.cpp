// Printing of purchase-in documents, read back from the PDF with pdftotext.
#include "documents/DocumentPrinting.h"
#include "store/Transaction.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

const QString kNumber = "2603150001";
const QDateTime kPrintTime(QDate(2026, 3, 15), QTime(10, 30, 5));

// The text of each page of a PDF file, laid out as on the page.
QStringList pdfPages(const QString &fileName)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", fileName, "-"});
    if (!pdftotext.waitForFinished(30000))
        return {};
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// The line of `text` that contains `part`, blanks squeezed, or empty text.
QString lineWith(const QString &text, const QString &part)
{
    for (const QString &line : text.split('\n'))
        if (line.contains(part))
            return line.simplified();
    return {};
}

// A purchase-in document 2603150001 from supplier 齐心办公用品有限公司 into storage 1,
// with the items and lines each test adds.
struct PurchaseInPrint : ::testing::Test {
    TestDatabase db;
    QTemporaryDir output;
    int supplier = 0;

    PurchaseInPrint()
    {
        db.dm.myESQL("INSERT INTO UMerchant (MName) VALUES ('齐心办公用品有限公司')");
        supplier = db.value("select max(ID) from UMerchant").toInt();
        db.dm.myESQL("INSERT INTO UIn_CG (theNum, theUser, myDate, theBGPro, Remark, theDate, theDel, "
                     "theCGPro, MID, SID, SName) VALUES (?, '系统管理员', '2026-03-14', '李四', "
                     "'季度补货', ?, 0, '张三', ?, 1, '物品仓库')",
                     {kNumber, kTestLoginDate, supplier});
    }

    int addItem(const QString &code, const QString &name, const QString &standard, const QString &unit)
    {
        db.dm.myESQL("INSERT INTO UArticle (theNum, AName, AStandard, AUnit, APrice) VALUES (?, ?, ?, ?, 0)",
                     {code, name, standard, unit});
        return db.value("select max(ID) from UArticle").toInt();
    }

    void addLine(int myID, int item, double price, double count, const QString &remark = {}, int deleted = 0)
    {
        db.dm.myESQL("INSERT INTO UIn_CG_Bill (theNum, AID, theCount, Remark, myID, theDel, APrice, SID) "
                     "VALUES (?, ?, ?, ?, ?, ?, ?, 1)",
                     {kNumber, item, count, remark, myID, deleted, price});
    }

    // The document printed to a PDF file, as pages of text. The file is kept in
    // ARTICLE_SCREENSHOT_DIR, when set, for a person to look at.
    QStringList printed()
    {
        QString folder = qEnvironmentVariable("ARTICLE_SCREENSHOT_DIR");
        if (folder.isEmpty() || !QDir().mkpath(folder))
            folder = output.path();
        const QString fileName = QString("%1/%2.pdf").arg(
            folder, ::testing::UnitTest::GetInstance()->current_test_info()->name());
        {
            QPdfWriter writer(fileName);
            renderDocument(db.dm, purchaseInPrint(), kNumber, writer, kPrintTime);
        }
        return pdfPages(fileName);
    }
};

TEST_F(PurchaseInPrint, PrintsTitleHeaderLiveLinesTotalsAndFooter)
{
    const int pen = addItem("WP0001", "晨光中性笔", "0.5mm黑色", "支");
    const int stapler = addItem("WP0002", "得力订书机", "12号", "台");
    const int withdrawn = addItem("WP0003", "作废订书钉", "24/6", "盒");
    addLine(1, pen, 1234.5, 2.5, "加急");
    addLine(2, withdrawn, 99999, 7, {}, 1);
    addLine(3, stapler, 8, 3);

    const QStringList pages = printed();
    ASSERT_EQ(pages.size(), 1);
    const QString &page = pages[0];
    for (const char *expected :
         {"晴川朔禾信息科技有限公司物品采购入库单", "商家名称：齐心办公用品有限公司", "编号：2603150001",
          "采购日期：2026-03-14", "采购人：张三", "经办人：李四", "入库仓库：物品仓库", "备注：季度补货",
          "打印时间：2026-03-15 10:30:05", "采购人签字：___", "经办人签字：___"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(expected))) << expected << "\n" << page.toStdString();

    EXPECT_EQ(lineWith(page, "物品编码"), "序号 物品编码 物品名称 规格型号 单位 单价 数量 金额 备注");
    EXPECT_EQ(lineWith(page, "晨光中性笔"), "1 WP0001 晨光中性笔 0.5mm黑色 支 1,234.50 2.5 3,086.25 加急");
    EXPECT_EQ(lineWith(page, "得力订书机"), "3 WP0002 得力订书机 12号 台 8.00 3 24.00");
    // The deleted line is neither printed nor summed.
    EXPECT_EQ(lineWith(page, "合计"), "合计 5.5 3,110.25");
    EXPECT_FALSE(page.contains("作废订书钉"));
    EXPECT_FALSE(page.contains("99,999.00"));
}

TEST_F(PurchaseInPrint, LongDocumentRepeatsThePageHeaderOnEveryPage)
{
    const int pen = addItem("WP0001", "晨光中性笔", "0.5mm黑色", "支");
    Transaction lines(db.dm.database());
    for (int line = 1; line <= 60; ++line)
        addLine(line, pen, line, 1);
    lines.commit();

    const QStringList pages = printed();
    ASSERT_EQ(pages.size(), 2);
    for (const QString &page : pages) {
        EXPECT_TRUE(page.contains("晴川朔禾信息科技有限公司物品采购入库单"));
        EXPECT_TRUE(page.contains("编号：2603150001"));
        EXPECT_EQ(lineWith(page, "物品编码"), "序号 物品编码 物品名称 规格型号 单位 单价 数量 金额 备注");
    }
    EXPECT_EQ(pages[0].count("晨光中性笔"), 51);
    EXPECT_EQ(pages[1].count("晨光中性笔"), 9);
    EXPECT_TRUE(lineWith(pages[0], "晨光中性笔").startsWith("1 WP0001"));
    EXPECT_TRUE(lineWith(pages[1], "晨光中性笔").startsWith("52 WP0001"));
    EXPECT_FALSE(pages[0].contains("合计"));
    EXPECT_EQ(lineWith(pages[1], "合计"), "合计 60 1,830.00");
}

TEST_F(PurchaseInPrint, DocumentOfDeletedSupplierPrintsLinesWithoutHeaderFields)
{
    addLine(1, addItem("WP0001", "晨光中性笔", "0.5mm黑色", "支"), 2, 5);
    db.dm.myESQL("DELETE FROM UMerchant WHERE ID = ?", {supplier});

    const QString page = printed().value(0);
    EXPECT_TRUE(page.contains("晴川朔禾信息科技有限公司物品采购入库单"));
    for (const char *label : {"商家名称：", "编号：", "采购日期：", "采购人：", "入库仓库：", "备注："})
        EXPECT_EQ(lineWith(page, label).split(' ').filter(label).value(0), label) << label;
    for (const char *value : {"齐心办公用品有限公司", "2603150001", "张三", "李四", "物品仓库", "季度补货"})
        EXPECT_FALSE(page.contains(QString::fromUtf8(value))) << value;
    EXPECT_EQ(lineWith(page, "晨光中性笔"), "1 WP0001 晨光中性笔 0.5mm黑色 支 2.00 5 10.00");
    EXPECT_EQ(lineWith(page, "合计"), "合计 5 10.00");
}

TEST_F(PurchaseInPrint, DocumentWithoutLiveLinesPrintsAnEmptyTotalsRow)
{
    addLine(1, addItem("WP0001", "晨光中性笔", "0.5mm黑色", "支"), 2, 5, {}, 1);

    const QStringList pages = printed();
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains("商家名称：齐心办公用品有限公司"));
    EXPECT_TRUE(pages[0].contains("采购人：张三"));
    EXPECT_EQ(lineWith(pages[0], "合计"), "合计");
    EXPECT_FALSE(pages[0].contains("晨光中性笔"));
}

// Items may be deleted while documents keep their lines; the line still belongs on the
// print and in its totals, only without the item's own fields.
TEST_F(PurchaseInPrint, LineOfDeletedItemStillPrintsAndCounts)
{
    addLine(1, addItem("WP0001", "晨光中性笔", "0.5mm黑色", "支"), 2, 5);
    const int stapler = addItem("WP0002", "得力订书机", "12号", "台");
    addLine(2, stapler, 8, 3, "旧型号");
    db.dm.myESQL("DELETE FROM UArticle WHERE ID = ?", {stapler});

    const QString page = printed().value(0);
    EXPECT_EQ(lineWith(page, "旧型号"), "2 8.00 3 24.00 旧型号");
    EXPECT_EQ(lineWith(page, "合计"), "合计 8 34.00");
}

TEST_F(PurchaseInPrint, PreviewOfPrintIn_CGPrintsTheDocumentOnA4)
{
    addLine(1, addItem("WP0001", "晨光中性笔", "0.5mm黑色", "支"), 1234.5, 2.5);
    const QString fileName = output.filePath("preview.pdf");
    QString documentName;
    QPageLayout layout;
    db.dialogs.onPreview = [&](const std::function<void(QPrinter *)> &paint) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileName);
        paint(&printer);
        documentName = printer.docName();
        layout = printer.pageLayout();
    };

    PrintIn_CG(db.services, nullptr, kNumber);

    EXPECT_EQ(db.dialogs.previews, 1);
    EXPECT_TRUE(db.dialogs.messages.isEmpty());
    EXPECT_EQ(documentName, "cg");
    EXPECT_TRUE(layout.pageSize().isEquivalentTo(QPageSize(QPageSize::A4)));
    EXPECT_EQ(layout.margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
    const QString page = pdfPages(fileName).value(0);
    EXPECT_TRUE(page.contains("晴川朔禾信息科技有限公司物品采购入库单"));
    EXPECT_EQ(lineWith(page, "晨光中性笔"), "1 WP0001 晨光中性笔 0.5mm黑色 支 1,234.50 2.5 3,086.25");
}

TEST_F(PurchaseInPrint, DatabaseFailureIsShownInsteadOfThePreview)
{
    db.dm.myESQL("DROP TABLE UIn_CG_Bill");

    PrintIn_CG(db.services, nullptr, kNumber);

    EXPECT_EQ(db.dialogs.previews, 0);
    ASSERT_EQ(db.dialogs.messages.size(), 1);
    EXPECT_EQ(db.dialogs.messages[0].kind, ScriptedDialogs::Kind::Error);
}

// One document of each of the return, transfer, request and surplus kinds, with two
// live lines and a deleted one; each print shows its title, header fields, live lines
// in order, totals and signature lines.
struct OtherKindsPrint : ::testing::Test {
    TestDatabase db;
    QTemporaryDir output;

    OtherKindsPrint()
    {
        db.dm.myESQL("INSERT INTO SStorage (SName) VALUES ('备品仓库')");
        db.dm.myESQL("INSERT INTO UArticle (theNum, AType, AName, AStandard, AUnit, APrice) VALUES "
                     "('WP0001', '办公', '晨光中性笔', '0.5mm黑色', '支', 9), ('WP0002', '工具', '得力订书机', '12号', '台', 9), "
                     "('WP0003', '工具', '作废订书钉', '24/6', '盒', 9)");
    }

    QStringList printed(const PrintedKind &kind, const QString &name)
    {
        QString folder = qEnvironmentVariable("ARTICLE_SCREENSHOT_DIR");
        if (folder.isEmpty() || !QDir().mkpath(folder))
            folder = output.path();
        const QString fileName = QString("%1/%2.pdf").arg(folder, name);
        {
            QPdfWriter writer(fileName);
            renderDocument(db.dm, kind, kNumber, writer, kPrintTime);
        }
        return pdfPages(fileName);
    }

    static void expectLines(const QString &page, const QStringList &expected)
    {
        for (const QString &line : expected)
            EXPECT_EQ(lineWith(page, line.section(' ', 2, 2)), line) << page.toStdString();
        EXPECT_FALSE(page.contains("作废订书钉"));
        EXPECT_LT(page.indexOf("晨光中性笔"), page.indexOf("得力订书机"));
    }
};

TEST_F(OtherKindsPrint, ReturnPrintsQuantitiesAndTheStorageOfEachLine)
{
    db.dm.myESQL("INSERT INTO UIn_GH (theNum, theGHPro, theBGPro, myDate, Remark, theDel) VALUES "
                 "(?, '张三', '李四', '2026-03-14', '按时归还', 0)", {kNumber});
    db.dm.myESQL("INSERT INTO UIn_GH_Bill (theNum, AID, SID, theCount, Remark, myID, theDel) VALUES "
                 "(?, 1, 2, 2.5, '完好', 1, 0), (?, 3, 1, 7, '', 2, 1), (?, 2, 1, 1, '', 3, 0)",
                 {kNumber, kNumber, kNumber});
    const QStringList pages = printed(returnPrint(), "return_print");
    ASSERT_EQ(pages.size(), 1);
    const QString &page = pages[0];
    for (const char *expected : {"晴川朔禾信息科技有限公司物品归还入库单", "归还日期：2026-03-14", "归还人：张三",
                                 "经办人：李四", "编号：2603150001", "备注：按时归还", "打印时间：2026-03-15 10:30:05",
                                 "归还人签字：___", "经办人签字：___"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_EQ(lineWith(page, "物品编码"), "序号 物品编码 物品名称 规格型号 单位 数量 入库仓库 备注");
    expectLines(page, {"1 WP0001 晨光中性笔 0.5mm黑色 支 2.5 备品仓库 完好", "3 WP0002 得力订书机 12号 台 1 物品仓库"});
    EXPECT_EQ(lineWith(page, "合计"), "合计 3.5");
}

TEST_F(OtherKindsPrint, TransferPrintsBothStoragesAndTheLinePrices)
{
    db.dm.myESQL("INSERT INTO UDB (theNum, theBGPro, myDate, DBName, RKName, Remark, theDel) VALUES "
                 "(?, '李四', '2026-03-14', '物品仓库', '备品仓库', '搬库', 0)", {kNumber});
    db.dm.myESQL("INSERT INTO UDB_Bill (theNum, AID, theCount, thePrice, Remark, myID, DBID, RKID, theDel) VALUES "
                 "(?, 1, 2, 1234.5, '整盒', 1, 1, 2, 0), (?, 3, 7, 1, '', 2, 1, 2, 1), (?, 2, 3, 8, '', 3, 1, 2, 0)",
                 {kNumber, kNumber, kNumber});
    const QString page = printed(transferPrint(), "transfer_print").value(0);
    for (const char *expected : {"晴川朔禾信息科技有限公司物品调拨单", "调拨日期：2026-03-14", "调拨仓库：物品仓库",
                                 "入库仓库：备品仓库", "经办人：李四", "编号：2603150001", "备注：搬库", "经办人签字：___"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(expected))) << expected;
    expectLines(page, {"1 WP0001 晨光中性笔 0.5mm黑色 支 1,234.50 2 2,469.00 整盒", "3 WP0002 得力订书机 12号 台 8.00 3 24.00"});
    EXPECT_EQ(lineWith(page, "合计"), "合计 5 2,493.00");
}

TEST_F(OtherKindsPrint, RequestPrintsTheApplicantAndThreeSignatures)
{
    db.dm.myESQL("INSERT INTO USQ (theNum, theSQPro, theBGPro, myDate, Remark, DName, theDel) VALUES "
                 "(?, '王五', '李四', '2026-03-14', '开工', '工程部', 0)", {kNumber});
    db.dm.myESQL("INSERT INTO USQ_Bill (theNum, AID, APrice, theCount, Remark, myID, theDel) VALUES "
                 "(?, 1, 2, 10, '', 1, 0), (?, 3, 1, 7, '', 2, 1), (?, 2, 0, 1, '无价', 3, 0)",
                 {kNumber, kNumber, kNumber});
    const QString page = printed(requestPrint(), "request_print").value(0);
    for (const char *expected : {"晴川朔禾信息科技有限公司物品申请单", "申请日期：2026-03-14", "申请人：王五",
                                 "经办人：李四", "编号：2603150001", "申请人签字：___", "审批人签字：___", "经办人签字：___"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(expected))) << expected;
    expectLines(page, {"1 WP0001 晨光中性笔 0.5mm黑色 支 2.00 10 20.00", "3 WP0002 得力订书机 12号 台 0.00 1 0.00 无价"});
    EXPECT_EQ(lineWith(page, "合计"), "合计 11 20.00");
}

TEST_F(OtherKindsPrint, SurplusPrintsTheStorageAndTheLinePrices)
{
    db.dm.myESQL("INSERT INTO UIn_BY (theNum, thePZPro, theBGPro, myDate, Remark, SName, theDel) VALUES "
                 "(?, '张三', '李四', '2026-03-14', '盘点', '备品仓库', 0)", {kNumber});
    db.dm.myESQL("INSERT INTO UIn_BY_Bill (theNum, AID, SID, theCount, thePrice, Remark, myID, theDel) VALUES "
                 "(?, 1, 2, 4, 1.25, '盘盈', 1, 0), (?, 3, 2, 7, 1, '', 2, 1), (?, 2, 2, 1, 30, '', 3, 0)",
                 {kNumber, kNumber, kNumber});
    const QString page = printed(surplusPrint(), "surplus_print").value(0);
    for (const char *expected : {"晴川朔禾信息科技有限公司物品报溢入库单", "报溢日期：2026-03-14", "入库仓库：备品仓库",
                                 "审批人：张三", "经办人：李四", "编号：2603150001", "备注：盘点", "审批人签字：___",
                                 "经办人签字：___"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(expected))) << expected;
    expectLines(page, {"1 WP0001 晨光中性笔 0.5mm黑色 支 1.25 4 5.00 盘盈", "3 WP0002 得力订书机 12号 台 30.00 1 30.00"});
    EXPECT_EQ(lineWith(page, "合计"), "合计 5 35.00");
}

} // namespace
