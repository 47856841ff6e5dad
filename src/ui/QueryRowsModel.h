#pragma once

#include <QColor>
#include <QSqlQueryModel>

// The read-only rows of a list statement, fetched from the open statement as the grid
// scrolls, so a list of a million lines costs what is on screen and fetched, not the
// whole table. Column titles are the statement's aliases. Numbers show as they are,
// without rounding or float noise ("99999.99", "0.3"). The title of the column the
// list is sorted by can be marked in a colour and bold.
class QueryRowsModel : public QSqlQueryModel {
    Q_OBJECT
public:
    using QSqlQueryModel::QSqlQueryModel;

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The column with this title, or -1.
    int column(const QString &title) const;
    // The value of a fetched row under a title; invalid for no such row or column.
    QVariant value(int row, const QString &title) const;

    // Marks one title (the sorted column); -1 marks none.
    void setTitleMark(int column, const QColor &colour);
    int markedColumn() const { return m_markedColumn; }

private:
    int m_markedColumn = -1;
    QColor m_markColour;
};
