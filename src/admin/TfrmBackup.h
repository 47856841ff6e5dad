#pragma once

#include "admin/PathDialog.h"
#include "ui/AppServices.h"

// "数据备份": copies the open database into a chosen folder as "<login date>.edb".
class TfrmBackup : public PathDialog {
    Q_OBJECT
public:
    explicit TfrmBackup(AppServices services, QWidget *parent = nullptr);

public Q_SLOTS:
    void choosePath();
    void backup();

private:
    AppServices m_services;
};
