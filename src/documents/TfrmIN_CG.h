#pragma once

#include "documents/DocumentWindow.h"
#include "documents/PurchaseIn.h"

// "采购入库单": goods bought from a supplier into one storage. The window stays open
// after a save, empty and ready for the next document.
class TfrmIN_CG : public DocumentWindow {
    Q_OBJECT
public:
    // `requestNumber`: the request the document is made from, or empty.
    TfrmIN_CG(AppServices services, const QString &requestNumber = {}, QWidget *parent = nullptr);

public Q_SLOTS:
    void importLines();   // 导入采购物品信息 (Button1)

protected:
    std::optional<DocumentRefusal> check() override;
    QString write() override;
    void findItem() override;

private:
    void takeOverRequest(const QString &requestNumber);
    PurchaseIn::Header header() const;

    PurchaseIn::Header m_checked; // the header as the checks left it (supplier resolved)
};
