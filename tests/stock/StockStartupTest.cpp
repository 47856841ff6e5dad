// How the main window opens the stock list: the menu item and tool-bar button, and the
// start-up warnings, which open one stock list each on their button.
#include "BalanceFixture.h"
#include "app/StartupAlerts.h"
#include "app/TfrmMain.h"
#include "app/WindowOpeners.h"
#include "stock/TfrmWare_Q.h"
#include "ui/QueryRowsModel.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace {

struct StockStartup : ::testing::Test, BalanceFixture {
    QList<TfrmWare_Q *> stockLists(TfrmMain &window)
    {
        QList<TfrmWare_Q *> lists;
        for (QMdiSubWindow *sub : window.findChild<QMdiArea *>()->subWindowList()) {
            if (auto *list = qobject_cast<TfrmWare_Q *>(sub->widget()))
                lists << list;
        }
        return lists;
    }
    static QString chosen(const TfrmWare_Q &list)
    {
        return list.chosenState() < 0 ? QString() : list.config().states.at(list.chosenState()).caption;
    }
};

TEST_F(StockStartup, TheWarningsAskWithTheConditionsOfTheListsTheyOpen)
{
    for (const ListState &state : StockQuery::config().states) {
        if (state.caption == kBelowMinimumState || state.caption == kAboveMaximumState) {
            EXPECT_EQ(stockWarningCondition(state.caption), state.condition) << state.caption.toStdString();
        }
    }
}

TEST_F(StockStartup, BothWarningsOpenAStockListEachOnItsButton)
{
    db.dm.myESQL("update SMRX set YJMin=1, YJMax=1 where ID=1");
    const int sid = storage("物品仓库");
    book(item("1", "订书机", 1, "是", 5, 10), sid, {"2"});
    book(item("2", "铅笔", 1, "是", 5, 10), sid, {"11"});
    book(item("3", "纸", 1, "否", 5, 10), sid, {"1"});
    TfrmMain window(db.services);
    installWindowOpeners(window, db.services);
    window.show();

    const QList<TfrmWare_Q *> lists = stockLists(window);
    ASSERT_EQ(lists.size(), 2);
    EXPECT_EQ(chosen(*lists[0]), "低于最低库存");
    EXPECT_EQ(lists[0]->rows()->value(0, "物品名称").toString(), "订书机");
    EXPECT_EQ(lists[0]->recordCount(), 1);
    EXPECT_EQ(chosen(*lists[1]), "高于最高库存");
    EXPECT_EQ(lists[1]->rows()->value(0, "物品名称").toString(), "铅笔");
    EXPECT_EQ(lists[1]->recordCount(), 1);
}

TEST_F(StockStartup, MenuItemAndToolButtonOpenAnEmptyStockList)
{
    TfrmMain window(db.services);
    installWindowOpeners(window, db.services);
    window.menuItem("W1")->setVisible(true);
    for (const char *trigger : {"menu", "tool"}) {
        if (QString(trigger) == "menu")
            window.menuItemClick("W1");
        else
            window.findChild<QAction *>("ToolButton_W1")->trigger();
        EXPECT_TRUE(window.childWindows().isOpen(ChildKind::StockList)) << trigger;
        QList<TfrmWare_Q *> open;
        for (TfrmWare_Q *list : stockLists(window)) {
            if (!list->parentWidget()->isHidden())
                open << list;
        }
        ASSERT_EQ(open.size(), 1) << trigger;
        EXPECT_EQ(open[0]->windowTitle(), "库存物品一览表");
        EXPECT_EQ(open[0]->chosenState(), -1);
        EXPECT_EQ(open[0]->rows()->rowCount(), 0);
    }
}

} // namespace
