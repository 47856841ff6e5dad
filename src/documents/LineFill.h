#pragma once

#include "ui/AppServices.h"

#include <functional>

class LineGrid;
class QWidget;

// Writes `count` records into the lines of `grid` from `first` down, skipping lines that
// already count, so nothing entered is overwritten; stops after line 99. The line of a
// lookup holds only the typed text: with `firstIsTarget` it is written whatever it
// holds. `write` gets the line and the record's index. Leaves the cursor on the line
// after the last one written and returns how many records did not fit.
int fillFreeLines(LineGrid &grid, int first, bool firstIsTarget, int count,
                  const std::function<void(int line, int record)> &write);

// Says how many records did not fit, when any.
void reportUnfitted(AppServices &services, QWidget *window, int unfitted);
