#include "reports/DocumentTemplates.h"

namespace {

const double kPrintableWidth = 190;
const double kRowHeight = 5;
const double kFooterHeight = 23;
const double kSignatureSpacing = 64;
const double kSignatureWidth = 60;

TextBox textBox(double left, double top, double width, const QString &text,
                Qt::Alignment alignment = Qt::AlignLeft)
{
    TextBox box;
    box.rect = QRectF(left, top, width, kRowHeight);
    box.text = text;
    box.alignment = alignment;
    return box;
}

// One framed cell per column in a row at `top`, with the text `cellText` picks.
template <typename CellText>
QList<TextBox> boxedRow(const QList<DocumentColumn> &columns, double top, CellText cellText)
{
    QList<TextBox> row;
    for (const DocumentColumn &column : columns) {
        TextBox cell = textBox(column.left, top, column.right - column.left, cellText(column),
                               column.alignment);
        cell.framed = true;
        cell.format = column.format;
        row << cell;
    }
    return row;
}

Band pageHeader(const DocumentLayout &layout)
{
    TextBox title = textBox(0, 2, kPrintableWidth,
                            QStringLiteral("[%1.UName][%2.theName]").arg(kUnitSet, kKindSet),
                            Qt::AlignHCenter);
    title.rect.setHeight(7);
    title.fontPoints = 16;
    title.bold = true;

    Band band{layout.headerHeight, {title}};
    band.boxes << layout.headerFields;
    const double titlesTop = layout.headerHeight - kRowHeight;
    for (TextBox titleCell : boxedRow(layout.columns, titlesTop,
                                      [](const DocumentColumn &c) { return c.title; })) {
        titleCell.alignment = Qt::AlignHCenter;
        band.boxes << titleCell;
    }
    return band;
}

Band footer(const DocumentLayout &layout)
{
    Band band{kFooterHeight, boxedRow(layout.columns, 0,
                                      [](const DocumentColumn &c) { return c.total; })};
    band.boxes << layout.footerFields;
    band.boxes << textBox(0, 10, 135, QStringLiteral("备注：[%1.Remark]").arg(layout.headerSet))
               << textBox(135, 10, kPrintableWidth - 135, QStringLiteral("打印时间：[PrintTime]"));
    for (qsizetype i = 0; i < layout.signatures.size(); ++i)
        band.boxes << textBox(i * kSignatureSpacing, 18, kSignatureWidth, layout.signatures[i]);
    return band;
}

} // namespace

ReportTemplate documentTemplate(const DocumentLayout &layout)
{
    ReportTemplate report;
    report.name = layout.name;
    report.fileName = layout.fileName;
    report.pageHeader = pageHeader(layout);
    report.masterDataSet = layout.lineSet;
    report.masterData = Band{kRowHeight, boxedRow(layout.columns, 0,
                                                  [](const DocumentColumn &c) { return c.cell; })};
    report.footer = footer(layout);
    return report;
}

QList<DocumentColumn> pricedColumns(const QString &lineSet, const QString &priceField,
                                    const QString &amount)
{
    const auto field = [&lineSet](const char *name) {
        return QStringLiteral("[%1.%2]").arg(lineSet, QLatin1String(name));
    };
    const QString money = QStringLiteral("%2.2n");
    const QString count = QStringLiteral("%g");
    return {
        {QStringLiteral("序号"), 0, 10, field("myID"), Qt::AlignHCenter, {}, QStringLiteral("合计")},
        {QStringLiteral("物品编码"), 10, 35, field("ANum"), Qt::AlignHCenter, {}, {}},
        {QStringLiteral("物品名称"), 35, 85, field("AName"), Qt::AlignLeft, {}, {}},
        {QStringLiteral("规格型号"), 85, 105, field("AStandard"), Qt::AlignLeft, {}, {}},
        {QStringLiteral("单位"), 105, 115, field("AUnit"), Qt::AlignHCenter, {}, {}},
        {QStringLiteral("单价"), 115, 135, QStringLiteral("[%1.%2]").arg(lineSet, priceField),
         Qt::AlignRight, money, {}},
        {QStringLiteral("数量"), 135, 150, field("theCount"), Qt::AlignRight, count,
         QStringLiteral("[SUM(%1.theCount)]").arg(lineSet)},
        {QStringLiteral("金额"), 150, 170, QStringLiteral("[%1]").arg(amount), Qt::AlignRight, money,
         QStringLiteral("[SUM(%1)]").arg(amount)},
        {QStringLiteral("备注"), 170, 190, field("Remark"), Qt::AlignLeft, {}, {}},
    };
}

ReportTemplate frxR_CG()
{
    DocumentLayout layout;
    layout.name = QStringLiteral("frxR_CG");
    layout.fileName = QStringLiteral("Print/cg.rf3");
    layout.headerSet = QStringLiteral("frxDB_CG");
    layout.lineSet = QStringLiteral("frxDB_CG_Bill");
    layout.headerFields = {
        textBox(0, 10, 150, QStringLiteral("商家名称：[frxDB_CG.MName]")),
        textBox(155, 10, 35, QStringLiteral("编号：[frxDB_CG.theNum]"), Qt::AlignRight),
    };
    layout.columns = pricedColumns(layout.lineSet, QStringLiteral("APrice"),
                                   QStringLiteral("frxDB_CG_Bill.APrice*frxDB_CG_Bill.theCount"));
    layout.footerFields = {
        textBox(0, 5, 45, QStringLiteral("采购日期：[frxDB_CG.myDate]")),
        textBox(45, 5, 45, QStringLiteral("采购人：[frxDB_CG.theCGPro]")),
        textBox(90, 5, 45, QStringLiteral("经办人：[frxDB_CG.theBGPro]")),
        textBox(135, 5, 55, QStringLiteral("入库仓库：[frxDB_CG.SName]")),
    };
    layout.signatures = {QStringLiteral("采购人签字：_____________________"),
                         QStringLiteral("经办人签字：_____________________")};
    return documentTemplate(layout);
}

namespace {

// A row of header fields at `top`, the last (the number) right-aligned: four fields
// share the width 50, 45, 45 and 50 mm; three fields 60, 65 and 65 mm.
QList<TextBox> headerRow(double top, const QStringList &fields)
{
    const QList<double> widths = fields.size() == 4 ? QList<double>{50, 45, 45, 50}
                                                     : QList<double>{60, 65, 65};
    QList<TextBox> row;
    double left = 0;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const bool last = i + 1 == fields.size();
        row << textBox(left, top, widths.value(i), fields[i], last ? Qt::AlignRight : Qt::AlignLeft);
        left += widths.value(i);
    }
    return row;
}

// The data sets of a kind and the file its report is saved under.
DocumentLayout layoutOf(const char *name, const char *fileName, const char *headerSet)
{
    DocumentLayout layout;
    layout.name = QLatin1String(name);
    layout.fileName = QLatin1String(fileName);
    layout.headerSet = QLatin1String(headerSet);
    layout.lineSet = layout.headerSet + QStringLiteral("_Bill");
    return layout;
}

} // namespace

ReportTemplate frxR_GH()
{
    DocumentLayout layout = layoutOf("frxR_GH", "Print/gh.rf3", "frxDB_GH");
    layout.headerFields = headerRow(10, {QStringLiteral("归还日期：[frxDB_GH.myDate]"),
                                         QStringLiteral("归还人：[frxDB_GH.theGHPro]"),
                                         QStringLiteral("经办人：[frxDB_GH.theBGPro]"),
                                         QStringLiteral("编号：[frxDB_GH.theNum]")});
    // "序号" to "单位" as on the priced kinds; then quantity, storage and remark.
    layout.columns = pricedColumns(layout.lineSet, {}, {}).mid(0, 5);
    layout.columns << DocumentColumn{QStringLiteral("数量"), 115, 130, QStringLiteral("[frxDB_GH_Bill.theCount]"),
                                     Qt::AlignRight, QStringLiteral("%g"),
                                     QStringLiteral("[SUM(frxDB_GH_Bill.theCount)]")}
                   << DocumentColumn{QStringLiteral("入库仓库"), 130, 155, QStringLiteral("[frxDB_GH_Bill.SName]"),
                                     Qt::AlignLeft, {}, {}}
                   << DocumentColumn{QStringLiteral("备注"), 155, 190, QStringLiteral("[frxDB_GH_Bill.Remark]"),
                                     Qt::AlignLeft, {}, {}};
    layout.signatures = {QStringLiteral("归还人签字：_____________________"),
                         QStringLiteral("经办人签字：_____________________")};
    return documentTemplate(layout);
}

ReportTemplate frxR_DB()
{
    DocumentLayout layout = layoutOf("frxR_DB", "Print/db.rf3", "frxDB_DB");
    layout.headerHeight = 25;
    layout.headerFields = {textBox(0, 10, 95, QStringLiteral("调拨日期：[frxDB_DB.myDate]"))};
    layout.headerFields << headerRow(15, {QStringLiteral("调拨仓库：[frxDB_DB.DBName]"),
                                          QStringLiteral("入库仓库：[frxDB_DB.RKName]"),
                                          QStringLiteral("经办人：[frxDB_DB.theBGPro]"),
                                          QStringLiteral("编号：[frxDB_DB.theNum]")});
    layout.columns = pricedColumns(layout.lineSet, QStringLiteral("thePrice"),
                                   QStringLiteral("frxDB_DB_Bill.thePrice*frxDB_DB_Bill.theCount"));
    layout.signatures = {QStringLiteral("经办人签字：_____________________")};
    return documentTemplate(layout);
}

ReportTemplate frxR_SQ()
{
    DocumentLayout layout = layoutOf("frxR_SQ", "Print/sq.rf3", "frxDB_SQ");
    layout.headerFields = headerRow(10, {QStringLiteral("申请日期：[frxDB_SQ.myDate]"),
                                         QStringLiteral("申请人：[frxDB_SQ.theSQPro]"),
                                         QStringLiteral("经办人：[frxDB_SQ.theBGPro]"),
                                         QStringLiteral("编号：[frxDB_SQ.theNum]")});
    layout.columns = pricedColumns(layout.lineSet, QStringLiteral("APrice"),
                                   QStringLiteral("frxDB_SQ_Bill.APrice*frxDB_SQ_Bill.theCount"));
    layout.signatures = {QStringLiteral("申请人签字：_____________________"),
                         QStringLiteral("审批人签字：_____________________"),
                         QStringLiteral("经办人签字：_____________________")};
    return documentTemplate(layout);
}

ReportTemplate frxR_BY()
{
    DocumentLayout layout = layoutOf("frxR_BY", "Print/by.rf3", "frxDB_In_BY");
    layout.headerHeight = 25;
    layout.headerFields = {textBox(0, 10, 95, QStringLiteral("报溢日期：[frxDB_In_BY.myDate]"))};
    layout.headerFields << headerRow(15, {QStringLiteral("入库仓库：[frxDB_In_BY.SName]"),
                                          QStringLiteral("审批人：[frxDB_In_BY.thePZPro]"),
                                          QStringLiteral("经办人：[frxDB_In_BY.theBGPro]"),
                                          QStringLiteral("编号：[frxDB_In_BY.theNum]")});
    layout.columns = pricedColumns(layout.lineSet, QStringLiteral("APrice"), QStringLiteral("frxDB_In_BY_Bill.theSum"));
    layout.signatures = {QStringLiteral("审批人签字：_____________________"),
                         QStringLiteral("经办人签字：_____________________")};
    return documentTemplate(layout);
}
