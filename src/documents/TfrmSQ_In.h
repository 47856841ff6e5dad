#pragma once

#include "documents/DocumentWindow.h"
#include "documents/Request.h"

// "物品申请单": what a person asks for, with the applicant's department. A request moves
// no stock; the request query window later turns it into a purchase, requisition or loan.
class TfrmSQ_In : public DocumentWindow {
    Q_OBJECT
public:
    explicit TfrmSQ_In(AppServices services, QWidget *parent = nullptr);

protected:
    std::optional<DocumentRefusal> check() override;
    QString write() override;
    void findItem() override;

private:
    Request::Header header() const;
};
