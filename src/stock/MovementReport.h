#pragma once

#include "queries/ListStatement.h"
#include "sheets/SheetExport.h"

#include <QHash>
#include <QPair>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class TfrmDM;

// One column of quantities in the movement report: the live lines of one document
// kind, summed per item and storage.
struct MovementKind {
    QString title;             // "采购数量"
    QString header;            // "UIn_CG"
    QString lines;             // "UIn_CG_Bill"
    QString storageColumn;     // the line's storage ("SID", "DBID", "RKID"); empty for
                               // requests, which count in every storage of the item
};

constexpr int kMovementKindCount = 10;

// The ten kinds in the order of the report's columns: 申请, 采购, 退货, 领用, 借用,
// 归还, 调出, 调入, 报损, 报溢.
const std::array<MovementKind, kMovementKindCount> &movementKinds();

// Document dates from `from` to `to`, both included ("yyyy-MM-dd").
struct MovementPeriod {
    QString from;
    QString to;
};

using MovementFigures = std::array<double, kMovementKindCount>;

// The quantities of every kind per item and storage, each kind worked out by one
// grouped statement instead of one statement per stock row.
class MovementTotals {
public:
    // The ten quantities of an item in a storage; 0 where nothing moved.
    MovementFigures figures(qlonglong aid, qlonglong sid) const;

    // Sums the live lines of each kind, in the period when one is given, of the items
    // that `stockItems` selects (StockQuery::itemsStatement of a stock list's search).
    // `progress` is called after each kind with the number of kinds done.
    static MovementTotals compute(TfrmDM &dm, const std::optional<MovementPeriod> &period,
                                  const BoundStatement &stockItems,
                                  const std::function<void(int)> &progress = {});

private:
    using Key = QPair<qlonglong, qlonglong>; // item, storage (0 for requests)
    std::array<QHash<Key, double>, kMovementKindCount> m_sums;
};

// The rows of the movement report for the exporter: the rows of a stock list's
// statement, read one by one (AID and SID among its columns), each followed by its ten
// quantities.
class MovementReportRows : public SheetRows {
public:
    MovementReportRows(std::unique_ptr<SheetRows> stockRows, MovementTotals totals);

    QStringList titles() const override;
    qint64 size() const override { return m_stockRows->size(); }
    bool next() override { return m_stockRows->next(); }
    QString text(int column) const override;

private:
    std::unique_ptr<SheetRows> m_stockRows;
    MovementTotals m_totals;
    int m_stockColumns;
    int m_aidColumn;
    int m_sidColumn;
};
