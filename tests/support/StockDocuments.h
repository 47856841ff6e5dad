#pragma once

#include "support/TestDatabase.h"

#include <QList>
#include <QString>

// Saved documents of any of the nine kinds for tests of what comes after a save: the
// rows are written as the document windows write them (header, per line the balance,
// the line row and the ledger row, a return raising the returned count of its issue
// line), in one transaction, through the data module's stock routines.
struct TestLine {
    int item = 0;
    int storage = 1;      // the receiving storage of a transfer is `toStorage`
    double count = 1;
    double price = 1;
    int toStorage = 0;    // transfer only
    int issueLine = 0;    // return of loan only: the line returned
    QString issueTable = {}; // and its table, "UOut_JC_Bill" or "UOut_LY_Bill"
};

struct SavedDocument {
    QString number;
    QList<int> lineIds;
};

// `headerTable` names the kind ("UIn_CG", "UDB", …); the document is dated `date`.
SavedDocument saveTestDocument(TestDatabase &db, const QString &headerTable, const QList<TestLine> &lines,
                               const QString &date = kTestLoginDate);

// A new catalogue item and a new storage; their IDs.
int addTestItem(TestDatabase &db, const QString &code, const QString &name);
int addTestStorage(TestDatabase &db, const QString &name);

// The balance of an item in a storage, 0 without a balance row.
double testBalance(TestDatabase &db, int item, int storage);
