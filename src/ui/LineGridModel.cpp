#include "ui/LineGridModel.h"

LineGridModel::LineGridModel(QStringList titles, int columnCount, QObject *parent)
    : QAbstractTableModel(parent), m_titles(std::move(titles)), m_columns(columnCount)
{
    m_cells.resize(kLines);
    reset();
}

QString LineGridModel::cell(int line, int column) const
{
    if (line < 1 || line > kLines || column < 0 || column >= m_columns)
        return {};
    return m_cells.at(rowOf(line)).at(column);
}

void LineGridModel::setCell(int line, int column, const QString &text)
{
    if (line < 1 || line > kLines || column < 0 || column >= m_columns)
        return;
    m_cells[rowOf(line)][column] = text;
    const QModelIndex changed = index(rowOf(line), column);
    Q_EMIT dataChanged(changed, changed);
}

void LineGridModel::clearLine(int line)
{
    if (line < 1 || line > kLines)
        return;
    QStringList &cells = m_cells[rowOf(line)];
    for (int column = 1; column < m_columns; ++column)
        cells[column].clear();
    Q_EMIT dataChanged(index(rowOf(line), 0), index(rowOf(line), m_columns - 1));
}

void LineGridModel::reset()
{
    beginResetModel();
    for (int row = 0; row < kLines; ++row) {
        QStringList cells;
        cells.reserve(m_columns);
        cells << QString::number(lineOf(row));
        for (int column = 1; column < m_columns; ++column)
            cells << QString();
        m_cells[row] = cells;
    }
    endResetModel();
}

int LineGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kLines;
}

int LineGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant LineGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_cells.at(index.row()).at(index.column());
}

bool LineGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    setCell(lineOf(index.row()), index.column(), value.toString());
    return true;
}

Qt::ItemFlags LineGridModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (index.column() > 0 && index.column() < visibleColumns())
        result |= Qt::ItemIsEditable;
    return result;
}

QVariant LineGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < m_titles.size())
        return m_titles.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
