#pragma once

#include "queries/FilteredList.h"

class QMenu;

// The stock list: the balance rows with the six filters, the radio buttons of the
// stock state, the totals and Excel of the filtered list, and the pop-up menu of the
// grid. Every command acts on this list and its current row, so two stock lists open
// side by side (after the start-up warnings) never act on each other's rows.
class TfrmWare_Q : public FilteredList {
    Q_OBJECT
public:
    explicit TfrmWare_Q(AppServices services, QWidget *parent = nullptr);

    QMenu *contextMenu() const { return m_menu; }

public Q_SLOTS:
    void copyCode();           // 复制物品编码 &C
    void showMovementRecord(); // 查看物品流动记录 &V
    void showMovementReport(); // 查看物品流动报表 &B
    void correctCount();       // 修改库存数量 &K
    void showLedger();         // 库存流动记录 &J
    void showAccessories();    // 附件管理 &A
    void editWarnings();       // 预警设置 &Y
    void editItem();           // 修改物品信息 &M
    void editPinyin();         // 修改物品拼音码 &P
    void showPicture();        // 查看图片 &I
    void showPictureList();    // 图片列表 &L
    void downloadFile();       // 文件下载 &F
    void deleteRow();          // 删除 &D
    void deleteAll();          // 全部删除 &Q

private:
    // The current row's item ID; 0 when the list is empty.
    int currentItem() const;
    // The row's "物品编码" and "物品名称" joined by one blank.
    QString codeName() const;
    // Deletes the balance rows without stock among `ids` and reports the others.
    void deleteRows(const QList<qlonglong> &ids, const QString &keptText);

    QMenu *m_menu;
};
