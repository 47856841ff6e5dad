#include "reports/ReportRenderer.h"

#include "reports/ReportError.h"
#include "reports/ReportExpression.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

namespace {

// Where the template's font is missing, Latin text takes its metric twin and Chinese a
// font whose glyphs each belong to one character. (Noto Sans CJK gives 禾 the glyph of
// the radical ⽲, and draws digits in Latin runs with glyphs outside its character map;
// a PDF keeps one character per glyph, so its text would read back wrong.)
const QStringList kFallbackFamilies = {QStringLiteral("Liberation Sans"),
                                       QStringLiteral("Droid Sans Fallback"),
                                       QStringLiteral("Noto Sans CJK SC")};
const double kFrameWidth = 0.25; // millimetres
const double kTextInset = 0.5;   // millimetres between a box's side and its text

// Millimetres to device pixels of the painter's device.
double pixels(const QPainter &painter, double millimetres)
{
    return millimetres * painter.device()->logicalDpiX() / 25.4;
}

} // namespace

ReportRenderer::ReportRenderer(ReportTemplate report, ReportData data)
    : m_report(std::move(report)), m_data(std::move(data))
{
    if (!m_report.masterDataSet.isEmpty()) {
        const auto master = m_data.sets.constFind(m_report.masterDataSet);
        if (master == m_data.sets.constEnd())
            throw ReportError(QStringLiteral("The report has no data set %1.").arg(m_report.masterDataSet));
        m_masterRows = master->rows.size();
    }
    planPages();
}

void ReportRenderer::planPages()
{
    const double body = m_report.bodyHeight();
    const double top = m_report.pageHeader.height;
    PagePlan page;
    double used = top;
    for (qsizetype row = 0; row < m_masterRows; ++row) {
        // A page holds at least one row, so a band taller than the page still prints.
        if (used + m_report.masterData.height > body && page.rowCount > 0) {
            m_pages << page;
            page = PagePlan{row, 0, false};
            used = top;
        }
        ++page.rowCount;
        used += m_report.masterData.height;
    }
    if (used + m_report.footer.height > body && page.rowCount > 0) {
        m_pages << page;
        page = PagePlan{m_masterRows, 0, false};
    }
    page.footer = true;
    m_pages << page;
}

void ReportRenderer::print(QPagedPaintDevice &device) const
{
    device.setPageLayout(QPageLayout(QPageSize(m_report.pageSize, QPageSize::Millimeter),
                                     QPageLayout::Portrait, m_report.margins,
                                     QPageLayout::Millimeter));
    if (auto *printer = dynamic_cast<QPrinter *>(&device))
        printer->setDocName(QFileInfo(m_report.fileName).completeBaseName());

    QPainter painter(&device);
    for (qsizetype page = 0; page < m_pages.size(); ++page) {
        if (page > 0)
            device.newPage();
        drawPage(painter, page);
    }
}

void ReportRenderer::drawPage(QPainter &painter, qsizetype page) const
{
    const PagePlan &plan = m_pages.at(page);
    ExpressionScope scope{m_data, m_report.masterDataSet, 0};
    drawBand(painter, m_report.pageHeader, 0, scope);
    double top = m_report.pageHeader.height;
    for (qsizetype row = plan.firstRow; row < plan.firstRow + plan.rowCount; ++row) {
        scope.masterRow = row;
        drawBand(painter, m_report.masterData, top, scope);
        top += m_report.masterData.height;
    }
    if (plan.footer) {
        scope.masterRow = 0;
        drawBand(painter, m_report.footer, top, scope);
    }
}

void ReportRenderer::drawBand(QPainter &painter, const Band &band, double top,
                              const ExpressionScope &scope) const
{
    for (const TextBox &box : band.boxes)
        drawBox(painter, box, top, scope);
}

void ReportRenderer::drawBox(QPainter &painter, const TextBox &box, double top,
                             const ExpressionScope &scope) const
{
    const QRectF area(pixels(painter, box.rect.x()), pixels(painter, top + box.rect.y()),
                      pixels(painter, box.rect.width()), pixels(painter, box.rect.height()));

    QFont font;
    font.setFamilies(QStringList{m_report.fontFamily} + kFallbackFamilies);
    font.setPointSizeF(box.fontPoints);
    font.setBold(box.bold);
    const QString text = expandText(box.text, box.format, scope);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.save();
    painter.setClipRect(area);
    const double inset = pixels(painter, kTextInset);
    painter.drawText(area.adjusted(inset, 0, -inset, 0), int(box.alignment | Qt::AlignVCenter), text);
    painter.restore();

    if (box.framed) {
        painter.setPen(QPen(Qt::black, pixels(painter, kFrameWidth)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area);
    }
}
