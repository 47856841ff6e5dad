#include "documents/TfrmOut_TH.h"

#include "store/AppContext.h"

namespace {

DocumentDescription returnDescription(const IssueDocument::Columns &columns)
{
    DocumentDescription d;
    d.objectName = QStringLiteral("frmOut_TH");
    d.caption = QStringLiteral("退货出库单");
    d.size = QSize(880, 544);
    d.groups = {
        {QStringLiteral("供应商信息"), {Fields::suppliers()}},
        {QStringLiteral("退货信息"),
         {Fields::date(QStringLiteral("DateTimePicker1"), QStringLiteral("退货日期：")),
          Fields::person(QStringLiteral("Edit7"), QStringLiteral("退  货  人："), &AppContext::DefaultPurchaser),
          Fields::person(QStringLiteral("Edit8"), QStringLiteral("经  办  人："), &AppContext::DefaultHandler),
          Fields::storage(QStringLiteral("DBLookupComboBox1"), QStringLiteral("出库仓库："), &AppContext::DefaultStorage),
          Fields::text(QStringLiteral("Edit6"), QStringLiteral("备注："), 100, 2)},
         3, true},
    };
    d.grid = IssueWindow::gridLayout(columns, true);
    d.peopleHint = QStringLiteral("温馨提示：退货人，经办人 按回车或鼠标双击即可选择，如退货人为 张三 ，录入 ZS 按回车");
    d.successMessage = QStringLiteral("退货出库单 保存成功！");
    d.print = returnToSupplierPrint;
    d.resetFocus = QStringLiteral("Edit1");
    return d;
}

} // namespace

TfrmOut_TH::TfrmOut_TH(AppServices services, QWidget *parent)
    : IssueWindow(services, returnDescription(IssueDocument::returnToSupplier().columns),
                  {IssueDocument::returnToSupplier(), QStringLiteral("Edit7"), {}, QStringLiteral("Edit8"),
                   QStringLiteral("Edit6"), nullptr, false},
                  parent)
{
}
