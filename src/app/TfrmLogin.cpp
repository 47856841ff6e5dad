#include "app/TfrmLogin.h"

#include "app/LoginService.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "ui/Dialogs.h"
#include "ui/LookupComboBox.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *boldLabel(const QString &text)
{
    auto *label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

TfrmLogin::TfrmLogin(AppServices services, QWidget *parent)
    : QDialog(parent), m_services(services), m_users(new LookupComboBox), m_password(new QLineEdit)
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("软件登录"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);

    auto *buttons = new QHBoxLayout;
    auto *login = new QPushButton(QStringLiteral("登录"));
    login->setObjectName(QStringLiteral("BitBtn1"));
    login->setDefault(true);
    auto *quit = new QPushButton(QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("BitBtn2"));
    buttons->addStretch();
    buttons->addWidget(login);
    buttons->addWidget(quit);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 12);
    layout->addWidget(buildBanner());
    layout->addWidget(buildFields());
    layout->addLayout(buttons);
    setFixedWidth(420);

    connect(login, &QPushButton::clicked, this, &TfrmLogin::BitBtn1Click);
    connect(quit, &QPushButton::clicked, this, &TfrmLogin::close);
    connect(m_users, &QComboBox::activated, this, [this] { m_password->setFocus(); });

    m_users->setLookup(m_services.dm.DBComSUser());
    m_users->setKeyValue(myLoadIni(m_services.context.AppDir));
}

QWidget *TfrmLogin::buildBanner()
{
    auto *banner = new QLabel(QStringLiteral("朔禾物品管理软件"));
    banner->setObjectName(QStringLiteral("WebBrowser1"));
    banner->setFixedHeight(73);
    banner->setAlignment(Qt::AlignCenter);
    banner->setStyleSheet(QStringLiteral(
        "QLabel { color: white; font-size: 22px; font-weight: bold;"
        " background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #2b5d8c, stop:1 #6fa3cf); }"));
    return banner;
}

QWidget *TfrmLogin::buildFields()
{
    auto *group = new QGroupBox(QStringLiteral("软件登录"));
    m_users->setObjectName(QStringLiteral("DBLookupComboBox1"));
    m_password->setObjectName(QStringLiteral("Edit1"));
    m_password->setMaxLength(12);
    m_password->setEchoMode(QLineEdit::Password);
    // Each typed character shows as "@".
    m_password->setStyleSheet(QStringLiteral("lineedit-password-character: 64;"));

    auto *form = new QFormLayout(group);
    form->setContentsMargins(40, 16, 40, 16);
    form->addRow(boldLabel(QStringLiteral("用  户  名：")), m_users);
    form->addRow(boldLabel(QStringLiteral("密       码：")), m_password);
    auto *outer = new QWidget;
    auto *outerLayout = new QVBoxLayout(outer);
    outerLayout->setContentsMargins(16, 8, 16, 0);
    outerLayout->addWidget(group);
    return outer;
}

void TfrmLogin::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_users->currentIndex() >= 0)
        m_password->setFocus();
}

void TfrmLogin::BitBtn1Click()
{
    const QString name = m_users->currentIndex() >= 0 ? m_users->currentText() : QString();
    const LoginResult result = logIn(m_services.dm, m_services.context, name, m_password->text(),
                                     QDate::currentDate());
    switch (result.outcome) {
    case LoginOutcome::EmptyName:
        m_services.dialogs.information(this, QStringLiteral("用户名 不能为空！请选择 用户名！"),
                                       kProgramTitle);
        m_users->setFocus();
        return;
    case LoginOutcome::WrongPassword:
        m_services.dialogs.information(this, QStringLiteral("密码错误，请重新录入密码！"),
                                       kProgramTitle);
        m_password->setFocus();
        return;
    case LoginOutcome::LoggedIn:
        break;
    }
    mySaveIni(m_services.context.AppDir, name);
    m_loggedIn = true;
    hide();
    Q_EMIT loggedIn(result.grantedCodes);
}

void TfrmLogin::reject()
{
    close(); // Esc closes the window like its close button: the program ends.
}

void TfrmLogin::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!m_loggedIn)
        QCoreApplication::quit();
}
