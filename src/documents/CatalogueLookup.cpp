#include "documents/CatalogueLookup.h"

#include "documents/LineFill.h"
#include "documents/Pickers.h"
#include "documents/TfrmA_In.h"
#include "store/AppContext.h"
#include "store/Numbers.h"
#include "store/TfrmDM.h"
#include "ui/Dialogs.h"
#include "ui/LineGrid.h"

CatalogueLookup::CatalogueLookup(AppServices services, LineGrid &grid, QWidget *window, WhenNone whenNone)
    : m_services(services), m_grid(grid), m_window(window), m_whenNone(whenNone)
{
}

void CatalogueLookup::run()
{
    LineGridModel &lines = *m_grid.lines();
    const int line = m_grid.currentLine();
    if (!lines.cell(line, kItemIdColumn).isEmpty())
        return;
    const QString text = lines.cell(line, m_grid.layout().codeColumn);
    const QStringList excluded = itemIdsOnDocument();

    TfrmFindArticle6 picker(m_services, text, excluded, m_window);
    if (picker.recordCount() == 0 && m_whenNone == WhenNone::SayNotFound) {
        m_services.dialogs.information(m_window, QStringLiteral("物品信息不存在，清重新选择！"), kProgramTitle);
        return;
    }
    if (picker.recordCount() == 0) {
        if (text.isEmpty() || !addOneToExistingLine(text))
            createItem(text);
        return;
    }
    auto record = [&picker](int row) {
        auto value = [&](const char *title) { return picker.value(row, QString::fromUtf8(title)); };
        return Record{value("物品编码").toString(), value("物品名称").toString(), value("规格型号").toString(),
                      value("单位").toString(), numberText(value("单价").toDouble()), value("备注").toString(),
                      value("ID").toString()};
    };
    if (picker.recordCount() == 1) {
        writeLine(line, record(0));
        m_grid.moveToNextLine();
        return;
    }
    if (picker.exec() != QDialog::Accepted)
        return;
    const QList<int> chosen = picker.chosenRows();
    if (chosen.size() == 1) {
        writeLine(line, record(chosen.first()));
        return;
    }
    // "全选": every record into the free lines from the current one down, up to line 99.
    const int unfitted = fillFreeLines(m_grid, line, true, int(chosen.size()), [&](int target, int index) {
        writeLine(target, record(chosen.at(index)));
    });
    reportUnfitted(m_services, m_window, unfitted);
}

void CatalogueLookup::writeLine(int line, const Record &record)
{
    LineGridModel &lines = *m_grid.lines();
    const LineGridLayout &layout = m_grid.layout();
    lines.setCell(line, layout.codeColumn, record.code);
    lines.setCell(line, 2, record.name);
    lines.setCell(line, 3, record.standard);
    lines.setCell(line, 4, record.unit);
    lines.setCell(line, layout.priceColumn, record.price);
    lines.setCell(line, layout.quantityColumn, QStringLiteral("1"));
    lines.setCell(line, layout.amountColumn, record.price);
    lines.setCell(line, 8, record.remark);
    lines.setCell(line, kItemIdColumn, record.id);
}

QStringList CatalogueLookup::itemIdsOnDocument() const
{
    QStringList ids;
    for (int line = 1; line <= LineGridModel::kLines; ++line) {
        const QString id = m_grid.lines()->cell(line, kItemIdColumn);
        if (!id.isEmpty())
            ids << id;
    }
    return ids;
}

// When the text names exactly one item and that item is already on the document, its
// line gets one more piece instead of a second line.
bool CatalogueLookup::addOneToExistingLine(const QString &text)
{
    QSqlQuery matches = m_services.dm.select(QStringLiteral("select ID from UArticle") + itemTextCondition(),
                                             itemTextValues(text));
    QStringList ids;
    while (matches.next())
        ids << matches.value(0).toString();
    if (ids.size() != 1)
        return false;
    LineGridModel &lines = *m_grid.lines();
    const LineGridLayout &layout = m_grid.layout();
    for (int line = 1; line <= LineGridModel::kLines; ++line) {
        if (lines.cell(line, kItemIdColumn) != ids.first())
            continue;
        const double quantity = parseNumber(lines.cell(line, layout.quantityColumn)).value_or(0) + 1;
        const double price = parseNumber(lines.cell(line, layout.priceColumn)).value_or(0);
        lines.setCell(line, layout.quantityColumn, numberText(quantity));
        lines.setCell(line, layout.amountColumn, numberText(price * quantity));
    }
    lines.setCell(m_grid.currentLine(), layout.codeColumn, QString());
    return true;
}

void CatalogueLookup::createItem(const QString &code)
{
    TfrmA_In dialog(m_services, code, m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TfrmA_In::Item &item = dialog.createdItem();
    writeLine(m_grid.currentLine(), {item.code, item.name, item.standard, item.unit, item.price,
                                     item.remark, item.id});
    m_grid.moveToNextLine();
}
