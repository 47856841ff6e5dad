#pragma once

#include "support/TestDatabase.h"

#include <QDate>
#include <QVariantMap>

// Documents of every kind for the overview lists: two live documents (in 一号库 by 张三
// of 财务部 on 2026-03-01, in 二号库 by O'Brien of 行政部 on 2026-03-10) and a deleted one,
// with a deleted line; items whose names hold an apostrophe and a "%".
struct OverviewData {
    explicit OverviewData(TestDatabase &db);

    // Inserts a row with those of `values` that `table` has as columns; returns its ID.
    int insert(const QString &table, const QVariantMap &values);
    // A loan of one line of item 1 in 一号库, dated `daysAgo` before today.
    int loan(int daysAgo, double count, double returned, int allowedDays);

    TestDatabase &db;
    int documents = 0;
};
