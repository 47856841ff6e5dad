#include "ui/QueryRowsModel.h"

#include "store/Numbers.h"
#include "store/SqlStatement.h"

#include <QFont>
#include <QSqlRecord>

void QueryRowsModel::setStatement(const QSqlDatabase &database, const QString &statement,
                                  const QVariantList &values)
{
    QSqlQuery firstPage = runStatement(database, statement + QStringLiteral(" LIMIT %1").arg(kPageRows),
                                       values, ResultRows::ForwardOnly);
    beginResetModel();
    m_database = database;
    m_statement = statement;
    m_values = values;
    m_rest = QSqlQuery();
    m_titles.clear();
    const QSqlRecord record = firstPage.record();
    for (int i = 0; i < record.count(); ++i)
        m_titles << record.fieldName(i);
    m_rows = readPage(firstPage);
    m_more = m_rows.size() == kPageRows;
    endResetModel();
}

QVector<QueryRowsModel::Row> QueryRowsModel::readPage(QSqlQuery &query) const
{
    QVector<Row> page;
    while (page.size() < kPageRows && query.next()) {
        Row row(m_titles.size());
        for (int i = 0; i < m_titles.size(); ++i)
            row[i] = query.value(i);
        page.append(row);
    }
    return page;
}

bool QueryRowsModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_more;
}

void QueryRowsModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    if (!m_rest.isActive()) {
        m_rest = runStatement(m_database, m_statement, m_values, ResultRows::ForwardOnly);
        for (qsizetype skipped = 0; skipped < m_rows.size() && m_rest.next(); ++skipped) {
        }
    }
    const QVector<Row> page = readPage(m_rest);
    m_more = page.size() == kPageRows;
    if (page.isEmpty())
        return;
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + page.size() - 1));
    m_rows += page;
    endInsertRows();
}

int QueryRowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int QueryRowsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_titles.size());
}

QVariant QueryRowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const QVariant value = m_rows.at(index.row()).at(index.column());
    if (role == Qt::DisplayRole && value.typeId() == QMetaType::Double)
        return numberText(value.toDouble());
    return value;
}

QVariant QueryRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
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

QVariant QueryRowsModel::value(int row, const QString &title) const
{
    const int col = column(title);
    if (row < 0 || row >= m_rows.size() || col < 0)
        return {};
    return m_rows.at(row).at(col);
}

void QueryRowsModel::setTitleMark(int column, const QColor &colour)
{
    m_markedColumn = column;
    m_markColour = colour;
    if (!m_titles.isEmpty())
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, int(m_titles.size()) - 1);
}
