#include "admin/DataClearing.h"

#include "store/TfrmDM.h"
#include "store/Transaction.h"

const std::vector<ClearingGroup> &clearingGroups()
{
    static const std::vector<ClearingGroup> groups = {
        {QStringLiteral("申请单"), {QStringLiteral("USQ"), QStringLiteral("USQ_Bill")}},
        {QStringLiteral("采购单"), {QStringLiteral("UIn_CG"), QStringLiteral("UIn_CG_Bill")}},
        {QStringLiteral("退货单"), {QStringLiteral("UOut_TH"), QStringLiteral("UOut_TH_Bill")}},
        {QStringLiteral("领用单"), {QStringLiteral("UOut_LY"), QStringLiteral("UOut_LY_Bill")}},
        {QStringLiteral("借用单"), {QStringLiteral("UOut_JC"), QStringLiteral("UOut_JC_Bill")}},
        {QStringLiteral("归还单"), {QStringLiteral("UIn_GH"), QStringLiteral("UIn_GH_Bill")}},
        {QStringLiteral("调拨单"), {QStringLiteral("UDB"), QStringLiteral("UDB_Bill")}},
        {QStringLiteral("报损单"), {QStringLiteral("UOut_BS"), QStringLiteral("UOut_BS_Bill")}},
        {QStringLiteral("报溢单"), {QStringLiteral("UIn_BY"), QStringLiteral("UIn_BY_Bill")}},
        {QStringLiteral("库存"), {QStringLiteral("SStorage"), QStringLiteral("UWare"), QStringLiteral("UWList")}},
        {QStringLiteral("物品"), {QStringLiteral("UAType"), QStringLiteral("UArticle"), QStringLiteral("UAFiles")}},
        {QStringLiteral("供应商"), {QStringLiteral("UMerchant")}},
        {QStringLiteral("人员"), {QStringLiteral("SDepartment"), QStringLiteral("SPerson")}},
    };
    return groups;
}

void clearGroup(TfrmDM &dm, const ClearingGroup &group)
{
    Transaction transaction(dm.database());
    // The table names come from the fixed list above, never from the user.
    for (const QString &table : group.tables)
        dm.myESQL(QStringLiteral("DELETE FROM ") + table);
    transaction.commit();
}
