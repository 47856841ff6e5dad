// "归还 &G" in the loan and requisition lists: the return window on the current line,
// and the list searched again after the save.
#include "OverviewData.h"
#include "documents/DocumentLines.h"
#include "documents/TfrmIn_GH.h"
#include "queries/TfrmYLB.h"
#include "ui/LineGrid.h"
#include "ui/QueryRowsModel.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct ReturnFromList : ::testing::Test {
    TestDatabase db;
    OverviewData data{db};
    ReturnFromList() { db.context.DefaultHandler = "李四"; }

    // Makes the row with this item code the current one.
    static void select(OverviewList &list, const QString &code, const QString &person)
    {
        for (int row = 0; row < list.rows()->rowCount(); ++row) {
            if (list.rows()->value(row, "物品编码") == code && list.rows()->value(row, list.kind() == OverviewKind::Loan ? "借用人" : "领用人") == person)
                list.grid()->setCurrentIndex(list.rows()->index(row, 0));
        }
    }
};

TEST_F(ReturnFromList, OpensTheReturnWindowWithTheWholeCountAndSearchesAgainAfterTheSave)
{
    for (OverviewKind kind : {OverviewKind::Loan, OverviewKind::Requisition}) {
        OverviewList list(db.services, kind);
        list.search();
        select(list, "A002", "张三"); // 10.5 lent, nothing returned
        ASSERT_TRUE(list.returnRequest());
        EXPECT_EQ(list.returnRequest()->returner, "张三");
        QString shownCount;
        QTimer::singleShot(0, [&] {
            auto *window = qobject_cast<TfrmIn_GH *>(QApplication::activeModalWidget());
            ASSERT_TRUE(window);
            shownCount = window->lines().cell(1, DocumentLines::Quantity);
            window->findChild<QPushButton *>("BitBtn1")->click();
        });
        list.returnLine();
        EXPECT_EQ(shownCount, "10.5");
        EXPECT_EQ(db.dialogs.lastText(), "归还入库单 保存成功！");
        select(list, "A002", "张三");
        EXPECT_EQ(list.currentValue("归还数量").toDouble(), 10.5) << int(kind);
        EXPECT_EQ(list.currentValue("未还数量").toDouble(), 0);
    }
}

TEST_F(ReturnFromList, DoesNothingOnALineWithSomethingReturnedOrWithoutARow)
{
    TfrmYLB_JC loans(db.services);
    EXPECT_FALSE(loans.returnRequest()); // no search yet, no row
    loans.search();
    select(loans, "A002", "O'Brien"); // 1 of 2 returned
    EXPECT_FALSE(loans.returnRequest());
    loans.returnLine(); // would block on a modal window if it opened one
    EXPECT_EQ(db.value("select count(*) from UIn_GH_Bill where JYT='UOut_JC_Bill'").toInt(), 0);
    TfrmYLB_CG purchases(db.services);
    purchases.search();
    EXPECT_FALSE(purchases.returnRequest());
    EXPECT_EQ(purchases.contextMenu()->actions().size(), 1);
    EXPECT_EQ(loans.contextMenu()->actions().last()->text(), "归还 &G");
}

} // namespace
