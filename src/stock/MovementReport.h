#pragma once

#include "stock/StockQuery.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QPair>
#include <array>
#include <functional>
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

    // Sums the live lines of each kind, in the period when one is given, for the items
    // of the balance rows that `stockRows` (a stock list's WHERE clause) selects.
    // `progress` is called after each kind with the number of kinds done.
    static MovementTotals compute(TfrmDM &dm, const std::optional<MovementPeriod> &period,
                                  const SqlCondition &stockRows,
                                  const std::function<void(int)> &progress = {});

private:
    using Key = QPair<qlonglong, qlonglong>; // item, storage (0 for requests)
    std::array<QHash<Key, double>, kMovementKindCount> m_sums;
};

// The rows of the movement report: the rows of a stock list (its columns by their
// titles, AID and SID among them; all of them are fetched) followed by the ten
// quantities of each row. The stock rows must outlive the model.
class MovementReportModel : public QAbstractTableModel {
    Q_OBJECT
public:
    MovementReportModel(QAbstractItemModel &stockRows, MovementTotals totals,
                        QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    int stockColumns() const;
    qlonglong key(int row, int column) const;

    QAbstractItemModel &m_stockRows;
    MovementTotals m_totals;
    int m_aidColumn = -1;
    int m_sidColumn = -1;
};
