// The content of a new database and the tables it is made of.
#include "store/DatabaseError.h"
#include "store/MenuTable.h"
#include "store/NewDatabase.h"
#include "store/Schema.h"
#include "support/TestDatabase.h"

#include <QSqlRecord>
#include <gtest/gtest.h>

namespace {

QStringList column(TestDatabase &db, const QString &statement)
{
    QStringList values;
    QSqlQuery query = db.dm.select(statement);
    while (query.next())
        values << query.value(0).toString();
    return values;
}

TEST(NewDatabase, HasEveryTableWithItsColumnsAndNothingElse)
{
    TestDatabase db;
    QStringList expected;
    for (const TableDef &table : databaseTables()) {
        const QString name = QLatin1String(table.name);
        expected << name;
        const QSqlRecord record = db.dm.database().record(name);
        QStringList columns{QStringLiteral("ID")};
        for (const ColumnDef &def : table.columns)
            columns << QLatin1String(def.name);
        QStringList actual;
        for (int i = 0; i < record.count(); ++i)
            actual << record.fieldName(i);
        EXPECT_EQ(actual, columns) << name.toStdString();
    }
    QStringList tables = db.dm.database().tables(QSql::Tables);
    tables.removeAll(QStringLiteral("sqlite_sequence"));
    tables.sort();
    expected.sort();
    EXPECT_EQ(tables, expected);
    EXPECT_EQ(expected.size(), 19 + 18 + 3); // system and master, nine documents, stock and report
}

TEST(NewDatabase, HoldsTheAdministratorWithEveryRight)
{
    TestDatabase db;
    QSqlQuery user = db.dm.select(QStringLiteral("select ID, UName, UPass, Remark, thePY, theM, theD, theE from SUser"));
    ASSERT_TRUE(user.next());
    EXPECT_EQ(user.value(0).toInt(), 1);
    EXPECT_EQ(user.value(1).toString(), QStringLiteral("系统管理员"));
    EXPECT_EQ(user.value(2).toString(), QString());
    EXPECT_EQ(user.value(3).toString(), QString());
    EXPECT_EQ(user.value(4).toString(), QStringLiteral("XTGLY"));
    for (int i = 5; i <= 7; ++i)
        EXPECT_EQ(user.value(i).toString(), QStringLiteral("是"));
    EXPECT_FALSE(user.next());

    EXPECT_EQ(column(db, QStringLiteral("select MNum from SLevel where UID=1 order by ID")),
              column(db, QStringLiteral("select MNum from SMenu order by ID")));
    EXPECT_EQ(db.value(QStringLiteral("select count(*) from SLevel")).toInt(), 76);
}

TEST(NewDatabase, MenuListHasEveryItemWithItsCodeAndName)
{
    // The menu rights as the rights window lists them: code, then name.
    const QStringList expected = {
        "000 用户管理 ", "001 修改密码 ", "002 -", "003 数据备份 ", "004 数据恢复 ",
        "005 数据清空 ", "006 -", "007 更换背景 ", "008 -", "009 退出 ",
        "100 物品申请单 ", "101 -", "102 采购入库单 ", "103 退货出库单 ", "104 -",
        "105 领用出库单 ", "106 借用出库单 ", "107 -", "108 归还入库单 ", "109 -",
        "110 物品调拨单 ", "111 -", "112 报损出库单 ", "113 报溢入库单 ",
        "200 库存物品一览表 ", "201 申请物品一览表 ", "202 采购物品一览表 ",
        "203 退货物品一览表 ", "204 领用物品一览表 ", "205 借用物品一览表 ",
        "206 归还物品一览表 ", "207 调拨物品一览表 ", "208 报损物品一览表 ",
        "209 报溢物品一览表 ", "210 -", "211 物品申请查询 ", "212 采购入库查询 ",
        "213 退货出库查询 ", "214 领用出库查询 ", "215 借用出库查询 ", "216 归还入库查询 ",
        "217 物品调拨查询 ", "218 报损出库查询 ", "219 报溢入库查询 ",
        "300 日报表 ", "301 月报表 ", "302 年报表 ", "303 -", "304 采购入库统计 ",
        "305 退货出库统计 ", "306 领用出库统计 ", "307 借用出库统计 ", "308 报损出库统计 ",
        "309 报溢入库统计 ",
        "400 单位设置 ", "401 部门设置 ", "402 -", "403 人员管理 ", "404 人员查询 ",
        "405 人员导入 ", "406 -", "407 仓库设置 ", "408 货位设置 ", "409 物品分类 ", "410 -",
        "411 物品管理 ", "412 物品查询 ", "413 物品导入 ", "414 -", "415 物品包设置 ", "416 -",
        "417 供应商管理 ", "418 供应商查询 ", "419 供应商导入 ", "420 -", "421 默认项设置 ",
    };
    TestDatabase db;
    EXPECT_EQ(column(db, QStringLiteral("select MNum || ' ' || MName from SMenu order by ID")), expected);
    EXPECT_EQ(expected.size(), 76);
}

TEST(NewDatabase, MenuRightNameCutsAfterTheFirstBlankFromTheThirdCharacterOn)
{
    const struct { const char *caption, *name; } cases[] = {
        {"用户管理 &U", "用户管理 "}, {"退出 &X", "退出 "}, {"-", "-"},
        {"a b c", "a b c"}, {"采购入库单 &2 x", "采购入库单 "},
    };
    for (const auto &c : cases)
        EXPECT_EQ(menuRightName(QString::fromUtf8(c.caption)), QString::fromUtf8(c.name)) << c.caption;
}

TEST(NewDatabase, HoldsTheFirstRowsOfTheReferenceTables)
{
    TestDatabase db;
    EXPECT_EQ(column(db, QStringLiteral("select theT || '=' || theName from SDJ order by ID")),
              QStringList({"USQ=物品申请单", "UIn_CG=物品采购入库单", "UOut_TH=物品退货出库单",
                           "UOut_LY=物品领用出库单", "UOut_JC=物品借用出库单",
                           "UIn_GH=物品归还入库单", "UDB=物品调拨单", "UOut_BS=物品报损出库单",
                           "UIn_BY=物品报溢入库单"}));
    EXPECT_EQ(column(db, QStringLiteral("select UName from SUnit")),
              QStringList{QStringLiteral("晴川朔禾信息科技有限公司")});
    EXPECT_EQ(column(db, QStringLiteral("select ID || SName || Remark || thePY from SStorage")),
              QStringList{QStringLiteral("1物品仓库WPCK")});
    EXPECT_EQ(column(db, QStringLiteral("select UID || SName from SLW")),
              QStringList{QStringLiteral("1物品仓库")});

    QSqlQuery settings = db.dm.select(QStringLiteral(
        "select ID, theCK, theJBR, theCGR, theFKC, theTX, theGH, YJMin, YJMax, thePZR, "
        "Z_LY, Z_JY, Z_GH, Z_DB, ImgPath from SMRX"));
    ASSERT_TRUE(settings.next());
    const QVariantList expected = {1, 1, "", "", 0, 1, 7, 0, 0, "", 0, 0, 0, 0, ""};
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(settings.value(i).toString(), expected[i].toString()) << "column " << i;
    EXPECT_FALSE(settings.next());
}

TEST(NewDatabase, EveryOtherTableIsEmpty)
{
    TestDatabase db;
    const QStringList filled = {"SUser", "SMenu", "SLevel", "SLW", "SMRX", "SDJ", "SUnit", "SStorage"};
    for (const TableDef &table : databaseTables()) {
        const QString name = QLatin1String(table.name);
        if (!filled.contains(name)) {
            EXPECT_EQ(db.dm.myRetCount(QStringLiteral("select * from ") + name), 0) << table.name;
        }
    }
}

TEST(NewDatabase, KeysAreNeverReusedAfterADelete)
{
    TestDatabase db;
    db.dm.myESQL(QStringLiteral("insert into SStorage (SName) values ('二号库')"));
    db.dm.myESQL(QStringLiteral("delete from SStorage where ID=2"));
    db.dm.myESQL(QStringLiteral("insert into SStorage (SName) values ('三号库')"));
    EXPECT_EQ(db.value(QStringLiteral("select ID from SStorage where SName='三号库'")).toInt(), 3);
}

TEST(NewDatabase, OneBalanceRowPerItemAndStorage)
{
    TestDatabase db;
    db.dm.myESQL(QStringLiteral("insert into UWare (AID, SID, WCount) values (1, 1, 2)"));
    EXPECT_THROW(db.dm.myESQL(QStringLiteral("insert into UWare (AID, SID, WCount) values (1, 1, 3)")),
                 DatabaseError);
}

TEST(NewDatabase, FileIsNeverWrittenOverAnExistingOne)
{
    TestDatabase db;
    db.dm.myESQL(QStringLiteral("insert into UAType (theName) values ('纸品')"));
    EXPECT_THROW(createDatabaseFile(db.databasePath()), DatabaseError);
    EXPECT_EQ(db.dm.myRetCount(QStringLiteral("select * from UAType")), 1);
}

TEST(NewDatabase, PostgreSqlStatementsUseItsTypes)
{
    const QStringList statements = schemaStatements(SqlEngine::PostgreSQL);
    const QString users = statements.filter(QStringLiteral("CREATE TABLE SUser ")).value(0);
    EXPECT_TRUE(users.contains(QStringLiteral("ID INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY")));
    EXPECT_TRUE(users.contains(QStringLiteral("theM VARCHAR(2)")));
    const QString balance = statements.filter(QStringLiteral("CREATE TABLE UWare ")).value(0);
    EXPECT_TRUE(balance.contains(QStringLiteral("WCount NUMERIC(19,4)")));
}

} // namespace
