#pragma once

#include "documents/DocumentLines.h"
#include "ui/AppServices.h"

#include <QString>
#include <optional>

class LineGridModel;

// The request ("物品申请单") as the window holds it, and the checks and writes of its
// save. A request moves no stock. Line cells: 1–8 as every document, 9 item ID.
namespace Request {

using DocumentLines::CheckFailure;

constexpr int kColumnCount = DocumentLines::ItemId + 1;

struct Header {
    QString applicant;  // Edit2
    QString department; // Label3, filled when the applicant is chosen from the picker
    QString handler;    // Edit3
    QString date;       // "yyyy-MM-dd"
    QString remark;     // Edit1
};

// The checks of a save, in order: applicant, applicant chosen (with a department),
// handler, at least one line, quantities above 0.
std::optional<CheckFailure> check(const Header &header, const LineGridModel &lines);

// Writes the checked document in one transaction: number, header and every line with
// its counters at 0; a line without a price is stored at price 0. Returns the number.
QString save(AppServices &services, const Header &header, const LineGridModel &lines);

} // namespace Request
