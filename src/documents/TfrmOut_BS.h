#pragma once

#include "documents/IssueWindow.h"

// "报损出库单": damaged or lost goods written off. Choosing another storage empties the lines.
class TfrmOut_BS : public IssueWindow {
    Q_OBJECT
public:
    explicit TfrmOut_BS(AppServices services, QWidget *parent = nullptr);
};
