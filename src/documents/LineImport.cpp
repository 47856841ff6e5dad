#include "documents/LineImport.h"

#include "documents/PurchaseIn.h"
#include "sheets/WorkbookReader.h"
#include "store/AppContext.h"
#include "ui/Dialogs.h"
#include "ui/LineGridModel.h"

void importPurchaseLines(AppServices &services, QWidget *parent, LineGridModel &lines)
{
    const QString file = services.dialogs.openFileName(
        parent, QStringLiteral("导入采购物品信息"), QString(),
        QStringLiteral("Excel文件(*.xls *.xlsx);;Excel文件(*.xls);;Excel文件(*.xlsx)"));
    if (file.isEmpty())
        return;
    const SheetReadResult sheet = readSheet1(file);
    if (!sheet.ok()) {
        services.dialogs.information(parent, sheet.error, kProgramTitle);
        return;
    }
    const char *titles[] = {"物品编码", "物品名称", "规格型号", "单位", "单价", "数量", "金额", "备注"};
    const int rows = sheet.table.rowCount();
    const int imported = qMin(rows, int(LineGridModel::kLines));
    for (int row = 0; row < imported; ++row) {
        const int line = row + 1;
        lines.clearLine(line);
        for (int column = PurchaseIn::Code; column <= PurchaseIn::Remark; ++column)
            lines.setCell(line, column, sheet.table.value(row, QString::fromUtf8(titles[column - 1])));
    }
    if (rows > imported) {
        services.dialogs.information(
            parent, QStringLiteral("单据最多 99 行，Excel 中有 %1 行物品未能导入！").arg(rows - imported), kProgramTitle);
    }
}
