#include "store/SqlDialect.h"

QString daysUntilToday(SqlEngine engine, const QString &dateExpression)
{
    if (engine == SqlEngine::PostgreSQL)
        return QStringLiteral("(CURRENT_DATE - CAST(%1 AS DATE))").arg(dateExpression);
    return QStringLiteral("CAST(julianday(date('now','localtime')) - julianday(%1) AS INTEGER)")
        .arg(dateExpression);
}

QString todayText(SqlEngine engine)
{
    if (engine == SqlEngine::PostgreSQL)
        return QStringLiteral("to_char(CURRENT_DATE, 'YYYY-MM-DD')");
    return QStringLiteral("date('now','localtime')");
}

QString pinyinCollation(SqlEngine engine)
{
    if (engine == SqlEngine::PostgreSQL)
        return QStringLiteral(" COLLATE \"zh-x-icu\"");
    return QStringLiteral(" COLLATE PINYIN");
}
