#include "documents/LineDialogs.h"

#include "documents/LineCorrections.h"
#include "store/AppContext.h"
#include "ui/Dialogs.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

LineEditDialog::LineEditDialog(AppServices services, const QString &caption, const QString &label,
                               const QString &preset, Input input, QWidget *parent)
    : QDialog(parent), m_services(services), m_box(new QLineEdit(preset))
{
    setWindowTitle(caption);
    m_box->setObjectName(QStringLiteral("Edit1"));
    if (input == Input::Number)
        m_box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), m_box));
    else
        m_box->setMaxLength(50);

    auto *group = new QGroupBox(caption);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto *row = new QHBoxLayout(group);
    row->addWidget(new QLabel(label));
    row->addWidget(m_box, 1);

    auto *saveButton = new QPushButton(QStringLiteral("保存"));
    saveButton->setObjectName(QStringLiteral("BitBtn1"));
    saveButton->setDefault(true);
    auto *quit = new QPushButton(QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("BitBtn2"));
    connect(saveButton, &QPushButton::clicked, this, &LineEditDialog::save);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(quit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    resize(360, 130);
}

void LineEditDialog::save()
{
    if (const std::optional<QString> refusal = apply(m_box->text())) {
        m_services.dialogs.information(this, *refusal, kProgramTitle);
        m_box->setFocus();
        return;
    }
    accept();
}

TfrmMCount::TfrmMCount(AppServices services, const QString &caption, const QString &table, int rowId,
                       const QString &oldCount, QWidget *parent)
    : LineEditDialog(services, caption, QStringLiteral("数量："), oldCount, Input::Number, parent),
      m_table(table), m_rowId(rowId)
{
    setObjectName(QStringLiteral("frmMCount"));
}

std::optional<QString> TfrmMCount::apply(const QString &typed)
{
    return LineCorrections::changeCount(m_services, m_table, m_rowId, typed);
}

TfrmMPrice::TfrmMPrice(AppServices services, const QString &caption, const QString &table, int lineId,
                       const QString &oldPrice, QWidget *parent)
    : LineEditDialog(services, caption, QStringLiteral("单价："), oldPrice, Input::Number, parent),
      m_table(table), m_lineId(lineId)
{
    setObjectName(QStringLiteral("frmMPrice"));
}

std::optional<QString> TfrmMPrice::apply(const QString &typed)
{
    return LineCorrections::changePrice(m_services, m_table, m_lineId, typed);
}

TfrmMRemark::TfrmMRemark(AppServices services, const QString &caption, const QString &table, int lineId,
                         const QString &oldRemark, QWidget *parent)
    : LineEditDialog(services, caption, QStringLiteral("备注："), oldRemark, Input::Text, parent),
      m_table(table), m_lineId(lineId)
{
    setObjectName(QStringLiteral("frmMRemark"));
}

std::optional<QString> TfrmMRemark::apply(const QString &typed)
{
    return LineCorrections::changeRemark(m_services, m_table, m_lineId, typed);
}
