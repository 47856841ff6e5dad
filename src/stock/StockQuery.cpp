#include "stock/StockQuery.h"

#include "store/SqlStatement.h"
#include "store/TfrmDM.h"

namespace StockQuery {

namespace {

void addText(SqlCondition &where, const QString &condition, const QString &value, int times = 1)
{
    where.text += condition;
    for (int i = 0; i < times; ++i)
        where.values << value;
}

} // namespace

QString fromClause()
{
    return QStringLiteral("from (UWare INNER JOIN SStorage ON UWare.SID = SStorage.ID) "
                          "INNER JOIN UArticle ON UWare.AID = UArticle.ID ");
}

QString stateCondition(StockState state)
{
    switch (state) {
    case StockState::Positive: return QStringLiteral("AND (WCount > 0) ");
    case StockState::Zero: return QStringLiteral("AND (WCount = 0) ");
    case StockState::Negative: return QStringLiteral("AND (WCount < 0) ");
    case StockState::BelowMinimum: return QStringLiteral("AND (WCount < YJMin) AND (theYJ = '是') ");
    case StockState::AboveMaximum: return QStringLiteral("AND (WCount > YJMax) AND (theYJ = '是') ");
    case StockState::All:
    case StockState::None: break;
    }
    return QString();
}

SqlCondition whereClause(const StockFilters &filters, StockState state,
                         const QStringList &userStorages)
{
    SqlCondition where{QStringLiteral("WHERE (UWare.ID > 0) "), {}};
    if (!userStorages.isEmpty()) {
        where.text += QStringLiteral("AND (SName IN (%1)) ").arg(placeholders(userStorages.size()));
        for (const QString &name : userStorages)
            where.values << name;
    }
    if (filters.storage)
        addText(where, QStringLiteral("AND (SName=?) "), *filters.storage);
    if (filters.code)
        addText(where, QStringLiteral("AND (theNum LIKE ?) "), containing(*filters.code));
    if (filters.category)
        addText(where, QStringLiteral("AND (AType=?) "), *filters.category);
    if (filters.name) {
        addText(where, QStringLiteral("AND ((AName LIKE ?) OR (UArticle.thePY LIKE ?)) "),
                containing(*filters.name), 2);
    }
    if (filters.standard)
        addText(where, QStringLiteral("AND (AStandard LIKE ?) "), containing(*filters.standard));
    if (filters.remark)
        addText(where, QStringLiteral("AND (UArticle.Remark LIKE ?) "), containing(*filters.remark));
    where.text += stateCondition(state);
    return where;
}

QString listStatement(const SqlCondition &where)
{
    return QStringLiteral("select UWare.ID as ID,SName as 仓库名称,"
                          "theNum as 物品编码,AType as 物品分类,"
                          "AName as 物品名称,AStandard as 规格型号,"
                          "AUnit as 单位,APrice as 单价,"
                          "WCount as 库存数量,WCount*APrice as 库存金额,"
                          "UArticle.Remark as 备注,PName as 货位名称,"
                          "AID,SID ")
           + fromClause() + where.text;
}

QString totalsStatement(const SqlCondition &where)
{
    return QStringLiteral("select sum(WCount) as 库存数量,sum(WCount*APrice) as 库存金额 ")
           + fromClause() + where.text;
}

int warningCount(TfrmDM &dm, StockState warning, const QStringList &userStorages)
{
    const SqlCondition where = whereClause({}, warning, userStorages);
    QSqlQuery query = dm.select(QStringLiteral("select count(*) ") + fromClause() + where.text,
                                where.values);
    return query.next() ? query.value(0).toInt() : 0;
}

} // namespace StockQuery
