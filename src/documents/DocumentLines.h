#pragma once

#include "documents/DocumentRefusal.h"

#include <QList>
#include <QString>
#include <optional>

class LineGridModel;

// What the saves of the documents share: the cells every line has (code … remark) and
// the reading of them. The return, transfer, request and surplus lines hold the item ID
// in cell 9 and count only when it is there.
namespace DocumentLines {

enum Column { Code = 1, Name, Standard, Unit, Price, Quantity, Amount, Remark, ItemId };

// A refused save: the message and the objectName of the field to focus.
using CheckFailure = DocumentRefusal;

inline const QString kGrid = QStringLiteral("StringGrid1");

// The lines 1–99 that hold an item, top to bottom.
QList<int> itemLines(const LineGridModel &lines);

// "code name", as the messages about a line name it.
QString lineLabel(const LineGridModel &lines, int line);

// Every line's quantity must be a number greater than 0: the first that is not gives
// label + " 数量不能小于或等于0！" (or " 数量不是有效的数字！"), the label being
// `lineLabel` or, with `codeOnly`, the code alone.
std::optional<CheckFailure> checkQuantities(const LineGridModel &lines, const QList<int> &itemLines,
                                            bool codeOnly = false);

// Every line's price must be empty or a number: " 单价不是有效的数字！".
std::optional<CheckFailure> checkPrices(const LineGridModel &lines, const QList<int> &itemLines);

// The number in a cell, rounded to four decimals as stored; empty text gives 0.
double cellNumber(const LineGridModel &lines, int line, int column);

} // namespace DocumentLines
