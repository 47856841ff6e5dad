#include "documents/StockLookup.h"

#include "documents/LineFill.h"
#include "documents/Pickers.h"
#include "store/AppContext.h"
#include "store/Numbers.h"
#include "ui/Dialogs.h"
#include "ui/LineGrid.h"

using namespace IssueDocument;

void writeStockLine(LineGridModel &lines, int line, const StockLineRecord &record, const StockLineRules &rules)
{
    const double quantity = parseNumber(record.quantity).value_or(0);
    const QString price = rules.zeroPrice ? QStringLiteral("0") : record.price;
    lines.setCell(line, Code, record.code);
    lines.setCell(line, Name, record.name);
    lines.setCell(line, Standard, record.standard);
    lines.setCell(line, Unit, record.unit);
    lines.setCell(line, Price, price);
    lines.setCell(line, Quantity, record.quantity);
    lines.setCell(line, Amount, numberText(parseNumber(price).value_or(0) * quantity));
    lines.setCell(line, Remark, record.remark);
    lines.setCell(line, rules.columns.itemId, record.itemId);
    lines.setCell(line, rules.columns.stock, record.stock);
    if (rules.columns.loanDays >= 0)
        lines.setCell(line, rules.columns.loanDays, rules.loanDays);
}

StockLookup::StockLookup(AppServices services, LineGrid &grid, QWidget *window, Mode mode, QString storageId,
                         QString storageName)
    : m_services(services), m_grid(grid), m_window(window), m_mode(std::move(mode)),
      m_storageId(std::move(storageId)), m_storageName(std::move(storageName))
{
}

void StockLookup::run()
{
    LineGridModel &lines = *m_grid.lines();
    const int line = m_grid.currentLine();
    if (!lines.cell(line, m_mode.rules.columns.itemId).isEmpty())
        return;
    const TfrmFindArticle7::Search search{lines.cell(line, Code), m_storageId, m_storageName,
                                          itemIdsOnDocument(), m_mode.positiveOnly};
    TfrmFindArticle7 picker(m_services, search, m_window);
    if (picker.recordCount() == 0) {
        if (search.text.isEmpty() || !addOneToExistingLine(search.text)) {
            m_services.dialogs.information(m_window, QStringLiteral("物品不存在或已选择！请重新录入！"),
                                           kProgramTitle);
        }
        return;
    }
    auto record = [&picker](int row) {
        auto value = [&](const char *title) { return picker.value(row, QString::fromUtf8(title)); };
        return StockLineRecord{value("物品编码").toString(), value("物品名称").toString(),
                               value("规格型号").toString(), value("单位").toString(),
                               numberText(value("单价").toDouble()), QStringLiteral("1"),
                               value("备注").toString(), value("AID").toString(),
                               numberText(value("库存数量").toDouble())};
    };
    if (picker.recordCount() == 1) {
        StockLineRecord only = record(0);
        if (!m_mode.remarkOnOneMatch)
            only.remark.clear();
        writeStockLine(lines, line, only, m_mode.rules);
        m_grid.moveToNextLine();
        return;
    }
    if (picker.exec() != QDialog::Accepted)
        return;
    const QList<int> chosen = picker.chosenRows();
    if (chosen.size() == 1) {
        writeStockLine(lines, line, record(chosen.first()), m_mode.rules);
        return;
    }
    const int unfitted = fillFreeLines(m_grid, line, true, int(chosen.size()), [&](int target, int index) {
        writeStockLine(lines, target, record(chosen.at(index)), m_mode.rules);
    });
    reportUnfitted(m_services, m_window, unfitted);
}

QStringList StockLookup::itemIdsOnDocument() const
{
    QStringList ids;
    for (int line = 1; line <= LineGridModel::kLines; ++line) {
        const QString id = m_grid.lines()->cell(line, m_mode.rules.columns.itemId);
        if (!id.isEmpty())
            ids << id;
    }
    return ids;
}

// When the text names exactly one item in stock and it is already on the document, its
// line gets one more piece instead of a second line.
bool StockLookup::addOneToExistingLine(const QString &text)
{
    const QStringList ids = TfrmFindArticle7::matchingIds(
        m_services, {text, m_storageId, m_storageName, {}, m_mode.positiveOnly});
    if (ids.size() != 1)
        return false;
    LineGridModel &lines = *m_grid.lines();
    bool found = false;
    for (int line = 1; line <= LineGridModel::kLines; ++line) {
        if (lines.cell(line, m_mode.rules.columns.itemId) != ids.first())
            continue;
        const double quantity = parseNumber(lines.cell(line, Quantity)).value_or(0) + 1;
        const double price = parseNumber(lines.cell(line, Price)).value_or(0);
        lines.setCell(line, Quantity, numberText(quantity));
        lines.setCell(line, Amount, numberText(price * quantity));
        found = true;
    }
    if (found)
        lines.setCell(m_grid.currentLine(), Code, QString());
    return found;
}
