#include "documents/TfrmOut_BS.h"

#include "store/AppContext.h"

namespace {

DocumentDescription damageDescription(const IssueDocument::Columns &columns)
{
    DocumentDescription d;
    d.objectName = QStringLiteral("frmOut_BS");
    d.caption = QStringLiteral("报损出库单");
    d.size = QSize(880, 500);
    d.groups = {
        {QStringLiteral("报损信息"),
         {Fields::date(QStringLiteral("DateTimePicker1"), QStringLiteral("报损日期：")),
          // Lines were looked up in the storage: another storage empties them.
          Fields::storage(QStringLiteral("DBLookupComboBox1"), QStringLiteral("出库仓库："), &AppContext::DefaultStorage,
                          true),
          Fields::person(QStringLiteral("Edit2"), QStringLiteral("审  批  人："), &AppContext::DefaultApprover),
          Fields::person(QStringLiteral("Edit3"), QStringLiteral("经  办  人："), &AppContext::DefaultHandler)},
         2},
        {QStringLiteral("其他信息"), {Fields::text(QStringLiteral("Edit1"), QStringLiteral("备注："), 100, 3)}, 3, true},
    };
    d.grid = IssueWindow::gridLayout(columns, false);
    d.peopleHint = QStringLiteral("温馨提示：审批人，经办人 按回车即可选择，如审批人为 张三 ，录入 ZS 按回车");
    d.successMessage = QStringLiteral("报损单 保存成功！");
    d.print = damagePrint;
    d.resetFocus = QStringLiteral("Edit2");
    return d;
}

} // namespace

TfrmOut_BS::TfrmOut_BS(AppServices services, QWidget *parent)
    : IssueWindow(services, damageDescription(IssueDocument::damage().columns),
                  {IssueDocument::damage(), {}, QStringLiteral("Edit2"), QStringLiteral("Edit3"), QStringLiteral("Edit1"),
                   nullptr, true},
                  parent)
{
}
