#include "sheets/XlsxSheetWriter.h"

#include "store/Numbers.h"

#include <QFile>

#include <xlsxwriter.h>

XlsxSheetWriter::XlsxSheetWriter(const QString &path)
{
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    m_workbook = workbook_new_opt(QFile::encodeName(path).constData(), &options);
    if (m_workbook)
        m_sheet = workbook_add_worksheet(m_workbook, "Sheet1");
    m_failed = m_sheet == nullptr;
}

XlsxSheetWriter::~XlsxSheetWriter()
{
    close();
}

void XlsxSheetWriter::check(int error)
{
    if (error != LXW_NO_ERROR)
        m_failed = true;
}

lxw_format *XlsxSheetWriter::format(const CellStyle &style)
{
    if (!m_workbook)
        return nullptr;
    const QString key = QStringLiteral("%1|%2|%3%4%5%6")
                            .arg(style.fontName)
                            .arg(style.fontSize)
                            .arg(style.bold)
                            .arg(style.centred)
                            .arg(style.verticallyCentred)
                            .arg(style.bordered);
    lxw_format *&made = m_formats[key];
    if (made)
        return made;
    made = workbook_add_format(m_workbook);
    if (!style.fontName.isEmpty())
        format_set_font_name(made, style.fontName.toUtf8().constData());
    if (style.fontSize > 0)
        format_set_font_size(made, style.fontSize);
    if (style.bold)
        format_set_bold(made);
    if (style.centred)
        format_set_align(made, LXW_ALIGN_CENTER);
    if (style.verticallyCentred)
        format_set_align(made, LXW_ALIGN_VERTICAL_CENTER);
    if (style.bordered)
        format_set_border(made, LXW_BORDER_THIN);
    return made;
}

void XlsxSheetWriter::setTitle(const QString &title)
{
    if (!m_workbook)
        return;
    const QByteArray utf8 = title.toUtf8();
    lxw_doc_properties properties{};
    properties.title = const_cast<char *>(utf8.constData());
    check(workbook_set_properties(m_workbook, &properties));
}

void XlsxSheetWriter::setColumnWidth(int column, double width)
{
    if (m_sheet && width > 0)
        check(worksheet_set_column(m_sheet, lxw_col_t(column), lxw_col_t(column), width, nullptr));
}

void XlsxSheetWriter::setLandscape()
{
    if (m_sheet)
        worksheet_set_landscape(m_sheet);
}

void XlsxSheetWriter::setFooter(const QString &footer)
{
    if (m_sheet)
        check(worksheet_set_footer(m_sheet, footer.toUtf8().constData()));
}

void XlsxSheetWriter::writeValue(int row, int column, const QString &text, bool asText,
                                 lxw_format *format)
{
    if (!m_sheet)
        return;
    if (text.isEmpty()) {
        if (format)
            check(worksheet_write_blank(m_sheet, lxw_row_t(row), lxw_col_t(column), format));
        return;
    }
    if (!asText) {
        if (const std::optional<double> number = parseNumber(text)) {
            writeNumber(row, column, *number, format);
            return;
        }
    }
    check(worksheet_write_string(m_sheet, lxw_row_t(row), lxw_col_t(column),
                                 text.toUtf8().constData(), format));
}

void XlsxSheetWriter::writeNumber(int row, int column, double value, lxw_format *format)
{
    if (m_sheet)
        check(worksheet_write_number(m_sheet, lxw_row_t(row), lxw_col_t(column), value, format));
}

void XlsxSheetWriter::merge(int row, int firstColumn, int lastColumn, const QString &text,
                            lxw_format *format)
{
    if (m_sheet)
        check(worksheet_merge_range(m_sheet, lxw_row_t(row), lxw_col_t(firstColumn),
                                    lxw_row_t(row), lxw_col_t(lastColumn),
                                    text.toUtf8().constData(), format));
}

bool XlsxSheetWriter::close()
{
    if (!m_workbook)
        return !m_failed;
    check(workbook_close(m_workbook));
    m_workbook = nullptr;
    m_sheet = nullptr;
    return !m_failed;
}
