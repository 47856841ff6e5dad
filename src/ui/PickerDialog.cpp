#include "ui/PickerDialog.h"

#include "ui/DataGrid.h"

#include <QAction>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

// Paints the records of a picker in turn light green (the first, third, …) and in the
// tooltip colour; the empty area below them keeps the normal background.
class RecordColours : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->backgroundBrush = index.row() % 2 == 0
            ? QColor(191, 255, 223)
            : QToolTip::palette().color(QPalette::ToolTipBase);
    }
};

} // namespace

PickerDialog::PickerDialog(const QString &caption, QWidget *parent)
    : QDialog(parent), m_grid(new DataGrid)
{
    setWindowTitle(caption);
    resize(820, 420);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setTitleSorting(true);
    m_grid->setAlternatingRowColors(false);
    m_grid->setItemDelegate(new RecordColours(m_grid));
    m_grid->installEventFilter(this);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &PickerDialog::myLoad);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
}

void PickerDialog::load(QSqlQuery &query, const QStringList &hidden, const QList<int> &widths)
{
    m_grid->load(query);
    m_grid->hideColumns(hidden);
    int next = 0;
    for (int column = 0; column < m_grid->rows()->columnCount() && next < widths.size(); ++column) {
        if (!m_grid->isColumnHidden(column))
            m_grid->setColumnWidth(column, widths.at(next++));
    }
}

void PickerDialog::enableSelectAll()
{
    auto *all = new QAction(QStringLiteral("全选 &A"), m_grid);
    all->setObjectName(QStringLiteral("A1"));
    connect(all, &QAction::triggered, this, &PickerDialog::A1Click);
    m_grid->addAction(all);
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
}

int PickerDialog::recordCount() const
{
    return m_grid->rows()->rowCount();
}

QVariant PickerDialog::value(int row, const QString &title) const
{
    return m_grid->rows()->value(row, title);
}

void PickerDialog::myLoad()
{
    const int row = m_grid->currentRowNumber();
    if (row < 0)
        return;
    m_chosen = {row};
    accept();
}

void PickerDialog::A1Click()
{
    if (recordCount() == 0)
        return;
    m_chosen.clear();
    for (int row = 0; row < recordCount(); ++row)
        m_chosen << row;
    accept();
}

bool PickerDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            myLoad();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            reject();
            return true;
        }
        if (!key->text().isEmpty() && key->text().at(0).isPrint())
            return true; // typing does nothing here
    }
    return QDialog::eventFilter(watched, event);
}

void PickerDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_grid->setFocus();
}
