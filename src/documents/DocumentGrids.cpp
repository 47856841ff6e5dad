#include "documents/DocumentGrids.h"

#include "documents/DocumentLines.h"

using namespace DocumentLines;

LineGridLayout issueGrid(int columnCount, bool lockedCode)
{
    LineGridLayout layout;
    layout.titles = {QStringLiteral("序号"), QStringLiteral("物品编码"), QStringLiteral("物品名称"),
                     QStringLiteral("规格型号"), QStringLiteral("单位"), QStringLiteral("单价"),
                     QStringLiteral("数量"), QStringLiteral("金额"), QStringLiteral("备注")};
    layout.widths = {30, 100, 200, 100, 60, 70, 60, 80, 100};
    layout.columnCount = columnCount;
    layout.enterOrder = {Code, Quantity};
    layout.keys = {{Name, CellKeys::None},       {Standard, CellKeys::None},  {Unit, CellKeys::None},
                   {Price, CellKeys::None},      {Quantity, CellKeys::Number}, {Amount, CellKeys::BackspaceEnter}};
    layout.itemIdColumn = ItemId;
    layout.itemLockedCode = lockedCode;
    layout.countingColumn = ItemId;
    layout.zeroWhenEmpty = {Quantity};
    return layout;
}
