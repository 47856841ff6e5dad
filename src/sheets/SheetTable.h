#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// The rows of a worksheet read by column titles: the first non-empty row of the sheet
// holds the titles, every later row that holds a value under a title is one row. All
// values are text. Rows keep only the cells that hold something, so a wide, sparse
// sheet costs memory by its content, not by its extent.
class SheetTable {
public:
    // Collects the cells of a sheet in any order and makes the table from them.
    class Builder {
    public:
        // Row and column count from 0; a later cell at the same place replaces the earlier.
        void addCell(int row, int column, const QString &text);
        SheetTable table();

    private:
        struct Cell {
            int row;
            int column;
            int order; // arrival, so that the later of two cells at one place wins
            QString text;
        };
        QList<Cell> m_cells;
    };

    // The non-empty column titles, in the sheet's column order.
    const QStringList &titles() const { return m_titles; }
    int rowCount() const { return int(m_rows.size()); }
    // The index into titles() of the first column with this title (blanks around a title
    // are ignored), or -1.
    int columnOf(const QString &title) const;
    // The value in row `row` under titles()[column]; empty when the cell is empty.
    QString value(int row, int column) const;
    // The value under the column titled `title`; empty when there is no such column.
    QString value(int row, const QString &title) const;

private:
    using Row = QList<std::pair<int, QString>>; // (title index, value), by title index
    QStringList m_titles;
    QList<Row> m_rows;
};
