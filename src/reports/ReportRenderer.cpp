#include "reports/ReportRenderer.h"

#include "reports/Code39.h"
#include "reports/ReportError.h"
#include "reports/ReportExpression.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <cmath>
#include <limits>

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

qsizetype ReportRenderer::rowsPerColumn() const
{
    const double room = m_report.bodyHeight() - m_report.pageHeader.height;
    if (m_report.masterData.height <= 0)
        return std::numeric_limits<int>::max();
    // A page holds at least one row, so a band taller than the page still prints.
    return std::max<qsizetype>(1, qsizetype(std::floor(room / m_report.masterData.height + 1e-9)));
}

void ReportRenderer::planPages()
{
    const double body = m_report.bodyHeight();
    const qsizetype perColumn = rowsPerColumn();
    const qsizetype perPage = perColumn * std::max(1, m_report.columns);
    PagePlan page;
    for (qsizetype row = 0; row < m_masterRows; ++row) {
        if (page.rowCount == perPage) {
            m_pages << page;
            page = PagePlan{row, 0, false};
        }
        ++page.rowCount;
    }
    const qsizetype lastColumnRows = page.rowCount == 0 ? 0 : (page.rowCount - 1) % perColumn + 1;
    const double used = m_report.pageHeader.height + double(lastColumnRows) * m_report.masterData.height;
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
    const qsizetype perColumn = rowsPerColumn();
    ExpressionScope scope{m_data, m_report.masterDataSet, 0};
    drawBand(painter, m_report.pageHeader, {}, scope);
    const double top = m_report.pageHeader.height;
    QPointF next(0, top);
    for (qsizetype i = 0; i < plan.rowCount; ++i) {
        scope.masterRow = plan.firstRow + i;
        next = QPointF(double(i / perColumn) * m_report.columnWidth,
                       top + double(i % perColumn) * m_report.masterData.height);
        drawBand(painter, m_report.masterData, next, scope);
        next.ry() += m_report.masterData.height;
    }
    if (plan.footer) {
        scope.masterRow = 0;
        drawBand(painter, m_report.footer, next, scope);
    }
}

void ReportRenderer::drawBand(QPainter &painter, const Band &band, QPointF origin,
                              const ExpressionScope &scope) const
{
    for (const TextBox &box : band.boxes)
        drawBox(painter, box, origin, scope);
}

void ReportRenderer::drawBox(QPainter &painter, const TextBox &box, QPointF origin,
                             const ExpressionScope &scope) const
{
    const QRectF area(pixels(painter, origin.x() + box.rect.x()), pixels(painter, origin.y() + box.rect.y()),
                      pixels(painter, box.rect.width()), pixels(painter, box.rect.height()));
    const QString text = expandText(box.text, box.format, scope);
    switch (box.kind) {
    case TextBox::Kind::Text: drawText(painter, box, area, text); break;
    case TextBox::Kind::Code39: drawCode39(painter, box, area, text); break;
    case TextBox::Kind::Picture: drawPicture(painter, area, text); break;
    }

    if (box.framed) {
        painter.setPen(QPen(Qt::black, pixels(painter, kFrameWidth)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area);
    }
}

void ReportRenderer::drawText(QPainter &painter, const TextBox &box, const QRectF &area,
                              const QString &text) const
{
    QFont font;
    font.setFamilies(QStringList{m_report.fontFamily} + kFallbackFamilies);
    font.setPointSizeF(box.fontPoints);
    font.setBold(box.bold);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.save();
    painter.setClipRect(area);
    const double inset = pixels(painter, kTextInset);
    const Qt::Alignment vertical = box.alignment & Qt::AlignVertical_Mask ? Qt::Alignment() : Qt::AlignVCenter;
    painter.drawText(area.adjusted(inset, 0, -inset, 0), int(box.alignment | vertical), text);
    painter.restore();
}

void ReportRenderer::drawCode39(QPainter &painter, const TextBox &box, const QRectF &area,
                                const QString &text) const
{
    const std::optional<Code39Bars> symbol = code39Bars(text);
    if (!symbol)
        return;
    // The symbol fills the box's width; its text takes the bottom quarter.
    const double textHeight = area.height() / 4;
    const double scale = area.width() / symbol->width;
    for (const Code39Bars::Bar &bar : symbol->bars)
        painter.fillRect(QRectF(area.left() + bar.left * scale, area.top(), bar.width * scale,
                                area.height() - textHeight),
                         Qt::black);
    TextBox caption = box;
    caption.alignment = Qt::AlignHCenter;
    caption.fontPoints = std::min(box.fontPoints, 8.0);
    drawText(painter, caption, QRectF(area.left(), area.bottom() - textHeight, area.width(), textHeight), text);
}

void ReportRenderer::drawPicture(QPainter &painter, const QRectF &area, const QString &file)
{
    QImage picture(file);
    if (picture.isNull())
        return;
    QSizeF size = QSizeF(picture.size()).scaled(area.size(), Qt::KeepAspectRatio);
    // A small picture (a QR symbol) is enlarged here by whole pixels, so that no device
    // smooths its modules into each other.
    const int factor = int(std::ceil(size.width() / picture.width()));
    if (factor > 1)
        picture = picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QRectF target(QPointF(), size);
    target.moveTopLeft(area.topLeft());
    painter.drawImage(target, picture);
}
