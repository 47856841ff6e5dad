#include "ui/RowsModel.h"

#include <QColor>
#include <QCollator>
#include <QFont>
#include <QSqlRecord>
#include <algorithm>

void RowsModel::load(QSqlQuery &query)
{
    beginResetModel();
    m_titles.clear();
    m_rows.clear();
    m_markedColumn = -1;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        m_titles << record.fieldName(i);
    while (query.next()) {
        QVector<QVariant> row(record.count());
        for (int i = 0; i < record.count(); ++i)
            row[i] = query.value(i);
        m_rows.append(row);
    }
    endResetModel();
}

int RowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RowsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_titles.size());
}

QVariant RowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_rows.at(index.row()).at(index.column());
}

QVariant RowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_titles.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_titles.at(section);
    if (section == m_markedColumn && role == Qt::ForegroundRole)
        return m_markColour;
    if (section == m_markedColumn && role == Qt::FontRole) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return {};
}

void RowsModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= m_titles.size())
        return;
    QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
    collator.setNumericMode(true);
    Q_EMIT layoutAboutToBeChanged();
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const auto &a, const auto &b) {
        const int compared = collator.compare(a.at(column).toString(), b.at(column).toString());
        return order == Qt::AscendingOrder ? compared < 0 : compared > 0;
    });
    Q_EMIT layoutChanged();
}

QVariant RowsModel::value(int row, const QString &title) const
{
    const int col = column(title);
    if (row < 0 || row >= m_rows.size() || col < 0)
        return {};
    return m_rows.at(row).at(col);
}

void RowsModel::setValue(int row, const QString &title, const QVariant &value)
{
    const int col = column(title);
    if (row < 0 || row >= m_rows.size() || col < 0)
        return;
    m_rows[row][col] = value;
    Q_EMIT dataChanged(index(row, col), index(row, col));
}

void RowsModel::removeRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows({}, row, row);
    m_rows.remove(row);
    endRemoveRows();
}

void RowsModel::setTitleMark(int column, const QColor &colour)
{
    m_markedColumn = column;
    m_markColour = colour;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, int(m_titles.size()) - 1);
}
