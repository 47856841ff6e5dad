#pragma once

#include "reports/ReportData.h"
#include "reports/ReportTemplate.h"

#include <QPointF>

class QPagedPaintDevice;
class QPainter;
struct ExpressionScope;

// Which master rows one page prints, and whether the footer follows them.
struct PagePlan {
    qsizetype firstRow = 0;
    qsizetype rowCount = 0;
    bool footer = false;
};

// Draws a template with its data: the page header at the top of every page, one master
// band per row of the master data set while the page has room (in each of its columns),
// and the footer after the last row (on a new page when it does not fit below it). Where the template's
// font is not installed, or has no Chinese glyphs, "Liberation Sans" and "Droid Sans
// Fallback" stand in.
class ReportRenderer {
public:
    ReportRenderer(ReportTemplate report, ReportData data);

    const QList<PagePlan> &pages() const { return m_pages; }

    // Sets the device to the template's page size and margins, names a printer's
    // document after the template's file name, and draws every page.
    void print(QPagedPaintDevice &device) const;

    // Draws one page. The painter's origin is the top-left corner of the printable
    // area; millimetres are converted with its device's resolution.
    void drawPage(QPainter &painter, qsizetype page) const;

private:
    void planPages();
    // How many master bands one column of a page holds.
    qsizetype rowsPerColumn() const;
    void drawBand(QPainter &painter, const Band &band, QPointF origin,
                  const ExpressionScope &scope) const;
    void drawBox(QPainter &painter, const TextBox &box, QPointF origin,
                 const ExpressionScope &scope) const;
    void drawText(QPainter &painter, const TextBox &box, const QRectF &area, const QString &text) const;
    void drawCode39(QPainter &painter, const TextBox &box, const QRectF &area, const QString &text) const;
    static void drawPicture(QPainter &painter, const QRectF &area, const QString &file);

    ReportTemplate m_report;
    ReportData m_data;
    qsizetype m_masterRows = 0;
    QList<PagePlan> m_pages;
};
