#pragma once

#include <QString>

// A database of realistic size and shape for measuring lists, queries, statistics and
// reports: years of documents of all nine kinds over thousands of items, persons and
// suppliers in several storages. Balances and ledger rows agree the way the program's
// own saves leave them: for every item and storage, WCount equals the KCCount of its
// last ledger row and the sum of theIn − theOut. The same options give the same file.
struct LargeDatabaseOptions {
    unsigned seed = 20260101;
    QString firstDay = QStringLiteral("2016-01-01"); // documents dated from this day on
    int days = 3650;                                 // ten years
    int linesPerDay = 275;                           // about a million lines in ten years
    int items = 5000;
    int persons = 1500;
    int suppliers = 400;
    int storages = 6;
};

// Writes a new database file at `fileName` (refusing an existing file, as article-newdb
// does) and fills it. Throws DatabaseError when a statement fails.
void writeLargeDatabase(const QString &fileName, const LargeDatabaseOptions &options);

// The benchmarks' database: writes it at `fileName` unless a file is already there, so
// that repeated benchmark runs share one generated file. Returns `fileName`.
QString ensureLargeDatabase(const QString &fileName,
                            const LargeDatabaseOptions &options = LargeDatabaseOptions());

// The database the benchmarks share: the default options, kept in the temporary folder
// as article-large-<seed>.edb and written at the first call (a few minutes).
QString benchmarkDatabase();
