#pragma once

#include "documents/IssueWindow.h"

// "退货出库单": goods sent back to a supplier chosen with the supplier lookup.
class TfrmOut_TH : public IssueWindow {
    Q_OBJECT
public:
    explicit TfrmOut_TH(AppServices services, QWidget *parent = nullptr);
};
