#pragma once

#include "ui/LineGrid.h"

// The line grid of the documents whose lines must hold an item (all but purchase-in):
// the nine visible columns "序号" … "备注", the item ID in cell 9 and `columnCount`
// cells in all. A line counts when it holds an item; its code then takes only
// Backspace and Enter (unless `lockedCode` is off), name, standard, unit and price take
// no key, the quantity a number, the amount only Backspace and Enter. Enter moves from
// the code to the quantity and from the quantity to the next line; an emptied quantity
// becomes "0".
LineGridLayout issueGrid(int columnCount, bool lockedCode = true);
