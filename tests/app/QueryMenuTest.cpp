// The query menu opens the nine document query windows as child windows.
#include "app/BackgroundArea.h"
#include "app/TfrmMain.h"
#include "app/WindowOpeners.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace {

TEST(QueryMenu, EachItemOpensItsQueryWindow)
{
    TestDatabase db;
    TfrmMain window(db.services);
    installWindowOpeners(window, db.services);
    QStringList codes;
    for (int position = 11; position <= 19; ++position)
        codes << QString("2%1").arg(position);
    window.applyMenuRights(codes);

    const struct {
        const char *item;
        ChildKind kind;
        const char *caption;
    } items[] = {
        {"N6", ChildKind::RequestQuery, "物品申请查询"},
        {"N19", ChildKind::PurchaseInQuery, "采购入库查询"},
        {"N311", ChildKind::ReturnToSupplierQuery, "退货出库查询"},
        {"N20", ChildKind::RequisitionQuery, "领用出库查询"},
        {"N23", ChildKind::LoanQuery, "借用出库查询"},
        {"N27", ChildKind::ReturnQuery, "归还入库单查询"},
        {"N9", ChildKind::TransferQuery, "物品调拨查询"},
        {"N26", ChildKind::DamageQuery, "报损出库查询"},
        {"N52", ChildKind::SurplusQuery, "报溢入库查询"},
    };
    for (const auto &entry : items) {
        SCOPED_TRACE(entry.item);
        window.menuItem(entry.item)->trigger();
        EXPECT_TRUE(window.childWindows().isOpen(entry.kind));
        const QList<QMdiSubWindow *> children = window.backgroundArea()->subWindowList();
        ASSERT_FALSE(children.isEmpty());
        EXPECT_EQ(children.last()->widget()->windowTitle(), entry.caption);
    }
}

} // namespace
