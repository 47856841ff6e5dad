#pragma once

#include <QDialog>
#include <QSqlQuery>

class DataGrid;

// The common picker: a read-only grid over one query in alternating light green and
// tooltip colours, sorted by a title click; Enter or a double click chooses the current
// record, Esc closes without a choice, other typing is ignored. With "全选 &A" on, the
// grid's pop-up menu chooses every record.
class PickerDialog : public QDialog {
    Q_OBJECT
public:
    PickerDialog(const QString &caption, QWidget *parent = nullptr);

    // Shows the rows of `query`, hides the columns titled in `hidden` and gives the
    // visible ones `widths` in order.
    void load(QSqlQuery &query, const QStringList &hidden, const QList<int> &widths);
    void enableSelectAll();

    DataGrid *grid() const { return m_grid; }
    int recordCount() const;
    QVariant value(int row, const QString &title) const;

    // The rows chosen when the dialog closed: one, all of them, or none.
    const QList<int> &chosenRows() const { return m_chosen; }

public Q_SLOTS:
    void myLoad();   // chooses the current record
    void A1Click();  // chooses every record

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    DataGrid *m_grid;
    QList<int> m_chosen;
};
