#pragma once

#include "master/MasterImport.h"
#include "ui/AppServices.h"

#include <QDialog>

class LookupComboBox;
class QCheckBox;
class QGroupBox;
class QProgressBar;
class QPushButton;
class QTableView;
class SheetPreviewModel;

class SheetTable;

// The shape of the three import dialogs: "打开" reads Sheet1 of a workbook into the
// preview, "导入" writes its rows and reports how many were added. The item import
// also chooses the storage that receives the opening stock.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    struct Kind {
        QString objectName;   // "frmIn_A"
        QString caption;      // "物品导入"
        QString instruction;  // the column titles the sheet must have
        QList<int> columnWidths;
        QString reportText;   // "成功导入物品数据 %1 条！"
        bool withStorage = false;
        // Writes the rows; the dialog passes the storage choice for items.
        std::function<ImportOutcome(AppServices &, const SheetTable &, const ItemImportOptions &,
                                    const ImportProgress &)> import;
    };

    ImportDialog(AppServices services, Kind kind, QWidget *parent);

public Q_SLOTS:
    void openWorkbook();
    void importRows();

private:
    QWidget *buildStorageGroup();
    void showSheet();

    AppServices m_services;
    Kind m_kind;
    QGroupBox *m_preview;
    QTableView *m_grid;
    SheetPreviewModel *m_rows; // owns the rows read, so they live as long as the grid
    LookupComboBox *m_storage = nullptr;
    QCheckBox *m_saveStock = nullptr;
    QPushButton *m_import;
    QProgressBar *m_progress;
};

// "物品导入", "人员导入", "供应商导入".
class TfrmIn_A : public ImportDialog {
    Q_OBJECT
public:
    explicit TfrmIn_A(AppServices services, QWidget *parent = nullptr);
};

class TfrmIn_P : public ImportDialog {
    Q_OBJECT
public:
    explicit TfrmIn_P(AppServices services, QWidget *parent = nullptr);
};

class TfrmIn_G : public ImportDialog {
    Q_OBJECT
public:
    explicit TfrmIn_G(AppServices services, QWidget *parent = nullptr);
};
