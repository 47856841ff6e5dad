#include "queries/ListStatement.h"

#include "store/Numbers.h"
#include "store/SqlDialect.h"
#include "store/TfrmDM.h"

#include <QLocale>

QString ListConditions::text() const
{
    QString text;
    for (const SqlCondition &condition : m_conditions)
        text += QStringLiteral(" AND ") + condition.text;
    return text;
}

QVariantList ListConditions::values() const
{
    QVariantList values;
    for (const SqlCondition &condition : m_conditions)
        values += condition.values;
    return values;
}

namespace {

QString quotedAlias(const QString &title)
{
    return QLatin1Char('"') + title + QLatin1Char('"');
}

} // namespace

BoundStatement ListStatement::listStatement(const ListConditions &conditions,
                                            const std::optional<ListSort> &sort) const
{
    QStringList selected;
    for (const ListColumn &column : columns)
        selected << column.expression + QStringLiteral(" as ") + quotedAlias(column.title);
    QString text = QStringLiteral("select ") + selected.join(QLatin1Char(',')) + from + where
                   + conditions.text();
    QString ordered;
    if (sort) {
        // Numbers compare as numbers whatever the collation; only text uses pinyin.
        ordered = QStringLiteral(" order by ") + quotedAlias(sort->title) + pinyinCollation(engine)
                  + (sort->direction == SortDirection::Ascending ? QStringLiteral(" ASC")
                                                                 : QStringLiteral(" DESC"));
    } else {
        ordered = order.trimmed().isEmpty() ? QString() : order.trimmed().prepend(QLatin1Char(' '));
    }
    if (!key.isEmpty())
        ordered += (ordered.isEmpty() ? QStringLiteral(" order by ") : QStringLiteral(",")) + key;
    return {text + ordered, conditions.values()};
}

BoundStatement ListStatement::totalsStatement(const ListConditions &conditions) const
{
    QString text = QStringLiteral("select count(*) as ") + kRecordCountTitle;
    for (const ListSum &sum : sums)
        text += QStringLiteral(",sum(") + sum.expression + QStringLiteral(") as ") + quotedAlias(sum.title);
    text += from + where + conditions.text();
    return {text, conditions.values()};
}

BoundStatement ListStatement::anyRowStatement(const ListConditions &conditions) const
{
    return {QStringLiteral("select 1") + from + where + conditions.text() + QStringLiteral(" LIMIT 1"),
            conditions.values()};
}

std::optional<SqlCondition> storageCondition(const QString &column, const QStringList &storages,
                                             StorageRule rule)
{
    if (storages.isEmpty()) {
        if (rule == StorageRule::WhenListed)
            return std::nullopt;
        return SqlCondition{QStringLiteral("(0=1)")};
    }
    SqlCondition condition{QStringLiteral("(%1 IN (%2))").arg(column, placeholders(storages.size()))};
    for (const QString &storage : storages)
        condition.values << storage;
    return condition;
}

QString sumText(const QVariant &value, SumFormat format)
{
    const double number = value.isNull() ? 0.0 : value.toDouble();
    if (format == SumFormat::Money)
        return QLocale(QLocale::Chinese, QLocale::China).toString(number, 'f', 2);
    return numberText(number);
}
