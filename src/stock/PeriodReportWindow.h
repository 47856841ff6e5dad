#pragma once

#include "sheets/SheetExport.h"
#include "stock/PeriodReport.h"
#include "ui/AppServices.h"

#include <QWidget>

class DataGrid;
class LookupComboBox;
class QCheckBox;
class QDateEdit;
class QProgressBar;
class QPushButton;

// The period report window: the date range, the storage filter, the progress bar, the
// rows of UBB in period order and the export. "统计" fills UBB anew.
class PeriodReportWindow : public QWidget {
    Q_OBJECT
public:
    PeriodReportWindow(AppServices services, ReportPeriod period, QWidget *parent = nullptr);

    DataGrid *grid() const { return m_grid; }
    DateRange range() const;
    // The export layout of the report of `period`.
    static SheetMember sheetMember(ReportPeriod period);

public Q_SLOTS:
    void run();         // "统计"
    void exportSheet(); // "Excel"

private:
    QWidget *buildConditions();
    void showTable();

    AppServices m_services;
    ReportPeriod m_period;
    QDateEdit *m_from;
    QDateEdit *m_to;
    QCheckBox *m_storageBox;
    LookupComboBox *m_storage;
    QProgressBar *m_progress;
    DataGrid *m_grid;
    QPushButton *m_export;
};

// "日报表", "月报表", "年报表".
class TfrmBB_D : public PeriodReportWindow {
    Q_OBJECT
public:
    explicit TfrmBB_D(AppServices services, QWidget *parent = nullptr);
};
class TfrmBB_M : public PeriodReportWindow {
    Q_OBJECT
public:
    explicit TfrmBB_M(AppServices services, QWidget *parent = nullptr);
};
class TfrmBB_Y : public PeriodReportWindow {
    Q_OBJECT
public:
    explicit TfrmBB_Y(AppServices services, QWidget *parent = nullptr);
};
