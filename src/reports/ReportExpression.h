#pragma once

#include "reports/ReportData.h"

#include <QString>
#include <QVariant>

// Where an expression is read: the report's data and, while the master band prints,
// the row it is printing.
struct ExpressionScope {
    const ReportData &data;
    QString masterSet;
    qsizetype masterRow = 0;
};

// The value of one expression:
//   Set.Field        the field in the data set's current row: the row being printed for
//                    the master data set, the first row for any other (null when empty)
//   a*b              the product of two or more numbers (null counts as 0)
//   12.5             a number
//   SUM(expression)  the sum of the expression over every row of the master data set;
//                    null when it has no rows, so an empty document shows empty totals
//   PrintTime        the moment of printing
// Throws ReportError for an unknown data set or field, or text that is no expression.
QVariant evaluate(const QString &expression, const ExpressionScope &scope);

// The value as a text box shows it. "%2.2n": two decimals with thousands separators
// ("1,234.50"); "%g": the number as a person writes it ("2.5"). Without a format, or
// for a value that is no number, the value shows as stored; null shows as empty text.
QString formatValue(const QVariant &value, const QString &format);

// The text of a box: its literal text with each "[expression]" replaced by the
// formatted value of the expression.
QString expandText(const QString &text, const QString &format, const ExpressionScope &scope);
