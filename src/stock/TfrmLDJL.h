#pragma once

#include "ui/AppServices.h"

#include <QDialog>
#include <QHash>
#include <array>

class DataGrid;
class QLineEdit;

// The item movement record: the item's master data, the storage and quantity of the
// stock row it was opened from, and six lists of the item's live lines in every
// storage, newest first; "Excel" writes it all in the sectioned layout.
class TfrmLDJL : public QDialog {
    Q_OBJECT
public:
    TfrmLDJL(AppServices services, qlonglong itemId, const QString &storageName,
             const QString &stockQuantity, QWidget *parent = nullptr);

    // The lists in the order of their groups: 购买, 领用, 借用, 归还, 报损, 报溢.
    DataGrid *list(int index) const { return m_lists.at(size_t(index)); }
    QString field(const QString &title) const;

public Q_SLOTS:
    void myLoad();        // fills the item block and the lists
    void exportRecord();  // Excel

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *itemBlock();
    QWidget *listGroups();

    AppServices m_services;
    qlonglong m_itemId;
    QString m_storageName;
    QString m_stockQuantity;
    QHash<QString, QLineEdit *> m_fields; // by the title of the item block's column
    std::array<DataGrid *, 6> m_lists{};
};
