#include "admin/UserRights.h"

#include "store/TfrmDM.h"
#include "store/Transaction.h"

namespace {

const QString kYes = QStringLiteral("是");
const QString kNo = QStringLiteral("否");

QString flag(bool on)
{
    return on ? kYes : kNo;
}

} // namespace

std::vector<CheckItem> menuRightItems(TfrmDM &dm, int userId)
{
    QStringList granted;
    QSqlQuery levels = dm.select(QStringLiteral("select MNum from SLevel where UID=?"), {userId});
    while (levels.next())
        granted << levels.value(0).toString();

    std::vector<CheckItem> items;
    QSqlQuery menu = dm.select(QStringLiteral("select MNum, MName from SMenu Order by MNum"));
    while (menu.next()) {
        const QString code = menu.value(0).toString();
        items.push_back({code + QLatin1Char('&') + menu.value(1).toString(), granted.contains(code)});
    }
    return items;
}

ActionRights actionRights(TfrmDM &dm, int userId)
{
    QSqlQuery user = dm.select(QStringLiteral("SELECT theM, theD, theE FROM SUser WHERE (ID = ?)"), {userId});
    if (!user.next())
        return {};
    return {user.value(0).toString() == kYes, user.value(1).toString() == kYes,
            user.value(2).toString() == kYes};
}

void saveMenuRights(TfrmDM &dm, int userId, const QStringList &codes, const ActionRights &rights)
{
    Transaction transaction(dm.database());
    dm.myESQL(QStringLiteral("Delete from SLevel where UID=?"), {userId});
    for (const QString &code : codes)
        dm.myESQL(QStringLiteral("insert into SLevel(UID,MNum) Values(?,?)"), {userId, code});
    dm.myESQL(QStringLiteral("UPDATE SUser SET theM = ?, theD = ?, theE = ? WHERE (ID = ?)"),
              {flag(rights.modify), flag(rights.remove), flag(rights.exportSheets), userId});
    transaction.commit();
}

std::vector<CheckItem> storageAccessItems(TfrmDM &dm, int userId)
{
    std::vector<CheckItem> items;
    QSqlQuery storages = dm.select(QStringLiteral("SELECT SName FROM SStorage"));
    while (storages.next()) {
        const QString name = storages.value(0).toString();
        const int rows = dm.myRetCount(QStringLiteral("SELECT ID FROM SLW WHERE (UID = ?) AND (SName = ?)"),
                                       {userId, name});
        items.push_back({name, rows == 1});
    }
    return items;
}

void saveStorageAccess(TfrmDM &dm, int userId, const QStringList &names)
{
    Transaction transaction(dm.database());
    dm.myESQL(QStringLiteral("DELETE FROM SLW WHERE (UID = ?)"), {userId});
    for (const QString &name : names)
        dm.myESQL(QStringLiteral("INSERT INTO SLW (UID, SName) VALUES (?, ?)"), {userId, name});
    transaction.commit();
}

PasswordCheck checkPasswordChange(const QString &currentPassword, const QString &oldPassword,
                                  const QString &newPassword, const QString &confirmation)
{
    if (oldPassword != currentPassword)
        return PasswordCheck::WrongOldPassword;
    if (newPassword == oldPassword)
        return PasswordCheck::SameAsOld;
    if (confirmation != newPassword)
        return PasswordCheck::ConfirmationDiffers;
    return PasswordCheck::Accepted;
}

bool storePassword(TfrmDM &dm, int userId, const QString &newPassword)
{
    Transaction transaction(dm.database());
    QSqlQuery update = dm.select(QStringLiteral("Update SUser set UPass=? Where ID=?"), {newPassword, userId});
    if (update.numRowsAffected() != 1)
        return false; // rolled back
    transaction.commit();
    return true;
}
