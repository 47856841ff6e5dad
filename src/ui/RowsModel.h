#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <QVector>

// The rows of a query, loaded whole, for grids that sort in memory on a title click and
// that edit their rows in place after a save. Column titles are the query's aliases.
class RowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces everything with the query's columns and rows.
    void load(QSqlQuery &query);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The column with this title, or -1.
    int column(const QString &title) const { return int(m_titles.indexOf(title)); }
    QVariant value(int row, const QString &title) const;
    void setValue(int row, const QString &title, const QVariant &value);
    void removeRow(int row);

    // The title colours of the last title-click sort (see DataGrid).
    void setTitleMark(int column, const QColor &colour);

private:
    QStringList m_titles;
    QVector<QVector<QVariant>> m_rows;
    int m_markedColumn = -1;
    QColor m_markColour;
};
