#pragma once

#include "support/QtPrinters.h"

#include <QString>


// The folder of the committed workbooks that the reader tests read.
inline QString sheetFixture(const QString &name)
{
    return QStringLiteral(SHEET_FIXTURES_DIR "/") + name;
}

