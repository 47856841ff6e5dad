#include "store/SqlStatement.h"

#include "store/DatabaseError.h"

#include <QSqlError>

void execPrepared(QSqlQuery &query, const QString &statement, const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i) {
        const QVariant &value = values.at(i);
        const bool nullText = value.typeId() == QMetaType::QString && value.toString().isNull();
        query.bindValue(i, nullText ? QVariant(QStringLiteral("")) : value);
    }
    if (!query.exec())
        throw DatabaseError(query.lastError().text() + QStringLiteral("\n") + statement);
}

QSqlQuery runStatement(const QSqlDatabase &database, const QString &statement,
                       const QVariantList &values, ResultRows rows)
{
    QSqlQuery query(database);
    query.setForwardOnly(rows == ResultRows::ForwardOnly);
    if (!query.prepare(statement))
        throw DatabaseError(query.lastError().text() + QStringLiteral("\n") + statement);
    execPrepared(query, statement, values);
    return query;
}
