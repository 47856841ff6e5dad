// The generated measuring database must look like one the program's own saves leave:
// balances that agree with the ledger, returns that agree with the lines they return.
#include "largedb/LargeDatabase.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

LargeDatabaseOptions smallOptions()
{
    LargeDatabaseOptions options;
    options.days = 90;
    options.linesPerDay = 60;
    options.items = 150;
    options.persons = 40;
    options.suppliers = 10;
    options.storages = 4;
    return options;
}

struct GeneratedDatabase : ::testing::Test {
    QTemporaryDir folder;
    AppContext context;
    TfrmDM dm{context};

    void SetUp() override
    {
        const QString path = folder.filePath(QStringLiteral("large.edb"));
        writeLargeDatabase(path, smallOptions());
        dm.open(path);
    }

    int count(const char *statement) { return dm.myRetCount(QString::fromUtf8(statement)); }
};

TEST_F(GeneratedDatabase, HoldsDocumentsOfEveryKind)
{
    for (const char *table : {"USQ_Bill", "UIn_CG_Bill", "UOut_TH_Bill", "UOut_LY_Bill", "UOut_JC_Bill",
                              "UIn_GH_Bill", "UDB_Bill", "UOut_BS_Bill", "UIn_BY_Bill"}) {
        SCOPED_TRACE(table);
        EXPECT_GT(dm.myRetCount(QStringLiteral("select ID from ") + QString::fromLatin1(table)), 0);
    }
    // Some lines are deleted, with the reversing ledger row a line delete writes.
    EXPECT_GT(count("select ID from UIn_CG_Bill where theDel=1"), 0);
    EXPECT_EQ(count("select ID from UIn_CG_Bill where theDel=1"), count("select ID from UWList where theType='采购删除'"));
}

TEST_F(GeneratedDatabase, BalancesAgreeWithTheLedger)
{
    // WCount = Σ(theIn − theOut) = KCCount of the pair's last ledger row, for every pair.
    EXPECT_EQ(count("select w.ID from UWare w where abs(w.WCount - (select sum(l.theIn - l.theOut) from UWList l "
                    "where l.AID = w.AID and l.SID = w.SID)) > 0.00001"),
              0);
    EXPECT_EQ(count("select w.ID from UWare w where abs(w.WCount - (select l.KCCount from UWList l "
                    "where l.AID = w.AID and l.SID = w.SID order by l.ID desc limit 1)) > 0.00001"),
              0);
    EXPECT_EQ(count("select distinct AID, SID from UWList"), count("select ID from UWare"));
    EXPECT_EQ(count("select ID from UWare where WCount < 0"), 0);
    EXPECT_EQ(count("select ID from UWList where theIn < 0 or theOut < 0 or (theIn > 0) = (theOut > 0)"), 0);
}

TEST_F(GeneratedDatabase, ReturnsAgreeWithTheLinesTheyReturn)
{
    EXPECT_GT(count("select ID from UOut_JC_Bill where GHCount > 0"), 0);
    EXPECT_EQ(count("select ID from UOut_JC_Bill where GHCount > theCount"), 0);
    for (const char *table : {"UOut_JC_Bill", "UOut_LY_Bill"}) {
        SCOPED_TRACE(table);
        EXPECT_EQ(dm.myRetCount(QStringLiteral("select b.ID from %1 b where abs(b.GHCount - coalesce((select sum(g.theCount) "
                                               "from UIn_GH_Bill g where g.JYT = ? and g.JYID = b.ID), 0)) > 0.00001")
                                    .arg(QString::fromLatin1(table)),
                                {QString::fromLatin1(table)}),
                  0);
    }
}

TEST_F(GeneratedDatabase, NumbersDocumentsAsTheDayCounterDoes)
{
    // Unique per kind, "yymmdd" of the document's day and at least four counter digits.
    EXPECT_EQ(count("select theNum from UIn_CG group by theNum having count(*) > 1"), 0);
    EXPECT_EQ(count("select ID from UIn_CG where theNum <> substr(replace(myDate, '-', ''), 3) || substr(theNum, 7) "
                    "or length(theNum) < 10"),
              0);
}

TEST(LargeDatabase, TheSameSeedWritesTheSameFile)
{
    QTemporaryDir folder;
    const auto fingerprint = [&](const QString &name, unsigned seed) {
        LargeDatabaseOptions options = smallOptions();
        options.days = 20;
        options.seed = seed;
        const QString path = folder.filePath(name);
        writeLargeDatabase(path, options);
        AppContext context;
        TfrmDM dm(context);
        dm.open(path);
        QSqlQuery query = dm.select(QStringLiteral("select count(*), sum(theIn * ID), sum(KCCount) from UWList"));
        query.next();
        return QStringList{query.value(0).toString(), query.value(1).toString(), query.value(2).toString()};
    };
    EXPECT_EQ(fingerprint(QStringLiteral("a.edb"), 7), fingerprint(QStringLiteral("b.edb"), 7));
    EXPECT_NE(fingerprint(QStringLiteral("c.edb"), 7), fingerprint(QStringLiteral("d.edb"), 8));
}

} // namespace
