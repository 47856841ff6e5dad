#include "documents/TfrmOut_LY.h"

#include "store/AppContext.h"

namespace {

DocumentDescription requisitionDescription(const IssueDocument::Columns &columns)
{
    DocumentDescription d;
    d.objectName = QStringLiteral("frmOut_LY");
    d.caption = QStringLiteral("领用出库单");
    d.size = QSize(880, 500);
    d.groups = {
        {QStringLiteral("领用信息"),
         {Fields::date(QStringLiteral("DateTimePicker1"), QStringLiteral("领用日期：")),
          Fields::storage(QStringLiteral("DBLookupComboBox1"), QStringLiteral("出库仓库："), &AppContext::DefaultStorage),
          Fields::packages(QStringLiteral("DBLookupComboBox2"), QStringLiteral("物  品  包：")),
          Fields::person(QStringLiteral("Edit2"), QStringLiteral("领  用  人："), nullptr, QStringLiteral("Label3")),
          Fields::person(QStringLiteral("Edit3"), QStringLiteral("经  办  人："), &AppContext::DefaultHandler)}},
        {QStringLiteral("其他信息"), {Fields::text(QStringLiteral("Edit1"), QStringLiteral("备注："), 100, 3)}, 3, true},
    };
    d.grid = IssueWindow::gridLayout(columns, false);
    d.peopleHint = QStringLiteral("温馨提示：领用人，经办人 按回车即可选择，如领用人为 张三 ，录入 ZS 按回车");
    d.successMessage = QStringLiteral("领用出库单 保存成功！");
    d.print = requisitionPrint;
    d.resetFocus = QStringLiteral("Edit2");
    return d;
}

} // namespace

TfrmOut_LY::TfrmOut_LY(AppServices services, const QString &requestNumber, QWidget *parent)
    : IssueWindow(services, requisitionDescription(IssueDocument::requisition().columns),
                  {IssueDocument::requisition(), QStringLiteral("Edit2"), {}, QStringLiteral("Edit3"),
                   QStringLiteral("Edit1"), &AppContext::ZeroPriceLY, true},
                  parent)
{
    if (!requestNumber.isEmpty())
        takeOverRequest(requestNumber);
}
