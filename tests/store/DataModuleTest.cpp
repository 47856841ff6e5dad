// The data module: opening and checking the file, running statements, the lookups.
#include "store/DatabaseError.h"
#include "store/SqlDialect.h"
#include "store/Transaction.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

QStringList shown(const LookupModel &model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.shownAt(row);
    return names;
}

TEST(DataModule, OpeningAMissingFileFailsWithoutCreatingIt)
{
    QTemporaryDir folder;
    AppContext context;
    TfrmDM dm(context);
    const QString path = folder.filePath(QStringLiteral("Data/db.edb"));
    try {
        dm.open(path);
        FAIL() << "opened a missing file";
    } catch (const DatabaseError &error) {
        EXPECT_TRUE(error.text().contains(path));
    }
    EXPECT_FALSE(QFile::exists(path));
}

TEST(DataModule, OpeningAFileThatIsNotADatabaseFails)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("db.edb"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("Standard Jet DB").repeated(300));
    file.close();
    AppContext context;
    TfrmDM dm(context);
    EXPECT_THROW(dm.open(path), DatabaseError);
    EXPECT_FALSE(dm.database().isOpen());
}

TEST(DataModule, CheckDataRefusesADatabaseOfAnotherProgram)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("other.db"));
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(path);
        ASSERT_TRUE(other.open());
        QSqlQuery(other).exec(QStringLiteral("create table SUnitX (ID integer)"));
        QSqlQuery(other).exec(QStringLiteral("create table RUser (ID integer)"));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    AppContext context;
    TfrmDM dm(context);
    dm.open(path);
    EXPECT_FALSE(dm.myCheckData());

    TestDatabase ours;
    EXPECT_TRUE(ours.dm.myCheckData());
}

TEST(DataModule, StatementsBindValuesSoQuotesAndPercentSignsAreData)
{
    TestDatabase db;
    const QString name = QStringLiteral("O'Brien 100% 部门");
    db.dm.myESQL(QStringLiteral("insert into SDepartment (DName) values (?)"), {name});
    EXPECT_EQ(db.dm.myRetCount(QStringLiteral("select * from SDepartment where DName=?"), {name}), 1);
    EXPECT_EQ(db.dm.myRetCount(QStringLiteral("select * from SDepartment where DName like ?"),
                               {QStringLiteral("%'B%")}), 1);
    EXPECT_EQ(db.dm.myRetCount(QStringLiteral("select * from SDepartment where DName='nobody'")), 0);
    EXPECT_EQ(shown(*db.dm.DBComDepartment()), QStringList{name});
}

TEST(DataModule, AnEmptyTextBindsAsEmptyTextNotNull)
{
    TestDatabase db; // the administrator's password is ''
    EXPECT_EQ(db.dm.myRetCount(QStringLiteral("select * from SUser where UPass=?"), {QString()}), 1);
}

TEST(DataModule, AFailingStatementThrowsWithTheEngineText)
{
    TestDatabase db;
    EXPECT_THROW(db.dm.myESQL(QStringLiteral("update NoSuchTable set x=1")), DatabaseError);
    EXPECT_THROW(db.dm.myRetCount(QStringLiteral("select nothing from SUser")), DatabaseError);
}

TEST(DataModule, StorageLookupFollowsTheUserStorages)
{
    TestDatabase db;
    db.dm.myESQL(QStringLiteral("insert into SStorage (SName) values (?)"), {QStringLiteral("二号'库")});
    db.dm.myESQL(QStringLiteral("insert into SStorage (SName) values (?)"), {QStringLiteral("三号库")});

    const struct { QStringList storages, expected; } cases[] = {
        {{}, {"物品仓库", "二号'库", "三号库"}},
        {{"二号'库"}, {"二号'库"}},
        {{"物品仓库", "三号库"}, {"物品仓库", "三号库"}},
        {{"没有这个库"}, {}},
    };
    for (const auto &c : cases) {
        db.context.UserStorages = c.storages;
        std::unique_ptr<LookupModel> storages = db.dm.DBComStorage();
        EXPECT_EQ(shown(*storages), c.expected) << c.storages.join(',').toStdString();
    }
    // The storage list holds the ID and shows the name.
    db.context.UserStorages.clear();
    std::unique_ptr<LookupModel> storages = db.dm.DBComStorage();
    EXPECT_EQ(storages->keyAt(1).toInt(), 2);
    EXPECT_EQ(storages->rowOfKey(QStringLiteral("3")), 2);
}

TEST(DataModule, PersonLookupIsLimitedToTheDepartment)
{
    TestDatabase db;
    const QString office = QStringLiteral("办公室");
    db.dm.myESQL(QStringLiteral("insert into SPerson (PName, DName) values ('张三', ?), ('李四', '财务部'), (?, ?)"),
                 {office, QStringLiteral("D'Arcy"), office});
    EXPECT_EQ(shown(*db.dm.DBComPerson(office)), QStringList({"张三", "D'Arcy"}));
    EXPECT_EQ(shown(*db.dm.DBComPersonAll()), QStringList({"张三", "李四", "D'Arcy"}));
}

TEST(DataModule, EveryLookupShowsItsTable)
{
    TestDatabase db;
    db.dm.myESQL(QStringLiteral("insert into UAType (theName) values ('纸品')"));
    db.dm.myESQL(QStringLiteral("insert into SPlace (PName) values ('A-01')"));
    db.dm.myESQL(QStringLiteral("insert into UAPack (theName) values ('新人包')"));
    EXPECT_EQ(shown(*db.dm.DBComAType()), QStringList{"纸品"});
    EXPECT_EQ(shown(*db.dm.DBComSPlace()), QStringList{"A-01"});
    EXPECT_EQ(shown(*db.dm.DBComUAPack()), QStringList{"新人包"});
    EXPECT_EQ(shown(*db.dm.DBComSUser()), QStringList{"系统管理员"});
}

TEST(DataModule, AttachedFileNameNeedsExactlyOneFileRow)
{
    TestDatabase db;
    EXPECT_EQ(db.dm.myRetAF(7), QString());
    db.dm.myESQL(QStringLiteral("insert into UAFiles (AID, FType, FSize) values (7, 'pdf', 1.25)"));
    EXPECT_EQ(db.dm.myRetAF(7), QStringLiteral("7.pdf"));
    db.dm.myESQL(QStringLiteral("insert into UAFiles (AID, FType, FSize) values (7, 'doc', 0.5)"));
    EXPECT_EQ(db.dm.myRetAF(7), QString());
}

TEST(Transaction, LeavesNoRowBehindWhenAStatementFails)
{
    TestDatabase db;
    try {
        Transaction transaction(db.dm.database());
        db.dm.myESQL(QStringLiteral("insert into UAType (theName) values ('纸品')"));
        db.dm.myESQL(QStringLiteral("insert into NoSuchTable values (1)"));
        transaction.commit();
    } catch (const DatabaseError &) {
    }
    EXPECT_EQ(db.dm.myRetCount(QStringLiteral("select * from UAType")), 0);

    {
        Transaction transaction(db.dm.database());
        db.dm.myESQL(QStringLiteral("insert into UAType (theName) values ('文具')"));
        transaction.commit();
    }
    EXPECT_EQ(db.dm.myRetCount(QStringLiteral("select * from UAType")), 1);
}

} // namespace

namespace {

TEST(SqlDialect, CountsWholeDaysToTodayAndGivesTodayAsText)
{
    TestDatabase db;
    const QDate today = QDate::currentDate();
    EXPECT_EQ(db.value("select " + todayText(db.dm.engine())).toString(), today.toString("yyyy-MM-dd"));
    for (int days : {0, 1, 7, 400}) {
        const QString date = today.addDays(-days).toString("yyyy-MM-dd");
        EXPECT_EQ(db.value("select " + daysUntilToday(db.dm.engine(), "?"), {date}).toInt(), days) << days;
    }
}

} // namespace
