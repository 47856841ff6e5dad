#include "documents/Pickers.h"

#include "store/SqlStatement.h"
#include "store/TfrmDM.h"

QString itemTextCondition()
{
    return QStringLiteral(" Where ((AName Like ?) OR (thePY LIke ?) OR (theNum LIke ?) OR (AStandard Like ?))");
}

QVariantList itemTextValues(const QString &text)
{
    const QString pattern = containing(text);
    return {pattern, pattern, pattern, pattern};
}

TfrmFind::TfrmFind(AppServices services, const QString &text, QWidget *parent)
    : PickerDialog(QStringLiteral("供应商 查找"), parent)
{
    setObjectName(QStringLiteral("frmFind"));
    QSqlQuery query = services.dm.select(
        QStringLiteral("select ID as FindID,MName as 商家名称,MPhone as 电话号码,MProson as 联系人,"
                       "MAddress as 地址,Remark as 备注 from UMerchant Where thePY Like ? OR MName Like ?"),
        {containing(text), containing(text)});
    load(query, {QStringLiteral("FindID")}, {200, 100, 100, 150, 100});
}

TfrmFindArticle6::TfrmFindArticle6(AppServices services, const QString &text,
                                   const QStringList &excludedIds, QWidget *parent)
    : PickerDialog(QStringLiteral("物品 查找"), parent)
{
    setObjectName(QStringLiteral("frmFindArticle6"));
    QString statement = QStringLiteral(
        "select theNum as 物品编码, AType as 物品分类, AName as 物品名称, AStandard as 规格型号, "
        "AUnit as 单位, APrice as 单价, Remark as 备注, ID from UArticle") + itemTextCondition();
    QVariantList values = itemTextValues(text);
    if (!excludedIds.isEmpty()) {
        statement += QStringLiteral(" AND (ID NOT IN (%1))").arg(placeholders(excludedIds.size()));
        for (const QString &id : excludedIds)
            values << id.toInt();
    }
    statement += QStringLiteral(" order by AType,AName,AStandard,AUnit");
    QSqlQuery query = services.dm.select(statement, values);
    load(query, {QStringLiteral("ID")}, {100, 100, 200, 100, 80, 80, 100});
    enableSelectAll();
}

TfrmFindProson::TfrmFindProson(AppServices services, const QString &text, QWidget *parent)
    : PickerDialog(QStringLiteral("查找 人员"), parent)
{
    setObjectName(QStringLiteral("frmFindProson"));
    const QString pattern = containing(text);
    QSqlQuery query = services.dm.select(
        QStringLiteral("select theNum as 工号,DName as 部门名称,PName as 人员姓名,theJob as 职务 from SPerson"
                       " Where PName Like ? OR thePY LIke ? OR theNum LIKE ? order by DName,PName"),
        {pattern, pattern, pattern});
    load(query, {}, {80, 100, 150, 100});
}

namespace {

// The stock search of TfrmFindArticle7 with `columns` selected.
QSqlQuery stockSearch(AppServices services, const TfrmFindArticle7::Search &search, const QString &columns)
{
    QString statement = QStringLiteral("select ") + columns
        + QStringLiteral(" from UWare INNER JOIN UArticle ON UWare.AID = UArticle.ID") + itemTextCondition()
        + QStringLiteral(" AND (SID = ?)");
    QVariantList values = itemTextValues(search.text);
    values << search.storageId.toInt();
    if (!search.excludedIds.isEmpty()) {
        statement += QStringLiteral(" AND (AID NOT IN (%1))").arg(placeholders(search.excludedIds.size()));
        for (const QString &id : search.excludedIds)
            values << id.toInt();
    }
    if (search.positiveOnly)
        statement += QStringLiteral(" AND (WCount > 0)");
    statement += QStringLiteral(" order by AType,AName,AStandard,AUnit");
    return services.dm.select(statement, values);
}

} // namespace

TfrmFindArticle7::TfrmFindArticle7(AppServices services, const Search &search, QWidget *parent)
    : PickerDialog(search.storageName + QStringLiteral(" 物品 查找"), parent)
{
    setObjectName(QStringLiteral("frmFindArticle7"));
    QSqlQuery query = stockSearch(services, search, QStringLiteral(
        "theNum as 物品编码, AType as 物品分类, AName as 物品名称, AStandard as 规格型号, "
        "AUnit as 单位, APrice as 单价, WCount as 库存数量, Remark as 备注, AID"));
    load(query, {QStringLiteral("AID")}, {100, 100, 200, 100, 80, 80, 80, 100});
    enableSelectAll();
}

QStringList TfrmFindArticle7::matchingIds(AppServices services, Search search)
{
    search.excludedIds.clear();
    QSqlQuery query = stockSearch(services, search, QStringLiteral("AID"));
    QStringList ids;
    while (query.next())
        ids << query.value(0).toString();
    return ids;
}
