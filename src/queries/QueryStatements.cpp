#include "queries/QueryStatements.h"

#include "store/SqlStatement.h"
#include "store/TfrmDM.h"

namespace {

// A bare column name belongs to `table`; an expression or a qualified name is kept.
QString qualified(const QString &table, const QString &column)
{
    if (column.contains(QLatin1Char('.')) || column.contains(QLatin1Char('(')))
        return column;
    return table + QLatin1Char('.') + column;
}

QString selectList(const QString &table, const QList<QueryColumn> &columns)
{
    QStringList parts;
    for (const QueryColumn &column : columns)
        parts << qualified(table, column.column) + QStringLiteral(" as ") + column.title;
    return parts.join(QStringLiteral(", "));
}

// FROM and WHERE of the master list and its count.
BoundStatement condition(const QueryKind &kind, const QList<QueryFilterValue> &filters, const QStringList &userStorages)
{
    const QString &header = kind.header;
    BoundStatement where{QStringLiteral(" FROM %1 %2 WHERE (%1.theDel = 0)").arg(header, kind.masterJoin), {}};
    if (kind.storageRestricted) {
        if (userStorages.isEmpty()) {
            where.text += QStringLiteral(" AND (1 = 0)");
        } else {
            where.text += QStringLiteral(" AND (%1.SName IN (%2))").arg(header, placeholders(userStorages.size()));
            for (const QString &storage : userStorages)
                where.values << storage;
        }
    }
    for (qsizetype i = 0; i < kind.filters.size() && i < filters.size(); ++i) {
        const QueryFilter &filter = kind.filters[i];
        const QueryFilterValue &value = filters[i];
        if (!value.ticked)
            continue;
        const QString column = qualified(header, filter.column);
        switch (filter.kind) {
        case QueryFilterKind::Text:
            if (!value.text.isEmpty()) {
                where.text += QStringLiteral(" AND (%1 LIKE ?)").arg(column);
                where.values << containing(value.text);
            }
            break;
        case QueryFilterKind::Supplier:
            if (!value.text.isEmpty()) {
                where.text += QStringLiteral(" AND ((UMerchant.MName LIKE ?) OR (UMerchant.thePY LIKE ?))");
                where.values << containing(value.text) << containing(value.text);
            }
            break;
        case QueryFilterKind::Dates:
            where.text += QStringLiteral(" AND (%1 >= ?) AND (%1 <= ?)").arg(column);
            where.values << value.from << value.to;
            break;
        default: // a lookup: the chosen text, the empty text when nothing is chosen
            where.text += QStringLiteral(" AND (%1 = ?)").arg(column);
            where.values << value.text;
            break;
        }
    }
    return where;
}

} // namespace

BoundStatement masterStatement(const QueryKind &kind, const QList<QueryFilterValue> &filters, const QStringList &userStorages)
{
    BoundStatement where = condition(kind, filters, userStorages);
    return {QStringLiteral("SELECT ") + selectList(kind.header, kind.masterColumns) + where.text
                + QStringLiteral(" ORDER BY %1.theNum DESC").arg(kind.header),
            where.values};
}

BoundStatement countStatement(const QueryKind &kind, const QList<QueryFilterValue> &filters, const QStringList &userStorages)
{
    BoundStatement where = condition(kind, filters, userStorages);
    return {QStringLiteral("SELECT count(*)") + where.text, where.values};
}

BoundStatement totalsStatement(const QueryKind &kind, const QString &from, const QString &to)
{
    return {QStringLiteral("SELECT sum(L.theCount) as 数量, sum(L.APrice*L.theCount) as 金额 FROM %1 L "
                           "INNER JOIN %2 H ON L.theNum = H.theNum WHERE (L.theDel = 0) "
                           "AND (H.myDate >= ?) AND (H.myDate <= ?)")
                .arg(kind.lines, kind.header),
            {from, to}};
}

BoundStatement lineStatement(const QueryKind &kind, const QString &number)
{
    const QString lines = QStringLiteral("L");
    QList<QueryColumn> columns = {{QStringLiteral("编号"), QStringLiteral("theNum")},
                                  {QStringLiteral("物品编码"), QStringLiteral("UArticle.theNum")},
                                  {QStringLiteral("物品分类"), QStringLiteral("UArticle.AType")},
                                  {QStringLiteral("物品名称"), QStringLiteral("UArticle.AName")},
                                  {QStringLiteral("规格型号"), QStringLiteral("UArticle.AStandard")},
                                  {QStringLiteral("单位"), QStringLiteral("UArticle.AUnit")}};
    columns += kind.lineColumns;
    for (const QString &hidden : kind.hiddenLineColumns)
        columns << QueryColumn{hidden, hidden};
    return {QStringLiteral("SELECT %1 FROM %2 L INNER JOIN UArticle ON L.AID = UArticle.ID "
                           "WHERE (L.theNum = ?) AND (L.theDel = 0) ORDER BY L.ID")
                .arg(selectList(lines, columns), kind.lines),
            {number}};
}
