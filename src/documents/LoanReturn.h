#pragma once

#include "documents/DocumentLines.h"
#include "ui/AppServices.h"

#include <QString>
#include <QVariantList>
#include <functional>
#include <optional>

class LineGridModel;

// The return of loaned or requisitioned goods ("归还入库单") as the window holds it, and
// the checks and writes of its save. Each line returns part of one open issue line.
// Line cells: 1–8 as every document, 9 item ID, 10 the quantity still out when the
// line was filled, 11 the storage the goods were issued from, 12 the issue line table,
// 13 the issue line ID.
namespace LoanReturn {

using DocumentLines::CheckFailure;

enum Column { Returnable = DocumentLines::ItemId + 1, StorageId, SourceTable, SourceLineId };
constexpr int kColumnCount = SourceLineId + 1;

// The two tables whose lines can be returned.
inline const QString kLoanLines = QStringLiteral("UOut_JC_Bill");
inline const QString kRequisitionLines = QStringLiteral("UOut_LY_Bill");

// Which issue lines a return takes back: loans ("借用物品") or requisitions ("领用物品").
enum class IssueKind { Loan, Requisition };
QString issueLinesTable(IssueKind kind);

// A statement with its bound values.
struct Statement {
    QString text;
    QVariantList values;
};

// The open-issue lookup: the undeleted lines of `kind` issued to `returner` that are not
// wholly returned and whose item name, initials or code contain `text`, leaving out the
// items already on the document. Columns 单号, 借用日期 (领用日期), 物品编码, 物品分类,
// 物品名称, 规格型号, 单位, 单价, 借用数量 (领用数量), 已归还数, 仓库名称, and the hidden
// AID, SYMoney, SID, SYCount (what is still out) and ID.
Statement openIssueLines(IssueKind kind, const QString &returner, const QString &text,
                         const QStringList &excludedItemIds);
// The issue line with this ID, in the same columns.
Statement issueLine(IssueKind kind, const QString &lineId);

// Writes a record of those statements into a return line as a choice in the picker
// does: the item, the quantity and the returnable quantity both set to what is still
// out, the storage, the issue line table and ID; price and amount 0 with `zeroPrice`.
using RecordValue = std::function<QVariant(const QString &column)>;
void writeLine(LineGridModel &lines, int line, IssueKind kind, const RecordValue &value, bool zeroPrice);

struct Header {
    QString returner;  // Edit2
    QString handler;   // Edit3
    QString date;      // "yyyy-MM-dd"
    QString remark;    // Edit1
};

// The checks of a save, in order: returner, handler, at least one line, quantities
// above 0, and no issue line given back more than it has still out now (the figure
// shown when the line was filled may be stale).
std::optional<CheckFailure> check(AppServices &services, const Header &header, const LineGridModel &lines);

// Writes the checked document in one transaction: number, header, and per line the
// issue line's returned count, the balance of the storage it was issued from, the
// line with its issue line, and the ledger row "归还入库". What each issue line has
// still out is read again inside the transaction: a line that returns more throws
// InputError with code + " " + name + " 的归还数大于借用数！" and nothing is written.
// Returns the number.
QString save(AppServices &services, const Header &header, const LineGridModel &lines);

} // namespace LoanReturn
