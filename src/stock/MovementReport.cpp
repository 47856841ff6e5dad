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

// SELECT item, storage, SUM(theCount) over the live lines of one kind, grouped. The
// lines are picked by the numbers of the live documents (dated in the period), a set the
// engine builds once; that reads the line table straight through, which is several
// times faster than joining every line to its header.
QString groupedStatement(const MovementKind &kind, bool inPeriod, const BoundStatement &stockItems)
{
    QString liveDocuments = QStringLiteral("SELECT theNum FROM %1 WHERE (theDel = 0)").arg(kind.header);
    if (inPeriod)
        liveDocuments += QStringLiteral(" AND (myDate>=?) AND (myDate<=?)");
    const QString storage = kind.storageColumn.isEmpty() ? QStringLiteral("0") : kind.storageColumn;
    QString sql = QStringLiteral("SELECT AID, %2, SUM(theCount) FROM %1 "
                                 "WHERE (theDel = 0) AND (theNum IN (%3)) AND (AID IN (%4)) "
                                 "GROUP BY AID")
                      .arg(kind.lines, storage, liveDocuments, stockItems.text);
    // Requests are not grouped by storage ("GROUP BY AID, 0" would name a column).
    return kind.storageColumn.isEmpty() ? sql : sql + QStringLiteral(", ") + storage;
}

} // namespace

MovementTotals MovementTotals::compute(TfrmDM &dm, const std::optional<MovementPeriod> &period,
                                       const BoundStatement &stockItems,
                                       const std::function<void(int)> &progress)
{
    MovementTotals totals;
    QVariantList values;
    if (period)
        values << period->from << period->to;
    values += stockItems.values;
    for (int k = 0; k < kMovementKindCount; ++k) {
        QSqlQuery query = dm.select(groupedStatement(movementKinds()[k], period.has_value(), stockItems),
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

MovementReportRows::MovementReportRows(std::unique_ptr<SheetRows> stockRows, MovementTotals totals)
    : m_stockRows(std::move(stockRows)), m_totals(std::move(totals)),
      m_stockColumns(int(m_stockRows->titles().size())),
      m_aidColumn(int(m_stockRows->titles().indexOf(QStringLiteral("AID")))),
      m_sidColumn(int(m_stockRows->titles().indexOf(QStringLiteral("SID"))))
{
}

QStringList MovementReportRows::titles() const
{
    QStringList titles = m_stockRows->titles();
    for (const MovementKind &kind : movementKinds())
        titles << kind.title;
    return titles;
}

QString MovementReportRows::text(int column) const
{
    if (column < m_stockColumns)
        return m_stockRows->text(column);
    const MovementFigures figures = m_totals.figures(m_stockRows->text(m_aidColumn).toLongLong(),
                                                     m_stockRows->text(m_sidColumn).toLongLong());
    return numberText(figures[size_t(column - m_stockColumns)]);
}
