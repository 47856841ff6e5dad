#include "sheets/SheetTable.h"

#include <QHash>

#include <algorithm>

void SheetTable::Builder::addCell(int row, int column, const QString &text)
{
    if (!text.isEmpty())
        m_cells.append({row, column, int(m_cells.size()), text});
}

SheetTable SheetTable::Builder::table()
{
    std::sort(m_cells.begin(), m_cells.end(), [](const Cell &a, const Cell &b) {
        return std::tie(a.row, a.column, a.order) < std::tie(b.row, b.column, b.order);
    });
    // Of two cells at one place the later one stays.
    const auto sameSpot = [](const Cell &a, const Cell &b) {
        return a.row == b.row && a.column == b.column;
    };
    const auto duplicate = std::unique(m_cells.rbegin(), m_cells.rend(), sameSpot);
    m_cells.erase(m_cells.begin(), duplicate.base());

    SheetTable table;
    if (m_cells.isEmpty())
        return table;

    // The first row with a value holds the titles; columns without a title cannot be
    // addressed and are left out.
    const int titleRow = m_cells.first().row;
    QHash<int, int> titleIndexOfColumn;
    auto cell = m_cells.cbegin();
    for (; cell != m_cells.cend() && cell->row == titleRow; ++cell) {
        const QString title = cell->text.trimmed();
        if (title.isEmpty())
            continue;
        titleIndexOfColumn.insert(cell->column, int(table.m_titles.size()));
        table.m_titles.append(title);
    }

    int currentRow = -1;
    for (; cell != m_cells.cend(); ++cell) {
        const auto titleIndex = titleIndexOfColumn.constFind(cell->column);
        if (titleIndex == titleIndexOfColumn.cend())
            continue;
        if (cell->row != currentRow) {
            table.m_rows.append(Row());
            currentRow = cell->row;
        }
        table.m_rows.last().append({titleIndex.value(), cell->text});
    }
    m_cells.clear();
    return table;
}

int SheetTable::columnOf(const QString &title) const
{
    return int(m_titles.indexOf(title.trimmed()));
}

QString SheetTable::value(int row, int column) const
{
    if (row < 0 || row >= m_rows.size())
        return QString();
    const Row &cells = m_rows.at(row);
    // Cells sit in column order and title indexes rise with the columns.
    const auto found = std::lower_bound(cells.cbegin(), cells.cend(), column,
        [](const std::pair<int, QString> &cell, int wanted) { return cell.first < wanted; });
    return found != cells.cend() && found->first == column ? found->second : QString();
}

QString SheetTable::value(int row, const QString &title) const
{
    const int column = columnOf(title);
    return column < 0 ? QString() : value(row, column);
}
