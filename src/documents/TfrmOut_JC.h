#pragma once

#include "documents/IssueWindow.h"

// "借用出库单": goods lent to a person, to be returned within the loan days of each line.
// Opened with a request number, it starts with the request's people and lines.
class TfrmOut_JC : public IssueWindow {
    Q_OBJECT
public:
    // `requestNumber`: the request the document is made from, or empty.
    TfrmOut_JC(AppServices services, const QString &requestNumber = {}, QWidget *parent = nullptr);
};
