#pragma once

#include "support/TestDatabase.h"

#include <QVariant>

// A database with storages and items, and helpers that book stock as the documents do.
struct StockFixture {
    TestDatabase db;

    int storage(const QString &name)
    {
        return db.dm.insertRow("insert into SStorage (SName, thePY) values (?, '')", {name});
    }
    // An item with its warning switch (an invalid QVariant leaves it unset) and limits.
    int item(const QString &code, const QString &name, double price = 1,
             const QVariant &warning = {}, const QVariant &minimum = {}, const QVariant &maximum = {})
    {
        return db.dm.insertRow("insert into UArticle (theNum, AName, AType, AStandard, AUnit, APrice, "
                               "thePY, Remark, PName, theYJ, YJMin, YJMax) "
                               "values (?, ?, '办公用品', 'A4', '个', ?, '', '', '一号架', ?, ?, ?)",
                               {code, name, price, warning, minimum, maximum});
    }
    // Books the quantities one after the other, as movements do.
    void book(int aid, int sid, std::initializer_list<const char *> quantities)
    {
        for (const char *quantity : quantities)
            db.dm.SaveWare(QString::number(aid), QString::fromLatin1(quantity), QString::number(sid));
    }
    int balanceId(int aid, int sid)
    {
        return db.value("select ID from UWare where AID=? and SID=?", {aid, sid}).toInt();
    }
};
