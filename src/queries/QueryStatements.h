#pragma once

#include "queries/QueryKinds.h"

#include <QVariantList>

// The statements of a query window, built from its kind and the state of its filters.
// Every typed or chosen value is bound; only the fixed names of the kind go into the text.

// One filter as the window holds it. Texts: what is typed or chosen; dates: the pair.
struct FilterValue {
    bool ticked = false;
    QString text = {};
    QString from = {}, to = {}; // "yyyy-MM-dd"
};

struct Statement {
    QString text = {};
    QVariantList values;
};

// The live documents the ticked filters select (a filter per entry of kind.filters, in
// order), newest number first. A ticked text filter left empty selects every row; "%"
// and "_" typed into one act as wildcards. Restricted kinds list only documents of the
// user's storages, none when the user has none.
Statement masterStatement(const QueryKind &kind, const QList<FilterValue> &filters,
                          const QStringList &userStorages);
// The number of documents masterStatement lists.
Statement countStatement(const QueryKind &kind, const QList<FilterValue> &filters,
                         const QStringList &userStorages);
// Total count and amount of every live line of the documents dated from..to (the strip
// of the purchase-in and return-to-supplier windows), whatever the other filters say.
Statement totalsStatement(const QueryKind &kind, const QString &from, const QString &to);
// The live lines of document `number`: the six common columns, the kind's own and the
// hidden ones the commands read.
Statement lineStatement(const QueryKind &kind, const QString &number);
