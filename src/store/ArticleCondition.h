#pragma once

#include <QString>
#include <QVariantList>

// The item query's condition: clauses each beginning " AND (", with their bound values
// in order. The picture list and the labels reuse the condition of the last search.
struct ArticleCondition {
    QString clauses;
    QVariantList values;
};
