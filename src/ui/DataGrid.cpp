#include "ui/DataGrid.h"

#include <QHeaderView>

DataGrid::DataGrid(QWidget *parent) : QTableView(parent), m_rows(new RowsModel(this))
{
    setModel(m_rows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    verticalHeader()->setDefaultSectionSize(22);
    horizontalHeader()->setSectionsClickable(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (m_titleSorting)
            titleClick(column);
    });
}

void DataGrid::load(QSqlQuery &query)
{
    m_rows->load(query);
    m_sortedColumn = -1;
    for (int column = 0; column < m_rows->columnCount(); ++column)
        setColumnHidden(column, false);
    if (m_rows->rowCount() > 0)
        setCurrentIndex(m_rows->index(0, 0));
}

void DataGrid::hideColumns(const QStringList &titles)
{
    for (const QString &title : titles) {
        const int column = m_rows->column(title);
        if (column >= 0)
            setColumnHidden(column, true);
    }
}

void DataGrid::setColumnWidthByTitle(const QString &title, int width)
{
    const int column = m_rows->column(title);
    if (column >= 0)
        setColumnWidth(column, width);
}

void DataGrid::moveCursor(Move move)
{
    const int rows = m_rows->rowCount();
    if (rows == 0)
        return;
    const int current = currentRowNumber();
    int target = 0;
    switch (move) {
    case Move::First: target = 0; break;
    case Move::Previous: target = qMax(0, current - 1); break;
    case Move::Next: target = qMin(rows - 1, current + 1); break;
    case Move::Last: target = rows - 1; break;
    }
    setCurrentIndex(m_rows->index(target, 0));
}

int DataGrid::currentRowNumber() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() : -1;
}

QVariant DataGrid::currentValue(const QString &title) const
{
    return m_rows->value(currentRowNumber(), title);
}

void DataGrid::titleClick(int column)
{
    const bool wasAscending = m_sortedColumn == column && m_sortOrder == Qt::AscendingOrder;
    m_sortedColumn = column;
    m_sortOrder = wasAscending ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_rows->sort(column, m_sortOrder);
    m_rows->setTitleMark(column, wasAscending ? QColor(Qt::blue) : QColor(Qt::red));
}
