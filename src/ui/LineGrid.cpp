#include "ui/LineGrid.h"

#include "store/Numbers.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace {

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The cell editor: filters what a column takes and turns Enter into the grid's Enter.
class LineCellDelegate : public QStyledItemDelegate {
public:
    explicit LineCellDelegate(LineGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        auto *editor = static_cast<QLineEdit *>(QStyledItemDelegate::createEditor(parent, option, index));
        m_column = index.column();
        // Keep the model current while typing, so the amount follows every key.
        connect(editor, &QLineEdit::textEdited, this, [this, editor] {
            Q_EMIT const_cast<LineCellDelegate *>(this)->commitData(editor);
        });
        return editor;
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *editor = qobject_cast<QLineEdit *>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (isEnter(key->key())) {
                if (!m_grid->takesEnter(m_column))
                    return true;
                Q_EMIT commitData(editor);
                Q_EMIT closeEditor(editor, QAbstractItemDelegate::NoHint);
                m_grid->pressEnter();
                return true;
            }
            if (!m_grid->accepts(m_column, key->text()))
                return true;
        }
        if (editor && event->type() == QEvent::KeyRelease)
            m_grid->recomputeLine(m_grid->currentLine());
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    LineGrid *m_grid;
    mutable int m_column = 0;
};

} // namespace

LineGrid::LineGrid(LineGridLayout layout, QWidget *parent)
    : QTableView(parent), m_layout(std::move(layout)),
      m_lines(new LineGridModel(m_layout.titles, m_layout.columnCount, this))
{
    setModel(m_lines);
    setItemDelegate(new LineCellDelegate(this));
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(22);
    for (int column = 0; column < m_layout.widths.size(); ++column)
        setColumnWidth(column, m_layout.widths.at(column));
    for (int column = m_lines->visibleColumns(); column < m_layout.columnCount; ++column)
        setColumnHidden(column, true);
    connect(this, &QTableView::doubleClicked, this, [this] { Q_EMIT lookupRequested(); });
    setCurrent(1, m_layout.codeColumn);
}

int LineGrid::currentLine() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? LineGridModel::lineOf(index.row()) : 1;
}

int LineGrid::currentColumn() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.column() : m_layout.codeColumn;
}

void LineGrid::setCurrent(int line, int column)
{
    setCurrentIndex(m_lines->index(LineGridModel::rowOf(qBound(1, line, LineGridModel::kLines)), column));
}

void LineGrid::moveToNextLine()
{
    setCurrent(qMin(currentLine() + 1, int(LineGridModel::kLines)), m_layout.codeColumn);
}

CellKeys LineGrid::keysOf(int column) const
{
    if (column == m_layout.codeColumn && m_layout.itemLockedCode && m_layout.itemIdColumn >= 0
        && !m_lines->cell(currentLine(), m_layout.itemIdColumn).isEmpty())
        return CellKeys::BackspaceEnter;
    return m_layout.keys.value(column, CellKeys::Any);
}

bool LineGrid::accepts(int column, const QString &text) const
{
    const CellKeys keys = keysOf(column);
    if (keys == CellKeys::None)
        return false;
    if (text.isEmpty() || !text.at(0).isPrint())
        return true; // Backspace, arrows and other keys that type nothing
    switch (keys) {
    case CellKeys::Any: return true;
    case CellKeys::Number: return text.at(0).isDigit() || text == QStringLiteral(".");
    case CellKeys::Digits: return text.at(0).isDigit();
    case CellKeys::BackspaceEnter:
    case CellKeys::None: break;
    }
    return false;
}

bool LineGrid::takesEnter(int column) const
{
    return keysOf(column) != CellKeys::None;
}

int LineGrid::nextFreeLine(int line) const
{
    for (; line >= 1 && line <= LineGridModel::kLines; ++line) {
        if (!m_layout.counts(*m_lines, line))
            return line;
    }
    return 0;
}

void LineGrid::recomputeLine(int line)
{
    LineGridModel &cells = *m_lines;
    for (int column : m_layout.zeroWhenEmpty) {
        if (cells.cell(line, column).isEmpty())
            cells.setCell(line, column, QStringLiteral("0"));
    }
    const double price = parseNumber(cells.cell(line, m_layout.priceColumn)).value_or(0);
    const double quantity = parseNumber(cells.cell(line, m_layout.quantityColumn)).value_or(0);
    cells.setCell(line, m_layout.amountColumn, numberText(price * quantity));
    if (cells.cell(line, m_layout.codeColumn).isEmpty())
        cells.clearLine(line);
}

void LineGrid::pressEnter()
{
    const int column = currentColumn();
    Q_EMIT lookupRequested();
    // The lookup may have filled the line and moved on; look at the line it left us on.
    const int line = currentLine();
    const qsizetype step = m_layout.enterOrder.indexOf(column);
    if (step < 0 || !m_layout.counts(*m_lines, line))
        return;
    if (step + 1 < m_layout.enterOrder.size())
        setCurrent(line, m_layout.enterOrder.at(step + 1));
    else
        moveToNextLine();
}

void LineGrid::keyPressEvent(QKeyEvent *event)
{
    if (isEnter(event->key()) && state() != QAbstractItemView::EditingState) {
        if (takesEnter(currentColumn()))
            pressEnter();
        return;
    }
    if (!accepts(currentColumn(), event->text()))
        return;
    QTableView::keyPressEvent(event);
}

void LineGrid::keyReleaseEvent(QKeyEvent *event)
{
    QTableView::keyReleaseEvent(event);
    recomputeLine(currentLine());
}
