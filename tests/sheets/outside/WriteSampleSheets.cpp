// Writes one workbook of each export layout into the folder given as the argument and
// prints "layout=path" per file, for check_export.py to read with openpyxl.
#include "sheets/SheetExport.h"
#include "support/ScriptedDialogs.h"

#include <QCoreApplication>
#include <QStandardItemModel>

#include <iostream>

namespace {

void fill(QStandardItemModel &model, const QStringList &titles, const QList<QStringList> &rows)
{
    model.setColumnCount(int(titles.size()));
    model.setHorizontalHeaderLabels(titles);
    for (const QStringList &row : rows) {
        QList<QStandardItem *> items;
        for (const QString &text : row)
            items << new QStandardItem(text);
        model.appendRow(items);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: write_sample_sheets FOLDER\n";
        return 2;
    }
    ScriptedDialogs dialogs;
    SheetExporter exporter(dialogs, "晴川朔禾信息科技有限公司", QString::fromLocal8Bit(argv[1]));

    const SheetMember titled{
        .window = "SampleList",
        .layout = SheetLayout::Titled,
        .titleText = "报损物品一览表",
        .columns = {{"编号", 8, true}, {"出库名称", 12, false, "出库仓库"}, {"数量", 8},
                    {"金额"}},
        .sums = {"数量", "金额"},
        .landscape = true,
    };
    QStandardItemModel rows;
    fill(rows, {"编号", "出库仓库", "数量", "金额"},
         {{"0012", "物品仓库", "2", "10.5"}, {"2024-03-01", "二号库", "3", "4"}});
    QStandardItemModel totals;
    fill(totals, {"数量", "金额"}, {{"5", "14.5"}});
    const QString titledPath = exporter.exportList(titled, rows, &totals);

    const SheetMember plain{.window = "SamplePlain",
                            .layout = SheetLayout::Plain,
                            .titleText = "物品信息",
                            .columns = {{"物品编码", 0, true}, {"物品名称"}},
                            .numberWidth = 0};
    QStandardItemModel items;
    fill(items, {"物品名称", "物品编码"}, {{"订书机", "0001"}});
    const QString plainPath = exporter.exportList(plain, items);

    QStandardItemModel purchases;
    fill(purchases, {"采购日期", "供应商", "采购人", "数量", "单价", "金额", "备注"},
         {{"2024-03-01", "文具店", "张三", "10", "12.5", "125", ""}});
    const QString movementPath = exporter.exportMovementRecord(
        {"订书机", "A4", "个", "12.5", "物品仓库", "30"},
        {&purchases, nullptr, nullptr, nullptr, nullptr, nullptr});

    std::cout << "titled=" << titledPath.toStdString() << "\nplain=" << plainPath.toStdString()
              << "\nmovement=" << movementPath.toStdString() << "\n";
    return titledPath.isEmpty() || plainPath.isEmpty() || movementPath.isEmpty() ? 1 : 0;
}
