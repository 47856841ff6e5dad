#pragma once

#include "sheets/SheetExport.h"

#include <QStringView>

// The export description of every list window that has one. A window exports with
//     SheetExporter(dialogs, context.OrgName).exportList(sheetMember(u"TfrmP_Q"), model);
// Adding a window is adding its row to the table in SheetMembers.cpp.
const QList<SheetMember> &sheetMembers();

// The member of a window's class; throws std::out_of_range for a window without one.
const SheetMember &sheetMember(QStringView window);
