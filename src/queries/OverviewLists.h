#pragma once

#include "queries/FilteredList.h"
#include "store/Schema.h"

// The nine overview lists (一览表): every live line of every live document of one kind
// as one flat row, with filters, state buttons (loans and requisitions) and totals.

enum class OverviewKind {
    Loan, Requisition, Purchase, ReturnToSupplier, ReturnOfLoan, Damage, Surplus, Request,
    Transfer,
};

// The filtered-list configuration of a kind: columns, joins, filters, states, sums.
FilteredListConfig overviewConfig(OverviewKind kind, SqlEngine engine = SqlEngine::SQLite);

// The captions of the loan and requisition lists' state buttons.
inline const QString kAllState = QStringLiteral("全部");
inline const QString kNotReturnedState = QStringLiteral("未还");
inline const QString kReturnedState = QStringLiteral("已还");
inline const QString kOverdueState = QStringLiteral("超出归还天数");

// The conditions of the loan list on "超出归还天数" with no filter ticked, for the user's
// storages: what the start-up alert counts, so it never disagrees with the list it opens.
ListConditions overdueLoanConditions(const QStringList &storages, SqlEngine engine = SqlEngine::SQLite);
