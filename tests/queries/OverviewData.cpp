#include "OverviewData.h"

#include "store/Schema.h"

namespace {

QStringList columnsOf(const QString &table)
{
    for (const TableDef &def : databaseTables()) {
        if (table == QLatin1String(def.name)) {
            QStringList names;
            for (const ColumnDef &column : def.columns)
                names << QLatin1String(column.name);
            return names;
        }
    }
    return {};
}

} // namespace

int OverviewData::insert(const QString &table, const QVariantMap &values)
{
    const QStringList columns = columnsOf(table);
    QStringList names;
    QVariantList bound;
    for (auto value = values.cbegin(); value != values.cend(); ++value) {
        if (columns.contains(value.key())) {
            names << value.key();
            bound << value.value();
        }
    }
    return db.dm.insertRow(QStringLiteral("insert into %1 (%2) values (%3)")
                               .arg(table, names.join(','), placeholders(names.size())),
                           bound);
}

OverviewData::OverviewData(TestDatabase &database) : db(database)
{
    db.context.UserStorages = {"一号库", "二号库"};
    db.context.OrgName = "测试单位";
    db.dm.myESQL("insert into SStorage (SName) values ('一号库'), ('二号库')");
    db.dm.myESQL("insert into SDepartment (DName) values ('财务部'), ('行政部')");
    db.dm.myESQL("insert into SPerson (DName, PName) values ('财务部', '张三'), ('行政部', 'O''Brien')");
    db.dm.myESQL("insert into UAType (theName) values ('文具'), ('工具')");
    db.dm.myESQL("insert into UMerchant (MName, thePY) values ('北京文具', 'BJWJ')");
    db.dm.myESQL("insert into UArticle (theNum, AType, AName, AStandard, AUnit, thePY, APrice) values "
                 "('A001', '文具', '办公纸', 'A4', '包', 'BGZ', 2.5), "
                 "('A002', '工具', '100%棉手套', '大号', '双', '100%MST', 10.25), "
                 "('0012', '文具', 'O''Neil笔', '', '支', 'ONB', 99999.99)");

    const int first = db.value("select ID from SStorage where SName='一号库'").toInt();
    const int second = db.value("select ID from SStorage where SName='二号库'").toInt();
    const struct {
        QString number, date, person, department, storage;
        int storageId, deleted;
    } headers[] = {
        {"2603010001", "2026-03-01", "张三", "财务部", "一号库", first, 0},
        {"2603100001", "2026-03-10", "O'Brien", "行政部", "二号库", second, 0},
        {"2603050001", "2026-03-05", "张三", "财务部", "一号库", first, 1},
    };
    // Item, count, price, returned count, deleted, remark, by document.
    const struct {
        int document, article;
        double count, price, returned;
        int deleted;
        QString remark;
    } lines[] = {
        {0, 1, 3, 2.5, 3, 0, "急用"},  {0, 2, 10.5, 10.25, 0, 0, "O'Brien 100%"},
        {1, 2, 2, 10.25, 1, 0, ""},      {1, 3, 1, 99999.99, 0, 0, "备用"},
        {1, 1, 7, 2.5, 0, 1, "删除的行"}, {2, 1, 4, 2.5, 0, 0, ""},
    };
    for (const DocumentTables &kind : documentTables()) {
        for (const auto &header : headers) {
            QVariantMap values{{"theNum", header.number}, {"myDate", header.date}, {"theDel", header.deleted},
                               {"DName", header.department}, {"SName", header.storage},
                               {"SID", header.storageId}, {"MID", 1}, {"DBName", header.storage},
                               {"RKName", "一号库"}};
            for (const char *person : {"theSQPro", "theCGPro", "theTHPro", "theLYPro", "theGHPro", "thePZPro"})
                values.insert(person, header.person);
            insert(kind.header, values);
        }
        for (const auto &line : lines) {
            const auto &header = headers[line.document];
            insert(kind.lines, {{"theNum", header.number}, {"AID", line.article}, {"theCount", line.count},
                                {"thePrice", line.price}, {"APrice", line.price}, {"GHCount", line.returned},
                                {"theGH", 7}, {"theDel", line.deleted}, {"Remark", line.remark},
                                {"SID", header.storageId}, {"DBID", header.storageId}, {"RKID", first},
                                {"theCG", line.returned}, {"theLY", 1}, {"theJY", 0.5}});
        }
    }
}

int OverviewData::loan(int daysAgo, double count, double returned, int allowedDays)
{
    const QString number = QStringLiteral("L%1").arg(++documents);
    insert("UOut_JC", {{"theNum", number}, {"myDate", QDate::currentDate().addDays(-daysAgo).toString("yyyy-MM-dd")},
                       {"theDel", 0}, {"theLYPro", "李四"}, {"SName", "一号库"}});
    return insert("UOut_JC_Bill", {{"theNum", number}, {"AID", 1}, {"theCount", count}, {"thePrice", 2.5},
                                   {"GHCount", returned}, {"theGH", allowedDays}, {"theDel", 0},
                                   {"SID", 1}});
}
