#include "master/ReferenceMembers.h"

#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "ui/AppServices.h"

using Kind = MaintenanceField::Kind;

MaintenanceMember departmentMember()
{
    MaintenanceMember m;
    m.objectName = QStringLiteral("frmDepartment");
    m.caption = QStringLiteral("部门管理");
    m.groupCaption = QStringLiteral("部门信息");
    m.table = QStringLiteral("SDepartment");
    m.fields = {{"DName", "部门名称", "部门名称："}, {"Remark", "备注", "备       注："}};
    m.hiddenTitles = {QStringLiteral("thePY")};
    m.required = {{"DName", "部门名称 不能为空！请重新录入！"}};
    m.nameColumn = m.keyColumn = QStringLiteral("DName");
    m.duplicateMessage = QStringLiteral("部门名称 添加重复！");
    m.deleteRefusal = [](AppServices &services, int, const QString &name) {
        const bool hasPersons =
            services.dm.myRetCount(QStringLiteral("select ID from SPerson where DName=?"), {name}) > 0;
        return hasPersons ? QStringLiteral("该 部门 下有 人员 记录，不能删除！") : QString();
    };
    return m;
}

MaintenanceMember personMember()
{
    MaintenanceMember m;
    m.objectName = QStringLiteral("frmPerson");
    m.caption = QStringLiteral("人员管理");
    m.groupCaption = QStringLiteral("人员信息");
    m.table = QStringLiteral("SPerson");
    m.orderBy = QStringLiteral("DName");
    m.fields = {{"theNum", "工号", "工       号："},
                {"DName", "部门名称", "部门名称：", Kind::DepartmentList},
                {"PName", "人员姓名", "姓       名："},
                {"theJob", "职务", "职       务："},
                {"thePhone", "联系方式", "联系方式："},
                {"theIDCard", "身份证号", "身份证号："},
                {"theAddress", "住址", "住       址："},
                {"Remark", "备注", "备       注："}};
    m.hiddenTitles = {QStringLiteral("thePY")};
    m.columnWidths = {{QStringLiteral("联系方式"), 160}, {QStringLiteral("住址"), 160}, {QStringLiteral("备注"), 160}};
    m.titleSorting = true;
    m.required = {{"theNum", "工号 不能为空！请重新录入！"},
                  {"DName", "部门名称 不能为空！请选择 部门名称！"},
                  {"PName", "人员姓名 不能为空！请重新录入！"}};
    m.nameColumn = QStringLiteral("PName");
    m.keyColumn = QStringLiteral("theNum");
    m.duplicateMessage = QStringLiteral("工号 添加重复！");
    return m;
}

MaintenanceMember storageMember()
{
    MaintenanceMember m;
    m.objectName = QStringLiteral("frmStorage");
    m.caption = QStringLiteral("仓库设置");
    m.groupCaption = QStringLiteral("仓库信息");
    m.table = QStringLiteral("SStorage");
    m.fields = {{"SName", "仓库名称", "仓库名称："}, {"Remark", "备注", "备       注："}};
    m.hiddenTitles = {QStringLiteral("thePY"), QStringLiteral("ID")};
    m.required = {{"SName", "仓库名称 不能为空！请重新录入！"}};
    m.nameColumn = m.keyColumn = QStringLiteral("SName");
    m.duplicateMessage = QStringLiteral("仓库名称 添加重复！");
    // A storage that ever held stock keeps its balance rows, even at quantity 0.
    m.deleteRefusal = [](AppServices &services, int id, const QString &name) {
        const bool hasStock = services.dm.myRetCount(QStringLiteral("SELECT ID FROM UWare Where SID=?"), {id}) > 0;
        return hasStock ? name + QStringLiteral(" 有物品库存信息，不能删除！") : QString();
    };
    // The user who creates a storage may work with it.
    m.afterInsert = [](AppServices &services, const QString &name) {
        services.dm.myESQL(QStringLiteral("INSERT INTO SLW (UID, SName) VALUES (?, ?)"),
                           {services.context.CurUserID.toInt(), name});
    };
    m.closingMessage = QStringLiteral("如果您新增了仓库，请重新打开软件！");
    return m;
}

MaintenanceMember placeMember()
{
    MaintenanceMember m;
    m.objectName = QStringLiteral("frmPlace");
    m.caption = QStringLiteral("货位设置");
    m.groupCaption = QStringLiteral("货位信息");
    m.table = QStringLiteral("SPlace");
    m.fields = {{"PName", "货位名称", "货位名称："}, {"Remark", "备注", "备        注："}};
    m.hiddenTitles = {QStringLiteral("ID")};
    m.required = {{"PName", "货位名称 不能为空！请重新录入！"}};
    m.nameColumn = m.keyColumn = QStringLiteral("PName");
    m.duplicateMessage = QStringLiteral("货位名称 添加重复！");
    m.hasPinyin = false;
    return m;
}

MaintenanceMember supplierMember()
{
    MaintenanceMember m;
    m.objectName = QStringLiteral("frmMerchant");
    m.caption = QStringLiteral("供应商管理");
    m.groupCaption = QStringLiteral("供应商信息");
    m.table = QStringLiteral("UMerchant");
    m.fields = {{"MName", "商家名称", "商家名称："},
                {"MPhone", "电话号码", "电话号码："},
                {"MProson", "联系人", "联  系  人："},
                {"MAddress", "地址", "地       址："},
                {"Remark", "备注", "备       注："}};
    m.hiddenTitles = {QStringLiteral("thePY"), QStringLiteral("ID")};
    m.columnWidths = {{QStringLiteral("备注"), 260}};
    m.required = {{"MName", "商家名称 不能为空！请重新录入！"}};
    m.nameColumn = m.keyColumn = QStringLiteral("MName");
    m.duplicateMessage = QStringLiteral("商家名称 添加重复！");
    return m;
}
