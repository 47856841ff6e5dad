#include "documents/TfrmAddJYTS.h"

#include "store/AppContext.h"
#include "store/DatabaseError.h"
#include "store/Numbers.h"
#include "store/TfrmDM.h"
#include "ui/Dialogs.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

void addLoanDays(TfrmDM &dm, const QString &lineId, const QString &daysText)
{
    const std::optional<qlonglong> days = daysText.isEmpty() ? 0 : parseWholeNumber(daysText);
    if (!days)
        throw InputError(QStringLiteral("借用天数不是有效的数字：%1").arg(daysText));
    dm.myESQL(QStringLiteral("UPDATE UOut_JC_Bill SET theGH = coalesce(theGH, 0) + ? WHERE (ID = ?)"),
              {*days, lineId.toInt()});
}

TfrmAddJYTS::TfrmAddJYTS(AppServices services, const QString &lineId, const QString &documentNumber,
                         QWidget *parent)
    : QDialog(parent), m_services(services), m_lineId(lineId), m_documentNumber(documentNumber),
      m_days(new QLineEdit(services.context.LoanDays))
{
    setObjectName(QStringLiteral("frmAddJYTS"));
    setWindowTitle(QStringLiteral("增加借用天数"));
    resize(290, 160);
    m_days->setObjectName(QStringLiteral("Edit1"));
    // Digits only, few enough that the sum stays a small whole number.
    m_days->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), m_days));

    auto *group = new QGroupBox(QStringLiteral("增加借用天数"));
    auto *row = new QHBoxLayout(group);
    row->addWidget(new QLabel(QStringLiteral("增加借用天数：")));
    row->addWidget(m_days);
    auto *saveButton = new QPushButton(QStringLiteral("保存"));
    saveButton->setObjectName(QStringLiteral("BitBtn1"));
    saveButton->setDefault(true);
    connect(saveButton, &QPushButton::clicked, this, &TfrmAddJYTS::save);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
}

void TfrmAddJYTS::save()
{
    try {
        addLoanDays(m_services.dm, m_lineId, m_days->text());
    } catch (const DatabaseError &error) {
        m_services.dialogs.error(this, error.text(), kProgramTitle);
        return;
    }
    accept();
}
