#include "store/LookupModel.h"

int LookupModel::rowOfKey(const QVariant &key) const
{
    const QString wanted = key.toString();
    for (int row = 0; row < rowCount(); ++row) {
        if (keyAt(row).toString() == wanted)
            return row;
    }
    return -1;
}
