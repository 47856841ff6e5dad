#include "queries/QueryKinds.h"

#include "documents/DocumentPrinting.h"
#include "store/LedgerKinds.h"

#include <stdexcept>

namespace {

using F = QueryFilterKind;

QueryFilter filter(const char16_t *caption, QueryFilterKind kind, const char *column = "")
{
    return {QString::fromUtf16(caption), kind, QLatin1String(column)};
}

QueryColumn column(const char16_t *title, const char *expression, int width = 0)
{
    return {QString::fromUtf16(title), QLatin1String(expression), width};
}

// The filters that open and close every list: number and date first, the handler,
// maker and remark last.
QueryFilter numberFilter() { return filter(u"编       号", F::Text, "theNum"); }
QueryFilter dateFilter(const char16_t *caption) { return filter(caption, F::Dates, "myDate"); }
QueryFilter handlerFilter() { return filter(u"经  办  人", F::AllPersons, "theBGPro"); }
QueryFilter makerFilter() { return filter(u"制  单  人", F::Users, "theUser"); }
QueryFilter remarkFilter() { return filter(u"备       注", F::Text, "Remark"); }

// Purchase-in and return-to-supplier share their shape: a supplier, a person, a storage.
QueryKind supplierKind(const char16_t *dateTitle, const char16_t *personTitle, const char16_t *personFilter,
                       const char *personColumn, const char16_t *storageTitle)
{
    QueryKind kind;
    kind.filters = {numberFilter(), dateFilter(dateTitle), filter(u"供  应  商", F::Supplier),
                    filter(personFilter, F::AllPersons, personColumn), handlerFilter(),
                    {QString::fromUtf16(storageTitle), F::Storages, QStringLiteral("SName")},
                    makerFilter(), remarkFilter()};
    kind.masterColumns = {column(u"编号", "theNum", 86), {QString::fromUtf16(dateTitle), QStringLiteral("myDate")},
                          column(u"供应商", "UMerchant.MName", 200),
                          {QString::fromUtf16(personTitle), QLatin1String(personColumn)},
                          column(u"经办人", "theBGPro"), {QString::fromUtf16(storageTitle), QStringLiteral("SName")},
                          column(u"制单人", "theUser"), column(u"备注", "Remark", 150)};
    kind.storageRestricted = true;
    kind.lineColumns = {column(u"单价", "APrice", 60), column(u"数量", "theCount", 60),
                        column(u"金额", "(L.APrice*L.theCount)", 80), column(u"备注", "Remark", 100)};
    kind.hiddenLineColumns = {QStringLiteral("AID"), QStringLiteral("theCount"), QStringLiteral("SID"),
                              QStringLiteral("ID")};
    kind.totals = true;
    kind.countChange = true;
    return kind;
}

QList<QueryColumn> pricedLineColumns(int remarkWidth)
{
    return {column(u"单价", "thePrice", 60), column(u"数量", "theCount", 60),
            column(u"金额", "(L.thePrice*L.theCount)", 80), {QStringLiteral("备注"), QStringLiteral("Remark"), remarkWidth}};
}

QueryKind purchaseIn()
{
    QueryKind kind = supplierKind(u"采购日期", u"采购人", u"采  购  人", "theCGPro", u"入库仓库");
    kind.windowClass = QStringLiteral("TfrmIn_CG_Q");
    kind.caption = QStringLiteral("采购入库查询");
    kind.header = QStringLiteral("UIn_CG");
    kind.menuName = QStringLiteral("采购入库单");
    kind.deleteNotice = QStringLiteral("当前选中采购入库单编号为 ");
    kind.deleteRefusal = QStringLiteral("当前选中采购入库单 有明细信息，不能删除！");
    kind.masterJoin = QStringLiteral("INNER JOIN UMerchant ON UIn_CG.MID = UMerchant.ID");
    kind.reversal = Reversal::Inbound;
    kind.deleteLedger = LedgerKind::PurchaseDeleted;
    kind.priceCaption = QStringLiteral("采购明细单价");
    kind.remarkCaption = QStringLiteral("采购明细备注");
    kind.print = purchaseInPrint;
    return kind;
}

QueryKind returnToSupplier()
{
    QueryKind kind = supplierKind(u"退货日期", u"退货人", u"退  货  人", "theTHPro", u"出库仓库");
    kind.windowClass = QStringLiteral("TfrmOut_TH_Q");
    kind.caption = QStringLiteral("退货出库查询");
    kind.header = QStringLiteral("UOut_TH");
    kind.menuName = QStringLiteral("退货出库单");
    kind.deleteNotice = QStringLiteral("当前选中退货出库单编号为 ");
    kind.deleteRefusal = QStringLiteral("当前选中退货出库单 有明细信息，不能删除！");
    kind.masterJoin = QStringLiteral("INNER JOIN UMerchant ON UOut_TH.MID = UMerchant.ID");
    kind.reversal = Reversal::Outbound;
    kind.deleteLedger = LedgerKind::ReturnDeleted;
    kind.priceCaption = QStringLiteral("退货明细单价");
    kind.remarkCaption = QStringLiteral("退货明细备注");
    kind.print = returnToSupplierPrint;
    return kind;
}

QueryKind requisition()
{
    QueryKind kind;
    kind.windowClass = QStringLiteral("TfrmOut_LY_Q");
    kind.caption = QStringLiteral("领用出库查询");
    kind.header = QStringLiteral("UOut_LY");
    kind.menuName = QStringLiteral("领用出库单");
    kind.deleteNotice = QStringLiteral("当前选中领用出库单编号为 ");
    kind.deleteRefusal = QStringLiteral("当前选中领用出库单 有明细信息，不能删除！");
    kind.filters = {numberFilter(), dateFilter(u"领用日期"), filter(u"部门名称", F::Departments, "DName"),
                    filter(u"领  用 人", F::DepartmentPersons, "theLYPro"), handlerFilter(),
                    filter(u"出库仓库", F::Storages, "SName"), makerFilter(), remarkFilter()};
    kind.masterColumns = {column(u"编号", "theNum", 86), column(u"领用日期", "myDate"), column(u"部门名称", "DName"),
                          column(u"领用人", "theLYPro"), column(u"经办人", "theBGPro"), column(u"出库仓库", "SName"),
                          column(u"制单人", "theUser"), column(u"备注", "Remark", 220)};
    kind.storageRestricted = true;
    kind.lineColumns = pricedLineColumns(100);
    kind.lineColumns.insert(3, column(u"归还数量", "GHCount", 60));
    kind.hiddenLineColumns = {QStringLiteral("AID"), QStringLiteral("SID"), QStringLiteral("ID")};
    kind.reversal = Reversal::Outbound;
    kind.deleteLedger = LedgerKind::RequisitionDeleted;
    kind.remarkCaption = QStringLiteral("领用明细备注");
    kind.countChange = true;
    kind.print = requisitionPrint;
    return kind;
}

QueryKind loan()
{
    QueryKind kind;
    kind.windowClass = QStringLiteral("TfrmOut_JC_Q");
    kind.caption = QStringLiteral("借用出库查询");
    kind.header = QStringLiteral("UOut_JC");
    kind.menuName = QStringLiteral("借用出库单");
    kind.deleteNotice = QStringLiteral("当前选中借出出库单编号为 ");
    kind.deleteRefusal = QStringLiteral("当前选中借用出库单 有明细信息，不能删除！");
    kind.filters = {numberFilter(), dateFilter(u"借用日期"), filter(u"部门名称", F::Departments, "DName"),
                    filter(u"借  用 人", F::DepartmentPersons, "theLYPro"),
                    filter(u"审  批  人", F::AllPersons, "thePZPro"), handlerFilter(),
                    filter(u"出库仓库", F::Storages, "SName"), makerFilter(), remarkFilter()};
    kind.masterColumns = {column(u"编号", "theNum", 86), column(u"借用日期", "myDate"), column(u"部门名称", "DName"),
                          column(u"借用人", "theLYPro"), column(u"审批人", "thePZPro"), column(u"经办人", "theBGPro"),
                          column(u"出库仓库", "SName"), column(u"制单人", "theUser"), column(u"备注", "Remark", 100)};
    kind.storageRestricted = true;
    kind.lineColumns = pricedLineColumns(100);
    kind.lineColumns.insert(3, column(u"归还数量", "GHCount", 60));
    kind.lineColumns << column(u"归还天数", "theGH", 60);
    kind.hiddenLineColumns = {QStringLiteral("AID"), QStringLiteral("SID"), QStringLiteral("ID")};
    kind.reversal = Reversal::Outbound;
    kind.deleteLedger = LedgerKind::LoanDeleted;
    kind.remarkCaption = QStringLiteral("借用明细备注");
    kind.countChange = true;
    kind.print = loanPrint;
    return kind;
}

QueryKind loanReturn()
{
    QueryKind kind;
    kind.windowClass = QStringLiteral("TfrmIn_GH_Q");
    kind.caption = QStringLiteral("归还入库单查询");
    kind.header = QStringLiteral("UIn_GH");
    kind.menuName = QStringLiteral("归还入库单");
    kind.deleteNotice = QStringLiteral("当前选中归还单编号为 ");
    kind.deleteRefusal = QStringLiteral("当前选中归还单 有明细信息，不能删除！");
    kind.filters = {numberFilter(), dateFilter(u"归还日期"), filter(u"归  还  人", F::AllPersons, "theGHPro"),
                    handlerFilter(), makerFilter(), remarkFilter()};
    kind.masterColumns = {column(u"编号", "theNum", 86), column(u"归还日期", "myDate"), column(u"归还人", "theGHPro"),
                          column(u"经办人", "theBGPro"), column(u"制单人", "theUser"), column(u"备注", "Remark", 300)};
    kind.storageRestricted = false;
    kind.lineColumns = {column(u"数量", "theCount", 60), column(u"备注", "Remark", 220)};
    kind.hiddenLineColumns = {QStringLiteral("AID"), QStringLiteral("SID"), QStringLiteral("ID"),
                              QStringLiteral("JYID"), QStringLiteral("JYT")};
    kind.reversal = Reversal::Return;
    kind.deleteLedger = LedgerKind::LoanReturnDeleted;
    kind.print = returnPrint;
    return kind;
}

// Write-off and surplus: one storage, an approver, no corrections.
QueryKind approvedKind(const char16_t *dateTitle, const char16_t *storageTitle, int remarkWidth)
{
    QueryKind kind;
    kind.filters = {numberFilter(), dateFilter(dateTitle),
                    {QString::fromUtf16(storageTitle), F::Storages, QStringLiteral("SName")},
                    filter(u"审  批  人", F::AllPersons, "thePZPro"), handlerFilter(), makerFilter(), remarkFilter()};
    kind.masterColumns = {column(u"编号", "theNum", 86), {QString::fromUtf16(dateTitle), QStringLiteral("myDate")},
                          {QString::fromUtf16(storageTitle), QStringLiteral("SName")}, column(u"审批人", "thePZPro"),
                          column(u"经办人", "theBGPro"), column(u"制单人", "theUser"), column(u"备注", "Remark", 300)};
    kind.storageRestricted = true;
    kind.lineColumns = pricedLineColumns(remarkWidth);
    kind.hiddenLineColumns = {QStringLiteral("AID"), QStringLiteral("SID"), QStringLiteral("ID")};
    return kind;
}

QueryKind writeOff()
{
    QueryKind kind = approvedKind(u"报损日期", u"出库仓库", 100);
    kind.windowClass = QStringLiteral("TfrmOut_BS_Q");
    kind.caption = QStringLiteral("报损出库查询");
    kind.header = QStringLiteral("UOut_BS");
    kind.menuName = QStringLiteral("报损出库单");
    kind.deleteNotice = QStringLiteral("当前选中报损单编号为 ");
    kind.deleteRefusal = QStringLiteral("当前选中报损单 有明细信息，不能删除！");
    kind.reversal = Reversal::Outbound;
    kind.deleteLedger = LedgerKind::WriteOffDeleted;
    kind.print = damagePrint;
    return kind;
}

QueryKind surplus()
{
    QueryKind kind = approvedKind(u"报溢日期", u"入库仓库", 90);
    kind.windowClass = QStringLiteral("TfrmIn_BY_Q");
    kind.caption = QStringLiteral("报溢入库查询");
    kind.header = QStringLiteral("UIn_BY");
    kind.menuName = QStringLiteral("报溢入库单");
    kind.deleteNotice = QStringLiteral("当前选中报溢单编号为 ");
    kind.deleteRefusal = QStringLiteral("当前选中报溢单 有明细信息，不能删除！");
    kind.reversal = Reversal::Inbound;
    kind.deleteLedger = LedgerKind::SurplusDeleted;
    kind.print = surplusPrint;
    return kind;
}

QueryKind request()
{
    QueryKind kind;
    kind.windowClass = QStringLiteral("TfrmSQ_Q");
    kind.caption = QStringLiteral("物品申请查询");
    kind.header = QStringLiteral("USQ");
    kind.menuName = QStringLiteral("物品申请单");
    kind.deleteNotice = QStringLiteral("当前选中物品申请单编号为 ");
    kind.deleteRefusal = QStringLiteral("当前选中物品申请单 有明细信息，不能删除！");
    kind.filters = {numberFilter(), dateFilter(u"申请日期"), filter(u"部门名称", F::Departments, "DName"),
                    filter(u"申  请  人", F::DepartmentPersons, "theSQPro"), handlerFilter(), makerFilter(),
                    remarkFilter()};
    kind.masterColumns = {column(u"编号", "theNum", 86), column(u"申请日期", "myDate"), column(u"部门名称", "DName"),
                          column(u"申请人", "theSQPro"), column(u"经办人", "theBGPro"), column(u"制单人", "theUser"),
                          column(u"备注", "Remark", 300)};
    kind.storageRestricted = false;
    kind.lineColumns = {column(u"单价", "APrice", 60), column(u"数量", "theCount", 60),
                        column(u"金额", "(L.APrice*L.theCount)", 80), column(u"已购数量", "theCG", 60),
                        column(u"已领数量", "theLY", 60), column(u"已借数量", "theJY", 60),
                        column(u"备注", "Remark", 100)};
    kind.hiddenLineColumns = {QStringLiteral("AID"), QStringLiteral("ID")};
    kind.reversal = Reversal::None;
    kind.remarkCaption = QStringLiteral("申请明细备注");
    kind.countChange = true;
    kind.print = requestPrint;
    return kind;
}

QueryKind transfer()
{
    QueryKind kind;
    kind.windowClass = QStringLiteral("TfrmDB_Q");
    kind.caption = QStringLiteral("物品调拨查询");
    kind.header = QStringLiteral("UDB");
    kind.menuName = QStringLiteral("物品调拨单");
    kind.deleteNotice = QStringLiteral("当前选中物品调拨单编号为 ");
    kind.deleteRefusal = QStringLiteral("当前选中物品调拨单 有明细信息，不能删除！");
    kind.filters = {numberFilter(), dateFilter(u"调拨日期"), filter(u"调拨仓库", F::Storages, "DBName"),
                    filter(u"入库仓库", F::Storages, "RKName"), handlerFilter(), makerFilter(), remarkFilter()};
    kind.masterColumns = {column(u"编号", "theNum", 86), column(u"调拨日期", "myDate"), column(u"调拨仓库", "DBName"),
                          column(u"入库仓库", "RKName"), column(u"经办人", "theBGPro"), column(u"制单人", "theUser"),
                          column(u"备注", "Remark")};
    kind.storageRestricted = false;
    kind.lineColumns = pricedLineColumns(90);
    kind.hiddenLineColumns = {QStringLiteral("AID"), QStringLiteral("ID"), QStringLiteral("DBID"),
                              QStringLiteral("RKID")};
    kind.reversal = Reversal::Transfer;
    kind.deleteLedger = LedgerKind::TransferDeleted;
    kind.print = transferPrint;
    return kind;
}

QList<QueryKind> makeKinds()
{
    QList<QueryKind> kinds = {request(), purchaseIn(), returnToSupplier(), requisition(), loan(),
                              loanReturn(), transfer(), writeOff(), surplus()};
    for (QueryKind &kind : kinds)
        kind.lines = kind.header + QStringLiteral("_Bill");
    return kinds;
}

} // namespace

const QList<QueryKind> &queryKinds()
{
    static const QList<QueryKind> kinds = makeKinds();
    return kinds;
}

const QueryKind &queryKind(const QString &windowClass)
{
    for (const QueryKind &kind : queryKinds()) {
        if (kind.windowClass == windowClass)
            return kind;
    }
    throw std::out_of_range("no query window " + windowClass.toStdString());
}
