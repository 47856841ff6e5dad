#pragma once

#include "stock/Statistics.h"
#include "ui/AppServices.h"

#include <QWidget>

class DataGrid;
class LookupComboBox;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class RowsModel;

// The statistics window: the period, category and name filters and the kind's own
// person, department or storage filters, the return radio buttons of requisitions and
// loans, the grouped rows with their totals below, the lists of items and persons
// without documents, and the export. Nothing is computed before "统计".
class StatisticsWindow : public QWidget {
    Q_OBJECT
public:
    StatisticsWindow(AppServices services, const StatisticsKind &kind, QWidget *parent = nullptr);

    const StatisticsKind &kind() const { return m_kind; }
    DataGrid *grid() const { return m_grid; }
    // The filters as the widgets hold them.
    StatisticsFilter filter() const;
    std::optional<DateSpan> dates() const;

public Q_SLOTS:
    void run();             // "统计"
    void exportSheet();     // "Excel"
    void showUnusedItems(); // "未借用物品 &A"
    void showUnusedPersons();

private:
    // A check box with its drop-down list; picking from the list ticks the box.
    struct LookupFilter {
        QCheckBox *box = nullptr;
        LookupComboBox *lookup = nullptr;
    };
    QWidget *buildFilters();
    QWidget *buildReturnButtons();
    LookupFilter lookupFilter(const QString &caption, const char *boxName, const char *lookupName);
    std::optional<QString> chosen(const LookupFilter &filter) const;
    void showTotals();
    void addUnusedMenu();

    AppServices m_services;
    const StatisticsKind &m_kind;
    QCheckBox *m_dateBox;
    QDateEdit *m_from;
    QDateEdit *m_to;
    LookupFilter m_category;
    QCheckBox *m_nameBox;
    QLineEdit *m_name;
    LookupFilter m_first;  // purchaser/returner, or department
    LookupFilter m_second; // storage, or requisitioner/borrower
    QRadioButton *m_notReturned = nullptr;
    QRadioButton *m_returned = nullptr;
    DataGrid *m_grid;
    RowsModel *m_totals;
    QList<QLabel *> m_totalLabels;
    QPushButton *m_export;
    bool m_menuAdded = false;
};

// The six statistics windows.
class TfrmTJ_CG : public StatisticsWindow {
    Q_OBJECT
public:
    explicit TfrmTJ_CG(AppServices services, QWidget *parent = nullptr);
};
class TfrmTJ_TH : public StatisticsWindow {
    Q_OBJECT
public:
    explicit TfrmTJ_TH(AppServices services, QWidget *parent = nullptr);
};
class TfrmTJ_LY : public StatisticsWindow {
    Q_OBJECT
public:
    explicit TfrmTJ_LY(AppServices services, QWidget *parent = nullptr);
};
class TfrmTJ_JY : public StatisticsWindow {
    Q_OBJECT
public:
    explicit TfrmTJ_JY(AppServices services, QWidget *parent = nullptr);
};
class TfrmTJ_BS : public StatisticsWindow {
    Q_OBJECT
public:
    explicit TfrmTJ_BS(AppServices services, QWidget *parent = nullptr);
};
class TfrmTJ_BY : public StatisticsWindow {
    Q_OBJECT
public:
    explicit TfrmTJ_BY(AppServices services, QWidget *parent = nullptr);
};
