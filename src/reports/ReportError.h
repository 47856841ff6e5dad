#pragma once

#include <QString>
#include <stdexcept>

// A template that names a data set or field the report was not given, or an
// expression it cannot read: a fault of the template, not of the user's data.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString &text) : std::runtime_error(text.toStdString()) {}
};
