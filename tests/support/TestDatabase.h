#pragma once

#include "store/AppContext.h"
#include "support/QtPrinters.h"
#include "store/TfrmDM.h"
#include "support/ScriptedDialogs.h"
#include "ui/AppServices.h"

#include <QTemporaryDir>
#include <QVariant>

// A new database in a temporary program folder (Data/db.edb, made as article-newdb
// makes it), opened by a data module, with scripted dialogs and a fixed login date.
struct TestDatabase {
    TestDatabase();

    QTemporaryDir folder;
    AppContext context;
    TfrmDM dm{context};
    ScriptedDialogs dialogs;
    AppServices services{context, dm, dialogs};

    QString databasePath() const;
    // The first column of the first row of a query, invalid when there is no row.
    QVariant value(const QString &statement, const QVariantList &values = {});
};

// The fixed login date of the tests.
inline const QString kTestLoginDate = QStringLiteral("2026-03-15");
