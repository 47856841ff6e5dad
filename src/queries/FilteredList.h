#pragma once

#include "queries/ListStatement.h"
#include "ui/AppServices.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class LookupModel;
class QAbstractButton;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;
class QueryRowsModel;

// The filtered list: the shape of the overview lists and of the stock list.
//
//   +- group box (caption) --------------------------+  ( ) state  ( ) state ...
//   | [x] filter [control]  [x] filter [control] ... |  [查询] [Excel] [退出]
//   +------------------------------------------------+
//   | grid: read-only rows, fetched as it scrolls                         |
//   记录：n   sum label：s   sum label：s ...
//
// A window is a FilteredListConfig plus its own commands:
// - filters: a check box and a text box (LIKE on one or more columns, "%" and "_" act
//   as wildcards), a lookup list (column = chosen text) or two date pickers (both ends
//   included). Typing, picking or changing a date ticks the filter; Enter in a text
//   box searches. A lookup may refill another lookup (departments → their persons).
// - state radio buttons ("未还", "超出归还天数", "低于最低库存" ...): none is chosen at
//   opening; clicking one searches with its condition after the filters.
// - the storage restriction on one column, always or only when the user has storages.
// - "查询" runs the list statement and then the totals statement, both built from the
//   same conditions (searchConditions below); the status strip shows the record label
//   with the row count and every sum label with its sum.
// - a click on a column title sorts by that column in the database: ascending with the
//   title red and bold, a second click descending in blue; text in pinyin order,
//   numbers as numbers. A new search keeps the sort.
// - "Excel" (enabled by the first search, guarded by RightExport) streams the rows in
//   the shown order from the statement into the sheet of the window's export member,
//   with the 合计 row from the totals; a progress bar shows on long exports and a list
//   longer than a sheet holds is refused before anything is written.
// - the pop-up menu of the grid is the window's (setContextMenu); it is attached by the
//   first search. Commands read the current row with currentValue(title).
// Windows call chooseState() to open on a preset state (the start-up alerts do).

enum class FilterKind { Text, Lookup, Dates };

struct ListFilter {
    QString caption; // of the check box, exact ("编       号")
    FilterKind kind;
    // Text: the columns compared with LIKE, any of them matching; Lookup: the column
    // equal to the chosen text; Dates: the date column.
    QStringList columns;
    // Fills a Lookup filter's list when the window is made.
    std::function<std::unique_ptr<LookupModel>(TfrmDM &)> lookup = {};
    // A Lookup of departments: the caption of the Lookup filter that picking here
    // refills with the department's persons.
    QString refillsPersonsOf = {};
};

// The state of one filter as the controls hold it: ticked, and the text, the chosen
// text or (Dates) the from and to dates as "yyyy-MM-dd".
struct FilterValue {
    bool ticked = false;
    QString text = {};
    QString to = {};
};

// One radio button and the condition it adds after the filters; an empty condition
// adds nothing ("全部").
struct ListState {
    QString caption;
    QString condition;
};

struct FilteredListConfig {
    QString objectName;   // "frmYLB_JC"
    QString caption;      // of the window
    QString groupCaption; // of the filters' group box
    ListStatement statement;
    QList<ListFilter> filters;
    QString storageColumn = {}; // empty: no storage restriction
    StorageRule storageRule = StorageRule::Always;
    QList<ListState> states = {};
    QString recordLabel;        // "借用记录："
    QString exportWindow;       // the window's row of the export table (SheetMembers)
};

// The conditions of a search: the storage restriction, the ticked filters in their
// order, then the chosen state (`state` -1: none).
ListConditions searchConditions(const FilteredListConfig &config, const QStringList &storages,
                                const QList<FilterValue> &filters, int state);

// The condition of one ticked filter.
SqlCondition filterCondition(const ListFilter &filter, const FilterValue &value);

class FilteredList : public QWidget {
    Q_OBJECT
public:
    FilteredList(AppServices services, FilteredListConfig config, QWidget *parent = nullptr);
    ~FilteredList() override;

    const FilteredListConfig &config() const { return m_config; }
    QTableView *grid() const { return m_grid; }
    QueryRowsModel *rows() const { return m_rows; }
    // The one row of the totals statement of the last search.
    QueryRowsModel *totals() const { return m_totals; }
    // The row count of the last search, from the totals statement.
    qint64 recordCount() const { return m_recordCount; }
    // The conditions of the last search, for commands that work on the rows listed.
    const ListConditions &searchedConditions() const { return m_searched; }
    QStringList statusTexts() const;

    // The filters' values as the controls hold them.
    QList<FilterValue> filterValues() const;
    // Sets a filter's control and ticks it: Text and Lookup take `text`, Dates `text`
    // and `to`. For tests and callers that open a list on a given filter.
    void setFilter(const QString &caption, const FilterValue &value);

    // The chosen state radio button, -1 for none.
    int chosenState() const;
    // Checks the state button with this caption and searches, as a click does.
    void chooseState(const QString &caption);

    // The pop-up menu of the grid, attached at the first search.
    void setContextMenu(QMenu *menu) { m_contextMenu = menu; }
    // The value under `title` in the current row; invalid without a current row.
    QVariant currentValue(const QString &title) const;

    // What a click on the title of `column` does.
    void titleClick(int column);
    const std::optional<ListSort> &sort() const { return m_sort; }

public Q_SLOTS:
    void search();     // "查询"
    void exportList(); // "Excel"

protected:
    AppServices m_services;

private:
    struct FilterControls;
    QWidget *buildFilters();
    QWidget *buildButtons();
    void runListStatement();
    void showTotals();
    ListConditions conditions() const;

    FilteredListConfig m_config;
    std::vector<std::unique_ptr<FilterControls>> m_filters;
    QList<QAbstractButton *> m_states;
    QTableView *m_grid;
    QueryRowsModel *m_rows;
    QueryRowsModel *m_totals;
    QList<QLabel *> m_status;
    QPushButton *m_export = nullptr;
    QMenu *m_contextMenu = nullptr;
    ListConditions m_searched; // of the last search: sorts and exports show the same rows
    std::optional<ListSort> m_sort;
    qint64 m_recordCount = 0;
};
