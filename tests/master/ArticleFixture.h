#pragma once

#include "support/TestDatabase.h"

// Items, stock and history for the item tests.
struct ArticleRow {
    QString code;
    QString name;
    QString category = QStringLiteral("办公用品");
    QString price = QStringLiteral("12.5");
    QString place = {};
};

inline int addArticle(TestDatabase &db, const ArticleRow &row)
{
    return db.dm.insertRow(
        QStringLiteral("INSERT INTO UArticle (theNum, theDate, AType, AName, AStandard, AUnit, APrice, thePY, "
                       "Remark, PName, YJMin, YJMax, theYJ, FJCount) "
                       "VALUES (?, ?, ?, ?, 'A4', '包', ?, 'PY', '', ?, 9, 99, '否', 0)"),
        {row.code, db.context.LoginDate, row.category, row.name, row.price, row.place});
}

inline void addStock(TestDatabase &db, int articleId, int storageId, double count)
{
    db.dm.myESQL(QStringLiteral("INSERT INTO UWare (AID, SID, WCount) VALUES (?, ?, ?)"),
                 {articleId, storageId, count});
}
