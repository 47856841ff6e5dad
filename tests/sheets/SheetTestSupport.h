#pragma once

#include <QString>

#include <ostream>

// The folder of the committed workbooks that the reader tests read.
inline QString sheetFixture(const QString &name)
{
    return QStringLiteral(SHEET_FIXTURES_DIR "/") + name;
}

// GoogleTest shows QStrings as text.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
