#include "master/ArticleFilter.h"

#include "store/SqlStatement.h"

ArticleCondition articleCondition(const ArticleFilter &filter)
{
    ArticleCondition condition;
    const auto add = [&condition](const QString &text, const QString &clause, int times = 1) {
        if (text.isEmpty())
            return;
        condition.clauses += clause;
        for (int i = 0; i < times; ++i)
            condition.values << text;
    };
    add(filter.category, QStringLiteral(" AND (AType=?)"));
    add(filter.name.isEmpty() ? QString() : containing(filter.name),
        QStringLiteral(" AND ((AName like ?) OR (thePY like ?))"), 2);
    add(filter.standard.isEmpty() ? QString() : containing(filter.standard), QStringLiteral(" AND (AStandard like ?)"));
    add(filter.remark.isEmpty() ? QString() : containing(filter.remark), QStringLiteral(" AND (Remark like ?)"));
    add(filter.code.isEmpty() ? QString() : containing(filter.code), QStringLiteral(" AND (theNum like ?)"));
    add(filter.place, QStringLiteral(" AND (PName=?)"));
    return condition;
}

QString articleQueryStatement(const ArticleCondition &condition)
{
    return QStringLiteral("select theNum as 物品编码, AType as 物品分类, AName as 物品名称, AStandard as 规格型号, "
                          "AUnit as 单位, APrice as 单价, FJCount as 附件数量,Remark as 备注,PName as 货位名称,  ID  "
                          "from UArticle Where (ID>0)")
        + condition.clauses + QStringLiteral(" order by AType,AName");
}
