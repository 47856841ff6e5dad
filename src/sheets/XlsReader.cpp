// Reads "Sheet1" of a BIFF workbook (.xls, Excel 97–2003 and older) through FreeXL,
// which hands out every cell as a typed value; texts arrive as UTF-8.
#include "sheets/WorkbookFormats.h"

#include "store/Numbers.h"

#include <QFile>

#include <freexl.h>

#include <memory>

namespace {

struct FreeXlClose {
    void operator()(const void *handle) const { freexl_close(handle); }
};
using FreeXlHandle = std::unique_ptr<const void, FreeXlClose>;

QString cellText(const FreeXL_CellValue &cell)
{
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return QString::number(cell.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return numberText(cell.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return QString::fromUtf8(cell.value.text_value);
    default:
        return QString();
    }
}

// The index of the worksheet named Sheet1, or -1.
int sheet1Index(const void *handle)
{
    unsigned int sheetCount = 0;
    if (freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &sheetCount) != FREEXL_OK)
        return -1;
    for (unsigned int index = 0; index < sheetCount && index <= 0xFFFF; ++index) {
        const char *name = nullptr;
        if (freexl_get_worksheet_name(handle, static_cast<unsigned short>(index), &name)
                == FREEXL_OK
            && name
            && QString::fromUtf8(name).compare(QLatin1String("Sheet1"), Qt::CaseInsensitive) == 0)
            return int(index);
    }
    return -1;
}

} // namespace

SheetReadResult readXlsSheet1(const QString &path)
{
    const void *rawHandle = nullptr;
    const int opened = freexl_open(QFile::encodeName(path).constData(), &rawHandle);
    const FreeXlHandle handle(rawHandle);
    if (opened != FREEXL_OK)
        return sheetReadFailure(kWorkbookDamagedText);

    unsigned int protection = FREEXL_UNKNOWN;
    if (freexl_get_info(handle.get(), FREEXL_BIFF_PASSWORD, &protection) == FREEXL_OK
        && protection == FREEXL_BIFF_OBFUSCATED)
        return sheetReadFailure(kWorkbookPasswordText);

    const int sheetIndex = sheet1Index(handle.get());
    if (sheetIndex < 0)
        return sheetReadFailure(kWorkbookNoSheet1Text);
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(handle.get(), static_cast<unsigned short>(sheetIndex))
            != FREEXL_OK
        || freexl_worksheet_dimensions(handle.get(), &rows, &columns) != FREEXL_OK)
        return sheetReadFailure(kWorkbookDamagedText);

    SheetTable::Builder builder;
    for (unsigned int row = 0; row < rows; ++row) {
        for (unsigned short column = 0; column < columns; ++column) {
            FreeXL_CellValue cell;
            if (freexl_get_cell_value(handle.get(), row, column, &cell) != FREEXL_OK)
                return sheetReadFailure(kWorkbookDamagedText);
            builder.addCell(int(row), column, cellText(cell));
        }
    }
    return SheetReadResult{builder.table(), QString()};
}
