// The item and category maintenance windows, driven through their widgets.
#include "master/ArticleFixture.h"
#include "master/ArticleMembers.h"
#include "master/TfrmArticle_M.h"
#include "support/Screenshots.h"
#include "ui/DataGrid.h"
#include "ui/LookupComboBox.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct ArticleWindows : ::testing::Test {
    TestDatabase db;

    static void type(MaintenanceWindow &window, const QString &column, const QString &text)
    {
        QWidget *field = window.field(column);
        if (auto *list = qobject_cast<LookupComboBox *>(field))
            list->setKeyValue(text);
        else
            static_cast<QLineEdit *>(field)->setText(text);
    }
    static QString fieldText(MaintenanceWindow &window, const QString &column)
    {
        return static_cast<QLineEdit *>(window.field(column))->text();
    }
    static void click(MaintenanceWindow &window, const char *name)
    {
        window.findChild<QPushButton *>(QLatin1String(name))->click();
    }
    static void choose(MaintenanceWindow &window, const QString &name)
    {
        RowsModel *rows = window.grid()->rows();
        for (int row = 0; row < rows->rowCount(); ++row) {
            if (rows->value(row, QStringLiteral("物品名称")).toString() == name)
                window.grid()->setCurrentIndex(rows->index(row, 0));
        }
    }
    void addThroughWindow(MaintenanceWindow &window, const QString &name)
    {
        click(window, "ButNew");
        type(window, "AName", name);
        type(window, "AUnit", QStringLiteral("个"));
        type(window, "APrice", QStringLiteral("3.5"));
        click(window, "ButSave");
    }
};

TEST_F(ArticleWindows, NewItemsGetConsecutiveCodesAndTheDefaults)
{
    db.dm.myESQL(QStringLiteral("insert into UAType (theName) values ('五金')"));
    TfrmArticle_M window(db.services);
    window.show();
    click(window, "ButNew");
    EXPECT_EQ(fieldText(window, "theNum"), QStringLiteral("2603150001"));
    EXPECT_EQ(window.focusWidget(), window.field("AName"));
    type(window, "AName", QStringLiteral("扳手"));
    type(window, "AType", QStringLiteral("五金"));
    type(window, "AUnit", QStringLiteral("把"));
    type(window, "APrice", QStringLiteral("25.5"));
    click(window, "ButSave");
    EXPECT_TRUE(db.dialogs.messages.isEmpty()) << db.dialogs.lastText().toStdString();
    addThroughWindow(window, QStringLiteral("钳子"));
    EXPECT_EQ(window.grid()->rows()->rowCount(), 2);
    saveScreenshot(window, QStringLiteral("frmArticle_M"));

    QSqlQuery row = db.dm.select(QStringLiteral(
        "select theNum, AType, APrice, thePY, theDate, YJMin, YJMax, theYJ, FJCount from UArticle order by ID"));
    ASSERT_TRUE(row.next());
    EXPECT_EQ(row.value(0).toString(), QStringLiteral("2603150001"));
    EXPECT_EQ(row.value(1).toString(), QStringLiteral("五金"));
    EXPECT_EQ(row.value(2).toDouble(), 25.5);
    EXPECT_EQ(row.value(3).toString(), QStringLiteral("BS"));
    EXPECT_EQ(row.value(4).toString(), kTestLoginDate);
    EXPECT_EQ(row.value(5).toInt(), 9);
    EXPECT_EQ(row.value(6).toInt(), 99);
    EXPECT_EQ(row.value(7).toString(), QStringLiteral("否"));
    EXPECT_EQ(row.value(8).toInt(), 0);
    ASSERT_TRUE(row.next());
    EXPECT_EQ(row.value(0).toString(), QStringLiteral("2603150002"));

    // After deleting the first item the day's count would propose 0002 again.
    choose(window, QStringLiteral("扳手"));
    db.dialogs.answers << true;
    click(window, "ButDel");
    click(window, "ButNew");
    EXPECT_EQ(fieldText(window, "theNum"), QStringLiteral("2603150003"));
}

TEST_F(ArticleWindows, SaveChecksInOrderAndRefusesDuplicatesOnAddAndChange)
{
    addArticle(db, {QStringLiteral("A-1"), QStringLiteral("订书机")});
    TfrmArticle_M window(db.services);
    const struct {
        const char *column;
        QString text;
        QString message;
    } cases[] = {
        {"theNum", QString(), QStringLiteral("物品编码 不能为空！请重新录入！")},
        {"AName", QString(), QStringLiteral("物品名称 不能为空！请重新录入！")},
        {"AUnit", QString(), QStringLiteral("单位 不能为空！请重新录入！")},
        {"APrice", QString(), QStringLiteral("单价 不能为空！请重新录入！")},
        {"APrice", QStringLiteral("."), QStringLiteral("单价 不是有效的数字！")},
        {"theNum", QStringLiteral("A-1"), QStringLiteral("物品编码 添加重复！")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        click(window, "ButNew");
        type(window, "AName", QStringLiteral("回形针"));
        type(window, "AUnit", QStringLiteral("盒"));
        type(window, "APrice", QStringLiteral("2"));
        type(window, c.column, c.text);
        click(window, "ButSave");
        EXPECT_EQ(db.dialogs.lastText(), c.message);
        EXPECT_EQ(window.state(), MaintenanceWindow::State::Adding);
        click(window, "ButCan");
    }
    addThroughWindow(window, QStringLiteral("回形针"));
    ASSERT_EQ(db.value("select count(*) from UArticle").toInt(), 2);

    // Changing the new item's code to the first one's is refused too.
    choose(window, QStringLiteral("回形针"));
    click(window, "ButMed");
    type(window, "theNum", QStringLiteral("A-1"));
    db.dialogs.clear();
    click(window, "ButSaveEdit");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("物品编码 添加重复！"));
    EXPECT_EQ(window.state(), MaintenanceWindow::State::Modifying);
    type(window, "theNum", QStringLiteral("B-2"));
    click(window, "ButSaveEdit");
    EXPECT_EQ(db.value("select theNum from UArticle where AName='回形针'").toString(), QStringLiteral("B-2"));
}

TEST_F(ArticleWindows, DeleteFollowsTheTableOfStockAndHistory)
{
    db.dm.myESQL(QStringLiteral("insert into SStorage (SName) values ('一号库'), ('二号库')"));
    const int stocked = addArticle(db, {QStringLiteral("1"), QStringLiteral("有库存")});
    addStock(db, stocked, 1, 5);
    addStock(db, stocked, 2, 0);
    const int booked = addArticle(db, {QStringLiteral("2"), QStringLiteral("有单据")});
    db.dm.myESQL(QStringLiteral("insert into UIn_CG_Bill (theNum, AID, theCount, myID, theDel) values ('x', ?, 1, 1, 0)"),
                 {booked});
    const int free = addArticle(db, {QStringLiteral("3"), QStringLiteral("可删除")});
    addStock(db, free, 1, 0);
    addStock(db, free, 2, 0);

    TfrmArticle_M window(db.services);
    const struct {
        QString name;
        QString message;
        int itemsLeft;
    } cases[] = {
        {QStringLiteral("有库存"), QStringLiteral("有库存 有库存，不能删除！"), 3},
        {QStringLiteral("有单据"), QStringLiteral("有单据 已有出入库记录，不能删除！"), 3},
        {QStringLiteral("可删除"), QStringLiteral("确认要删除吗？该删除将不可恢复！"), 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        choose(window, c.name);
        db.dialogs.answers << true;
        click(window, "ButDel");
        EXPECT_EQ(db.dialogs.lastText(), c.message);
        EXPECT_EQ(db.value("select count(*) from UArticle").toInt(), c.itemsLeft);
    }
    EXPECT_EQ(db.value("select count(*) from UWare where AID=?", {free}).toInt(), 0);
    EXPECT_EQ(db.value("select count(*) from UWare where AID=?", {stocked}).toInt(), 2);
    EXPECT_EQ(window.grid()->rows()->rowCount(), 2);
}

TEST_F(ArticleWindows, PopupWorksOnTheCurrentItem)
{
    addArticle(db, {QStringLiteral("A-1"), QStringLiteral("订书机")});
    TfrmArticle_M window(db.services);
    QStringList captions;
    for (QAction *action : window.popupMenu()->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(captions, (QStringList{"附件管理 &A", "-", "预警设置 &Y", "-", "图片管理 &P", "查看图片 &K", "图片列表 &L",
                                     "-", "文件上传 &F", "文件下载 &D"}));
    window.popupMenu()->findChild<QAction *>(QStringLiteral("D1"))->trigger();
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("A-1 订书机 没有上传文件！"));
    EXPECT_EQ(window.grid()->toolTip(), QStringLiteral("亲，鼠标右键 有惊喜哟！"));
}

TEST_F(ArticleWindows, CategoriesRefuseDuplicatesAndLeaveTheirNameOnItems)
{
    MaintenanceWindow window(db.services, categoryMember());
    for (const QString &name : {QStringLiteral("五金"), QStringLiteral("五金")}) {
        click(window, "ButNew");
        type(window, "theName", name);
        click(window, "ButSave");
    }
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("分类名称 添加重复！"));
    click(window, "ButCan");
    click(window, "ButNew");
    click(window, "ButSave");
    EXPECT_EQ(db.dialogs.lastText(), QStringLiteral("分类名称 不能为空！请重新录入！"));
    click(window, "ButCan");
    saveScreenshot(window, QStringLiteral("frmAType"));

    addArticle(db, {QStringLiteral("A-1"), QStringLiteral("扳手"), QStringLiteral("五金")});
    db.dialogs.answers << true;
    click(window, "ButDel");
    EXPECT_EQ(db.value("select count(*) from UAType").toInt(), 0);
    EXPECT_EQ(db.value("select AType from UArticle").toString(), QStringLiteral("五金"));
}

} // namespace

namespace {

TEST_F(ArticleWindows, ModifyingKeepsACategoryTheListNoLongerHolds)
{
    addArticle(db, {QStringLiteral("A-1"), QStringLiteral("扳手"), QStringLiteral("旧分类"), QStringLiteral("3"),
                    QStringLiteral("旧货位")});
    TfrmArticle_M window(db.services);
    click(window, "ButMed");
    type(window, "AName", QStringLiteral("活动扳手"));
    click(window, "ButSaveEdit");
    EXPECT_EQ(db.value("select AType from UArticle").toString(), QStringLiteral("旧分类"));
    EXPECT_EQ(db.value("select PName from UArticle").toString(), QStringLiteral("旧货位"));
    EXPECT_EQ(db.value("select AName from UArticle").toString(), QStringLiteral("活动扳手"));
}

} // namespace
