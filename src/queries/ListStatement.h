#pragma once

#include "store/Schema.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

// The statements of a filtered list, without widgets. The list statement and the totals
// statement are both made from one ListStatement and one ListConditions, so the totals
// always count exactly the rows the list shows.

// One AND condition with its bound values, e.g. {"(AName like ? or thePY like ?)", {p, p}}.
struct SqlCondition {
    QString text;
    QVariantList values = {};
};

// The AND conditions of one search, in the order they were added.
class ListConditions {
public:
    void add(const SqlCondition &condition) { m_conditions.append(condition); }
    void add(const std::optional<SqlCondition> &condition)
    {
        if (condition)
            add(*condition);
    }
    // " AND c1 AND c2 ...", empty without conditions.
    QString text() const;
    QVariantList values() const;

private:
    QList<SqlCondition> m_conditions;
};

// One column of the list: the statement's expression and the alias that is its title.
struct ListColumn {
    QString expression;
    QString title;
    int width = 0;       // pixels; 0 keeps the grid's default
    bool hidden = false; // read by commands (AID, SID, ID), not shown
};

// How a sum is shown in the status strip.
enum class SumFormat {
    Number, // as the number is, without rounding ("12.5")
    Money,  // two decimals with thousands separators ("1,234.50")
};

// One sum of the totals statement and its label in the status strip.
struct ListSum {
    QString expression; // e.g. "theCount*thePrice"
    QString title;      // the alias; the export's totals row finds it by this name
    QString label;      // e.g. "金额："
    SumFormat format = SumFormat::Number;
};

// A bound statement: its text and the values of its "?" in order.
struct BoundStatement {
    QString text;
    QVariantList values;
};

// Which way a title click sorts.
enum class SortDirection { Ascending, Descending };

struct ListSort {
    QString title; // the alias of the sorted column
    SortDirection direction = SortDirection::Ascending;
};

// The alias under which the totals statement counts the rows.
inline const QString kRecordCountTitle = QStringLiteral("RecordCount");

// The fixed parts of a list's statements.
struct ListStatement {
    QList<ListColumn> columns;
    QString from;      // " from ... INNER JOIN ..."
    QString where;     // the base condition, " Where (...)"
    QString order;     // the default row order, " order by ..."; may be empty
    // A unique column (the line's ID), the last key of every order, so that the order is
    // complete and the grid's first page agrees with the rows fetched after it.
    QString key;
    QList<ListSum> sums;
    SqlEngine engine = SqlEngine::SQLite; // for the pinyin order of a title-click sort

    // "select columns" + from + where + conditions + the order: the title-click sort when
    // given (by the database, text in pinyin order), else the default order; the key last.
    BoundStatement listStatement(const ListConditions &conditions,
                                 const std::optional<ListSort> &sort = std::nullopt) const;
    // "select count(*) as RecordCount, sum(...) as ..." over the same from, where and
    // conditions, without an order: one row.
    BoundStatement totalsStatement(const ListConditions &conditions) const;
    // "select 1" over the same rows, stopping at the first: does the list have rows?
    BoundStatement anyRowStatement(const ListConditions &conditions) const;
};

// The storage restriction on `column` for the user's storages. Overview lists apply it
// always, so a user without storages sees no rows; the stock list only when the user
// has storages listed.
enum class StorageRule { Always, WhenListed };
std::optional<SqlCondition> storageCondition(const QString &column, const QStringList &storages,
                                             StorageRule rule);

// The text of a sum or total as the strip shows it: an empty (NULL) sum shows as "0".
QString sumText(const QVariant &value, SumFormat format = SumFormat::Number);
