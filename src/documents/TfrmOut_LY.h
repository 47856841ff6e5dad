#pragma once

#include "documents/IssueWindow.h"

// "领用出库单": goods handed out for use. Opened with a request number, it starts
// with the request's people and lines.
class TfrmOut_LY : public IssueWindow {
    Q_OBJECT
public:
    // `requestNumber`: the request the document is made from, or empty.
    TfrmOut_LY(AppServices services, const QString &requestNumber = {}, QWidget *parent = nullptr);
};
