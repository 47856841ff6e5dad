#include "documents/TfrmDB_In.h"

#include "documents/IssueWindow.h"
#include "documents/StockLookup.h"
#include "store/AppContext.h"
#include "ui/Dialogs.h"
#include "ui/LookupComboBox.h"

namespace {

const QString kSource = QStringLiteral("DBLookupComboBox1");
const QString kDestination = QStringLiteral("DBLookupComboBox2");

DocumentDescription transferDescription()
{
    DocumentDescription d;
    d.objectName = QStringLiteral("frmDB_In");
    d.caption = QStringLiteral("物品调拨单");
    d.size = QSize(880, 500);
    d.groups = {
        {QStringLiteral("调拨信息"),
         {Fields::date(QStringLiteral("DateTimePicker1"), QStringLiteral("调拨日期：")),
          // The lines' stock figures belong to the source: another source empties them.
          Fields::storage(kSource, QStringLiteral("调拨仓库："), nullptr, true),
          Fields::storage(kDestination, QStringLiteral("入库名称：")),
          Fields::person(QStringLiteral("Edit1"), QStringLiteral("经  办  人："), &AppContext::DefaultHandler)},
         2},
        {QStringLiteral("其他信息"), {Fields::text(QStringLiteral("Edit2"), QStringLiteral("备注："), 100, 3)}, 3, true},
    };
    d.grid = IssueWindow::gridLayout(IssueDocument::Columns{}, false);
    d.peopleHint = QStringLiteral("温馨提示：经办人 按回车或鼠标双击即可选择，如经办人为 张三 ，录入 ZS 按回车");
    d.successMessage = QStringLiteral("物品调拨单 保存成功！");
    d.print = transferPrint;
    d.resetFocus = kSource;
    return d;
}

} // namespace

TfrmDB_In::TfrmDB_In(AppServices services, QWidget *parent)
    : DocumentWindow(services, transferDescription(), parent)
{
}

Transfer::Header TfrmDB_In::header() const
{
    return {storageId(kSource), storageName(kSource), storageId(kDestination), storageName(kDestination),
            text(QStringLiteral("Edit1")), date(QStringLiteral("DateTimePicker1")), text(QStringLiteral("Edit2"))};
}

std::optional<DocumentRefusal> TfrmDB_In::check()
{
    return Transfer::check(m_services, header(), lines());
}

QString TfrmDB_In::write()
{
    const QString number = Transfer::save(m_services, header(), lines());
    // Neither storage has a default: the next transfer chooses both again.
    for (const QString &list : {kSource, kDestination})
        qobject_cast<LookupComboBox *>(field(list))->setKeyValue({});
    return number;
}

void TfrmDB_In::findItem()
{
    const Transfer::Header storages = header();
    if (const std::optional<DocumentRefusal> refusal = Transfer::checkStorages(storages)) {
        m_services.dialogs.information(this, refusal->message, kProgramTitle);
        focusField(refusal->focus);
        return;
    }
    StockLookup::Mode mode;
    mode.rules.zeroPrice = m_services.context.ZeroPriceDB;
    mode.positiveOnly = !m_services.context.AllowNegativeStock;
    StockLookup(m_services, *grid(), this, mode, storages.sourceId, storages.sourceName).run();
}
