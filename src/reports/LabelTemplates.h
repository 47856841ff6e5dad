#pragma once

#include "reports/ReportTemplate.h"

// The item labels. The barcode labels print every column of UArticle for the chosen
// items from the data sets frxDB_TM and frxDB_TMA4; the QR label prints one row of
// frxDB_ZDY with the columns Code, Type, Name, Standard, Unit, Price and Picture (the
// file of the QR symbol).

// One 60 × 30 mm label per page: name, category, unit, standard (model), price and the
// Code 39 symbol of the item code.
ReportTemplate frxR_TM();
// The same labels on A4, three columns of ten.
ReportTemplate frxR_TMA4();
// The 90 × 35 mm QR label: the symbol on the left, six lines of the item on the right.
ReportTemplate frxR_ZDY();

inline const QString kQrLabelSet = QStringLiteral("frxDB_ZDY");
