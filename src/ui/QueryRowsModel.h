#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>
#include <QVector>

// The read-only rows of a list statement, fetched as the grid scrolls, so a list of a
// million lines costs what is on screen and fetched, not the whole table. The first
// page comes from the statement limited to one page, which the database answers
// without ordering every row; the rest comes from the whole statement when the grid
// scrolls past that page. Both agree only when the statement orders its rows
// completely: end its ORDER BY with a unique key.
//
// Column titles are the statement's aliases. Numbers show as they are, without
// rounding or float noise ("99999.99", "0.3"). The title of the column the list is
// sorted by can be marked in a colour and bold.
class QueryRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces the rows with the first page of the statement's. Throws DatabaseError
    // when the database refuses the statement.
    void setStatement(const QSqlDatabase &database, const QString &statement,
                      const QVariantList &values = {});

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent = {}) const override;
    void fetchMore(const QModelIndex &parent = {}) override;

    // The column with this title, or -1.
    int column(const QString &title) const { return int(m_titles.indexOf(title)); }
    // The value of a fetched row under a title; invalid for no such row or column.
    QVariant value(int row, const QString &title) const;

    // Marks one title (the sorted column); -1 marks none.
    void setTitleMark(int column, const QColor &colour);

    // Rows fetched at a time.
    static constexpr int kPageRows = 256;

private:
    using Row = QVector<QVariant>;
    QVector<Row> readPage(QSqlQuery &query) const;

    QSqlDatabase m_database;
    QString m_statement;
    QVariantList m_values;
    QStringList m_titles;
    QVector<Row> m_rows;
    QSqlQuery m_rest;      // the whole statement, opened at the first fetch past page one
    bool m_more = false;
    int m_markedColumn = -1;
    QColor m_markColour;
};
