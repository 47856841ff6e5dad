#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

struct AppContext;
class TfrmDM;

enum class LoginOutcome { LoggedIn, EmptyName, WrongPassword };

struct LoginResult {
    LoginOutcome outcome;
    QStringList grantedCodes; // menu position codes of the user's rights, in order
};

// The login check: the name must be chosen and name and password must match exactly
// one user. On success fills the user part of the context (name, password, login date,
// ID, the three rights, the storages); on failure changes nothing.
LoginResult logIn(TfrmDM &dm, AppContext &context, const QString &userName,
                  const QString &password, const QDate &today);

// The last user name kept in myDefault.ini ([Default] Text) in `appDir`; empty when
// there is no such file or key.
QString myLoadIni(const QString &appDir);
void mySaveIni(const QString &appDir, const QString &userName);
