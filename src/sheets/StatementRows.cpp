#include "sheets/StatementRows.h"

#include "store/Numbers.h"

#include <QSqlRecord>

StatementRows::StatementRows(QSqlQuery query, qint64 size) : m_query(std::move(query)), m_size(size)
{
}

QStringList StatementRows::titles() const
{
    const QSqlRecord record = m_query.record();
    QStringList titles;
    for (int i = 0; i < record.count(); ++i)
        titles << record.fieldName(i);
    return titles;
}

QString StatementRows::text(int column) const
{
    const QVariant value = m_query.value(column);
    if (value.typeId() == QMetaType::Double)
        return numberText(value.toDouble());
    return value.toString();
}
