#pragma once

#include "ui/AppServices.h"

#include <QDialog>

class QGroupBox;
class QListWidget;

// The storages one user may work with: a check list of every storage, "保存", "退出".
class TfrmLW : public QDialog {
    Q_OBJECT
public:
    TfrmLW(AppServices services, int userId, const QString &userName, QWidget *parent = nullptr);

public Q_SLOTS:
    void save();

private:
    AppServices m_services;
    int m_userId;
    QGroupBox *m_group;
    QListWidget *m_items;
};
