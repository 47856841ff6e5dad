#pragma once

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

// An exported .xlsx file read back part by part: the cells of Sheet1 with their kind,
// the merged ranges, the column widths and the page setup, so that tests see what a
// spreadsheet program would show.
struct ExportedSheet {
    struct Cell {
        QString text;
        bool isText = false; // a string cell; otherwise a number (or empty)
    };

    explicit ExportedSheet(const QString &path);

    bool ok = false;
    QMap<QString, Cell> cells;        // by reference, "A1"
    QStringList merges;               // "A1:I1"
    QHash<int, double> widths;        // column from 1 → width as stored
    bool landscape = false;
    QString footer;

    QString text(const QString &reference) const { return cells.value(reference).text; }
    bool isText(const QString &reference) const { return cells.value(reference).isText; }
    // The texts of one row from column A to `lastColumn`.
    QStringList row(int number, char lastColumn) const;
    int lastRow() const;
};
