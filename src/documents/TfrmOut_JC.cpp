#include "documents/TfrmOut_JC.h"

#include "store/AppContext.h"

namespace {

DocumentDescription loanDescription(const IssueDocument::Columns &columns)
{
    DocumentDescription d;
    d.objectName = QStringLiteral("frmOut_JC");
    d.caption = QStringLiteral("借用出库单");
    d.size = QSize(950, 500);
    d.groups = {
        {QStringLiteral("借用信息"),
         {Fields::date(QStringLiteral("DateTimePicker1"), QStringLiteral("借用日期：")),
          Fields::storage(QStringLiteral("DBLookupComboBox1"), QStringLiteral("出库仓库："), &AppContext::DefaultStorage),
          Fields::packages(QStringLiteral("DBLookupComboBox2"), QStringLiteral("物  品  包：")),
          Fields::person(QStringLiteral("Edit2"), QStringLiteral("借  用  人："), nullptr, QStringLiteral("Label4")),
          Fields::person(QStringLiteral("Edit3"), QStringLiteral("审  批  人："), &AppContext::DefaultApprover),
          Fields::person(QStringLiteral("Edit4"), QStringLiteral("经  办  人："), &AppContext::DefaultHandler)}},
        {QStringLiteral("其他信息"), {Fields::text(QStringLiteral("Edit1"), QStringLiteral("备注："), 100, 3)}, 3, true},
    };
    d.grid = IssueWindow::gridLayout(columns, false);
    d.peopleHint = QStringLiteral("温馨提示：借用人，审批人，经办人 按回车即可选择，如审批人为 张三 ，录入 ZS 按回车");
    d.successMessage = QStringLiteral("借用出库单 保存成功！");
    d.print = loanPrint;
    d.resetFocus = QStringLiteral("Edit2");
    return d;
}

} // namespace

TfrmOut_JC::TfrmOut_JC(AppServices services, const QString &requestNumber, QWidget *parent)
    : IssueWindow(services, loanDescription(IssueDocument::loan().columns),
                  {IssueDocument::loan(), QStringLiteral("Edit2"), QStringLiteral("Edit3"), QStringLiteral("Edit4"),
                   QStringLiteral("Edit1"), &AppContext::ZeroPriceJY, true},
                  parent)
{
    if (!requestNumber.isEmpty())
        takeOverRequest(requestNumber);
}
