// The period reports: periods of a range, the figures of each kind, the storage filter,
// the work table UBB, and the grouped computation against the per-period definition.
#include "ReportData.h"
#include "stock/PeriodReport.h"
#include "store/DatabaseError.h"
#include "store/Numbers.h"

#include <gtest/gtest.h>

namespace {

QDate date(const char *text)
{
    return QDate::fromString(text, "yyyy-MM-dd");
}

struct LabelCase {
    ReportPeriod period;
    const char *from;
    const char *to;
    QStringList labels; // all of them, or the first and the last when `count` is set
    int count = 0;
};

TEST(PeriodLabels, OneRowPerDayMonthOrYearTheRangeTouches)
{
    const LabelCase cases[] = {
        {ReportPeriod::Day, "2024-04-21", "2024-05-20", {"2024-04-21", "2024-05-20"}, 30},
        {ReportPeriod::Day, "2024-02-29", "2024-02-29", {"2024-02-29"}},
        {ReportPeriod::Month, "2024-03-15", "2024-03-15", {"2024-03"}},
        {ReportPeriod::Month, "2024-01-31", "2024-03-31", {"2024-01", "2024-02", "2024-03"}},
        {ReportPeriod::Month, "2024-07-01", "2024-08-31", {"2024-07", "2024-08"}},
        {ReportPeriod::Month, "2024-01-20", "2024-02-10", {"2024-01", "2024-02"}},
        {ReportPeriod::Month, "2023-11-30", "2024-01-01", {"2023-11", "2023-12", "2024-01"}},
        {ReportPeriod::Year, "2024-12-31", "2025-01-01", {"2024", "2025"}},
        {ReportPeriod::Year, "2024-01-01", "2024-12-31", {"2024"}},
        {ReportPeriod::Day, "2024-05-02", "2024-05-01", {}},
    };
    for (const LabelCase &c : cases) {
        const QStringList labels = periodLabels(c.period, {date(c.from), date(c.to)});
        SCOPED_TRACE(QString("%1 … %2").arg(c.from, c.to).toStdString());
        if (c.count) {
            ASSERT_EQ(labels.size(), c.count);
            EXPECT_EQ(labels.first(), c.labels.first());
            EXPECT_EQ(labels.last(), c.labels.last());
        } else {
            EXPECT_EQ(labels, c.labels);
        }
    }
}

TEST(PeriodLabels, InitialRangesComeFromTheLoginDate)
{
    const QDate login = date("2024-05-20");
    const DateRange daily = initialRange(ReportPeriod::Day, login);
    EXPECT_EQ(daily.from, date("2024-04-21"));
    EXPECT_EQ(daily.to, login);
    const DateRange monthly = initialRange(ReportPeriod::Month, login);
    EXPECT_EQ(monthly.from, date("2023-06-01"));
    EXPECT_EQ(monthly.to, date("2024-05-31"));
    const QStringList months = periodLabels(ReportPeriod::Month, monthly);
    EXPECT_EQ(months.size(), 12);
    EXPECT_EQ(months.last(), "2024-05");
    const DateRange yearly = initialRange(ReportPeriod::Year, login);
    EXPECT_EQ(yearly.from, date("2023-01-01"));
    EXPECT_EQ(yearly.to, date("2024-12-31"));
    EXPECT_EQ(periodLabels(ReportPeriod::Year, yearly), QStringList({"2023", "2024"}));
    // The end of a month that is longer than the month before.
    EXPECT_EQ(initialRange(ReportPeriod::Day, date("2024-03-31")).from, date("2024-03-01"));
}

struct PeriodReport : ::testing::Test {
    TestDatabase db;
    ReportDocuments documents{db.dm};
    PeriodReport() { addReportItems(db.dm); }

    QVector<ReportRow> compute(ReportPeriod period, const char *from, const char *to,
                               std::optional<QString> storage = std::nullopt)
    {
        return computePeriodReport(db.dm.database(), period, {date(from), date(to)}, storage);
    }
    QStringList ubbPeriods()
    {
        QStringList periods;
        QSqlQuery query = db.dm.select("SELECT myDate FROM UBB ORDER BY ID");
        while (query.next())
            periods << query.value(0).toString();
        return periods;
    }
};

TEST_F(PeriodReport, EachKindCountsLiveDocumentsAndValuesItsLinesAsItsOwn)
{
    // Requests: the item's price; a deleted line leaves the quantity but not the count.
    documents.add("USQ", "2024-05-01", {}, {{1, 2, 99}, {2, 5, 0, 1}});
    documents.add("USQ", "2024-05-01", {}, {{1, 7}}, 1); // deleted document
    // Purchases: the line's price, even though the supplier has no row.
    documents.add("UIn_CG", "2024-05-01", "一号库", {{1, 3, 9}});
    documents.add("UOut_LY", "2024-05-01", "一号库", {{2, 4, 3}});
    documents.add("UOut_JC", "2024-05-01", "二号库", {{1, 1, 0}});
    // Returns: the item's price; a storage without a row and a missing item still count.
    documents.add("UIn_GH", "2024-05-01", {}, {{2, 2, 0, 0, 99}, {4, 1}});
    documents.add("UOut_BS", "2024-05-01", "一号库", {{1, 1, 8}});
    documents.add("UOut_BS", "2024-05-01", "一号库", {}); // a document without lines

    const QVector<ReportRow> rows = compute(ReportPeriod::Day, "2024-04-30", "2024-05-02");
    ASSERT_EQ(rows.size(), 3);
    const ReportRow empty{"2024-04-30", {}};
    EXPECT_EQ(rows[0], empty);
    EXPECT_EQ(rows[2].period, "2024-05-02");
    EXPECT_EQ(rows[2].kinds, empty.kinds);
    const ReportRow expected{"2024-05-01",
                             {{{1, 2, 20}, {1, 3, 27}, {1, 4, 12}, {1, 1, 0}, {1, 3, 7}, {2, 1, 8}}}};
    EXPECT_EQ(rows[1], expected);
}

TEST_F(PeriodReport, StorageFilterLimitsPurchasesIssuesAndDamageOnly)
{
    for (const char *header : {"USQ", "UIn_CG", "UOut_LY", "UOut_JC", "UIn_GH", "UOut_BS"}) {
        documents.add(header, "2024-05-01", "一号库", {{3, 4, 1}});
        documents.add(header, "2024-05-01", "二号库", {{3, 4, 1}});
    }
    struct Case {
        std::optional<QString> storage;
        std::array<qint64, kReportKinds> documents;
    };
    const Case cases[] = {
        {std::nullopt, {2, 2, 2, 2, 2, 2}},
        {"一号库", {2, 1, 1, 1, 2, 1}},
        {"三号库", {2, 0, 0, 0, 2, 0}},
        {"", {2, 0, 0, 0, 2, 0}},
    };
    for (const Case &c : cases) {
        const QVector<ReportRow> rows = compute(ReportPeriod::Month, "2024-05-01", "2024-05-01", c.storage);
        ASSERT_EQ(rows.size(), 1);
        for (int k = 0; k < kReportKinds; ++k) {
            SCOPED_TRACE(c.storage.value_or("(none)").toStdString() + " " + reportKinds()[k].prefix);
            EXPECT_EQ(rows[0].kinds[k].documents, c.documents[k]);
            EXPECT_EQ(rows[0].kinds[k].quantity, 4 * c.documents[k]);
        }
    }
}

TEST_F(PeriodReport, MonthsAndYearsCoverWholeCalendarPeriods)
{
    documents.add("UIn_CG", "2024-01-05", "一号库", {{1, 1, 1}});
    documents.add("UIn_CG", "2024-02-25", "一号库", {{1, 2, 1}});
    documents.add("UIn_CG", "2024-03-31", "一号库", {{1, 4, 1}});
    const QVector<ReportRow> months = compute(ReportPeriod::Month, "2024-01-20", "2024-02-10");
    ASSERT_EQ(months.size(), 2);
    EXPECT_EQ(months[0].kinds[1], (ReportFigures{1, 1, 1}));
    EXPECT_EQ(months[1].kinds[1], (ReportFigures{1, 2, 2}));
    const QVector<ReportRow> years = compute(ReportPeriod::Year, "2023-06-01", "2024-01-01");
    ASSERT_EQ(years.size(), 2);
    EXPECT_EQ(years[1].kinds[1], (ReportFigures{3, 7, 7}));
}

TEST_F(PeriodReport, WorkTableHoldsOnlyTheLastRunAndSurvivesAFailedOne)
{
    documents.add("UOut_LY", "2024-05-01", "一号库", {{1, 1, 1}});
    writeReportTable(db.dm.database(), compute(ReportPeriod::Day, "2024-04-21", "2024-05-20"));
    EXPECT_EQ(ubbPeriods().size(), 30);
    EXPECT_EQ(db.value("SELECT LY1 FROM UBB WHERE myDate = '2024-05-01'").toInt(), 1);
    writeReportTable(db.dm.database(), compute(ReportPeriod::Month, "2023-06-01", "2024-05-31"));
    const QStringList months = ubbPeriods();
    ASSERT_EQ(months.size(), 12);
    EXPECT_EQ(months.first(), "2023-06");
    EXPECT_EQ(months.last(), "2024-05");

    // A run that fails half-way leaves the previous report whole.
    db.dm.myESQL("CREATE TRIGGER refuse BEFORE INSERT ON UBB WHEN NEW.myDate = '2024-04-25' "
                 "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    EXPECT_THROW(writeReportTable(db.dm.database(), compute(ReportPeriod::Day, "2024-04-21", "2024-05-20")),
                 DatabaseError);
    EXPECT_EQ(ubbPeriods(), months);
}

// The per-period definition: for every period and kind one count and one sum over the
// documents whose date lies in the period.
QVector<ReportRow> perPeriodReport(TestDatabase &db, ReportPeriod period, const DateRange &range,
                                   const std::optional<QString> &storage)
{
    const QString key = period == ReportPeriod::Day     ? "%1myDate"
                        : period == ReportPeriod::Month ? "substr(%1myDate,1,7)"
                                                        : "substr(%1myDate,1,4)";
    QVector<ReportRow> rows;
    for (const QString &label : periodLabels(period, range)) {
        ReportRow row{label, {}};
        for (int k = 0; k < kReportKinds; ++k) {
            const ReportKind &kind = reportKinds()[k];
            const bool byStorage = storage && kind.storageFiltered;
            QVariantList values = {label};
            if (byStorage)
                values << *storage;
            const QString storageCondition = byStorage ? " AND SName = ?" : "";
            row.kinds[k].documents =
                db.value(QString("SELECT COUNT(ID) FROM %1 WHERE theDel = 0 AND %2 = ?%3")
                             .arg(kind.header, key.arg(""), storageCondition), values)
                    .toLongLong();
            QSqlQuery sums = db.dm.select(
                QString("SELECT SUM(L.theCount), SUM(%1) FROM %2 L JOIN %3 H ON L.theNum = H.theNum "
                        "LEFT JOIN UArticle A ON A.ID = L.AID WHERE H.theDel = 0 AND L.theDel = 0 "
                        "AND %4 = ?%5")
                    .arg(kind.amount, kind.lines, kind.header, key.arg("H."), storageCondition),
                values);
            sums.next();
            row.kinds[k].quantity = roundMoney(sums.value(0).toDouble());
            row.kinds[k].amount = roundMoney(sums.value(1).toDouble());
        }
        rows << row;
    }
    return rows;
}

TEST_F(PeriodReport, GroupedComputationEqualsThePerPeriodDefinitionOnRandomData)
{
    documents.addRandom(20240521, date("2022-11-20"), date("2024-02-10"), 1500);
    const struct {
        ReportPeriod period;
        const char *from;
        const char *to;
    } ranges[] = {
        {ReportPeriod::Day, "2023-12-01", "2024-02-15"},
        {ReportPeriod::Month, "2022-11-25", "2024-01-03"},
        {ReportPeriod::Year, "2022-05-05", "2024-05-05"},
    };
    for (const auto &r : ranges) {
        for (const std::optional<QString> &storage : {std::optional<QString>(), std::optional<QString>("二号库")}) {
            const DateRange range{date(r.from), date(r.to)};
            SCOPED_TRACE(QString("%1 %2").arg(r.from, storage.value_or("")).toStdString());
            EXPECT_EQ(computePeriodReport(db.dm.database(), r.period, range, storage),
                      perPeriodReport(db, r.period, range, storage));
        }
    }
}

TEST_F(PeriodReport, RowsAddUpToTheDocumentsAndMonthsToTheirDays)
{
    documents.addRandom(7, date("2024-01-01"), date("2024-03-31"), 600);
    const QVector<ReportRow> days = compute(ReportPeriod::Day, "2024-01-01", "2024-03-31");
    ReportFigures purchases;
    for (const ReportRow &row : days) {
        purchases.documents += row.kinds[1].documents;
        purchases.quantity += row.kinds[1].quantity;
        purchases.amount += row.kinds[1].amount;
    }
    EXPECT_GT(purchases.documents, 50);
    EXPECT_EQ(purchases.documents, db.value("SELECT COUNT(*) FROM UIn_CG WHERE theDel = 0").toLongLong());
    const QString sums = "SELECT SUM(%1) FROM UIn_CG_Bill L JOIN UIn_CG H ON H.theNum = L.theNum "
                         "WHERE H.theDel = 0 AND L.theDel = 0";
    EXPECT_NEAR(purchases.quantity, db.value(sums.arg("L.theCount")).toDouble(), 1e-6);
    EXPECT_NEAR(purchases.amount, db.value(sums.arg("L.theCount*L.APrice")).toDouble(), 1e-6);

    const QVector<ReportRow> months = compute(ReportPeriod::Month, "2024-01-01", "2024-03-31");
    ASSERT_EQ(months.size(), 3);
    for (const ReportRow &month : months) {
        for (int k = 0; k < kReportKinds; ++k) {
            ReportFigures summed;
            for (const ReportRow &day : days) {
                if (day.period.startsWith(month.period)) {
                    summed.documents += day.kinds[k].documents;
                    summed.quantity += day.kinds[k].quantity;
                    summed.amount += day.kinds[k].amount;
                }
            }
            EXPECT_EQ(month.kinds[k].documents, summed.documents);
            EXPECT_NEAR(month.kinds[k].quantity, summed.quantity, 1e-6);
            EXPECT_NEAR(month.kinds[k].amount, summed.amount, 1e-6);
        }
    }
}

} // namespace
