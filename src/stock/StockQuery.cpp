#include "stock/StockQuery.h"

#include "store/TfrmDM.h"

namespace StockQuery {

namespace {

ListColumn shown(const char *expression, const char16_t *title, int width = 0)
{
    return {QLatin1String(expression), QString::fromUtf16(title), width};
}

ListColumn hidden(const char *expression, const char *title)
{
    return {QLatin1String(expression), QLatin1String(title), 0, true};
}

ListFilter text(const char16_t *caption, QStringList columns)
{
    return {QString::fromUtf16(caption), FilterKind::Text, std::move(columns)};
}

ListStatement statement()
{
    return {.columns = {hidden("UWare.ID", "ID"), shown("SName", u"仓库名称", 100),
                        shown("theNum", u"物品编码"), shown("AType", u"物品分类", 100),
                        shown("AName", u"物品名称", 200), shown("AStandard", u"规格型号", 100),
                        shown("AUnit", u"单位"), shown("APrice", u"单价", 60),
                        shown("WCount", u"库存数量", 60), shown("WCount*APrice", u"库存金额", 80),
                        shown("UArticle.Remark", u"备注", 90), shown("PName", u"货位名称"),
                        hidden("UWare.AID", "AID"), hidden("UWare.SID", "SID")},
            .from = QStringLiteral(" from (UWare INNER JOIN SStorage ON UWare.SID = SStorage.ID)"
                                   " INNER JOIN UArticle ON UWare.AID = UArticle.ID"),
            .where = QStringLiteral(" Where (UWare.ID > 0)"),
            .order = QString(),
            .key = QStringLiteral("UWare.ID"),
            .sums = {{QStringLiteral("WCount"), QStringLiteral("库存数量"), QStringLiteral("库存数量："),
                      SumFormat::Number},
                     {QStringLiteral("WCount*APrice"), QStringLiteral("库存金额"),
                      QStringLiteral("库存金额："), SumFormat::Money}}};
}

} // namespace

FilteredListConfig config()
{
    return {
        .objectName = QStringLiteral("frmWare_Q"),
        .caption = QStringLiteral("库存物品一览表"),
        .groupCaption = QStringLiteral("库存物品一览表"),
        .statement = statement(),
        .filters = {{QStringLiteral("仓库名称"), FilterKind::Lookup, {QStringLiteral("SName")},
                     [](TfrmDM &dm) { return dm.DBComStorage(); }},
                    text(u"物品编码", {QStringLiteral("theNum")}),
                    {QStringLiteral("物品分类"), FilterKind::Lookup, {QStringLiteral("AType")},
                     [](TfrmDM &dm) { return dm.DBComAType(); }},
                    text(u"物品名称", {QStringLiteral("AName"), QStringLiteral("UArticle.thePY")}),
                    text(u"规格型号", {QStringLiteral("AStandard")}),
                    text(u"备       注", {QStringLiteral("UArticle.Remark")})},
        .storageColumn = QStringLiteral("SName"),
        .storageRule = StorageRule::WhenListed,
        // The warnings are strict (a quantity at its limit is no warning) and need the
        // item's warning switched on.
        .states = {{QStringLiteral("正库存"), QStringLiteral("(WCount > 0)")},
                   {QStringLiteral("零库存"), QStringLiteral("(WCount = 0)")},
                   {QStringLiteral("负库存"), QStringLiteral("(WCount < 0)")},
                   {QStringLiteral("全部"), QString()},
                   {QStringLiteral("低于最低库存"), QStringLiteral("(WCount < YJMin) AND (theYJ = '是')")},
                   {QStringLiteral("高于最高库存"), QStringLiteral("(WCount > YJMax) AND (theYJ = '是')")}},
        .recordLabel = QStringLiteral("记录数："),
        .exportWindow = QStringLiteral("TfrmWare_Q"),
    };
}

namespace {

BoundStatement columnOfRows(const QString &column, const ListConditions &conditions)
{
    const ListStatement list = statement();
    return {QStringLiteral("select ") + column + list.from + list.where + conditions.text(),
            conditions.values()};
}

} // namespace

BoundStatement itemsStatement(const ListConditions &conditions)
{
    return columnOfRows(QStringLiteral("UWare.AID"), conditions);
}

BoundStatement balanceIdsStatement(const ListConditions &conditions)
{
    return columnOfRows(QStringLiteral("UWare.ID"), conditions);
}

StockListSearch lastSearch(const FilteredList &stockList)
{
    const ListConditions &conditions = stockList.searchedConditions();
    return {stockList.config().statement.listStatement(conditions, stockList.sort()),
            itemsStatement(conditions), stockList.recordCount()};
}

} // namespace StockQuery
