#pragma once

#include "store/ArticleCondition.h"

// The filters of the item query. Each non-empty text adds its clause; a "%" or "_"
// typed in a text still acts as a LIKE wildcard.
struct ArticleFilter {
    QString category; // exact, when chosen
    QString name;     // in the name or the initials
    QString standard;
    QString remark;
    QString code;
    QString place;    // exact, when chosen
};

ArticleCondition articleCondition(const ArticleFilter &filter);

// The statement of the item query's result for a condition.
QString articleQueryStatement(const ArticleCondition &condition);
