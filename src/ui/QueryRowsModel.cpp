#include "ui/QueryRowsModel.h"

#include "store/Numbers.h"

#include <QFont>
#include <QSqlRecord>

QVariant QueryRowsModel::data(const QModelIndex &index, int role) const
{
    const QVariant value = QSqlQueryModel::data(index, role == Qt::DisplayRole ? Qt::EditRole : role);
    if (role == Qt::DisplayRole && value.typeId() == QMetaType::Double)
        return numberText(value.toDouble());
    return value;
}

QVariant QueryRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section == m_markedColumn) {
        if (role == Qt::ForegroundRole)
            return m_markColour;
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
    }
    return QSqlQueryModel::headerData(section, orientation, role);
}

int QueryRowsModel::column(const QString &title) const
{
    return record().indexOf(title);
}

QVariant QueryRowsModel::value(int row, const QString &title) const
{
    const int col = column(title);
    if (row < 0 || row >= rowCount() || col < 0)
        return {};
    return QSqlQueryModel::data(index(row, col), Qt::EditRole);
}

void QueryRowsModel::setTitleMark(int column, const QColor &colour)
{
    m_markedColumn = column;
    m_markColour = colour;
    if (columnCount() > 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}
