#include "app/LoginService.h"

#include "store/AppContext.h"
#include "store/TfrmDM.h"

#include <QSettings>

namespace {

const QString kIniKey = QStringLiteral("Default/Text");

QString iniPath(const QString &appDir)
{
    return appDir + QStringLiteral("myDefault.ini");
}

} // namespace

LoginResult logIn(TfrmDM &dm, AppContext &context, const QString &userName,
                  const QString &password, const QDate &today)
{
    if (userName.isEmpty())
        return {LoginOutcome::EmptyName, {}};

    QSqlQuery user = dm.select(QStringLiteral("select ID, theM, theD, theE from SUser "
                                              "where UName=? AND UPass=?"),
                               {userName, password});
    int rows = 0;
    QString id, modify, remove, exportRight;
    while (user.next()) {
        ++rows;
        id = user.value(0).toString();
        modify = user.value(1).toString();
        remove = user.value(2).toString();
        exportRight = user.value(3).toString();
    }
    if (rows != 1)
        return {LoginOutcome::WrongPassword, {}};

    LoginResult result{LoginOutcome::LoggedIn, {}};
    QSqlQuery levels = dm.select(QStringLiteral("select MNum from SLevel Where UID=? order by MNum"),
                                 {id.toInt()});
    while (levels.next())
        result.grantedCodes << levels.value(0).toString();

    QStringList storages;
    QSqlQuery access = dm.select(QStringLiteral("SELECT SName FROM SLW WHERE (UID = ?)"), {id.toInt()});
    while (access.next())
        storages << access.value(0).toString();

    context.CurUserName = userName;
    context.CurUserPass = password;
    context.LoginDate = today.toString(QStringLiteral("yyyy-MM-dd"));
    context.CurUserID = id;
    context.RightModify = modify;
    context.RightDelete = remove;
    context.RightExport = exportRight;
    context.UserStorages = storages;
    return result;
}

QString myLoadIni(const QString &appDir)
{
    return QSettings(iniPath(appDir), QSettings::IniFormat).value(kIniKey).toString();
}

void mySaveIni(const QString &appDir, const QString &userName)
{
    QSettings settings(iniPath(appDir), QSettings::IniFormat);
    settings.setValue(kIniKey, userName);
    settings.sync();
}
