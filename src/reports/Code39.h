#pragma once

#include <QList>
#include <QString>
#include <optional>

// Code 39 symbols, encoded by libzint, without check character.

// Whether every character of `text` is one Code 39 can hold: digits, upper-case
// letters and "-. $/+%". Empty text is not.
bool code39CanEncode(const QString &text);

// The bars of a symbol from its left edge, in the symbol's own units.
struct Code39Bars {
    struct Bar {
        double left;
        double width;
    };
    QList<Bar> bars;
    double width = 0; // the whole symbol
};
// The bars for `text`, or nothing when Code 39 cannot encode it.
std::optional<Code39Bars> code39Bars(const QString &text);
