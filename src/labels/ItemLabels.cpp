#include "labels/ItemLabels.h"

#include "labels/QRCode.h"
#include "reports/Code39.h"
#include "reports/LabelTemplates.h"
#include "reports/ReportRenderer.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "ui/AppServices.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QStringEncoder>

namespace {

const int kLevelQ = 2;
const int kLabelVersion = 10;

ReportTemplate labelTemplate(LabelSheet sheet)
{
    return sheet == LabelSheet::Small ? frxR_TM() : frxR_TMA4();
}

ReportData barcodeLabelData(TfrmDM &dm, const ArticleCondition &condition, const QString &setName)
{
    QSqlQuery query = dm.select(QStringLiteral("select * from  UArticle Where (ID>0) ") + condition.clauses
                                    + QStringLiteral(" order by ID"),
                                condition.values);
    ReportData data;
    data.sets.insert(setName, DataSet::fromQuery(query));
    return data;
}

QStringList unencodable(const DataSet &items)
{
    QStringList names;
    for (qsizetype row = 0; row < items.rows.size(); ++row) {
        if (!code39CanEncode(items.value(row, QStringLiteral("theNum")).toString()))
            names << items.value(row, QStringLiteral("AName")).toString();
    }
    return names;
}

void printBarcodeLabels(AppServices &services, QWidget *parent, const ArticleCondition &condition, LabelSheet sheet)
{
    const ReportTemplate report = labelTemplate(sheet);
    const ReportData data = barcodeLabelData(services.dm, condition, report.masterDataSet);
    const QStringList refused = unencodable(data.sets.value(report.masterDataSet));
    if (!refused.isEmpty())
        services.dialogs.information(parent,
                                     QStringLiteral("以下物品的编码含有条码不能表示的字符（只能用数字、大写字母和 -. $/+%），"
                                                    "标签上不打印条码：\n")
                                         + refused.join(QLatin1Char('\n')),
                                     kProgramTitle);
    services.dialogs.printPreview(parent, QStringLiteral("物品条码"), [&report, &data](QPrinter *printer) {
        ReportRenderer(report, data).print(*printer);
    });
}

// The smallest version from 10 on whose level Q holds `bytes` bytes; 0 when none does.
int qrVersionFor(qsizetype bytes)
{
    for (int version = kLabelVersion; version <= QrEncoder::MaxVersion; ++version) {
        if (QrEncoder::characterCapacity(version, kLevelQ, QrEncoder::Byte) >= bytes)
            return version;
    }
    return 0;
}

} // namespace

QStringList renderBarcodeLabels(TfrmDM &dm, const ArticleCondition &condition, LabelSheet sheet,
                                QPagedPaintDevice &device)
{
    const ReportTemplate report = labelTemplate(sheet);
    const ReportData data = barcodeLabelData(dm, condition, report.masterDataSet);
    ReportRenderer(report, data).print(device);
    return unencodable(data.sets.value(report.masterDataSet));
}

void PrintWPTM(AppServices &services, QWidget *parent, const ArticleCondition &condition)
{
    printBarcodeLabels(services, parent, condition, LabelSheet::Small);
}

void PrintWPTMA4(AppServices &services, QWidget *parent, const ArticleCondition &condition)
{
    printBarcodeLabels(services, parent, condition, LabelSheet::A4);
}

QString qrText(const QrLabelValues &values)
{
    return QStringList{QStringLiteral("编码：") + values.code,     QStringLiteral("分类：") + values.category,
                       QStringLiteral("名称：") + values.name,     QStringLiteral("规格：") + values.standard,
                       QStringLiteral("单位：") + values.unit,     QStringLiteral("单价：") + values.price}
        .join(QStringLiteral("\r\n"));
}

QString qrPictureFile(const QString &appDir, const QString &code)
{
    QString name = code;
    for (QChar &c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.isNull())
            c = QLatin1Char('_');
    }
    return appDir + QStringLiteral("Image/") + name + QStringLiteral(".bmp");
}

QString my2wm(const QString &text, const QString &fileName)
{
    QStringEncoder gbk("GBK");
    const QByteArray bytes = gbk.encode(text);
    const int version = qrVersionFor(bytes.size());
    if (version == 0)
        return QStringLiteral("二维码 内容太长，无法生成！");
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()))
        return QStringLiteral("无法创建文件夹：") + QFileInfo(fileName).absolutePath();
    TQRCode symbol;
    symbol.setEclevel(kLevelQ);
    symbol.setPxmag(1);
    symbol.setVersion(version);
    symbol.setSymbolPicture(TQRCode::picBMP);
    symbol.setMatch(true);
    symbol.setUsejis(false);
    symbol.setCode(bytes);
    symbol.setBackColor(Qt::white);
    symbol.setSymbolColor(Qt::black);
    symbol.setAngle(0);
    if (!symbol.saveBitmap(fileName))
        return QStringLiteral("无法写入文件：") + fileName;
    return {};
}

namespace {

void drawQrLabel(const QString &picture, const QrLabelValues &values, QPagedPaintDevice &device)
{
    DataSet row;
    row.columns = {QStringLiteral("Code"), QStringLiteral("Type"), QStringLiteral("Name"), QStringLiteral("Standard"),
                   QStringLiteral("Unit"), QStringLiteral("Price"), QStringLiteral("Picture")};
    row.rows = {{values.code, values.category, values.name, values.standard, values.unit, values.price, picture}};
    ReportData data;
    data.sets.insert(kQrLabelSet, row);
    ReportRenderer(frxR_ZDY(), data).print(device);
}

} // namespace

QString renderQrLabel(const QString &appDir, const QrLabelValues &values, QPagedPaintDevice &device)
{
    const QString picture = qrPictureFile(appDir, values.code);
    if (const QString failure = my2wm(qrText(values), picture); !failure.isEmpty())
        return failure;
    drawQrLabel(picture, values, device);
    return {};
}

void printQrLabel(AppServices &services, QWidget *parent, const QrLabelValues &values)
{
    const QString picture = qrPictureFile(services.context.AppDir, values.code);
    if (const QString failure = my2wm(qrText(values), picture); !failure.isEmpty()) {
        services.dialogs.warning(parent, failure, kProgramTitle);
        return;
    }
    services.dialogs.printPreview(parent, QStringLiteral("二维码"), [&picture, &values](QPrinter *printer) {
        drawQrLabel(picture, values, *printer);
    });
}
