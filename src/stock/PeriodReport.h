#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QStringList>
#include <QVector>

#include <array>
#include <functional>
#include <optional>

// The daily, monthly and yearly reports: per period the number of live documents of six
// kinds and the quantity and amount of their live lines, kept in the work table UBB.

enum class ReportPeriod { Day, Month, Year };

// The six kinds in the order of UBB's columns and the grid: requests, purchases,
// requisitions, loans, returns of loans, damage.
inline constexpr int kReportKinds = 6;

struct ReportFigures {
    qint64 documents = 0;
    double quantity = 0;
    double amount = 0;
    bool operator==(const ReportFigures &) const = default;
};

struct ReportRow {
    QString period; // "yyyy-MM-dd", "yyyy-MM" or "yyyy"
    std::array<ReportFigures, kReportKinds> kinds;
    bool operator==(const ReportRow &) const = default;
};

struct DateRange {
    QDate from;
    QDate to;
};

// The range a report window starts with, from the login date: the last month up to the
// login day, the twelve months up to the login month, or the login year and the one before.
DateRange initialRange(ReportPeriod period, const QDate &loginDate);

// One label per day, calendar month or calendar year that the range touches, in order.
QStringList periodLabels(ReportPeriod period, const DateRange &range);

// The figures of every period of the range, zeros where nothing happened. With a storage,
// purchases, requisitions, loans and damage count only documents of that storage.
// Per kind one count and one sum statement, each grouped by the period.
QVector<ReportRow> computePeriodReport(const QSqlDatabase &database, ReportPeriod period,
                                       const DateRange &range,
                                       const std::optional<QString> &storage = std::nullopt);

// Replaces the content of UBB with `rows` in one transaction: after a failure the table
// holds the previous report. `progress` hears the number of rows written so far.
void writeReportTable(const QSqlDatabase &database, const QVector<ReportRow> &rows,
                      const std::function<void(int)> &progress = {});

// What a report kind counts, for the statements and for tests that check them.
struct ReportKind {
    const char *prefix;   // UBB column prefix, "CG"
    const char *title;    // grid title prefix, "采购"
    const char *header;   // document header table
    const char *lines;    // document line table
    const char *amount;   // amount of one line (L = lines, A = UArticle)
    bool needsArticle;    // the amount reads the item's current price
    bool storageFiltered; // the storage filter applies
};
const std::array<ReportKind, kReportKinds> &reportKinds();

// The grid's statement over UBB, with the period column titled for `period`.
QString reportDisplayStatement(ReportPeriod period);
QString periodTitle(ReportPeriod period);
