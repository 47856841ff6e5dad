#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class TfrmDM;

// A group of tables "数据清空" empties together: a document kind's header and lines, or
// a kind of master data.
struct ClearingGroup {
    QString name;       // the check box and the warning name it: "采购单"
    QStringList tables; // emptied in this order
};

// Every group, in the order the clearing walks them.
const std::vector<ClearingGroup> &clearingGroups();

// Empties the tables of one group in one transaction: all of them or none.
void clearGroup(TfrmDM &dm, const ClearingGroup &group);
