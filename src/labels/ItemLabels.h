#pragma once

#include "store/ArticleCondition.h"

#include <QString>

class QPagedPaintDevice;
class QWidget;
class TfrmDM;
struct AppServices;

// Item labels: the Code 39 labels of the items of a condition, one per 60 × 30 mm page
// or three across on A4, and the QR label of one item.

enum class LabelSheet { Small, A4 }; // frxR_TM, frxR_TMA4

// Draws the barcode labels of every item of the condition, in the table's order, onto
// `device`. Returns the names of the items whose code Code 39 cannot hold: their labels
// carry no symbol.
QStringList renderBarcodeLabels(TfrmDM &dm, const ArticleCondition &condition, LabelSheet sheet,
                                QPagedPaintDevice &device);

// PrintWPTM and PrintWPTMA4: say which items get no symbol, then show the preview.
void PrintWPTM(AppServices &services, QWidget *parent, const ArticleCondition &condition);
void PrintWPTMA4(AppServices &services, QWidget *parent, const ArticleCondition &condition);

// The six values of the QR label, as the item query shows them.
struct QrLabelValues {
    QString code, category, name, standard, unit, price;
};

// The six lines "编码：…" to "单价：…" joined by CR LF.
QString qrText(const QrLabelValues &values);

// AppDir/Image/<code>.bmp, with any path separator of the code replaced, so the file
// stays in the Image folder.
QString qrPictureFile(const QString &appDir, const QString &code);

// Writes the QR symbol of `text` (GBK bytes, level Q) as a 32-bit BMP: version 10, or
// the smallest larger version that holds the text. Creates the folder. Returns empty
// text on success, else what went wrong.
QString my2wm(const QString &text, const QString &fileName);

// Writes the QR picture and draws the QR label onto `device`; returns my2wm's failure.
QString renderQrLabel(const QString &appDir, const QrLabelValues &values, QPagedPaintDevice &device);

// "二维码": writes the QR picture and shows the label's preview, or the failure.
void printQrLabel(AppServices &services, QWidget *parent, const QrLabelValues &values);
