#include "store/SqlStatement.h"

#include "store/DatabaseError.h"

#include <QSqlError>

QSqlQuery runStatement(const QSqlDatabase &database, const QString &statement,
                       const QVariantList &values, ResultRows rows)
{
    QSqlQuery query(database);
    query.setForwardOnly(rows == ResultRows::ForwardOnly);
    bool ok = query.prepare(statement);
    for (const QVariant &value : values) {
        const bool nullText = value.typeId() == QMetaType::QString && value.toString().isNull();
        query.addBindValue(nullText ? QVariant(QStringLiteral("")) : value);
    }
    ok = ok && query.exec();
    if (!ok)
        throw DatabaseError(query.lastError().text() + QStringLiteral("\n") + statement);
    return query;
}
