#include "support/TestDatabase.h"

#include "store/NewDatabase.h"

TestDatabase::TestDatabase()
{
    context.AppDir = folder.path() + QLatin1Char('/');
    context.LoginDate = kTestLoginDate;
    context.CurUserName = QStringLiteral("系统管理员");
    context.CurUserID = QStringLiteral("1");
    createDatabaseFile(databasePath());
    dm.open(databasePath());
}

QString TestDatabase::databasePath() const
{
    return folder.path() + QStringLiteral("/Data/db.edb");
}

QVariant TestDatabase::value(const QString &statement, const QVariantList &values)
{
    QSqlQuery query = dm.select(statement, values);
    return query.next() ? query.value(0) : QVariant();
}
