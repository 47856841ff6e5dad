#pragma once

#include "documents/DocumentLines.h"
#include "ui/AppServices.h"

#include <QString>
#include <optional>

class LineGridModel;

// The transfer between two storages ("物品调拨单") as the window holds it, and the
// checks and writes of its save. Line cells: 1–8 as every document, 9 item ID, 10 the
// stock of the item in the source storage when the line was filled.
namespace Transfer {

using DocumentLines::CheckFailure;

enum Column { Stock = DocumentLines::ItemId + 1 };
constexpr int kColumnCount = Stock + 1;

struct Header {
    QString sourceId, sourceName;           // DBLookupComboBox1, "调拨仓库"
    QString destinationId, destinationName; // DBLookupComboBox2, "入库仓库"
    QString handler;                        // Edit1
    QString date;                           // "yyyy-MM-dd"
    QString remark;                         // Edit2
};

// Both storages chosen and different: the item lookup runs only then, and a save
// checks it first.
std::optional<CheckFailure> checkStorages(const Header &header);

// The checks of a save, in order: the storages, the handler, at least one line,
// quantities above 0 and, with negative stock not allowed, no item taking more out of
// the source than its balance there (the quantities of an item summed over its lines).
std::optional<CheckFailure> check(AppServices &services, const Header &header, const LineGridModel &lines);

// Writes the checked document in one transaction: number, header, and per line the
// source balance with "调拨出库", the destination balance with "调拨入库", then the
// line. Returns the number.
QString save(AppServices &services, const Header &header, const LineGridModel &lines);

} // namespace Transfer
