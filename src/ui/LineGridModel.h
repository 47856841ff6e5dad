#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

// The lines of a document as text cells: lines 1–99, column 0 the line number, then the
// visible columns ("物品编码" … "备注") and the hidden cells that travel with each line
// (item ID, request line ID, …), numbered as the windows number them.
class LineGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kLines = 99;

    // `titles` are the visible columns from "序号" on; `columnCount` includes the hidden ones.
    LineGridModel(QStringList titles, int columnCount, QObject *parent = nullptr);

    int visibleColumns() const { return int(m_titles.size()); }

    QString cell(int line, int column) const;
    void setCell(int line, int column, const QString &text);
    // Empties every cell of the line but its number.
    void clearLine(int line);
    // Numbers every line and empties every other cell.
    void reset();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Model row of a line and back: line 1 is row 0.
    static int rowOf(int line) { return line - 1; }
    static int lineOf(int row) { return row + 1; }

private:
    QStringList m_titles;
    int m_columns;
    QVector<QStringList> m_cells; // [row][column]
};
