#include "sheets/SheetMembers.h"

#include <stdexcept>

namespace {

SheetColumn column(const char16_t *title, double width, bool text = false)
{
    return SheetColumn{QString::fromUtf16(title), width, text};
}

constexpr bool kText = true;

} // namespace

const QList<SheetMember> &sheetMembers()
{
    static const QList<SheetMember> members = {
        {.window = QStringLiteral("TfrmP_Q"),
         .layout = SheetLayout::Titled,
         .titleText = QStringLiteral("人员信息"),
         .columns = {column(u"工号", 10, kText), column(u"部门名称", 10),
                     column(u"人员姓名", 10), column(u"职务", 10),
                     column(u"联系方式", 20, kText), column(u"身份证号", 20, kText),
                     column(u"住址", 20), column(u"备注", 10)},
         .landscape = true},
        {.window = QStringLiteral("TfrmM_Q"),
         .layout = SheetLayout::Titled,
         .titleText = QStringLiteral("供应商信息"),
         .columns = {column(u"商家名称", 20), column(u"电话号码", 20, kText),
                     column(u"联系人", 10), column(u"地址", 30), column(u"备注", 30)},
         .landscape = true},
        {.window = QStringLiteral("TfrmWare_Q"),
         .layout = SheetLayout::Titled,
         .titleText = QStringLiteral("库存物品一览表"),
         .columns = {column(u"仓库名称", 8), column(u"物品编码", 12, kText),
                     column(u"物品分类", 10), column(u"物品名称", 20), column(u"规格型号", 10),
                     column(u"单位", 8), column(u"单价", 8), column(u"库存数量", 8),
                     column(u"库存金额", 8), column(u"备注", 8), column(u"货位名称", 10)},
         .sums = {QStringLiteral("库存数量"), QStringLiteral("库存金额")},
         .landscape = true},
        // The caption is the window's own, given at the export.
        {.window = QStringLiteral("TfrmWList"),
         .layout = SheetLayout::Plain,
         .titleText = QString(),
         .columns = {column(u"日期", 10), column(u"用户", 12), column(u"操作事件", 10),
                     column(u"编号", 10, kText), column(u"入库数量", 10), column(u"出库数量", 10),
                     column(u"库存数量", 0)}},
        // The title gets the period when the report has one.
        {.window = QStringLiteral("TfrmWQ_D"),
         .layout = SheetLayout::Titled,
         .titleText = QStringLiteral("物品流动报表 "),
         .columns = {column(u"仓库名称", 10), column(u"物品编码", 10, kText),
                     column(u"物品分类", 10), column(u"物品名称", 30), column(u"规格型号", 10),
                     column(u"单位", 8), column(u"单价", 8), column(u"库存数量", 8),
                     column(u"库存金额", 8), column(u"备注", 8), column(u"申请数量", 8),
                     column(u"采购数量", 8), column(u"退货数量", 8), column(u"领用数量", 8),
                     column(u"借用数量", 8), column(u"归还数量", 8), column(u"调出数量", 8),
                     column(u"调入数量", 8), column(u"报损数量", 8), column(u"报溢数量", 0)},
         .landscape = true},
    };
    return members;
}

const SheetMember &sheetMember(QStringView window)
{
    for (const SheetMember &member : sheetMembers()) {
        if (member.window == window)
            return member;
    }
    throw std::out_of_range("no spreadsheet export for window " + window.toString().toStdString());
}
