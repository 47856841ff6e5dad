#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QVariant>

class QSqlQuery;

// The rows of one query, kept so that the report can run over them as often as it
// needs (page layout, sums).
struct DataSet {
    QStringList columns;
    QList<QVariantList> rows;

    // Reads every row of a query that has been run.
    static DataSet fromQuery(QSqlQuery &query);

    // The value of `column` in row `row`; a null value past the last row.
    // Throws ReportError when the data set has no such column.
    QVariant value(qsizetype row, const QString &column) const;
};

// Everything a report reads: its data sets by name and the moment of printing.
struct ReportData {
    QHash<QString, DataSet> sets;
    QDateTime printTime;
};
