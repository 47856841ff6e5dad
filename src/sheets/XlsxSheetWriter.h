#pragma once

#include <QHash>
#include <QString>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

// The look of a cell in an exported sheet.
struct CellStyle {
    QString fontName;
    double fontSize = 0; // 0 keeps the default size
    bool bold = false;
    bool centred = false;           // horizontally
    bool verticallyCentred = false;
    bool bordered = false;          // thin continuous lines on all four sides
};

// One worksheet "Sheet1" in a new .xlsx file, written row by row with libxlsxwriter in
// its constant-memory mode: each row goes to disk when the next one starts, so rows
// must be written top to bottom and a row cannot be revisited. Rows and columns count
// from 0. A write the library refuses (a text too long for a cell, a row past the
// sheet's end) makes close() fail rather than leave a sheet with holes.
class XlsxSheetWriter {
public:
    explicit XlsxSheetWriter(const QString &path);
    ~XlsxSheetWriter();
    XlsxSheetWriter(const XlsxSheetWriter &) = delete;
    XlsxSheetWriter &operator=(const XlsxSheetWriter &) = delete;

    // The format of a style, made once per workbook; null for the default look.
    lxw_format *format(const CellStyle &style);

    void setTitle(const QString &title);
    void setColumnWidth(int column, double width);
    void setLandscape();
    void setFooter(const QString &footer); // header/footer codes, e.g. "&C…&P"

    // A number when `text` is one and `asText` is false, a text otherwise; an empty
    // value writes the format alone.
    void writeValue(int row, int column, const QString &text, bool asText, lxw_format *format);
    void writeNumber(int row, int column, double value, lxw_format *format);
    // Merges the columns of one row and writes `text` into the first.
    void merge(int row, int firstColumn, int lastColumn, const QString &text, lxw_format *format);

    // Writes the file; false when any step failed.
    bool close();

private:
    void check(int error);

    lxw_workbook *m_workbook = nullptr;
    lxw_worksheet *m_sheet = nullptr;
    QHash<QString, lxw_format *> m_formats;
    bool m_failed = false;
};
