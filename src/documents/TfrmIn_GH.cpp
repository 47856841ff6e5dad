#include "documents/TfrmIn_GH.h"

#include "documents/DocumentGrids.h"
#include "documents/OpenIssueLookup.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"

#include <QLineEdit>
#include <QSqlRecord>

using namespace LoanReturn;

namespace {

const QString kReturner = QStringLiteral("Edit2");

DocumentDescription returnDescription()
{
    HeaderField returner = Fields::person(kReturner, QStringLiteral("归  还  人："));
    returner.changeEmptiesLines = true;
    DocumentDescription d;
    d.objectName = QStringLiteral("frmIn_GH");
    d.caption = QStringLiteral("归还入库单");
    d.size = QSize(880, 468);
    d.groups = {
        {QStringLiteral("归还信息"),
         {Fields::date(QStringLiteral("DateTimePicker1"), QStringLiteral("归还日期：")), returner,
          Fields::person(QStringLiteral("Edit3"), QStringLiteral("经  办  人："), &AppContext::DefaultHandler)}},
        {QStringLiteral("其他信息"), {Fields::text(QStringLiteral("Edit1"), QStringLiteral("备注："), 100, 3)}, 3, true},
    };
    d.grid = issueGrid(kColumnCount);
    d.peopleHint = QStringLiteral("温馨提示：归还人，经办人 按回车或鼠标双击即可选择，如归还人为 张三 ，录入 ZS 按回车");
    d.successMessage = QStringLiteral("归还入库单 保存成功！");
    d.print = returnPrint;
    d.resetFocus = kReturner;
    return d;
}

} // namespace

TfrmIn_GH::TfrmIn_GH(AppServices services, QWidget *parent)
    : DocumentWindow(services, returnDescription(), parent)
{
}

TfrmIn_GH::TfrmIn_GH(AppServices services, const QString &returner, IssueKind kind, const QString &issueLineId,
                     QWidget *parent)
    : TfrmIn_GH(services, parent)
{
    setText(kReturner, returner);
    const Statement statement = issueLine(kind, issueLineId);
    QSqlQuery record = m_services.dm.select(statement.text, statement.values);
    if (record.next()) {
        writeLine(lines(), 1, kind, [&record](const QString &column) { return record.value(column); },
                  m_services.context.ZeroPriceGH);
    }
    setCloseAfterSave(true);
    connect(this, &QDialog::accepted, this, &TfrmIn_GH::returnSaved);
}

LoanReturn::Header TfrmIn_GH::header() const
{
    return {text(kReturner), text(QStringLiteral("Edit3")), date(QStringLiteral("DateTimePicker1")),
            text(QStringLiteral("Edit1"))};
}

std::optional<DocumentRefusal> TfrmIn_GH::check()
{
    if (const std::optional<CheckFailure> failure = LoanReturn::check(m_services, header(), lines()))
        return DocumentRefusal{failure->message, failure->field};
    return std::nullopt;
}

QString TfrmIn_GH::write()
{
    return LoanReturn::save(m_services, header(), lines());
}

void TfrmIn_GH::findItem()
{
    OpenIssueLookup(m_services, *grid(), *qobject_cast<QLineEdit *>(field(kReturner)), this).run();
}
