#pragma once

#include "ui/AppServices.h"

#include <QDialog>

class DataGrid;

// The stock movement record: the ledger rows of one item in one storage, oldest first,
// with the pop-up "EXCEL导出 &E" and "删除 &D".
class TfrmWList : public QDialog {
    Q_OBJECT
public:
    TfrmWList(AppServices services, const QString &caption, qlonglong storageId, qlonglong itemId,
              QWidget *parent = nullptr);

    DataGrid *grid() const { return m_grid; }

public Q_SLOTS:
    void myRef();        // lists the ledger rows
    void exportLedger(); // EXCEL导出 &E
    void deleteRow();    // 删除 &D

protected:
    void showEvent(QShowEvent *event) override;

private:
    AppServices m_services;
    qlonglong m_storageId;
    qlonglong m_itemId;
    DataGrid *m_grid;
};
