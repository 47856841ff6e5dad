#pragma once

#include "documents/DocumentWindow.h"
#include "documents/LoanReturn.h"

// "归还入库单": goods a person brings back from loans and requisitions. Each line returns
// part of one open issue line into the storage it was issued from. Changing the
// returner by hand empties the lines, which belong to the person.
class TfrmIn_GH : public DocumentWindow {
    Q_OBJECT
public:
    // Opened from the menu: an empty document that stays open after each save.
    explicit TfrmIn_GH(AppServices services, QWidget *parent = nullptr);

    // Opened from a line of the loan or requisition overview list ("归还 &G"): the
    // returner box holds `returner` and line 1 the issue line `issueLineId` of `kind`
    // with what it has still out. After a successful save the window prints the
    // document, emits returnSaved() so that the list searches again, and closes
    // (exec() returns QDialog::Accepted). "退出" closes it without a save (Rejected).
    TfrmIn_GH(AppServices services, const QString &returner, LoanReturn::IssueKind kind,
              const QString &issueLineId, QWidget *parent = nullptr);

Q_SIGNALS:
    // A return opened from an overview list has been saved and printed.
    void returnSaved();

protected:
    std::optional<DocumentRefusal> check() override;
    QString write() override;
    void findItem() override;

private:
    LoanReturn::Header header() const;
};
