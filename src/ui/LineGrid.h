#pragma once

#include "ui/LineGridModel.h"

#include <QHash>
#include <QTableView>

// What a column of the line grid lets the user type.
enum class CellKeys {
    Any,            // every key
    Number,         // digits, ".", Backspace and Enter
    Digits,         // digits, Backspace and Enter
    BackspaceEnter, // Backspace and Enter only
    None,           // no key at all, not even Enter
};

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
    // What each column takes; a column not listed takes every key.
    QHash<int, CellKeys> keys = {{5, CellKeys::Number}, {6, CellKeys::Number}, {7, CellKeys::BackspaceEnter}};
    // The hidden cell of the item ID, or -1.
    int itemIdColumn = -1;
    // On a line that holds an item the code cell takes only Backspace and Enter.
    bool itemLockedCode = true;
    // The cell whose text makes a line count (is saved, moves on with Enter): the code
    // for purchase-in, the item ID for the documents whose lines must hold an item.
    int countingColumn = 1;
    // Cells a key release fills with "0" when they are empty.
    QList<int> zeroWhenEmpty = {5, 6};

    // Whether `line` of `cells` counts (see countingColumn).
    bool counts(const LineGridModel &cells, int line) const { return !cells.cell(line, countingColumn).isEmpty(); }
};

// The line grid of a document window: an editable table of lines 1–99 with the keyboard
// flow of the documents. Enter (or a double click) asks the window to look the line's
// item up, then moves along `enterOrder` when the line counts; each column takes the
// keys its layout allows; every key release fills the `zeroWhenEmpty` cells and
// recomputes the amount of the current line.
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

    // The `zeroWhenEmpty` cells that are empty become "0", the amount is price ×
    // quantity, and a line whose code is empty is emptied with its hidden cells.
    void recomputeLine(int line);

    // Whether `text` may be typed into `column` of the current line.
    bool accepts(int column, const QString &text) const;
    // Whether Enter does anything in `column` of the current line.
    bool takesEnter(int column) const;

    // The first line from `line` on (up to 99) that does not count, or 0 when none.
    int nextFreeLine(int line) const;

    // What Enter does on the current cell.
    void pressEnter();

Q_SIGNALS:
    // The window looks up the item of the current line (its myFindWP).
    void lookupRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    CellKeys keysOf(int column) const;

    LineGridLayout m_layout;
    LineGridModel *m_lines;
};
