#pragma once

#include "admin/PathDialog.h"
#include "ui/AppServices.h"

// "数据恢复": replaces the open database by a checked backup file.
class TfrmRecover : public PathDialog {
    Q_OBJECT
public:
    explicit TfrmRecover(AppServices services, QWidget *parent = nullptr);

public Q_SLOTS:
    void choosePath();
    void restore();

private:
    AppServices m_services;
};
