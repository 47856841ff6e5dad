// The main window: menu rights, tool bar, child windows, first showing, closing.
#include "app/BackgroundArea.h"
#include "app/LoginService.h"
#include "app/TfrmLogin.h"
#include "app/TfrmMain.h"
#include "store/MenuTable.h"
#include "support/TestDatabase.h"
#include "ui/LookupComboBox.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

// Captions of the visible menu items, top menu by top menu.
QStringList visibleItems(TfrmMain &window)
{
    QStringList visible;
    for (QAction *top : window.menuBar()->actions()) {
        if (!top->isVisible())
            continue;
        QStringList items;
        for (QAction *item : top->menu()->actions()) {
            if (item->isVisible())
                items << (item->isSeparator() ? QStringLiteral("-") : item->text());
        }
        visible << top->text() + QLatin1Char(':') + items.join(QLatin1Char('|'));
    }
    return visible;
}

TEST(MainMenu, ShowsEveryItemWithItsCaptionInPositionOrder)
{
    TestDatabase db;
    TfrmMain window(db.services);
    QStringList menus;
    for (QAction *top : window.menuBar()->actions())
        menus << top->text();
    EXPECT_EQ(menus, QStringList({"文件【&F】", "物品【&A】", "查询【&Q】", "统计【&S】",
                                  "基础设置【&B】", "帮助【&H】"}));
    // Each item sits at the position its code names, separators counted.
    for (const TopMenuDef &def : mainMenuTable()) {
        const QList<QAction *> items = window.topMenu(def.digit)->actions();
        ASSERT_EQ(items.size(), qsizetype(def.items.size()));
        for (size_t i = 0; i < def.items.size(); ++i)
            EXPECT_EQ(items.at(qsizetype(i))->objectName(), QLatin1String(def.items[i].objectName));
    }
    EXPECT_EQ(window.menuItem(QStringLiteral("N11"))->text(), QStringLiteral("采购入库单 &2"));
    EXPECT_EQ(window.menuItem(QStringLiteral("N27"))->text(), QStringLiteral("归还入库查询 &6"));
}

TEST(MainMenu, VisibilityFollowsTheGrantedCodes)
{
    const struct { QStringList codes; QStringList visible; } cases[] = {
        {{}, {"文件【&F】:退出 &X", "帮助【&H】:帮助 &H|-|朔禾网站 &W|-|关于 &A"}},
        {{"102"}, {"文件【&F】:退出 &X", "物品【&A】:采购入库单 &2",
                   "帮助【&H】:帮助 &H|-|朔禾网站 &W|-|关于 &A"}},
        {{"401", "402", "000"}, {"文件【&F】:用户管理 &U|退出 &X",
                                 "基础设置【&B】:部门设置 &U|-|-|物品包设置 &J",
                                 "帮助【&H】:帮助 &H|-|朔禾网站 &W|-|关于 &A"}},
    };
    for (const auto &c : cases) {
        TestDatabase db;
        TfrmMain window(db.services);
        window.applyMenuRights(c.codes);
        EXPECT_EQ(visibleItems(window), c.visible) << c.codes.join(',').toStdString();
    }
}

TEST(MainMenu, TheAdministratorSeesEveryItem)
{
    TestDatabase db;
    TfrmMain window(db.services);
    const LoginResult result = logIn(db.dm, db.context, QStringLiteral("系统管理员"), QString(), QDate(2026, 3, 15));
    window.applyMenuRights(result.grantedCodes);
    for (QAction *top : window.menuBar()->actions()) {
        EXPECT_TRUE(top->isVisible());
        for (QAction *item : top->menu()->actions())
            EXPECT_TRUE(item->isVisible()) << item->objectName().toStdString();
    }
}

TEST(MainMenu, ToolBarHasTwelveButtonsThatActOnlyForVisibleItems)
{
    TestDatabase db;
    TfrmMain window(db.services);
    auto *tools = window.findChild<QToolBar *>(QStringLiteral("ToolBar1"));
    QStringList captions;
    for (QAction *action : tools->actions())
        captions << action->text();
    EXPECT_EQ(captions, QStringList({"申请单", "采购单", "领用单", "借用单", "归还单", "调拨单",
                                     "报损单", "报溢单", "库存物品", "日报表", "帮助", "退出"}));

    int opened = 0;
    window.setWindowOpener(QStringLiteral("N11"), [&opened] { ++opened; });
    QAction *purchase = tools->actions().at(1);
    purchase->trigger();
    EXPECT_EQ(opened, 0); // no right to "采购入库单 &2"
    window.applyMenuRights({QStringLiteral("102")});
    purchase->trigger();
    EXPECT_EQ(opened, 1);

    tools->actions().at(10)->trigger(); // "帮助" works without rights
    EXPECT_EQ(db.dialogs.openedUrls, QList<QUrl>{TfrmMain::helpUrl(db.context.AppDir)});
}

// A child window that records the order in which child windows close.
class RecordingChild : public QWidget {
public:
    RecordingChild(QString name, QStringList &closed) : m_name(std::move(name)), m_closed(closed) {}
protected:
    void closeEvent(QCloseEvent *event) override
    {
        m_closed << m_name;
        QWidget::closeEvent(event);
    }
private:
    QString m_name;
    QStringList &m_closed;
};

TEST(ChildWindowList, ClosesOpenWindowsInTheFixedOrderAndClearsTheirFlags)
{
    TestDatabase db;
    TfrmMain window(db.services);
    QStringList closed;
    window.openChild(ChildKind::ItemPackages, new RecordingChild(QStringLiteral("packages"), closed));
    window.openChild(ChildKind::Departments, new RecordingChild(QStringLiteral("departments"), closed));
    window.openChild(ChildKind::StockList, new RecordingChild(QStringLiteral("stock"), closed));
    EXPECT_TRUE(window.childWindows().isOpen(ChildKind::StockList));

    window.myfrmClose();
    EXPECT_EQ(closed, QStringList({"departments", "stock", "packages"}));
    for (ChildKind kind : {ChildKind::Departments, ChildKind::StockList, ChildKind::ItemPackages})
        EXPECT_FALSE(window.childWindows().isOpen(kind));
}

TEST(ChildWindowList, AMenuCommandClosesTheOpenWindowFirstEvenOfTheSameKind)
{
    TestDatabase db;
    TfrmMain window(db.services);
    window.applyMenuRights({QStringLiteral("200")});
    QStringList closed;
    int number = 0;
    window.setWindowOpener(QStringLiteral("W1"), [&] {
        window.openChild(ChildKind::StockList,
                         new RecordingChild(QStringLiteral("stock %1").arg(++number), closed));
    });
    window.menuItem(QStringLiteral("W1"))->trigger();
    window.menuItem(QStringLiteral("W1"))->trigger();
    EXPECT_EQ(closed, QStringList{"stock 1"});
    EXPECT_TRUE(window.childWindows().isOpen(ChildKind::StockList));
}

TEST(MainWindow, FirstShowingLoadsTheDefaultSettingsAndTheStatusBar)
{
    TestDatabase db;
    db.dm.myESQL(QStringLiteral("update SMRX set theJBR='张三', theCGR='李四', thePZR='王五', theFKC=1, "
                                "theTX=0, theGH=15, YJMin=1, YJMax=1, Z_LY=1, Z_JY=0, Z_GH=1, Z_DB=1"));
    db.dm.myESQL(QStringLiteral("update SUnit set UName=?"), {QStringLiteral("测试单位")});
    TfrmMain window(db.services);
    window.show();
    const AppContext &c = db.context;
    EXPECT_EQ(c.DefaultStorage, QStringLiteral("1"));
    EXPECT_EQ(c.DefaultHandler, QStringLiteral("张三"));
    EXPECT_EQ(c.DefaultPurchaser, QStringLiteral("李四"));
    EXPECT_EQ(c.DefaultApprover, QStringLiteral("王五"));
    EXPECT_TRUE(c.AllowNegativeStock);
    EXPECT_FALSE(c.RemindOverdueLoans);
    EXPECT_EQ(c.LoanDays, QStringLiteral("15"));
    EXPECT_TRUE(c.WarnBelowMin && c.WarnAboveMax);
    EXPECT_TRUE(c.ZeroPriceLY && !c.ZeroPriceJY && c.ZeroPriceGH && c.ZeroPriceDB);
    EXPECT_EQ(c.ImageDir, c.AppDir + QStringLiteral("Image"));
    EXPECT_EQ(c.OrgName, QStringLiteral("测试单位"));
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("StatusUser"))->text(), QStringLiteral("系统管理员"));
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("StatusDate"))->text(), kTestLoginDate);
    EXPECT_EQ(window.backgroundArea()->picture(), BackgroundArea::builtInPicture());
}

TEST(MainWindow, BackgroundComesFromBjJpgBesideTheProgram)
{
    TestDatabase db;
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(QColor(200, 30, 30));
    ASSERT_TRUE(picture.save(db.context.AppDir + QStringLiteral("bj.jpg"), "JPG"));
    TfrmMain window(db.services);
    window.show();
    EXPECT_EQ(window.backgroundArea()->picture().size(), QSize(64, 48));
}

TEST(MainWindow, ExitAsksAndNoKeepsTheProgramRunning)
{
    TestDatabase db;
    TfrmMain window(db.services);
    window.show();
    db.dialogs.answers = {false};
    window.menuItem(QStringLiteral("N8"))->trigger();
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(db.dialogs.messages.size(), 1);
    EXPECT_EQ(db.dialogs.messages[0].caption, QStringLiteral("确认退出"));
    EXPECT_EQ(db.dialogs.messages[0].text, QStringLiteral("确认要退出 朔禾物品管理软件 吗？ ^_^ "));

    db.dialogs.answers = {true};
    window.close();
    EXPECT_FALSE(window.isVisible());
}

TEST(MainWindow, ScreensUpTo1366PixelsWideOpenMaximised)
{
    EXPECT_TRUE(TfrmMain::opensMaximised(1024));
    EXPECT_TRUE(TfrmMain::opensMaximised(1366));
    EXPECT_FALSE(TfrmMain::opensMaximised(1367));
}

// Pictures of the login window and of the main window after login, for a person to
// look at; written when ARTICLE_SCREENSHOT_DIR names a folder.
TEST(MainWindow, Screenshots)
{
    const QString folder = qEnvironmentVariable("ARTICLE_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "ARTICLE_SCREENSHOT_DIR not set";
    QDir().mkpath(folder);
    TestDatabase db;
    TfrmMain window(db.services);
    TfrmLogin login(db.services);
    login.show();
    login.userList()->setKeyValue(QStringLiteral("系统管理员"));
    login.passwordEdit()->setText(QStringLiteral("secret"));
    EXPECT_TRUE(login.grab().save(folder + QStringLiteral("/login.png")));

    const LoginResult result = logIn(db.dm, db.context, QStringLiteral("系统管理员"), QString(), QDate(2026, 3, 15));
    window.applyMenuRights(result.grantedCodes);
    window.setWindowState(Qt::WindowNoState);
    window.resize(1280, 720);
    window.show();
    EXPECT_TRUE(window.grab().save(folder + QStringLiteral("/main.png")));
    window.topMenu(4)->popup(window.mapToGlobal(QPoint(300, 25)));
    EXPECT_TRUE(window.topMenu(4)->grab().save(folder + QStringLiteral("/menu4.png")));
}

} // namespace
