#include "reports/ReportData.h"

#include "reports/ReportError.h"

#include <QSqlQuery>
#include <QSqlRecord>

DataSet DataSet::fromQuery(QSqlQuery &query)
{
    DataSet set;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        set.columns << record.fieldName(i);
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < record.count(); ++i)
            row << query.value(i);
        set.rows << row;
    }
    return set;
}

QVariant DataSet::value(qsizetype row, const QString &column) const
{
    const qsizetype index = columns.indexOf(column);
    if (index < 0)
        throw ReportError(QStringLiteral("The data set has no field %1; its fields are %2.").arg(column, columns.join(QStringLiteral(", "))));
    return row < rows.size() ? rows[row][index] : QVariant();
}
