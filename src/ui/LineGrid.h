#pragma once

#include "ui/LineGridModel.h"

#include <QTableView>

// How a document window lays out its line grid and moves through it.
struct LineGridLayout {
    QStringList titles;          // visible columns, "序号" first
    QList<int> widths;           // pixels, one per visible column
    int columnCount = 0;         // visible and hidden cells
    int codeColumn = 1;
    int priceColumn = 5;
    int quantityColumn = 6;
    int amountColumn = 7;
    QList<int> enterOrder = {1, 5, 6}; // Enter moves along these; after the last, to the next line
};

// The line grid of a document window: an editable table of lines 1–99 with the keyboard
// flow of the documents. Enter (or a double click) asks the window to look the line's
// item up, then moves along `enterOrder` when the line has a code; price and quantity
// take only digits and "."; the amount only Backspace; every key release recomputes
// the amount of the current line.
class LineGrid : public QTableView {
    Q_OBJECT
public:
    explicit LineGrid(LineGridLayout layout, QWidget *parent = nullptr);

    LineGridModel *lines() const { return m_lines; }
    const LineGridLayout &layout() const { return m_layout; }

    int currentLine() const;
    int currentColumn() const;
    void setCurrent(int line, int column);
    // Moves to column `codeColumn` of the next line; stays on line 99.
    void moveToNextLine();

    // An empty price or quantity becomes "0", the amount is price × quantity, and a line
    // whose code is empty is emptied with its hidden cells.
    void recomputeLine(int line);

    // Whether `text` may be typed into `column`.
    bool accepts(int column, const QString &text) const;

    // What Enter does on the current cell.
    void pressEnter();

Q_SIGNALS:
    // The window looks up the item of the current line (its myFindWP).
    void lookupRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    LineGridLayout m_layout;
    LineGridModel *m_lines;
};
