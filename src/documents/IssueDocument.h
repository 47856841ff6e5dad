#pragma once

#include "documents/DocumentLines.h"
#include "documents/DocumentRefusal.h"
#include "ui/AppServices.h"

#include <QString>
#include <QVariantList>
#include <functional>
#include <optional>

class LineGridModel;

// The documents that take goods out of one storage: loan, requisition, write-off and
// return to supplier. Their lines hold cells 1 code, 2 name, 3 standard, 4 unit,
// 5 price, 6 quantity, 7 amount, 8 remark and the hidden cells of `Columns`; a line
// counts when it holds an item ID. Checks and writes are plain functions over a Kind.
namespace IssueDocument {

using enum DocumentLines::Column;

// Where a kind keeps its hidden cells (-1: the kind has none).
struct Columns {
    int itemId = 9;
    int stock = 10;
    int requestLine = -1;
    int loanDays = -1;    // visible
    int count = 11;       // visible and hidden cells
};

// The header fields as the window holds them.
struct Header {
    QString storageId, storageName;
    QString date;          // "yyyy-MM-dd"
    QString remark;
    QString person;        // borrower, requisitioner or returner
    QString approver, handler;
    QString department;    // of the person, set only by the person picker
    QString supplierId, supplierName;
};

// One header check: the field must not be empty.
struct HeaderCheck {
    QString Header::*field;
    QString message;
    QString focus;         // objectName
};

// One line as the save writes it.
struct LineValues {
    QString number;
    int itemId = 0;
    int storageId = 0;
    double quantity = 0;
    QString remark;
    int myID = 0;
    double price = 0;
    qlonglong loanDays = 0;
};

struct Kind {
    QString table;                   // "UOut_JC", for NewNum
    Columns columns;
    QList<HeaderCheck> headerChecks; // in order
    QString linesMessage;            // no line holds an item
    QString stockMessage;            // after code + " " + name
    bool quantityBeforeStock = false;
    QString headerStatement;         // INSERT with "?" for the values below
    std::function<QVariantList(const Header &, const QString &number, const QString &user,
                               const QString &loginDate)> headerValues;
    QString lineStatement;
    std::function<QVariantList(const LineValues &)> lineValues;
    QString ledgerKind;              // LedgerKind::Loan, …
    QString requestCounter;          // "theJY", "theLY" or empty
};

Kind loan();             // 借用出库单, UOut_JC
Kind requisition();      // 领用出库单, UOut_LY
Kind damage();           // 报损出库单, UOut_BS
Kind returnToSupplier(); // 退货出库单, UOut_TH

// The checks of a save in the kind's order: header fields, lines, then per line the
// numbers, the quantity above 0 and the stock. The stock test (when negative stock is
// not allowed) compares the sum of each item's quantities over all lines with the
// item's balance in the storage the document writes to.
std::optional<DocumentRefusal> check(AppServices &services, const Kind &kind, const Header &header,
                                     const LineGridModel &lines);

// Writes the checked document in one transaction — number, header, and per line the
// balance (minus the quantity), the line, the ledger row and the request counter —
// and returns its number.
QString save(AppServices &services, const Kind &kind, const Header &header, const LineGridModel &lines);

} // namespace IssueDocument
