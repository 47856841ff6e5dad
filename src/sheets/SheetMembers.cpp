#include "sheets/SheetMembers.h"

#include <stdexcept>

namespace {

SheetColumn column(const char16_t *title, double width, bool text = false)
{
    return SheetColumn{QString::fromUtf16(title), width, text};
}

constexpr bool kText = true;

// An overview list (一览表): titled, landscape, its totals under the summed columns.
SheetMember overviewMember(const char16_t *window, const char16_t *titleText,
                           QList<SheetColumn> columns, std::initializer_list<const char16_t *> summed)
{
    QStringList sums;
    for (const char16_t *title : summed)
        sums << QString::fromUtf16(title);
    return {.window = QString::fromUtf16(window),
            .layout = SheetLayout::Titled,
            .titleText = QString::fromUtf16(titleText),
            .columns = std::move(columns),
            .sums = sums,
            .landscape = true};
}

// Item code, category, name, standard (model), unit and price: the middle of every list.
QList<SheetColumn> itemColumns(double standardWidth = 10)
{
    return {column(u"物品编码", 10, kText), column(u"物品分类", 8), column(u"物品名称", 20),
            column(u"规格型号", standardWidth), column(u"单位", 8), column(u"单价", 8)};
}

QList<SheetColumn> columns(std::initializer_list<QList<SheetColumn>> parts)
{
    QList<SheetColumn> joined;
    for (const QList<SheetColumn> &part : parts)
        joined << part;
    return joined;
}

SheetColumn numberColumn() { return column(u"编号", 8, kText); }

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
        overviewMember(u"TfrmWare_Q", u"库存物品一览表",
                       {column(u"仓库名称", 8), column(u"物品编码", 12, kText),
                        column(u"物品分类", 10), column(u"物品名称", 20), column(u"规格型号", 10),
                        column(u"单位", 8), column(u"单价", 8), column(u"库存数量", 8),
                        column(u"库存金额", 8), column(u"备注", 8), column(u"货位名称", 10)},
                       {u"库存数量", u"库存金额"}),
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
        {.window = QStringLiteral("TfrmArticle_Q"),
         .layout = SheetLayout::Titled,
         .titleText = QStringLiteral("物品信息"),
         .columns = {column(u"物品编码", 12, kText), column(u"物品分类", 12), column(u"物品名称", 30),
                     column(u"规格型号", 12), column(u"单位", 8), column(u"单价", 8), column(u"备注", 18),
                     column(u"货位名称", 12)},
         .landscape = true},
        overviewMember(u"TfrmYLB_JC", u"借用物品一览表",
                       columns({{numberColumn(), column(u"借用日期", 8, kText), column(u"部门名称", 8),
                                 column(u"借用人", 8), column(u"批准人", 8), column(u"出库仓库", 8)},
                                itemColumns(),
                                {column(u"借用数量", 8), column(u"金额", 8), column(u"归还数量", 8),
                                 column(u"未还数量", 8), column(u"备注", 8), column(u"归还天数", 8)}}),
                       {u"借用数量", u"金额", u"归还数量", u"未还数量"}),
        overviewMember(u"TfrmYLB_LY", u"领用物品一览表",
                       columns({{numberColumn(), column(u"领用日期", 8, kText), column(u"部门名称", 8),
                                 column(u"领用人", 8), column(u"出库仓库", 8)},
                                itemColumns(),
                                {column(u"领用数量", 8), column(u"金额", 8), column(u"归还数量", 8),
                                 column(u"未还数量", 8), column(u"备注", 8)}}),
                       {u"领用数量", u"金额", u"归还数量", u"未还数量"}),
        overviewMember(u"TfrmYLB_CG", u"采购物品一览表",
                       columns({{numberColumn(), column(u"采购日期", 8, kText), column(u"采购人", 8),
                                 column(u"供应商", 12), column(u"入库仓库", 8)},
                                itemColumns(),
                                {column(u"数量", 8), column(u"金额", 8), column(u"备注", 8)}}),
                       {u"数量", u"金额"}),
        overviewMember(u"TfrmYLB_TH", u"退货物品一览表",
                       columns({{numberColumn(), column(u"退货日期", 8, kText), column(u"退货人", 8),
                                 column(u"供应商", 12), column(u"出库仓库", 8)},
                                itemColumns(),
                                {column(u"数量", 8), column(u"金额", 8), column(u"备注", 8)}}),
                       {u"数量", u"金额"}),
        overviewMember(u"TfrmYLB_GH", u"归还物品一览表",
                       columns({{numberColumn(), column(u"归还日期", 8, kText), column(u"归还人", 8),
                                 column(u"入库仓库", 8)},
                                itemColumns(8),
                                {column(u"归还数量", 8), column(u"金额", 8), column(u"备注", 8)}}),
                       {u"归还数量", u"金额"}),
        overviewMember(u"TfrmYLB_BS", u"报损物品一览表",
                       columns({{numberColumn(), column(u"报损日期", 8, kText), column(u"批准人", 8),
                                 SheetColumn{QStringLiteral("出库名称"), 8, false, QStringLiteral("出库仓库")}},
                                itemColumns(),
                                {column(u"数量", 8), column(u"金额", 8), column(u"备注", 8)}}),
                       {u"数量", u"金额"}),
        overviewMember(u"TfrmYLB_BY", u"报溢物品一览表",
                       columns({{numberColumn(), column(u"报溢日期", 8, kText), column(u"批准人", 8),
                                 SheetColumn{QStringLiteral("入库名称"), 8, false, QStringLiteral("入库仓库")}},
                                itemColumns(),
                                {column(u"数量", 8), column(u"金额", 8), column(u"备注", 8)}}),
                       {u"数量", u"金额"}),
        overviewMember(u"TfrmYLB_SQ", u"申请物品一览表",
                       columns({{numberColumn(), column(u"申请日期", 8, kText), column(u"部门名称", 8),
                                 column(u"申请人", 8)},
                                itemColumns(),
                                {column(u"申请数量", 8), column(u"金额", 8), column(u"已购数量", 8),
                                 column(u"已领数量", 8), column(u"已借数量", 8), column(u"备注", 8)}}),
                       {u"申请数量", u"金额", u"已购数量", u"已领数量", u"已借数量"}),
        overviewMember(u"TfrmYLB_DB", u"调拨物品一览表",
                       columns({{numberColumn(), column(u"调拨日期", 8, kText), column(u"调拨仓库", 8),
                                 column(u"入库仓库", 8)},
                                itemColumns(),
                                {column(u"调拨数量", 8), column(u"金额", 8), column(u"备注", 8)}}),
                       {u"调拨数量", u"金额"}),
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
