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
        // The document query windows.
        {.window = QStringLiteral("TfrmIn_CG_Q"),
         .layout = SheetLayout::Titled,
         .titleText = QStringLiteral("采购表"),
         .columns = {column(u"编号", 10, kText), column(u"采购日期", 10, kText), column(u"供应商", 20),
                     column(u"采购人", 10), column(u"经办人", 10), column(u"入库仓库", 10),
                     column(u"制单人", 10), column(u"备注", 30)},
         .landscape = true},
        {.window = QStringLiteral("TfrmOut_TH_Q"),
         .layout = SheetLayout::Titled,
         .titleText = QStringLiteral("退货表"),
         .columns = {column(u"编号", 10, kText), column(u"退货日期", 10, kText), column(u"供应商", 20),
                     column(u"退货人", 10), column(u"经办人", 10), column(u"出库仓库", 10),
                     column(u"制单人", 10), column(u"备注", 30)},
         .landscape = true},
        {.window = QStringLiteral("TfrmOut_LY_Q"),
         .layout = SheetLayout::Titled,
         .titleText = QStringLiteral("领用表"),
         .columns = {column(u"编号", 10, kText), column(u"领用日期", 10, kText), column(u"部门名称", 10),
                     column(u"领用人", 10), column(u"经办人", 10), column(u"制单人", 10), column(u"备注", 10)},
         .landscape = false},
        {.window = QStringLiteral("TfrmOut_JC_Q"),
         .layout = SheetLayout::Titled,
         .titleText = QStringLiteral("借用表"),
         .columns = {column(u"编号", 10, kText), column(u"借用日期", 10, kText), column(u"部门名称", 10),
                     column(u"借用人", 10), column(u"审批人", 10), column(u"经办人", 10), column(u"制单人", 10),
                     column(u"备注", 40)},
         .landscape = true},
        {.window = QStringLiteral("TfrmIn_GH_Q"),
         .layout = SheetLayout::Titled,
         .titleText = QStringLiteral("归还表"),
         .columns = {column(u"编号", 10, kText), column(u"归还日期", 10, kText), column(u"归还人", 10),
                     column(u"经办人", 10), column(u"制单人", 10), column(u"备注", 20)},
         .landscape = false},
        {.window = QStringLiteral("TfrmOut_BS_Q"),
         .layout = SheetLayout::Titled,
         .titleText = QStringLiteral("报损表"),
         .columns = {column(u"编号", 10, kText), column(u"报损日期", 10, kText), column(u"出库仓库", 10),
                     column(u"审批人", 10), column(u"经办人", 10), column(u"制单人", 10), column(u"备注", 10)},
         .landscape = false},
        {.window = QStringLiteral("TfrmIn_BY_Q"),
         .layout = SheetLayout::Titled,
         .titleText = QStringLiteral("报溢表"),
         .columns = {column(u"编号", 10, kText), column(u"报溢日期", 10, kText), column(u"入库仓库", 10),
                     column(u"审批人", 10), column(u"经办人", 10), column(u"制单人", 10), column(u"备注", 10)},
         .landscape = false},
        {.window = QStringLiteral("TfrmSQ_Q"),
         .layout = SheetLayout::Titled,
         .titleText = QStringLiteral("申请表"),
         .columns = {column(u"编号", 10, kText), column(u"申请日期", 10, kText), column(u"部门名称", 10),
                     column(u"申请人", 10), column(u"经办人", 10), column(u"制单人", 10), column(u"备注", 10)},
         .landscape = false},
        {.window = QStringLiteral("TfrmDB_Q"),
         .layout = SheetLayout::Titled,
         .titleText = QStringLiteral("调拨表"),
         .columns = {column(u"编号", 10, kText), column(u"调拨日期", 10, kText), column(u"调拨仓库", 10),
                     column(u"入库仓库", 10), column(u"经办人", 10), column(u"制单人", 10), column(u"备注", 10)},
         .landscape = false},
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
