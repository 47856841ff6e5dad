// The start-up alerts: the decision without windows, and the windows the main window
// opens at its first showing; the overview lists of the menu.
#include "app/StartupAlerts.h"
#include "app/TfrmMain.h"
#include "app/WindowOpeners.h"
#include "queries/TfrmYLB.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QDate>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace {

struct StartupAlertsTest : ::testing::Test {
    TestDatabase db;
    StartupAlertsTest()
    {
        db.dm.myESQL("insert into SStorage (SName) values ('一号库'), ('二号库')");
        db.dm.myESQL("insert into UArticle (theNum, AName, YJMin, YJMax, theYJ) values "
                     "('A1', '纸', 5, 10, '是'), ('A2', '笔', 5, 10, '否')");
        db.context.UserStorages = {"一号库"};
    }
    int storage(const QString &name) { return db.value("select ID from SStorage where SName=?", {name}).toInt(); }
    // A loan line of item A1, `daysAgo` days before today, with 7 days allowed.
    void loan(int daysAgo, double returned, const QString &storageName = "一号库", int deleted = 0)
    {
        const QString number = QString::number(++loans);
        db.dm.myESQL("insert into UOut_JC (theNum, myDate, theDel, SName) values (?, ?, 0, ?)",
                     {number, QDate::currentDate().addDays(-daysAgo).toString("yyyy-MM-dd"), storageName});
        db.dm.myESQL("insert into UOut_JC_Bill (theNum, AID, theCount, GHCount, theGH, theDel) "
                     "values (?, 1, 2, ?, 7, ?)", {number, returned, deleted});
    }
    void stock(int article, const QString &storageName, double count)
    {
        db.dm.myESQL("insert into UWare (AID, SID, WCount) values (?, ?, ?)", {article, storage(storageName), count});
    }
    void allOn()
    {
        db.context.RemindOverdueLoans = db.context.WarnBelowMin = db.context.WarnAboveMax = true;
    }
    StartupAlerts decide() { return decideStartupAlerts(db.dm, db.context); }
    int loans = 0;
};

TEST_F(StartupAlertsTest, WithEverySettingOffNothingIsAsked)
{
    db.dm.myESQL("drop table UOut_JC_Bill");
    db.dm.myESQL("drop table UWare");
    const StartupAlerts alerts = decide(); // a statement would fail on the missing tables
    EXPECT_FALSE(alerts.overdueLoans || alerts.belowMinimum || alerts.aboveMaximum);
}

TEST_F(StartupAlertsTest, OverdueLoansCountAsTheLoanListDoes)
{
    allOn();
    const struct {
        const char *what;
        int daysAgo;
        double returned;
        QString storage;
        int deleted;
        QStringList userStorages;
        bool fires;
    } cases[] = {
        {"eight days with seven allowed", 8, 0, "一号库", 0, {"一号库"}, true},
        {"seven days with seven allowed", 7, 0, "一号库", 0, {"一号库"}, false},
        {"partly returned", 30, 1, "一号库", 0, {"一号库"}, true},
        {"fully returned", 30, 2, "一号库", 0, {"一号库"}, false},
        {"deleted line", 30, 0, "一号库", 1, {"一号库"}, false},
        {"another user's storage", 30, 0, "二号库", 0, {"一号库"}, false},
        {"a user without storages sees no loans", 30, 0, "一号库", 0, {}, false},
    };
    for (const auto &entry : cases) {
        db.dm.myESQL("delete from UOut_JC_Bill");
        db.dm.myESQL("delete from UOut_JC");
        loan(entry.daysAgo, entry.returned, entry.storage, entry.deleted);
        db.context.UserStorages = entry.userStorages;
        EXPECT_EQ(decide().overdueLoans, entry.fires) << entry.what;
        TfrmYLB_JC list(db.services);
        list.chooseState(kOverdueState);
        EXPECT_EQ(list.recordCount() > 0, entry.fires) << entry.what;
    }
}

TEST_F(StartupAlertsTest, StockOutsideItsLimitsOnlyForItemsWithWarnings)
{
    allOn();
    const struct {
        const char *what;
        int article;
        double count;
        QString storage;
        QStringList userStorages;
        bool below, above;
    } cases[] = {
        {"at the minimum", 1, 5, "一号库", {"一号库"}, false, false},
        {"at the maximum", 1, 10, "一号库", {"一号库"}, false, false},
        {"below", 1, 4, "一号库", {"一号库"}, true, false},
        {"above", 1, 11, "一号库", {"一号库"}, false, true},
        {"warnings off for the item", 2, 0, "一号库", {"一号库"}, false, false},
        {"another user's storage", 1, 0, "二号库", {"一号库"}, false, false},
        {"no storages listed: all count", 1, 0, "二号库", {}, true, false},
    };
    for (const auto &entry : cases) {
        db.dm.myESQL("delete from UWare");
        stock(entry.article, entry.storage, entry.count);
        db.context.UserStorages = entry.userStorages;
        const StartupAlerts alerts = decide();
        EXPECT_EQ(alerts.belowMinimum, entry.below) << entry.what;
        EXPECT_EQ(alerts.aboveMaximum, entry.above) << entry.what;
    }
}

TEST_F(StartupAlertsTest, FirstShowingOpensEachListThatAlertsBesideTheOthers)
{
    db.dm.myESQL("update SMRX set theTX=1, YJMin=1, YJMax=1 where ID=1");
    loan(8, 0);
    stock(1, "一号库", 1);
    db.dm.myESQL("insert into UArticle (theNum, AName, YJMin, YJMax, theYJ) values ('A3', '尺', 0, 1, '是')");
    stock(3, "一号库", 3);
    TfrmMain window(db.services);
    installWindowOpeners(window, db.services);
    QStringList stockStates;
    window.setStockListOpener([&](const QString &state) {
        stockStates << state;
        auto *list = new QWidget;
        list->setObjectName(state);
        return list;
    });
    window.show();
    EXPECT_EQ(stockStates, QStringList({kBelowMinimumState, kAboveMaximumState}));
    auto *loans = window.findChild<OverviewList *>("frmYLB_JC");
    ASSERT_TRUE(loans);
    EXPECT_EQ(loans->config().states.at(loans->chosenState()).caption, kOverdueState);
    EXPECT_EQ(loans->recordCount(), 1);
    for (ChildKind kind : {ChildKind::LoanOverview, ChildKind::BelowMinimumStockList, ChildKind::AboveMaximumStockList})
        EXPECT_TRUE(window.childWindows().isOpen(kind));
    EXPECT_EQ(window.findChild<QMdiArea *>()->subWindowList().size(), 3);

    // The next menu command closes all three, both stock lists included.
    window.myfrmClose();
    for (ChildKind kind : {ChildKind::LoanOverview, ChildKind::BelowMinimumStockList, ChildKind::AboveMaximumStockList})
        EXPECT_FALSE(window.childWindows().isOpen(kind));
}

TEST_F(StartupAlertsTest, MenuItemsOpenTheOverviewLists)
{
    TfrmMain window(db.services);
    installWindowOpeners(window, db.services);
    const std::pair<const char *, const char *> items[] = {
        {"B2", "申请物品一览表"}, {"N47", "采购物品一览表"}, {"D2", "退货物品一览表"},
        {"N28", "领用物品一览表"}, {"N29", "借用物品一览表"}, {"G3", "归还物品一览表"},
        {"G4", "调拨物品一览表"}, {"N32", "报损物品一览表"}, {"N53", "报溢一览表"},
    };
    for (const auto &[item, caption] : items) {
        window.menuItem(item)->setVisible(true);
        window.menuItemClick(item);
        const QList<QMdiSubWindow *> open = window.findChild<QMdiArea *>()->subWindowList();
        QStringList captions;
        for (QMdiSubWindow *sub : open) {
            if (!sub->isHidden())
                captions << sub->widget()->windowTitle();
        }
        EXPECT_TRUE(captions.contains(caption)) << item;
    }
}

} // namespace
