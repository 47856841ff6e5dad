#pragma once

#include <QString>
#include <optional>

// Quantities, prices and keys typed by users or stored as text go through these, so a
// number is read and shown the same way everywhere.

// The number in `text` (blanks around it allowed), or nothing when it is not a finite
// decimal number. Empty text is not a number.
std::optional<double> parseNumber(const QString &text);

// A whole number, or nothing.
std::optional<qlonglong> parseWholeNumber(const QString &text);

// A stored money or quantity value: rounded to four decimals.
double roundMoney(double value);

// The number as a person writes it: up to 15 significant digits, no trailing zeros,
// no exponent ("2.5", "-5", "0.1", "1234567.89").
QString numberText(double value);
