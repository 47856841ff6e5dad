#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// An exported workbook as openpyxl, an outside reader, sees Sheet1: every row's values
// (numbers written as people write them, empty cells as empty texts), which of them
// are text cells, and the merged ranges.
struct OpenpyxlSheet {
    explicit OpenpyxlSheet(const QString &path);

    bool ok = false;
    QString error;
    QList<QStringList> rows;   // rows[0] is row 1
    QList<QList<bool>> isText; // per cell: a string cell
    QStringList merges;        // "A1:G1", sorted
    bool landscape = false;

    // Row `number` (from 1) cut after its last non-empty cell.
    QStringList row(int number) const;
};
