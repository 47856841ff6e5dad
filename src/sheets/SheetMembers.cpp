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
        {.window = QStringLiteral("TfrmArticle_Q"),
         .layout = SheetLayout::Titled,
         .titleText = QStringLiteral("物品信息"),
         .columns = {column(u"物品编码", 12, kText), column(u"物品分类", 12), column(u"物品名称", 30),
                     column(u"规格型号", 12), column(u"单位", 8), column(u"单价", 8), column(u"备注", 18),
                     column(u"货位名称", 12)},
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
