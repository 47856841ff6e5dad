#pragma once

#include "sheets/SheetTable.h"

#include <QString>

// What reading a workbook gives: the table of "Sheet1", or a message for the user and
// no rows at all.
struct SheetReadResult {
    SheetTable table;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// The messages of a failed read.
inline const QString kWorkbookDamagedText =
    QStringLiteral("文件已损坏或不是EXCEL工作簿，无法读取。");
inline const QString kWorkbookPasswordText =
    QStringLiteral("EXCEL文件设有密码保护，无法读取。请取消密码后再打开。");
inline const QString kWorkbookNoSheet1Text =
    QStringLiteral("EXCEL文件中没有名为Sheet1的工作表。");
inline const QString kWorkbookCannotOpenText = QStringLiteral("无法打开文件：");

// Reads the worksheet named "Sheet1" (in any letter case) of an .xlsx or .xls file: its
// first row holds the column titles, every value comes as text (numbers without float
// noise, dates as "yyyy-MM-dd"). The kind of workbook is told by the file's content,
// not by its name.
SheetReadResult readSheet1(const QString &path);
