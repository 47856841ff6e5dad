#pragma once

#include <QList>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <Qt>

// A report template is plain data: the page, its bands and their text boxes, all
// measured in millimetres. ReportRenderer draws it with its data sets.

// One box of a band. Its text is literal text with expressions in square brackets, for
// example "编号：[frxDB_CG.theNum]"; see ReportExpression.h for what an expression may be.
// A text box shows the text; a barcode box draws the text as a Code 39 symbol (nothing
// when Code 39 cannot hold it) with the text below; a picture box shows the picture
// file the text names, scaled into the box keeping its shape (nothing when missing).
struct TextBox {
    enum class Kind { Text, Code39, Picture };
    QRectF rect;            // millimetres from the top-left of its band
    QString text;
    Qt::Alignment alignment = Qt::AlignLeft; // without a vertical flag, text is centred vertically
    QString format;         // how numbers show: "%2.2n", "%g" or empty for as stored
    double fontPoints = 9;
    bool bold = false;
    bool framed = false;    // a rectangle is drawn around the box
    Kind kind = Kind::Text;
};

// A horizontal strip of the page.
struct Band {
    double height = 0; // millimetres
    QList<TextBox> boxes;
};

struct ReportTemplate {
    QString name;        // "frxR_CG"
    QString fileName;    // the name under which the user saves the report ("Print/cg.rf3")
    QSizeF pageSize{210, 297};
    QMarginsF margins{10, 10, 10, 10};
    QString fontFamily = QStringLiteral("Arial");

    Band pageHeader;     // at the top of every page
    QString masterDataSet; // the data set whose rows the master band prints, one each
    Band masterData;
    // Master bands fill a column of the page from top to bottom, then the next column
    // to the right, `columnWidth` millimetres apart.
    int columns = 1;
    double columnWidth = 0;
    Band footer;         // once, after the last master row

    // The printable height: the page less its top and bottom margins.
    double bodyHeight() const { return pageSize.height() - margins.top() - margins.bottom(); }
};
