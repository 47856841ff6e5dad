#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// Runs one statement with `values` bound to its "?" in order and returns the query,
// positioned before its first row. A statement the engine refuses throws DatabaseError
// with the engine's text. A null QString binds as '' (an empty text box gives one),
// so only an invalid QVariant stores NULL. Forward-only results are cheaper for
// statements read once from top to bottom.
enum class ResultRows { Scrollable, ForwardOnly };
QSqlQuery runStatement(const QSqlDatabase &database, const QString &statement,
                       const QVariantList &values = {},
                       ResultRows rows = ResultRows::Scrollable);

// Binds `values` to the "?" of the prepared `query` in order, replacing earlier values,
// and runs it. A failure throws DatabaseError with the engine's text and `statement`.
void execPrepared(QSqlQuery &query, const QString &statement, const QVariantList &values);

// The LIKE pattern of the search boxes: rows whose column contains `text`. A "%" or "_"
// typed by the user still acts as a wildcard, as it always has.
inline QString containing(const QString &text)
{
    return QLatin1Char('%') + text + QLatin1Char('%');
}
