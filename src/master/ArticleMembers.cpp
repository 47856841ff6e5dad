#include "master/ArticleMembers.h"

#include "store/ArticleRules.h"
#include "store/AppContext.h"
#include "store/ArticleCode.h"
#include "ui/AppServices.h"

using Kind = MaintenanceField::Kind;

MaintenanceMember articleMember()
{
    MaintenanceMember m;
    m.objectName = QStringLiteral("frmArticle_M");
    m.caption = QStringLiteral("物品管理");
    m.groupCaption = QStringLiteral("物品信息");
    m.table = QStringLiteral("UArticle");
    m.statement = QStringLiteral(
        "select theNum as 物品编码, AType as 物品分类, AName as 物品名称, AStandard as 规格型号, AUnit as 单位, "
        "APrice as 单价, FJCount as 附件数量,Remark as 备注, PName as 货位名称,YJMin,YJMax,theYJ,thePY,theDate,ID "
        "from UArticle order by id");
    m.fields = {{"theNum", "物品编码", "物品编码："},
                {"AType", "物品分类", "物品分类：", Kind::CategoryList},
                {"AName", "物品名称", "物品名称："},
                {"AStandard", "规格型号", "规格型号："},
                {"AUnit", "单位", "单       位："},
                {"APrice", "单价", "单       价：", Kind::Number},
                {"PName", "货位名称", "货位名称：", Kind::PlaceList},
                {"Remark", "备注", "备       注："}};
    m.hiddenTitles = {QStringLiteral("YJMin"), QStringLiteral("YJMax"), QStringLiteral("theYJ"),
                      QStringLiteral("thePY"), QStringLiteral("theDate"), QStringLiteral("ID")};
    m.columnWidths = {{QStringLiteral("物品名称"), 200}, {QStringLiteral("规格型号"), 100},
                      {QStringLiteral("单价"), 60}, {QStringLiteral("备注"), 200}};
    m.titleSorting = true;
    m.required = {{"theNum", "物品编码 不能为空！请重新录入！"},
                  {"AName", "物品名称 不能为空！请重新录入！"},
                  {"AUnit", "单位 不能为空！请重新录入！"},
                  {"APrice", "单价 不能为空！请重新录入！"}};
    m.nameColumn = QStringLiteral("AName");
    m.keyColumn = QStringLiteral("theNum");
    m.duplicateMessage = QStringLiteral("物品编码 添加重复！");
    m.duplicateCheckOnModify = true;
    m.deleteRefusal = [](AppServices &services, int id, const QString &name) {
        return articleDeleteRefusal(services.dm, id, name);
    };
    m.deleteAlso = {QStringLiteral("Delete from UWare Where AID=?")};
    m.proposeKey = [](AppServices &services) { return newArticleCode(services.dm); };
    m.insertDefaults = [](AppServices &services) {
        return QVariantHash{{QStringLiteral("theDate"), services.context.LoginDate},
                            {QStringLiteral("YJMin"), 9},
                            {QStringLiteral("YJMax"), 99},
                            {QStringLiteral("theYJ"), QStringLiteral("否")},
                            {QStringLiteral("FJCount"), 0}};
    };
    return m;
}

MaintenanceMember categoryMember()
{
    MaintenanceMember m;
    m.objectName = QStringLiteral("frmAType");
    m.caption = QStringLiteral("物品分类管理");
    m.groupCaption = QStringLiteral("物品分类信息");
    m.table = QStringLiteral("UAType");
    m.fields = {{"theName", "分类名称", "分类名称："}, {"Remark", "备注", "备       注："}};
    m.hiddenTitles = {QStringLiteral("ID")};
    m.required = {{"theName", "分类名称 不能为空！请重新录入！"}};
    m.nameColumn = m.keyColumn = QStringLiteral("theName");
    m.duplicateMessage = QStringLiteral("分类名称 添加重复！");
    m.hasPinyin = false;
    return m;
}
