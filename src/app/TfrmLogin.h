#pragma once

#include "ui/AppServices.h"

#include <QDialog>

class LookupComboBox;
class QLineEdit;
class QPushButton;

// The login window "软件登录": the user list, the password (at most 12 characters,
// shown masked) and the buttons "登录" and "退出". A successful login fills the user
// part of the context, remembers the user in myDefault.ini, hides this window and
// emits loggedIn. Closing it in any other way ends the program.
class TfrmLogin : public QDialog {
    Q_OBJECT
public:
    explicit TfrmLogin(AppServices services, QWidget *parent = nullptr);

    LookupComboBox *userList() const { return m_users; }
    QLineEdit *passwordEdit() const { return m_password; }

public Q_SLOTS:
    void BitBtn1Click();

Q_SIGNALS:
    // The menu position codes the user was granted.
    void loggedIn(const QStringList &grantedCodes);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    QWidget *buildBanner();
    QWidget *buildFields();

    AppServices m_services;
    LookupComboBox *m_users;
    QLineEdit *m_password;
    bool m_loggedIn = false;
};
