#include "admin/TfrmChangePass.h"

#include "admin/UserRights.h"
#include "store/AppContext.h"
#include "ui/Dialogs.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit *passwordEdit(const char *name)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(12);
    edit->setEchoMode(QLineEdit::Password);
    // Each typed character shows as "@".
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 64;"));
    return edit;
}

} // namespace

TfrmChangePass::TfrmChangePass(AppServices services, QWidget *parent)
    : QDialog(parent), m_services(services), m_old(passwordEdit("Edit1")), m_new(passwordEdit("Edit2")),
      m_confirmation(passwordEdit("Edit3"))
{
    setObjectName(QStringLiteral("frmChangePass"));
    setWindowTitle(QStringLiteral("修改密码"));
    auto *group = new QGroupBox(QStringLiteral("密码信息"));
    auto *form = new QFormLayout(group);
    form->addRow(QStringLiteral("原  密  码："), m_old);
    form->addRow(QStringLiteral("新  密  码："), m_new);
    form->addRow(QStringLiteral("确认密码："), m_confirmation);

    auto *confirmButton = new QPushButton(QStringLiteral("确认"));
    confirmButton->setObjectName(QStringLiteral("BitBtn1"));
    confirmButton->setDefault(true);
    auto *exitButton = new QPushButton(QStringLiteral("退出"));
    exitButton->setObjectName(QStringLiteral("BitBtn2"));
    connect(confirmButton, &QPushButton::clicked, this, &TfrmChangePass::confirm);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirmButton);
    buttons->addWidget(exitButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
}

void TfrmChangePass::confirm()
{
    AppContext &context = m_services.context;
    const QString newPassword = m_new->text();
    QString refusal;
    QLineEdit *focus = nullptr;
    switch (checkPasswordChange(context.CurUserPass, m_old->text(), newPassword, m_confirmation->text())) {
    case PasswordCheck::WrongOldPassword:
        refusal = QStringLiteral("原密码 错误，请重新录入！");
        focus = m_old;
        break;
    case PasswordCheck::SameAsOld:
        refusal = QStringLiteral("新密码 与 原密码 一样，请重新录入！");
        focus = m_new;
        break;
    case PasswordCheck::ConfirmationDiffers:
        refusal = QStringLiteral("新密码 与 确认密码 不一致，请重新录入！");
        focus = m_confirmation;
        break;
    case PasswordCheck::Accepted:
        break;
    }
    if (focus) {
        m_services.dialogs.information(this, refusal, kProgramTitle);
        focus->setFocus();
        return;
    }
    if (!storePassword(m_services.dm, context.CurUserID.toInt(), newPassword)) {
        m_services.dialogs.error(this, QStringLiteral("密码修改 保存失败！当前用户已不存在。"), kProgramTitle);
        return;
    }
    context.CurUserPass = newPassword;
    m_services.dialogs.information(this, QStringLiteral("密码修改 保存成功！请重新登录软件！"), kProgramTitle);
    accept();
}
