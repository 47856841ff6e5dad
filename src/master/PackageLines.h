#pragma once

#include "documents/DocumentRefusal.h"
#include "ui/AppServices.h"

#include <optional>

class LineGridModel;

// The lines of an item package as its line editor holds them: cells 1 code, 2 name,
// 3 standard, 4 unit, 5 price, 6 quantity, 7 amount (shown only), 8 remark, 9 item ID.
// A line counts when its code is not empty.
namespace PackageLines {

enum Column { Code = 1, Name, Standard, Unit, Price, Quantity, Amount, Remark, ItemId };
constexpr int kColumnCount = 10;

// Writes the stored lines of package `name` into lines 1, 2, …
void load(AppServices &services, const QString &name, LineGridModel &lines);

// The checks of a save, all before anything is written: some line, then per line an
// item, a quantity that is given, a number and above 0, then per line a price.
std::optional<DocumentRefusal> check(const LineGridModel &lines);

// Replaces the stored lines of package `name` with the counting lines, numbered 1, 2, …,
// in one transaction: a failed save leaves the stored lines as they were.
void save(AppServices &services, const QString &name, const LineGridModel &lines);

// Moves the lines of a package to its new name (inside the rename's transaction).
void rename(AppServices &services, const QString &oldName, const QString &newName);

} // namespace PackageLines
