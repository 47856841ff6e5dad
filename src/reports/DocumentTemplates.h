#pragma once

#include "reports/ReportTemplate.h"

#include <QStringList>

// The printed documents share one scheme: an A4 page with 10 mm margins; a page header
// with the title (organisation name and kind title) at the top, the kind's header
// fields below it and the boxed row of column titles in its last 5 mm; one boxed 5 mm
// row per line; a footer with the boxed totals row, the kind's fields, the remark with
// the print time and the signature lines. A kind's template is one DocumentLayout.

// One column of the line grid.
struct DocumentColumn {
    QString title;
    double left = 0;  // millimetres from the left margin
    double right = 0;
    QString cell;     // text of the column in each line, e.g. "[frxDB_CG_Bill.AName]"
    Qt::Alignment alignment = Qt::AlignLeft;
    QString format;   // of the cell and the total
    QString total;    // text of the totals row under the column: "合计", a SUM or empty
};

// What sets one kind's template apart.
struct DocumentLayout {
    QString name;          // "frxR_CG"
    QString fileName;      // "Print/cg.rf3"
    QString headerSet;     // the data set of the document header, "frxDB_CG"
    QString lineSet;       // the data set of its lines, "frxDB_CG_Bill"
    double headerHeight = 20;
    QList<TextBox> headerFields; // between the title and the column titles
    QList<DocumentColumn> columns;
    QList<TextBox> footerFields; // between the totals row and the remark
    QStringList signatures;      // left to right, 64 mm apart
};

// The data sets every document template reads besides its own header and lines: the
// organisation row of SUnit and the kind's row of SDJ.
inline const QString kUnitSet = QStringLiteral("frxDB_Unit");
inline const QString kKindSet = QStringLiteral("frxDB_DJ");

ReportTemplate documentTemplate(const DocumentLayout &layout);

// The nine columns of the priced kinds, from "序号" to "备注": the line's price field
// `priceField` in "单价" and `amount` (an expression) in "金额", both summed with
// quantity in the totals row.
QList<DocumentColumn> pricedColumns(const QString &lineSet, const QString &priceField,
                                    const QString &amount);

// The purchase-in document.
ReportTemplate frxR_CG();

// The return of loans and requisitions: quantities and the storage each line went back
// to, without prices.
ReportTemplate frxR_GH();
// The transfer between two storages.
ReportTemplate frxR_DB();
// The request.
ReportTemplate frxR_SQ();
// The surplus found in a storage.
ReportTemplate frxR_BY();
