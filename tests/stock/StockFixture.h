#pragma once

#include "support/TestDatabase.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QVariantMap>

// Writes one row of `table` with the given columns, as the document windows would.
inline void insertRow(TfrmDM &dm, const QString &table, const QVariantMap &columns)
{
    QStringList marks;
    QVariantList values;
    for (auto column = columns.cbegin(); column != columns.cend(); ++column) {
        marks << QStringLiteral("?");
        values << column.value();
    }
    dm.myESQL(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(table, QStringList(columns.keys()).join(','), marks.join(',')),
              values);
}

// An exported workbook as openpyxl reads it (see read_sheet.py).
inline QJsonObject readSheet(const QString &path)
{
    QProcess reader;
    reader.start(SYSTEM_PYTHON3, {READ_SHEET_SCRIPT, path});
    reader.waitForFinished(30000);
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
}
