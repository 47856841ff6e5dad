#include "reports/LabelTemplates.h"

namespace {

// Where the six parts of a barcode label sit, in millimetres from the band's corner.
struct BarcodeLabelLayout {
    QRectF name, category, unit, standard, price, barcode;
};

TextBox box(const QRectF &rect, const QString &text, TextBox::Kind kind = TextBox::Kind::Text)
{
    TextBox result;
    result.rect = rect;
    result.text = text;
    result.kind = kind;
    return result;
}

Band barcodeLabel(const QString &set, const BarcodeLabelLayout &at, double height)
{
    const auto field = [&set](const char *caption, const char *column) {
        return QString::fromUtf8(caption) + QStringLiteral("[%1.%2]").arg(set, QLatin1String(column));
    };
    TextBox price = box(at.price, field("单价：", "APrice"));
    price.format = QStringLiteral("%2.2n");
    return Band{height,
                {box(at.name, field("名称：", "AName")), box(at.category, field("分类：", "AType")),
                 box(at.unit, field("单位：", "AUnit")), box(at.standard, field("规格：", "AStandard")), price,
                 box(at.barcode, QStringLiteral("[%1.theNum]").arg(set), TextBox::Kind::Code39)}};
}

// The QR label's positions are given in the units of 96 per inch.
QRectF units(double left, double top, double width, double height)
{
    const double millimetre = 96 / 25.4;
    return QRectF(left / millimetre, top / millimetre, width / millimetre, height / millimetre);
}

} // namespace

ReportTemplate frxR_TM()
{
    ReportTemplate report;
    report.name = QStringLiteral("frxR_TM");
    report.fileName = QStringLiteral("Print/tm.rf3");
    report.pageSize = QSizeF(60, 30);
    report.margins = QMarginsF(2, 2, 0, 0);
    report.masterDataSet = QStringLiteral("frxDB_TM");
    report.masterData = barcodeLabel(report.masterDataSet,
                                     {{0, 0, 56, 5}, {0, 5, 28, 5}, {28, 5, 28, 5}, {0, 10, 28, 5}, {28, 10, 28, 5},
                                      {0, 15, 34.1, 12}},
                                     28);
    return report;
}

ReportTemplate frxR_TMA4()
{
    ReportTemplate report;
    report.name = QStringLiteral("frxR_TMA4");
    report.fileName = QStringLiteral("Print/tma4.rf3");
    report.margins = QMarginsF(0, 0, 0, 0);
    report.columns = 3;
    report.columnWidth = 69.33;
    report.masterDataSet = QStringLiteral("frxDB_TMA4");
    report.masterData = barcodeLabel(report.masterDataSet,
                                     {{5, 4, 62, 5}, {5, 9, 35, 5}, {40, 9, 27, 5}, {5, 14, 35, 5}, {40, 14, 27, 5},
                                      {5, 19, 34.1, 13}},
                                     29.7);
    return report;
}

ReportTemplate frxR_ZDY()
{
    ReportTemplate report;
    report.name = QStringLiteral("frxR_ZDY");
    report.pageSize = QSizeF(90, 35);
    report.margins = QMarginsF(0, 0, 0, 0);
    const auto line = [](double left, double top, double width, const char *caption, const char *column) {
        TextBox text = box(units(left, top, width, 15),
                           QString::fromUtf8(caption) + QStringLiteral("[%1.%2]").arg(kQrLabelSet, QLatin1String(column)));
        text.alignment = Qt::AlignLeft | Qt::AlignTop;
        return text;
    };
    report.pageHeader = Band{35,
                             {box(units(10, 10, 110, 110), QStringLiteral("[%1.Picture]").arg(kQrLabelSet),
                                  TextBox::Kind::Picture),
                              line(120, 15, 200, "编码：", "Code"), line(120, 35, 200, "分类：", "Type"),
                              line(120, 55, 200, "名称：", "Name"), line(120, 75, 200, "规格：", "Standard"),
                              line(120, 95, 100, "单位：", "Unit"), line(220, 95, 100, "单价：", "Price")}};
    return report;
}
