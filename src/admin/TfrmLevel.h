#pragma once

#include "ui/AppServices.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QListWidget;

// The menu rights and the three action rights of one user: a check list of every menu
// item, "全选", "修改", "删除", "导出", "保存" and "退出".
class TfrmLevel : public QDialog {
    Q_OBJECT
public:
    TfrmLevel(AppServices services, int userId, const QString &userName, QWidget *parent = nullptr);

public Q_SLOTS:
    void selectAll(bool on);
    void save();

private:
    AppServices m_services;
    int m_userId;
    QGroupBox *m_group;
    QListWidget *m_items;
    QCheckBox *m_all;
    QCheckBox *m_modify;
    QCheckBox *m_delete;
    QCheckBox *m_export;
};
