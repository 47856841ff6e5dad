#pragma once

#include "documents/DocumentWindow.h"
#include "documents/Transfer.h"

// "物品调拨单": goods moved from a source storage to another. Items are looked up among
// those in stock in the source, once both storages are chosen and differ; choosing
// another source empties the lines. After a save both storages must be chosen again.
class TfrmDB_In : public DocumentWindow {
    Q_OBJECT
public:
    explicit TfrmDB_In(AppServices services, QWidget *parent = nullptr);

protected:
    std::optional<DocumentRefusal> check() override;
    QString write() override;
    void findItem() override;

private:
    Transfer::Header header() const;
};
