#pragma once

#include "documents/DocumentWindow.h"
#include "documents/SurplusIn.h"

// "报溢入库单": goods found in excess in a storage. Any item with a balance row in the
// storage can be looked up, whatever its balance; choosing another storage empties
// the lines. There is no stock test.
class TfrmIn_BY : public DocumentWindow {
    Q_OBJECT
public:
    explicit TfrmIn_BY(AppServices services, QWidget *parent = nullptr);

protected:
    std::optional<DocumentRefusal> check() override;
    QString write() override;
    void findItem() override;

private:
    SurplusIn::Header header() const;
};
