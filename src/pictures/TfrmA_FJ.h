#pragma once

#include "ui/AppServices.h"

#include <QDialog>

class DataGrid;
class QLineEdit;

// The accessories of one item, caption code + " " + name + " 附件管理": a new accessory's
// "附件名称：" (Edit1), "数       量：" (Edit2, preset "1") and "备       注：" (Edit3),
// the list of its accessories with the pop-up "删除 &D". Construct it with the item's ID
// and exec() it; afterwards the caller refreshes a list that shows FJCount.
class TfrmA_FJ : public QDialog {
    Q_OBJECT
public:
    TfrmA_FJ(AppServices services, int articleId, QWidget *parent = nullptr);

    DataGrid *grid() const { return m_grid; }

public Q_SLOTS:
    void save();
    void deleteCurrent();

private:
    void refresh();
    QLineEdit *edit(const char *name) const;

    AppServices m_services;
    int m_articleId;
    DataGrid *m_grid;
};
