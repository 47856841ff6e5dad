#include "documents/TfrmSQ_In.h"

#include "documents/CatalogueLookup.h"
#include "documents/IssueWindow.h"
#include "store/AppContext.h"

namespace {

const QString kApplicant = QStringLiteral("Edit2");
const QString kDate = QStringLiteral("DateTimePicker1");

DocumentDescription requestDescription()
{
    DocumentDescription d;
    d.objectName = QStringLiteral("frmSQ_In");
    d.caption = QStringLiteral("物品申请单");
    d.size = QSize(880, 468);
    d.groups = {
        {QStringLiteral("申请信息"),
         {Fields::date(kDate, QStringLiteral("申请日期：")),
          Fields::person(kApplicant, QStringLiteral("申  请  人："), nullptr, QStringLiteral("Label3")),
          Fields::person(QStringLiteral("Edit3"), QStringLiteral("经  办  人："), &AppContext::DefaultHandler)}},
        {QStringLiteral("其他信息"), {Fields::text(QStringLiteral("Edit1"), QStringLiteral("备注："), 100, 3)}, 3, true},
    };
    IssueDocument::Columns cells;
    cells.count = Request::kColumnCount;
    d.grid = IssueWindow::gridLayout(cells, false);
    d.grid.itemLockedCode = false; // the code cell takes every key
    d.peopleHint = QStringLiteral("温馨提示：申请人，经办人 按回车或鼠标双击即可选择，如申请人为 张三 ，录入 ZS 按回车");
    d.successMessage = QStringLiteral("物品申请单 保存成功！");
    d.print = requestPrint;
    d.resetFocus = kDate;
    return d;
}

} // namespace

TfrmSQ_In::TfrmSQ_In(AppServices services, QWidget *parent)
    : DocumentWindow(services, requestDescription(), parent)
{
}

Request::Header TfrmSQ_In::header() const
{
    return {text(kApplicant), department(kApplicant), text(QStringLiteral("Edit3")), date(kDate),
            text(QStringLiteral("Edit1"))};
}

std::optional<DocumentRefusal> TfrmSQ_In::check()
{
    return Request::check(header(), lines());
}

QString TfrmSQ_In::write()
{
    return Request::save(m_services, header(), lines());
}

void TfrmSQ_In::findItem()
{
    CatalogueLookup(m_services, *grid(), this).run();
}
