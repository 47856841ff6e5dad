#pragma once

#include "app/ChildWindows.h"
#include "app/StartupAlerts.h"
#include "ui/AppServices.h"

#include <QHash>
#include <QMainWindow>
#include <functional>

class BackgroundArea;
class QAction;
class QLabel;
class QMenu;

// The main window: an MDI frame with the menu, the tool bar of twelve buttons, the
// status bar and the background picture. Menu items are named as their handlers
// (objectName "N11" for "采购入库单 &2") and start hidden until the login grants them.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(AppServices services, QWidget *parent = nullptr);

    // Makes the granted menu items visible, by position code, and the top menus that
    // hold them. Nothing is hidden here.
    void applyMenuRights(const QStringList &codes);

    QAction *menuItem(const QString &objectName) const { return m_items.value(objectName); }
    QMenu *topMenu(int digit) const { return m_topMenus.value(digit); }
    BackgroundArea *backgroundArea() const { return m_area; }
    ChildWindows &childWindows() { return m_children; }

    // The function that opens the window of a menu item; windows register here.
    void setWindowOpener(const QString &objectName, std::function<void()> open);

    // The start-up alerts open these lists on a state button: the loan list on
    // "超出归还天数" (registered with the menu's windows) and the stock list on each of its
    // warnings (registered by the stock list). Without an opener that alert opens nothing.
    void setLoanListOpener(StockListOpener open) { m_loanListOpener = std::move(open); }
    void setStockListOpener(StockListOpener open) { m_stockListOpener = std::move(open); }

    // Shows `window` as the open MDI child of `kind`.
    void openChild(ChildKind kind, QWidget *window);
    // Closes every open child window, in the fixed order of the child kinds.
    void myfrmClose();

    // The handler of a menu item or tool-bar button: does nothing when the item is not
    // visible (the user has no right to it), else closes the open child windows and
    // opens the item's window. "退出", "帮助" and "朔禾网站" have their own handlers.
    void menuItemClick(const QString &objectName);

    // Where "帮助 &H" and "朔禾网站 &W" lead: the user manual installed in the program's
    // folder, and the maker's home page.
    static QUrl helpUrl(const QString &appDir);
    static QUrl homeUrl();

    // Maximised on screens up to 1366 pixels wide, centred in normal state on wider ones.
    static bool opensMaximised(int screenWidth);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void buildToolBar();
    void buildStatusBar();
    void placeOnScreen();
    void FormShow();
    void raiseStartupAlerts();

    AppServices m_services;
    BackgroundArea *m_area;
    ChildWindows m_children;
    QHash<QString, QAction *> m_items;
    QHash<int, QMenu *> m_topMenus;
    QHash<QString, std::function<void()>> m_openers;
    StockListOpener m_loanListOpener;
    StockListOpener m_stockListOpener;
    QLabel *m_userPanel = nullptr;
    QLabel *m_datePanel = nullptr;
    bool m_shown = false;
};
