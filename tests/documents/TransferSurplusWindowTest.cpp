// The transfer and surplus windows: their lookups in the stock of a storage, the lines
// a storage change empties, and a save from the window.
#include "DocumentTestData.h"
#include "documents/TfrmDB_In.h"
#include "documents/TfrmIn_BY.h"
#include "support/Screenshots.h"
#include "ui/LineGrid.h"
#include "ui/LookupComboBox.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace DocumentLines;

struct StockWindows : DocumentTestData, ::testing::Test {
    StockWindows() { db.context.DefaultHandler = "李四"; }

    static LookupComboBox *list(QWidget &window, const char *name) { return window.findChild<LookupComboBox *>(name); }
    // Chooses a storage as the user does.
    static void choose(QWidget &window, const char *name, const QString &storageId)
    {
        LookupComboBox *storages = list(window, name);
        storages->setKeyValue(storageId);
        Q_EMIT storages->activated(storages->currentIndex());
    }
    static void lookUp(DocumentWindow &window, int line, const QString &text)
    {
        window.grid()->setCurrent(line, Code);
        window.lines().setCell(line, Code, text);
        QTest::keyClick(window.grid(), Qt::Key_Return);
    }
    static void save(QWidget &window) { window.findChild<QPushButton *>("BitBtn1")->click(); }
};

TEST_F(StockWindows, TransferLooksUpOnlyBetweenTwoDifferentStoragesAndMovesTheStock)
{
    db.dm.SaveWare(itemId("A001"), "5", "1");
    TfrmDB_In window(db.services);
    window.show();
    lookUp(window, 1, "A001");
    EXPECT_EQ(db.dialogs.lastText(), "调拨仓库 不能为空！请选择 调拨仓库！");
    choose(window, "DBLookupComboBox1", "1");
    lookUp(window, 1, "A001");
    EXPECT_EQ(db.dialogs.lastText(), "入库仓库 不能为空！请选择 入库仓库！");
    EXPECT_EQ(window.focusWidget(), list(window, "DBLookupComboBox2"));
    choose(window, "DBLookupComboBox2", "1");
    lookUp(window, 1, "A001");
    EXPECT_EQ(db.dialogs.lastText(), "调拨仓库 不能和 入库仓库 相同！");
    EXPECT_EQ(window.lines().cell(1, ItemId), QString());

    choose(window, "DBLookupComboBox2", "2");
    lookUp(window, 1, "A001");
    EXPECT_EQ(window.lines().cell(1, ItemId), itemId("A001"));
    EXPECT_EQ(window.lines().cell(1, Transfer::Stock), "5");
    choose(window, "DBLookupComboBox2", "3"); // another destination keeps the lines
    EXPECT_EQ(window.lines().cell(1, ItemId), itemId("A001"));
    window.lines().setCell(1, Quantity, "3");
    EXPECT_TRUE(saveScreenshot(window, "transfer"));

    save(window);
    EXPECT_EQ(db.dialogs.lastText(), "物品调拨单 保存成功！");
    EXPECT_EQ(db.dialogs.previews, 1);
    EXPECT_EQ(rows("select SID, WCount from UWare order by SID"), QStringList({"1|2", "3|3"}));
    EXPECT_EQ(rows("select theType from UWList order by ID"), QStringList({"调拨出库", "调拨入库"}));
    EXPECT_EQ(rows("select DBName, RKName, theBGPro from UDB"), QStringList{"物品仓库|工具仓库|李四"});
    // Both storages are chosen again for the next transfer.
    EXPECT_FALSE(list(window, "DBLookupComboBox1")->keyValue().isValid());
    EXPECT_FALSE(list(window, "DBLookupComboBox2")->keyValue().isValid());
    EXPECT_EQ(window.focusWidget(), list(window, "DBLookupComboBox1"));
    EXPECT_EQ(window.lines().cell(1, ItemId), QString());
}

TEST_F(StockWindows, TransferLinesCarryNoPriceWithZeroPriceOnAndAnotherSourceEmptiesThem)
{
    db.context.ZeroPriceDB = true;
    db.dm.SaveWare(itemId("A001"), "5", "1");
    TfrmDB_In window(db.services);
    window.show();
    choose(window, "DBLookupComboBox1", "1");
    choose(window, "DBLookupComboBox2", "2");
    lookUp(window, 1, "A001");
    ASSERT_EQ(window.lines().cell(1, ItemId), itemId("A001"));
    EXPECT_EQ(window.lines().cell(1, Price), "0");
    EXPECT_EQ(window.lines().cell(1, Amount), "0");
    choose(window, "DBLookupComboBox1", "3");
    EXPECT_EQ(window.lines().cell(1, ItemId), QString());
}

TEST_F(StockWindows, SurplusFindsAnItemAtZeroButNotOneNeverStockedThere)
{
    db.context.DefaultStorage = "1";
    db.context.DefaultApprover = "张三";
    db.dm.SaveWare(itemId("A001"), "0", "1");  // counted out to nothing
    db.dm.SaveWare(itemId("B001"), "4", "2");  // kept in another storage only
    TfrmIn_BY window(db.services);
    window.show();
    lookUp(window, 1, "B001");
    EXPECT_EQ(db.dialogs.lastText(), "物品不存在或已选择！请重新录入！");
    EXPECT_EQ(window.lines().cell(1, ItemId), QString());
    lookUp(window, 1, "A001");
    EXPECT_EQ(window.lines().cell(1, ItemId), itemId("A001"));
    EXPECT_EQ(window.lines().cell(1, SurplusIn::Stock), "0");
    window.lines().setCell(1, Quantity, "2");
    EXPECT_TRUE(saveScreenshot(window, "surplus"));

    save(window);
    EXPECT_EQ(db.dialogs.lastText(), "报溢单 保存成功！");
    EXPECT_EQ(db.dm.myRetKCCount("1", itemId("A001")), "2");
    EXPECT_EQ(rows("select theType, theIn, KCCount from UWList"), QStringList{"报溢入库|2|2"});
    EXPECT_EQ(window.focusWidget(), window.field("Edit2"));
    EXPECT_EQ(window.text("Edit2"), "张三");
}

TEST_F(StockWindows, AnotherSurplusStorageEmptiesTheLines)
{
    db.context.DefaultStorage = "1";
    db.dm.SaveWare(itemId("A001"), "1", "1");
    TfrmIn_BY window(db.services);
    window.show();
    lookUp(window, 1, "A001");
    ASSERT_EQ(window.lines().cell(1, ItemId), itemId("A001"));
    choose(window, "DBLookupComboBox1", "2");
    EXPECT_EQ(window.lines().cell(1, ItemId), QString());
}

} // namespace
