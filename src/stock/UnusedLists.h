#pragma once

#include "sheets/SheetExport.h"
#include "stock/Statistics.h"
#include "ui/AppServices.h"

#include <QDialog>

class DataGrid;
class QLabel;

// A modal list of the items or persons that had no document of a kind in a period:
// the rows, "数量：" and their count, title sorting, a plain export that needs no right.
class UnusedListDialog : public QDialog {
    Q_OBJECT
public:
    DataGrid *grid() const { return m_grid; }
    QLabel *countLabel() const { return m_count; }

public Q_SLOTS:
    void list();        // runs on showing
    void exportSheet(); // "Excel"

protected:
    UnusedListDialog(AppServices services, const QString &caption, BoundStatement statement,
                     SheetMember sheet, QList<std::pair<QString, int>> widths, QWidget *parent);
    void showEvent(QShowEvent *event) override;

private:
    AppServices m_services;
    BoundStatement m_statement;
    SheetMember m_sheet;
    QList<std::pair<QString, int>> m_widths;
    DataGrid *m_grid;
    QLabel *m_count;
    bool m_listed = false;
};

// "未借用物品", "未领用物品": items without lines of the kind.
class TfrmW_A : public UnusedListDialog {
    Q_OBJECT
public:
    TfrmW_A(AppServices services, const QString &caption, BoundStatement statement,
            QWidget *parent = nullptr);
};

// "未借用人员", "未领用人员": persons without documents of the kind.
class TfrmW_P : public UnusedListDialog {
    Q_OBJECT
public:
    TfrmW_P(AppServices services, const QString &caption, BoundStatement statement,
            QWidget *parent = nullptr);
};
