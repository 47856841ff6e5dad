#pragma once

#include "ui/AppServices.h"

#include <QString>
#include <optional>

class LineGridModel;

// The purchase-in document as the window holds it, and the checks and writes of its save.
// Line cells: 1 code, 2 name, 3 standard, 4 unit, 5 price, 6 quantity, 7 amount,
// 8 remark, 9 item ID, 10 request line ID.
namespace PurchaseIn {

enum Column { Code = 1, Name, Standard, Unit, Price, Quantity, Amount, Remark, ItemId, RequestLineId };
constexpr int kColumnCount = 11;

struct Header {
    QString supplierId;      // empty until chosen or resolved
    QString supplierName, phone, contact, address, supplierRemark;
    QString purchaser, handler;
    QString storageId, storageName;
    QString date;            // "yyyy-MM-dd"
    QString remark;
};

// Where a failed check puts the focus.
enum class Focus { SupplierName, Purchaser, Handler, Storage, Grid };

struct CheckFailure {
    QString message;
    Focus focus;
};

// The checks of a save, in order. A supplier typed by hand is resolved here (found by
// its exact name, or created), so `header.supplierId` is set afterwards.
std::optional<CheckFailure> check(AppServices &services, Header &header, const LineGridModel &lines);

// Writes the checked document in one transaction: number, header, and per line the
// item (created when its code is unknown), the balance, the line, the catalogue price,
// the ledger row and the request counter. Returns the number. New item IDs are written
// into the lines only after the transaction has committed.
QString save(AppServices &services, const Header &header, LineGridModel &lines);

// NewMerchant: the ID of the supplier with exactly this name, created when there is none.
QString NewMerchant(AppServices &services, const Header &header);
// NewArticle: the ID of the item with this code, created from the line when there is none.
QString NewArticle(AppServices &services, const LineGridModel &lines, int line);

} // namespace PurchaseIn
