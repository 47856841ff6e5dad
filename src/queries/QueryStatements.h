#pragma once

#include "queries/QueryKinds.h"
#include "store/SqlStatement.h"

#include <QVariantList>

// The statements of a query window, built from its kind and the state of its filters.
// Every typed or chosen value is bound; only the fixed names of the kind go into the text.

// One filter as the window holds it. Texts: what is typed or chosen; dates: the pair.
struct QueryFilterValue {
    bool ticked = false;
    QString text = {};
    QString from = {}, to = {}; // "yyyy-MM-dd"
};

// The live documents the ticked filters select (a filter per entry of kind.filters, in
// order), newest number first. A ticked text filter left empty selects every row; "%"
// and "_" typed into one act as wildcards. Restricted kinds list only documents of the
// user's storages, none when the user has none.
BoundStatement masterStatement(const QueryKind &kind, const QList<QueryFilterValue> &filters,
                          const QStringList &userStorages);
// The number of documents masterStatement lists.
BoundStatement countStatement(const QueryKind &kind, const QList<QueryFilterValue> &filters,
                         const QStringList &userStorages);
// Total count and amount of every live line of the documents dated from..to (the strip
// of the purchase-in and return-to-supplier windows), whatever the other filters say.
BoundStatement totalsStatement(const QueryKind &kind, const QString &from, const QString &to);
// The live lines of document `number`: the six common columns, the kind's own and the
// hidden ones the commands read.
BoundStatement lineStatement(const QueryKind &kind, const QString &number);
