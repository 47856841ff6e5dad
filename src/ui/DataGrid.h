#pragma once

#include "ui/RowsModel.h"

#include <QTableView>

// A read-only grid over the rows of a query. With title sorting on, a click on a column
// title sorts the loaded rows: ascending (title red and bold), or descending (blue and
// bold) when that column was already sorted ascending.
class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget *parent = nullptr);

    RowsModel *rows() const { return m_rows; }
    void load(QSqlQuery &query);
    void setTitleSorting(bool on) { m_titleSorting = on; }
    void hideColumns(const QStringList &titles);
    void setColumnWidthByTitle(const QString &title, int width);

    // The record navigator's moves.
    enum class Move { First, Previous, Next, Last };
    void moveCursor(Move move);

    // The row the cursor is on, or -1.
    int currentRowNumber() const;
    QVariant currentValue(const QString &title) const;

    // What a click on the title of `column` does.
    void titleClick(int column);

private:
    RowsModel *m_rows;
    bool m_titleSorting = false;
    int m_sortedColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
