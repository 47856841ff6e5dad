#pragma once

#include "ui/MaintenanceWindow.h"

// "用户管理": the user list as a maintenance window. New and modified users get the
// default password; the grid's right-click menu opens a user's menu rights
// ("操作权限 &L") and storages ("仓库权限 &W").
class TfrmUser : public MaintenanceWindow {
    Q_OBJECT
public:
    explicit TfrmUser(AppServices services, QWidget *parent = nullptr);

    // The password a new or modified user gets.
    static QString defaultPassword() { return QStringLiteral("470953"); }

public Q_SLOTS:
    void editMenuRights();
    void editStorageAccess();

private:
    // The ID and name of the user under the cursor; false when the grid is empty.
    bool currentUser(int &id, QString &name) const;

    AppServices m_services;
};
