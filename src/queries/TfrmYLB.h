#pragma once

#include "documents/LoanReturn.h"
#include "queries/OverviewLists.h"

class QMenu;

// A return of one loan or requisition line, as "归还 &G" opens the return window on it.
struct ReturnRequest {
    QString returner; // the row's borrower or requisitioner
    LoanReturn::IssueKind kind;
    QString lineId;   // of the issue line
};

// An overview list window: the filtered list of its kind with the pop-up menu
// "查看图片 &P" and, in the loan and requisition lists, "归还 &G".
class OverviewList : public FilteredList {
    Q_OBJECT
public:
    OverviewList(AppServices services, OverviewKind kind, QWidget *parent = nullptr);

    OverviewKind kind() const { return m_kind; }
    QMenu *contextMenu() const { return m_menu; }

    // The return of the current row, when it is a line of which nothing has come back.
    std::optional<ReturnRequest> returnRequest() const;

public Q_SLOTS:
    void showPicture(); // "查看图片 &P"
    // "归还 &G": opens the return window modally on the current line when nothing of it
    // has come back yet; after the return is saved the list searches again.
    void returnLine();

private:
    OverviewKind m_kind;
    QMenu *m_menu;
};

// The nine lists by the names the menu opens them under.
class TfrmYLB_JC : public OverviewList {
public:
    explicit TfrmYLB_JC(AppServices services, QWidget *parent = nullptr)
        : OverviewList(services, OverviewKind::Loan, parent) {}
};
class TfrmYLB_LY : public OverviewList {
public:
    explicit TfrmYLB_LY(AppServices services, QWidget *parent = nullptr)
        : OverviewList(services, OverviewKind::Requisition, parent) {}
};
class TfrmYLB_CG : public OverviewList {
public:
    explicit TfrmYLB_CG(AppServices services, QWidget *parent = nullptr)
        : OverviewList(services, OverviewKind::Purchase, parent) {}
};
class TfrmYLB_TH : public OverviewList {
public:
    explicit TfrmYLB_TH(AppServices services, QWidget *parent = nullptr)
        : OverviewList(services, OverviewKind::ReturnToSupplier, parent) {}
};
class TfrmYLB_GH : public OverviewList {
public:
    explicit TfrmYLB_GH(AppServices services, QWidget *parent = nullptr)
        : OverviewList(services, OverviewKind::ReturnOfLoan, parent) {}
};
class TfrmYLB_BS : public OverviewList {
public:
    explicit TfrmYLB_BS(AppServices services, QWidget *parent = nullptr)
        : OverviewList(services, OverviewKind::Damage, parent) {}
};
class TfrmYLB_BY : public OverviewList {
public:
    explicit TfrmYLB_BY(AppServices services, QWidget *parent = nullptr)
        : OverviewList(services, OverviewKind::Surplus, parent) {}
};
class TfrmYLB_SQ : public OverviewList {
public:
    explicit TfrmYLB_SQ(AppServices services, QWidget *parent = nullptr)
        : OverviewList(services, OverviewKind::Request, parent) {}
};
class TfrmYLB_DB : public OverviewList {
public:
    explicit TfrmYLB_DB(AppServices services, QWidget *parent = nullptr)
        : OverviewList(services, OverviewKind::Transfer, parent) {}
};
