#include "app/TfrmMain.h"

#include "app/BackgroundArea.h"
#include "store/AppContext.h"
#include "store/DefaultSettings.h"
#include "store/MenuTable.h"
#include "queries/OverviewLists.h"
#include "ui/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

struct ToolButtonDef {
    const char *caption;
    const char *menuItem;  // the menu item whose handler the button shares
    QColor colour;
};

const ToolButtonDef kToolButtons[] = {
    {"申请单", "N14", QColor(0x3b, 0x7d, 0xd8)}, {"采购单", "N11", QColor(0x2e, 0x9e, 0x5b)},
    {"领用单", "N21", QColor(0xe0, 0x8a, 0x1e)}, {"借用单", "N22", QColor(0x9b, 0x59, 0xb6)},
    {"归还单", "O2", QColor(0x16, 0xa0, 0x85)},  {"调拨单", "N2", QColor(0x34, 0x6f, 0x9e)},
    {"报损单", "N41", QColor(0xc0, 0x39, 0x2b)}, {"报溢单", "N81", QColor(0x27, 0xae, 0x60)},
    {"库存物品", "W1", QColor(0x7f, 0x8c, 0x3d)}, {"日报表", "N57", QColor(0xd3, 0x54, 0x00)},
    {"帮助", "H2", QColor(0x5d, 0x6d, 0x7e)},     {"退出", "N8", QColor(0x7b, 0x24, 0x1c)},
};

// A tool-bar glyph: the first character of the caption on a coloured tile.
QIcon glyph(const QString &caption, const QColor &colour)
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colour);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(pixmap.rect().adjusted(2, 2, -2, -2), 10, 10);
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(26);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, caption.left(1));
    return QIcon(pixmap);
}

QLabel *statusPanel(const QString &text, int width, Qt::Alignment alignment)
{
    auto *panel = new QLabel(text);
    panel->setFixedWidth(width);
    panel->setAlignment(alignment | Qt::AlignVCenter);
    return panel;
}

} // namespace

TfrmMain::TfrmMain(AppServices services, QWidget *parent)
    : QMainWindow(parent), m_services(services), m_area(new BackgroundArea(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kProgramTitle);
    setCentralWidget(m_area);
    m_area->setObjectName(QStringLiteral("Image1"));
    buildMenu();
    buildToolBar();
    buildStatusBar();
    placeOnScreen();
}

bool TfrmMain::opensMaximised(int screenWidth)
{
    return screenWidth <= 1366;
}

void TfrmMain::placeOnScreen()
{
    resize(1280, 720);
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect desktop = screen->availableGeometry();
    if (opensMaximised(screen->geometry().width())) {
        setWindowState(Qt::WindowMaximized);
    } else {
        move(desktop.center() - rect().center());
    }
}

void TfrmMain::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    for (const TopMenuDef &def : mainMenuTable()) {
        QMenu *menu = bar->addMenu(QString::fromUtf8(def.caption));
        menu->setObjectName(QLatin1String(def.objectName));
        menu->menuAction()->setObjectName(QLatin1String(def.objectName));
        menu->menuAction()->setVisible(!def.governedByRights || def.digit == 0);
        m_topMenus.insert(def.digit, menu);
        for (const MenuItemDef &item : def.items) {
            const QString caption = QString::fromUtf8(item.caption);
            const QString name = QLatin1String(item.objectName);
            QAction *action = caption == QStringLiteral("-") ? menu->addSeparator()
                                                             : menu->addAction(caption);
            action->setObjectName(name);
            action->setVisible(item.visibleAtStart);
            m_items.insert(name, action);
            if (!action->isSeparator())
                connect(action, &QAction::triggered, this, [this, name] { menuItemClick(name); });
        }
    }
}

void TfrmMain::buildToolBar()
{
    auto *tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("ToolBar1"));
    tools->setMovable(false);
    tools->setFixedHeight(76);
    tools->setIconSize(QSize(40, 40));
    tools->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    addToolBar(Qt::TopToolBarArea, tools);
    for (const ToolButtonDef &def : kToolButtons) {
        const QString caption = QString::fromUtf8(def.caption);
        const QString item = QLatin1String(def.menuItem);
        QAction *action = tools->addAction(glyph(caption, def.colour), caption);
        action->setObjectName(QStringLiteral("ToolButton_") + item);
        if (QWidget *button = tools->widgetForAction(action))
            button->setFixedSize(70, 70);
        connect(action, &QAction::triggered, this, [this, item] { menuItemClick(item); });
    }
}

void TfrmMain::buildStatusBar()
{
    QStatusBar *status = statusBar();
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->addWidget(statusPanel(kProgramTitle, 150, Qt::AlignLeft));
    status->addWidget(statusPanel(QStringLiteral("当前登录用户："), 120, Qt::AlignRight));
    m_userPanel = statusPanel(QString(), 120, Qt::AlignLeft);
    m_userPanel->setObjectName(QStringLiteral("StatusUser"));
    status->addWidget(m_userPanel);
    status->addWidget(statusPanel(QStringLiteral("当前系统日期："), 120, Qt::AlignRight));
    m_datePanel = statusPanel(QString(), 120, Qt::AlignLeft);
    m_datePanel->setObjectName(QStringLiteral("StatusDate"));
    status->addWidget(m_datePanel);
}

void TfrmMain::applyMenuRights(const QStringList &codes)
{
    for (const QString &code : codes) {
        const int digit = code.left(1).toInt();
        const int position = code.mid(1, 2).toInt();
        QMenu *menu = m_topMenus.value(digit);
        if (!menu || code.size() != 3)
            continue;
        const QList<QAction *> items = menu->actions();
        if (position >= items.size())
            continue;
        menu->menuAction()->setVisible(true);
        items.at(position)->setVisible(true);
    }
}

void TfrmMain::menuItemClick(const QString &objectName)
{
    if (objectName == QStringLiteral("N8")) {
        close();
        return;
    }
    if (objectName == QStringLiteral("H2")) {
        m_services.dialogs.openUrl(helpUrl(m_services.context.AppDir));
        return;
    }
    if (objectName == QStringLiteral("N4")) {
        m_services.dialogs.openUrl(homeUrl());
        return;
    }
    QAction *item = m_items.value(objectName);
    if (!item || !item->isVisible())
        return;
    const auto opener = m_openers.find(objectName);
    if (opener == m_openers.end())
        return; // the item's window does not exist yet
    myfrmClose();
    opener.value()();
}

void TfrmMain::setWindowOpener(const QString &objectName, std::function<void()> open)
{
    m_openers.insert(objectName, std::move(open));
}

QUrl TfrmMain::helpUrl(const QString &appDir)
{
    return QUrl::fromLocalFile(appDir + QStringLiteral("manual/index.html"));
}

QUrl TfrmMain::homeUrl()
{
    return QUrl(kMakerHomePage);
}

void TfrmMain::openChild(ChildKind kind, QWidget *window)
{
    m_children.opened(kind, window);
    m_area->addSubWindow(window)->showMaximized();
}

void TfrmMain::myfrmClose()
{
    m_children.closeAll();
}

void TfrmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfrmMain::FormShow()
{
    AppContext &context = m_services.context;
    m_userPanel->setText(context.CurUserName);
    m_datePanel->setText(context.LoginDate);
    loadDefaultSettings(m_services.dm, context);
    raiseStartupAlerts();

    const QString background = context.AppDir + QStringLiteral("bj.jpg");
    if (QFile::exists(background)) {
        const QImage picture(background);
        if (!picture.isNull())
            m_area->setPicture(picture);
    }
}

// Each alert that fires opens its list beside the others, without closing any.
void TfrmMain::raiseStartupAlerts()
{
    const StartupAlerts alerts = decideStartupAlerts(m_services.dm, m_services.context);
    const struct {
        bool fires;
        const StockListOpener &open;
        ChildKind kind;
        QString state;
    } windows[] = {
        {alerts.overdueLoans, m_loanListOpener, ChildKind::LoanOverview, kOverdueState},
        {alerts.belowMinimum, m_stockListOpener, ChildKind::BelowMinimumStockList, kBelowMinimumState},
        {alerts.aboveMaximum, m_stockListOpener, ChildKind::AboveMaximumStockList, kAboveMaximumState},
    };
    for (const auto &window : windows) {
        if (!window.fires || !window.open)
            continue;
        if (QWidget *list = window.open(window.state))
            openChild(window.kind, list);
    }
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    const bool quit = m_services.dialogs.question(
        this, QStringLiteral("确认要退出 朔禾物品管理软件 吗？ ^_^ "), QStringLiteral("确认退出"));
    if (!quit) {
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::quit();
}
