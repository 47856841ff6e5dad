#pragma once

#include "reports/ReportTemplate.h"

#include <QDateTime>
#include <QString>

class QPagedPaintDevice;
class QWidget;
class TfrmDM;
struct AppServices;

// How one document kind prints: its key in SDJ, its template, and the statements that
// read a document's header and its undeleted lines, each binding the number once.
struct PrintedKind {
    QString kindKey;         // "UIn_CG"
    ReportTemplate report;   // its master data set is the lines
    QString headerSet;       // the data set the template reads the header from
    QString headerStatement;
    QString lineStatement;
};

// The purchase-in document ("UIn_CG", template frxR_CG).
PrintedKind purchaseInPrint();
// The return of loans and requisitions ("UIn_GH", frxR_GH), the transfer ("UDB",
// frxR_DB), the request ("USQ", frxR_SQ) and the surplus ("UIn_BY", frxR_BY).
PrintedKind returnPrint();
PrintedKind transferPrint();
PrintedKind requestPrint();
PrintedKind surplusPrint();

// Draws document `number` of `kind` onto `device` (a printer or a QPdfWriter) without
// a window. Throws DatabaseError when the document cannot be read.
void renderDocument(TfrmDM &dm, const PrintedKind &kind, const QString &number,
                    QPagedPaintDevice &device,
                    const QDateTime &printTime = QDateTime::currentDateTime());

// Reads document `number` of `kind` and shows its print preview through the Dialogs
// seam, from which the user prints it or saves it as PDF. A database error is shown
// in an error box instead.
void printDocument(AppServices &services, QWidget *parent, const PrintedKind &kind,
                   const QString &number);

// Shows the print preview of purchase-in document `number`.
void PrintIn_CG(AppServices &services, QWidget *parent, const QString &number);

// Show the print preview of document `number` of their kind.
void PrintIn_GH(AppServices &services, QWidget *parent, const QString &number);
void PrintDB(AppServices &services, QWidget *parent, const QString &number);
void PrintSQ(AppServices &services, QWidget *parent, const QString &number);
void PrintIn_BY(AppServices &services, QWidget *parent, const QString &number);
