// Random sequences of saves, deletes, corrections and returns over all nine kinds keep
// balance and ledger in agreement and never return more than was issued.
#include "documents/LineCorrections.h"
#include "queries/DocumentDeletes.h"
#include "support/StockDocuments.h"

#include <QSqlQuery>
#include <gtest/gtest.h>
#include <random>

namespace {

struct StockProperty : ::testing::Test {
    TestDatabase db;
    std::mt19937 random{20260315};
    QList<int> items;
    QList<int> storages{1};

    StockProperty()
    {
        // Thousands of small transactions: the file need not reach the disk between them.
        db.dm.myESQL("PRAGMA synchronous = OFF");
        for (int i = 0; i < 4; ++i)
            items << addTestItem(db, QString("A%1").arg(i), QString("物品%1").arg(i));
        storages << addTestStorage(db, "二号仓库");
    }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    double quantity() { return (1 + pick(12)) * 0.5; }
    const QueryKind &anyKind() { return queryKinds()[pick(int(queryKinds().size()))]; }

    // A random live line of the kind: (line ID, count), or ID 0 when there is none.
    std::pair<int, double> liveLine(const QueryKind &kind, const QString &extra = {})
    {
        QSqlQuery query = db.dm.select(QString("select ID, theCount from %1 where theDel=0 %2 order by random() limit 1")
                                           .arg(kind.lines, extra));
        return query.next() ? std::pair{query.value(0).toInt(), query.value(1).toDouble()} : std::pair{0, 0.0};
    }

    void saveDocument(const QueryKind &kind)
    {
        if (kind.header == "UIn_GH")
            return returnSomething();
        QList<TestLine> lines;
        const int from = pick(2);
        for (int n = 1 + pick(3); n > 0; --n)
            lines << TestLine{.item = items[pick(4)], .storage = storages[from], .count = quantity(),
                              .toStorage = storages[1 - from]};
        saveTestDocument(db, kind.header, lines);
    }

    void returnSomething()
    {
        const QString table = pick(2) ? "UOut_JC_Bill" : "UOut_LY_Bill";
        QSqlQuery open = db.dm.select(QString("select ID, AID, SID, theCount-GHCount from %1 where theDel=0 "
                                              "and theCount>GHCount order by random() limit 1").arg(table));
        if (!open.next())
            return;
        const double outstanding = open.value(3).toDouble();
        const double count = std::min(outstanding, quantity());
        saveTestDocument(db, "UIn_GH", {{.item = open.value(1).toInt(), .storage = open.value(2).toInt(),
                                         .count = count, .issueLine = open.value(0).toInt(), .issueTable = table}});
    }

    void operate()
    {
        const QueryKind &kind = anyKind();
        switch (pick(6)) {
        case 0:
        case 1:
            saveDocument(kind);
            break;
        case 2:
            if (const int line = liveLine(kind).first)
                deleteLine(db.services, kind, line);
            break;
        case 3: {
            QSqlQuery document = db.dm.select(QString("select theNum from %1 where theDel=0 order by random() limit 1")
                                                  .arg(kind.header));
            if (document.next())
                deleteDocument(db.services, kind, document.value(0).toString());
            break;
        }
        case 4:
            if (LineCorrections::countTable(kind.lines)) {
                if (const int line = liveLine(kind).first)
                    LineCorrections::changeCount(db.services, kind.lines, line, QString::number(quantity()));
            }
            break;
        case 5:
            returnSomething();
            break;
        }
    }

    // Rows of UWare that disagree with their ledger, and issue lines returned beyond their count.
    int disagreements()
    {
        return db.value("select count(*) from UWare w where "
                        "abs(w.WCount - coalesce((select sum(theIn - theOut) from UWList l "
                        "  where l.AID = w.AID and l.SID = w.SID), 0)) > 0.00001 "
                        "or abs(w.WCount - (select KCCount from UWList l where l.AID = w.AID and l.SID = w.SID "
                        "  order by ID desc limit 1)) > 0.00001").toInt();
    }
    int overReturned()
    {
        return db.value("select (select count(*) from UOut_JC_Bill where GHCount > theCount or GHCount < 0) + "
                        "(select count(*) from UOut_LY_Bill where GHCount > theCount or GHCount < 0)").toInt();
    }
};

TEST_F(StockProperty, RandomOperationsKeepBalanceLedgerAndReturnsInAgreement)
{
    for (int step = 0; step < 2000; ++step) {
        operate();
        ASSERT_EQ(disagreements(), 0) << "after step " << step;
        ASSERT_EQ(overReturned(), 0) << "after step " << step;
    }
    // The sequence reached every kind of operation.
    EXPECT_GT(db.value("select count(*) from UWList where theType like '%删除'").toInt(), 50);
    EXPECT_GT(db.value("select count(*) from UWList where theType like '%调整'").toInt(), 50);
    EXPECT_GT(db.value("select count(*) from UIn_GH_Bill where theDel=1").toInt(), 5);
    EXPECT_GT(db.value("select count(*) from UOut_JC_Bill where GHCount > 0 and theDel=0").toInt(), 5);
}

} // namespace
