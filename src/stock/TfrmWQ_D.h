#pragma once

#include "stock/StockQuery.h"
#include "ui/AppServices.h"

#include <QDialog>

class QCheckBox;
class QDateEdit;
class QProgressBar;

// The item movement report: writes a sheet with one row per row of the stock list it
// was opened from (in the list's order) and, per row, the quantities of the ten kinds
// of movement, optionally within a period of document dates.
class TfrmWQ_D : public QDialog {
    Q_OBJECT
public:
    // `search` is the last search of the stock list the report was opened from.
    TfrmWQ_D(AppServices services, StockQuery::StockListSearch search, QWidget *parent = nullptr);

    QCheckBox *dateBox() const { return m_dateBox; }
    QDateEdit *fromDate() const { return m_from; }
    QDateEdit *toDate() const { return m_to; }
    QProgressBar *progress() const { return m_progress; }

public Q_SLOTS:
    void exportReport(); // Excel

private:
    AppServices m_services;
    const StockQuery::StockListSearch m_search;
    QCheckBox *m_dateBox;
    QDateEdit *m_from;
    QDateEdit *m_to;
    QProgressBar *m_progress;
};
