#pragma once

// Master data and helpers shared by the tests of the return, transfer, request and
// surplus documents: three storages, four items and three persons.
#include "support/TestDatabase.h"
#include "ui/LineGridModel.h"

#include <QApplication>
#include <QLineEdit>
#include <QSqlRecord>
#include <QStringList>
#include <QTimer>
#include <functional>

struct DocumentTestData {
    TestDatabase db;

    DocumentTestData()
    {
        // Storage 1 "物品仓库" comes with a new database.
        db.dm.myESQL("insert into SStorage (SName, thePY) values ('备品仓库', 'BPCK'), ('工具仓库', 'GJCK')");
        db.dm.myESQL("insert into UArticle (theNum, AType, AName, AStandard, AUnit, APrice, thePY, Remark) values "
                     "('A001', '办公', 'A4纸', '80g', '包', 25, 'AZ', ''), ('A002', '办公', '签字笔', '0.5mm', '支', 2.5, 'QZB', '黑色'), "
                     "('B001', '工具', '电钻', 'Z1', '台', 300, 'DZ', ''), ('B002', '工具', '电钻钻头', '6mm', '盒', 12, 'DZZT', '')");
        db.dm.myESQL("insert into SPerson (theNum, DName, PName, thePY) values ('01', '行政部', '张三', 'ZS'), "
                     "('02', '行政部', '李四', 'LS'), ('03', '工程部', '王五', 'WW')");
    }

    QString itemId(const QString &code)
    {
        return db.value("select ID from UArticle where theNum=?", {code}).toString();
    }

    // Every row of a statement, its fields joined by "|".
    QStringList rows(const QString &statement, const QVariantList &values = {})
    {
        QStringList result;
        QSqlQuery query = db.dm.select(statement, values);
        while (query.next()) {
            QStringList fields;
            for (int i = 0; i < query.record().count(); ++i)
                fields << query.value(i).toString();
            result << fields.join('|');
        }
        return result;
    }

    int count(const QString &table) { return db.dm.myRetCount("select ID from " + table); }

    // An issue document `number` of `person` with one line of `count` items (`returned`
    // of them back) from storage `sid`; returns the line's ID. `kind` is "JC" or "LY".
    QString issue(const QString &kind, const QString &number, const QString &person, const QString &code,
                  double count, double returned = 0, int sid = 2)
    {
        db.dm.myESQL(QString("insert into UOut_%1 (theNum, theLYPro, myDate, theDel) values (?, ?, '2026-03-01', 0)").arg(kind),
                     {number, person});
        return QString::number(db.dm.insertRow(
            QString("insert into UOut_%1_Bill (theNum, AID, theCount, GHCount, SID, thePrice, myID, theDel) "
                    "values (?, ?, ?, ?, ?, 0, 1, 0)").arg(kind),
            {number, itemId(code).toInt(), count, returned, sid}));
    }
};

// Fills cells from column 1 on.
inline void setLine(LineGridModel &lines, int line, const QStringList &cells)
{
    for (int column = 0; column < cells.size(); ++column)
        lines.setCell(line, 1 + column, cells[column]);
}

// Runs `answer` on the next modal dialog that opens.
inline void whenModalOpens(std::function<void(QWidget *)> answer)
{
    QTimer::singleShot(0, [answer] { answer(QApplication::activeModalWidget()); });
}
