#include "stock/PeriodReport.h"

#include "store/DatabaseError.h"
#include "store/Numbers.h"
#include "store/SqlStatement.h"
#include "store/Transaction.h"

#include <QHash>
#include <QSqlError>

namespace {

// The period of a document: its date, or the first seven or four characters of it.
QString periodKey(ReportPeriod period, const QString &dateColumn)
{
    switch (period) {
    case ReportPeriod::Day: return dateColumn;
    case ReportPeriod::Month: return QStringLiteral("substr(%1,1,7)").arg(dateColumn);
    case ReportPeriod::Year: return QStringLiteral("substr(%1,1,4)").arg(dateColumn);
    }
    return {};
}

QString periodLabel(ReportPeriod period, const QDate &date)
{
    switch (period) {
    case ReportPeriod::Day: return date.toString(QStringLiteral("yyyy-MM-dd"));
    case ReportPeriod::Month: return date.toString(QStringLiteral("yyyy-MM"));
    case ReportPeriod::Year: return date.toString(QStringLiteral("yyyy"));
    }
    return {};
}

// The first day of the period that holds `date`, and the first day of the next one.
QDate periodStart(ReportPeriod period, const QDate &date)
{
    switch (period) {
    case ReportPeriod::Day: return date;
    case ReportPeriod::Month: return QDate(date.year(), date.month(), 1);
    case ReportPeriod::Year: return QDate(date.year(), 1, 1);
    }
    return {};
}

QDate nextPeriod(ReportPeriod period, const QDate &start)
{
    switch (period) {
    case ReportPeriod::Day: return start.addDays(1);
    case ReportPeriod::Month: return start.addMonths(1);
    case ReportPeriod::Year: return start.addYears(1);
    }
    return {};
}

// Dates are "yyyy-MM-dd" text, so every document of the periods from `first` up to but
// not including `next` has first <= myDate < next; the bounds let an index on myDate
// serve the grouped statements.
struct PeriodBounds {
    QString first;
    QString next;
};

PeriodBounds bounds(ReportPeriod period, const DateRange &range)
{
    return {periodLabel(period, range.from),
            periodLabel(period, nextPeriod(period, periodStart(period, range.to)))};
}

QString countStatement(const ReportKind &kind, ReportPeriod period, bool byStorage)
{
    return QStringLiteral("SELECT %1, COUNT(ID) FROM %2 WHERE (theDel = 0) "
                          "AND (myDate >= ?) AND (myDate < ?)%3 GROUP BY %1")
        .arg(periodKey(period, QStringLiteral("myDate")), QLatin1String(kind.header),
             byStorage ? QStringLiteral(" AND (SName = ?)") : QString());
}

// Only the item's price needs UArticle, and a line whose item is gone still moved its
// quantity, so the item is joined outside and such a line adds nothing to the amount.
QString sumStatement(const ReportKind &kind, ReportPeriod period, bool byStorage)
{
    return QStringLiteral("SELECT %1, SUM(L.theCount), SUM(%2) FROM %3 L "
                          "INNER JOIN %4 H ON L.theNum = H.theNum%5 "
                          "WHERE (H.theDel = 0) AND (L.theDel = 0) "
                          "AND (H.myDate >= ?) AND (H.myDate < ?)%6 GROUP BY %1")
        .arg(periodKey(period, QStringLiteral("H.myDate")), QLatin1String(kind.amount),
             QLatin1String(kind.lines), QLatin1String(kind.header),
             kind.needsArticle ? QStringLiteral(" LEFT JOIN UArticle A ON L.AID = A.ID") : QString(),
             byStorage ? QStringLiteral(" AND (H.SName = ?)") : QString());
}

} // namespace

const std::array<ReportKind, kReportKinds> &reportKinds()
{
    static const std::array<ReportKind, kReportKinds> kinds = {{
        {"SQ", "申请", "USQ", "USQ_Bill", "L.theCount*A.APrice", true, false},
        {"CG", "采购", "UIn_CG", "UIn_CG_Bill", "L.APrice*L.theCount", false, true},
        {"LY", "领用", "UOut_LY", "UOut_LY_Bill", "L.theCount*L.thePrice", false, true},
        {"JY", "借用", "UOut_JC", "UOut_JC_Bill", "L.theCount*L.thePrice", false, true},
        {"GH", "归还", "UIn_GH", "UIn_GH_Bill", "A.APrice*L.theCount", true, false},
        {"BS", "报损", "UOut_BS", "UOut_BS_Bill", "L.theCount*L.thePrice", false, true},
    }};
    return kinds;
}

DateRange initialRange(ReportPeriod period, const QDate &loginDate)
{
    switch (period) {
    case ReportPeriod::Day:
        return {loginDate.addMonths(-1).addDays(1), loginDate};
    case ReportPeriod::Month: {
        const QDate loginMonth(loginDate.year(), loginDate.month(), 1);
        return {loginMonth.addMonths(-11), loginMonth.addMonths(1).addDays(-1)};
    }
    case ReportPeriod::Year:
        return {QDate(loginDate.year() - 1, 1, 1), QDate(loginDate.year(), 12, 31)};
    }
    return {};
}

QStringList periodLabels(ReportPeriod period, const DateRange &range)
{
    QStringList labels;
    for (QDate start = periodStart(period, range.from); start <= range.to;
         start = nextPeriod(period, start))
        labels << periodLabel(period, start);
    return labels;
}

QVector<ReportRow> computePeriodReport(const QSqlDatabase &database, ReportPeriod period,
                                       const DateRange &range, const std::optional<QString> &storage)
{
    const QStringList labels = periodLabels(period, range);
    QVector<ReportRow> rows(labels.size());
    QHash<QString, qsizetype> rowOfPeriod;
    for (qsizetype i = 0; i < labels.size(); ++i) {
        rows[i].period = labels[i];
        rowOfPeriod.insert(labels[i], i);
    }
    const PeriodBounds limits = bounds(period, range);
    for (size_t k = 0; k < kReportKinds; ++k) {
        const ReportKind &kind = reportKinds()[k];
        const bool byStorage = storage.has_value() && kind.storageFiltered;
        QVariantList values = {limits.first, limits.next};
        if (byStorage)
            values << *storage;

        QSqlQuery counts = runStatement(database, countStatement(kind, period, byStorage), values,
                                        ResultRows::ForwardOnly);
        while (counts.next()) {
            const auto row = rowOfPeriod.constFind(counts.value(0).toString());
            if (row != rowOfPeriod.cend())
                rows[*row].kinds[k].documents = counts.value(1).toLongLong();
        }
        QSqlQuery sums = runStatement(database, sumStatement(kind, period, byStorage), values,
                                      ResultRows::ForwardOnly);
        while (sums.next()) {
            const auto row = rowOfPeriod.constFind(sums.value(0).toString());
            if (row == rowOfPeriod.cend())
                continue;
            rows[*row].kinds[k].quantity = roundMoney(sums.value(1).toDouble());
            rows[*row].kinds[k].amount = roundMoney(sums.value(2).toDouble());
        }
    }
    return rows;
}

void writeReportTable(const QSqlDatabase &database, const QVector<ReportRow> &rows,
                      const std::function<void(int)> &progress)
{
    QStringList columns;
    for (const ReportKind &kind : reportKinds()) {
        for (int figure = 1; figure <= 3; ++figure)
            columns << QLatin1String(kind.prefix) + QString::number(figure);
    }
    Transaction transaction(database);
    runStatement(database, QStringLiteral("DELETE FROM UBB"));
    QSqlQuery insert(database);
    if (!insert.prepare(QStringLiteral("INSERT INTO UBB (myDate, %1) VALUES (?%2)")
                            .arg(columns.join(QStringLiteral(", ")),
                                 QStringLiteral(", ?").repeated(columns.size()))))
        throw DatabaseError(insert.lastError().text());
    int written = 0;
    for (const ReportRow &row : rows) {
        insert.addBindValue(row.period);
        for (const ReportFigures &figures : row.kinds) {
            insert.addBindValue(figures.documents);
            insert.addBindValue(figures.quantity);
            insert.addBindValue(figures.amount);
        }
        if (!insert.exec())
            throw DatabaseError(insert.lastError().text());
        if (progress)
            progress(++written);
    }
    transaction.commit();
}

QString periodTitle(ReportPeriod period)
{
    switch (period) {
    case ReportPeriod::Day: return QStringLiteral("操作日期");
    case ReportPeriod::Month: return QStringLiteral("操作月份");
    case ReportPeriod::Year: return QStringLiteral("操作年份");
    }
    return {};
}

QString reportDisplayStatement(ReportPeriod period)
{
    QStringList columns = {QStringLiteral("myDate AS ") + periodTitle(period)};
    for (const ReportKind &kind : reportKinds()) {
        const QString prefix = QLatin1String(kind.prefix);
        const QString title = QString::fromUtf8(kind.title);
        const char16_t *figures[] = {u"单数", u"数量", u"金额"};
        for (int figure = 0; figure < 3; ++figure) {
            columns << prefix + QString::number(figure + 1) + QStringLiteral(" AS ") + title
                           + QString::fromUtf16(figures[figure]);
        }
    }
    return QStringLiteral("SELECT %1 FROM UBB ORDER BY ID").arg(columns.join(QStringLiteral(", ")));
}
