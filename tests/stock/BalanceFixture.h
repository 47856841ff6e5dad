#pragma once

#include "stock/StockQuery.h"
#include "support/TestDatabase.h"

#include <QVariant>

// A database with storages and items, and helpers that book stock as the documents do.
struct BalanceFixture {
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
    // The filters of the stock list: 0 仓库名称, 1 物品编码, 2 物品分类, 3 物品名称,
    // 4 规格型号, 5 备注; the given ones ticked with their text.
    static QList<FilterValue> ticked(std::initializer_list<std::pair<int, QString>> values = {})
    {
        QList<FilterValue> filters(6);
        for (const auto &[index, text] : values)
            filters[index] = FilterValue{true, text};
        return filters;
    }
    static int stateIndex(const QString &caption)
    {
        const FilteredListConfig config = StockQuery::config();
        for (int index = 0; index < config.states.size(); ++index) {
            if (config.states[index].caption == caption)
                return index;
        }
        return -1;
    }
    // A search of the stock list as the window makes it.
    StockQuery::StockListSearch search(const QList<FilterValue> &filters, const QString &state = {},
                                       const QStringList &storages = {})
    {
        const FilteredListConfig config = StockQuery::config();
        const ListConditions conditions = searchConditions(config, storages, filters, stateIndex(state));
        const BoundStatement totals = config.statement.totalsStatement(conditions);
        return {config.statement.listStatement(conditions), StockQuery::itemsStatement(conditions),
                db.value(totals.text, totals.values).toLongLong()};
    }
    int balanceId(int aid, int sid)
    {
        return db.value("select ID from UWare where AID=? and SID=?", {aid, sid}).toInt();
    }
};
