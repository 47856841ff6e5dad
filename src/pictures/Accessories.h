#pragma once

#include <QString>

class TfrmDM;

// Accessories of an item (UAccessory). UArticle.FJCount is the sum of their counts: each
// change writes the accessory row and the count in one transaction.

// Adds an accessory and raises the item's FJCount by `count`. Throws InputError when
// the count is not a whole number.
void addAccessory(TfrmDM &dm, int articleId, const QString &name, const QString &count, const QString &remark);

// Deletes accessory row `accessoryId` and lowers its item's FJCount by its count, both
// read from the stored row.
void deleteAccessory(TfrmDM &dm, int accessoryId);
