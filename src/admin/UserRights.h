#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class TfrmDM;

// The rights of one user as the rights dialogs show and save them. Every save runs in
// one transaction, so a failure keeps the rights the user had.

struct CheckItem {
    QString text;   // "102&采购入库单 " for a menu item, the name for a storage
    bool ticked = false;
};

// One item per row of SMenu, "MNum&MName", ticked when the user holds that right.
std::vector<CheckItem> menuRightItems(TfrmDM &dm, int userId);

struct ActionRights {
    bool modify = false;
    bool remove = false;
    bool exportSheets = false;
};
ActionRights actionRights(TfrmDM &dm, int userId);

// Replaces the user's menu rights by `codes` and sets the three action rights.
void saveMenuRights(TfrmDM &dm, int userId, const QStringList &codes, const ActionRights &rights);

// One item per storage, ticked when the user may work with it.
std::vector<CheckItem> storageAccessItems(TfrmDM &dm, int userId);
// Replaces the user's storages by `names`; none means every storage.
void saveStorageAccess(TfrmDM &dm, int userId, const QStringList &names);

// The checks of a password change, in the order they are made.
enum class PasswordCheck { Accepted, WrongOldPassword, SameAsOld, ConfirmationDiffers };
PasswordCheck checkPasswordChange(const QString &currentPassword, const QString &oldPassword,
                                  const QString &newPassword, const QString &confirmation);
// Stores the new password of the user with this ID; false unless exactly one row changed.
bool storePassword(TfrmDM &dm, int userId, const QString &newPassword);
