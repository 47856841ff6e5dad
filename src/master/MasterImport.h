#pragma once

#include <QString>
#include <functional>

class SheetTable;
class TfrmDM;

// Imports of items (with an opening stock), persons and suppliers from the rows of a
// sheet. Every row is checked first — the column titles, the numbers, a storage when
// stock is saved — and then all rows are written in one transaction: all or nothing.

struct ImportOutcome {
    int added = 0;   // rows that became new items, persons or suppliers
    QString error;   // why nothing was written; empty on success
};

// Called now and then with the rows done and the rows in all.
using ImportProgress = std::function<void(int done, int total)>;

struct ItemImportOptions {
    bool saveStock = false;
    QString storageId; // the storage that receives the stock
    QString loginDate; // "yyyy-MM-dd": the date of new items and their codes
};

// Rows without a name are skipped; a row whose code is already an item adds only its
// stock; a row without a code gets the next free code of the login day.
ImportOutcome importItems(TfrmDM &dm, const SheetTable &sheet, const ItemImportOptions &options,
                          const ImportProgress &progress = {});
// Rows without a name, or whose staff number is already taken, are skipped; missing
// departments are created.
ImportOutcome importPersons(TfrmDM &dm, const SheetTable &sheet, const ImportProgress &progress = {});
// Rows without a name, or whose name is already a supplier, are skipped.
ImportOutcome importSuppliers(TfrmDM &dm, const SheetTable &sheet, const ImportProgress &progress = {});
