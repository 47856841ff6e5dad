#pragma once

#include "documents/DocumentLines.h"
#include "ui/AppServices.h"

#include <QString>
#include <optional>

class LineGridModel;

// The surplus found in a storage ("报溢入库单") as the window holds it, and the checks
// and writes of its save. Line cells: 1–8 as every document, 9 item ID, 10 the stock
// shown when the line was filled (not used by the save).
namespace SurplusIn {

using DocumentLines::CheckFailure;

enum Column { Stock = DocumentLines::ItemId + 1 };
constexpr int kColumnCount = Stock + 1;

struct Header {
    QString storageId, storageName; // DBLookupComboBox1
    QString approver;               // Edit2
    QString handler;                // Edit3
    QString date;                   // "yyyy-MM-dd"
    QString remark;                 // Edit1
};

// The checks of a save, in order: storage, approver, handler, at least one line,
// quantities above 0. There is no stock test.
std::optional<CheckFailure> check(const Header &header, const LineGridModel &lines);

// Writes the checked document in one transaction: number, header, and per line the
// balance, the line and the ledger row "报溢入库". Returns the number.
QString save(AppServices &services, const Header &header, const LineGridModel &lines);

} // namespace SurplusIn
