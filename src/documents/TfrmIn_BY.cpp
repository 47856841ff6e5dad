#include "documents/TfrmIn_BY.h"

#include "documents/IssueWindow.h"
#include "documents/StockLookup.h"
#include "store/AppContext.h"
#include "ui/Dialogs.h"

namespace {

const QString kStorage = QStringLiteral("DBLookupComboBox1");

DocumentDescription surplusDescription()
{
    DocumentDescription d;
    d.objectName = QStringLiteral("frmIn_BY");
    d.caption = QStringLiteral("报溢入库单");
    d.size = QSize(880, 500);
    d.groups = {
        {QStringLiteral("报溢信息"),
         {Fields::date(QStringLiteral("DateTimePicker1"), QStringLiteral("报溢日期：")),
          Fields::storage(kStorage, QStringLiteral("入库仓库："), &AppContext::DefaultStorage, true),
          Fields::person(QStringLiteral("Edit2"), QStringLiteral("审  批  人："), &AppContext::DefaultApprover),
          Fields::person(QStringLiteral("Edit3"), QStringLiteral("经  办  人："), &AppContext::DefaultHandler)},
         2},
        {QStringLiteral("其他信息"), {Fields::text(QStringLiteral("Edit1"), QStringLiteral("备注："), 100, 3)}, 3, true},
    };
    d.grid = IssueWindow::gridLayout(IssueDocument::Columns{}, false);
    d.peopleHint = QStringLiteral("温馨提示：审批人，经办人 按回车或鼠标双击即可选择，如审批人为 张三 ，录入 ZS 按回车");
    d.successMessage = QStringLiteral("报溢单 保存成功！");
    d.print = surplusPrint;
    d.resetFocus = QStringLiteral("Edit2");
    return d;
}

} // namespace

TfrmIn_BY::TfrmIn_BY(AppServices services, QWidget *parent)
    : DocumentWindow(services, surplusDescription(), parent)
{
}

SurplusIn::Header TfrmIn_BY::header() const
{
    return {storageId(kStorage), storageName(kStorage), text(QStringLiteral("Edit2")), text(QStringLiteral("Edit3")),
            date(QStringLiteral("DateTimePicker1")), text(QStringLiteral("Edit1"))};
}

std::optional<DocumentRefusal> TfrmIn_BY::check()
{
    return SurplusIn::check(header(), lines());
}

QString TfrmIn_BY::write()
{
    return SurplusIn::save(m_services, header(), lines());
}

void TfrmIn_BY::findItem()
{
    const QString storage = storageId(kStorage);
    if (storage.isEmpty()) {
        m_services.dialogs.information(this, QStringLiteral("入库仓库 不能为空！请选择 入库仓库！"), kProgramTitle);
        focusField(kStorage);
        return;
    }
    // A surplus may be booked on an item at or below zero, but only where it is kept.
    StockLookup::Mode mode;
    mode.positiveOnly = false;
    StockLookup(m_services, *grid(), this, mode, storage, storageName(kStorage)).run();
}
