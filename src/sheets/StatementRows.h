#pragma once

#include "sheets/SheetExport.h"

#include <QSqlQuery>

// The rows of a statement's result for the exporter, read forward one by one, so a long
// list goes to the sheet without being held. `size` is the row count the caller knows
// (from the list's totals statement). Numbers show as the lists show them.
class StatementRows : public SheetRows {
public:
    StatementRows(QSqlQuery query, qint64 size);

    QStringList titles() const override;
    qint64 size() const override { return m_size; }
    bool next() override { return m_query.next(); }
    QString text(int column) const override;

private:
    QSqlQuery m_query;
    qint64 m_size;
};
