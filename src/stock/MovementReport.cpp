#include "stock/MovementReport.h"

#include "store/Numbers.h"
#include "store/TfrmDM.h"

const std::array<MovementKind, kMovementKindCount> &movementKinds()
{
    auto kind = [](const char16_t *title, const char *header, const char *storage) {
        const QString table = QLatin1String(header);
        return MovementKind{QString::fromUtf16(title), table, table + QStringLiteral("_Bill"),
                            QLatin1String(storage)};
    };
    static const std::array<MovementKind, kMovementKindCount> kinds = {
        kind(u"申请数量", "USQ", ""),        kind(u"采购数量", "UIn_CG", "SID"),
        kind(u"退货数量", "UOut_TH", "SID"), kind(u"领用数量", "UOut_LY", "SID"),
        kind(u"借用数量", "UOut_JC", "SID"), kind(u"归还数量", "UIn_GH", "SID"),
        kind(u"调出数量", "UDB", "DBID"),    kind(u"调入数量", "UDB", "RKID"),
        kind(u"报损数量", "UOut_BS", "SID"), kind(u"报溢数量", "UIn_BY", "SID"),
    };
    return kinds;
}

namespace {

// SELECT item, storage, SUM(theCount) over the live lines of one kind, grouped.
QString groupedStatement(const MovementKind &kind, bool inPeriod, const SqlCondition &stockRows)
{
    const QString storage = kind.storageColumn.isEmpty()
                                ? QStringLiteral("0")
                                : kind.lines + QLatin1Char('.') + kind.storageColumn;
    QString sql = QStringLiteral("SELECT %2.AID, %3, SUM(%2.theCount) "
                                 "FROM %1 INNER JOIN %2 ON %1.theNum = %2.theNum "
                                 "WHERE (%1.theDel = 0) AND (%2.theDel = 0) ")
                      .arg(kind.header, kind.lines, storage);
    if (inPeriod)
        sql += QStringLiteral("AND (%1.myDate>=?) AND (%1.myDate<=?) ").arg(kind.header);
    sql += QStringLiteral("AND (%1.AID IN (SELECT UWare.AID ").arg(kind.lines)
           + StockQuery::fromClause() + stockRows.text + QStringLiteral(")) ");
    // Requests are not grouped by storage ("GROUP BY …, 0" would name a column).
    sql += QStringLiteral("GROUP BY %1.AID").arg(kind.lines);
    return kind.storageColumn.isEmpty() ? sql : sql + QStringLiteral(", ") + storage;
}

} // namespace

MovementTotals MovementTotals::compute(TfrmDM &dm, const std::optional<MovementPeriod> &period,
                                       const SqlCondition &stockRows,
                                       const std::function<void(int)> &progress)
{
    MovementTotals totals;
    QVariantList values;
    if (period)
        values << period->from << period->to;
    values += stockRows.values;
    for (int k = 0; k < kMovementKindCount; ++k) {
        QSqlQuery query = dm.select(groupedStatement(movementKinds()[k], period.has_value(), stockRows),
                                    values);
        while (query.next()) {
            const Key key(query.value(0).toLongLong(), query.value(1).toLongLong());
            totals.m_sums[k].insert(key, roundMoney(query.value(2).toDouble()));
        }
        if (progress)
            progress(k + 1);
    }
    return totals;
}

MovementFigures MovementTotals::figures(qlonglong aid, qlonglong sid) const
{
    MovementFigures figures{};
    for (int k = 0; k < kMovementKindCount; ++k) {
        const bool everyStorage = movementKinds()[k].storageColumn.isEmpty();
        figures[k] = m_sums[k].value(Key(aid, everyStorage ? 0 : sid), 0.0);
    }
    return figures;
}

MovementReportModel::MovementReportModel(QAbstractItemModel &stockRows, MovementTotals totals,
                                         QObject *parent)
    : QAbstractTableModel(parent), m_stockRows(stockRows), m_totals(std::move(totals))
{
    while (m_stockRows.canFetchMore({}))
        m_stockRows.fetchMore({});
    for (int column = 0; column < stockColumns(); ++column) {
        const QString title = m_stockRows.headerData(column, Qt::Horizontal).toString();
        if (title == QStringLiteral("AID"))
            m_aidColumn = column;
        else if (title == QStringLiteral("SID"))
            m_sidColumn = column;
    }
}

int MovementReportModel::stockColumns() const
{
    return m_stockRows.columnCount();
}

int MovementReportModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_stockRows.rowCount();
}

int MovementReportModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : stockColumns() + kMovementKindCount;
}

qlonglong MovementReportModel::key(int row, int column) const
{
    return column < 0 ? 0 : m_stockRows.data(m_stockRows.index(row, column)).toLongLong();
}

QVariant MovementReportModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    if (index.column() < stockColumns())
        return m_stockRows.data(m_stockRows.index(index.row(), index.column()));
    const MovementFigures figures =
        m_totals.figures(key(index.row(), m_aidColumn), key(index.row(), m_sidColumn));
    return numberText(figures[index.column() - stockColumns()]);
}

QVariant MovementReportModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < stockColumns())
        return m_stockRows.headerData(section, orientation, role);
    return movementKinds()[section - stockColumns()].title;
}
