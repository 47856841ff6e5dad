#pragma once

#include "documents/PurchaseIn.h"
#include "ui/AppServices.h"

#include <QDialog>

class LineGrid;
class LookupComboBox;
class LookupLineEdit;
class QDateEdit;
class QLabel;
class QLineEdit;

// "采购入库单": goods bought from a supplier into one storage. The window stays open
// after a save, empty and ready for the next document.
class TfrmIN_CG : public QDialog {
    Q_OBJECT
public:
    // `requestNumber`: the request the document is made from, or empty.
    TfrmIN_CG(AppServices services, const QString &requestNumber = {}, QWidget *parent = nullptr);

    LineGrid *grid() const { return m_grid; }

public Q_SLOTS:
    void BitBtn1Click();   // 保存
    void Button1Click();   // 导入采购物品信息
    void P1Click();        // 查看图片
    void myFindWP();
    void myFindJXS();

private:
    QWidget *buildSupplierGroup();
    QWidget *buildPurchaseGroup();
    void myStringLoad();
    void takeOverRequest(const QString &requestNumber);
    void findPerson(QLineEdit *box);
    PurchaseIn::Header header() const;
    void focus(PurchaseIn::Focus where);
    void reset();

    AppServices m_services;
    LineGrid *m_grid;
    LookupLineEdit *m_supplierName;          // Edit1
    QLineEdit *m_phone, *m_contact, *m_address, *m_supplierRemark;
    QLabel *m_supplierId;                    // LabJSSID, hidden
    QDateEdit *m_date;
    LookupLineEdit *m_purchaser, *m_handler; // Edit7, Edit8
    LookupComboBox *m_storage;
    QLineEdit *m_remark;                     // Edit6
};
