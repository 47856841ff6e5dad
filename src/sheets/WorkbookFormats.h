#pragma once

#include "sheets/WorkbookReader.h"

#include <QByteArray>

// The two readers behind readSheet1: Office Open XML (.xlsx) from the bytes of the
// zip file, and the BIFF workbooks of older Excel (.xls) through FreeXL, which reads
// files only.
SheetReadResult readXlsxSheet1(const QByteArray &zipContent);
SheetReadResult readXlsSheet1(const QString &path);

// A failed read with its message.
inline SheetReadResult sheetReadFailure(const QString &error)
{
    return SheetReadResult{SheetTable(), error};
}
