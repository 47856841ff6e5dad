#include "app/WindowOpeners.h"

#include "admin/TfrmAbout.h"
#include "admin/TfrmBImage.h"
#include "admin/TfrmBackup.h"
#include "admin/TfrmChangePass.h"
#include "admin/TfrmClean.h"
#include "admin/TfrmRecover.h"
#include "admin/TfrmUser.h"
#include "app/TfrmMain.h"
#include "documents/TfrmDB_In.h"
#include "documents/TfrmIn_BY.h"
#include "documents/TfrmIN_CG.h"
#include "documents/TfrmIn_GH.h"
#include "documents/TfrmOut_BS.h"
#include "documents/TfrmOut_JC.h"
#include "documents/TfrmOut_LY.h"
#include "documents/TfrmOut_TH.h"
#include "documents/TfrmSQ_In.h"
#include "master/ArticleMembers.h"
#include "master/ReferenceMembers.h"
#include "master/TfrmAPack.h"
#include "master/TfrmArticle_M.h"
#include "master/TfrmArticle_Q.h"
#include "master/TfrmDept.h"
#include "master/ImportDialog.h"
#include "master/TfrmMRX.h"
#include "master/TfrmM_Q.h"
#include "master/TfrmP_Q.h"
#include "queries/QueryWindows.h"
#include "queries/TfrmSQ_Q.h"
#include "queries/TfrmYLB.h"
#include "stock/PeriodReportWindow.h"
#include "stock/StatisticsWindow.h"
#include "stock/TfrmWare_Q.h"
#include "ui/MaintenanceWindow.h"

#include <QAction>

namespace {

template <class Window>
OverviewList *makeList(AppServices services)
{
    return new Window(services);
}

// The overview lists of the menu, and the child kind each is kept under.
void installOverviewLists(TfrmMain &mainWindow, AppServices services)
{
    const struct {
        const char *item;
        ChildKind kind;
        OverviewList *(*make)(AppServices);
    } overviews[] = {
        {"B2", ChildKind::RequestOverview, makeList<TfrmYLB_SQ>},
        {"N47", ChildKind::PurchaseOverview, makeList<TfrmYLB_CG>},
        {"D2", ChildKind::ReturnToSupplierOverview, makeList<TfrmYLB_TH>},
        {"N28", ChildKind::RequisitionOverview, makeList<TfrmYLB_LY>},
        {"N29", ChildKind::LoanOverview, makeList<TfrmYLB_JC>},
        {"G3", ChildKind::ReturnOverview, makeList<TfrmYLB_GH>},
        {"G4", ChildKind::TransferOverview, makeList<TfrmYLB_DB>},
        {"N32", ChildKind::DamageOverview, makeList<TfrmYLB_BS>},
        {"N53", ChildKind::SurplusOverview, makeList<TfrmYLB_BY>},
    };
    for (const auto &entry : overviews) {
        mainWindow.setWindowOpener(QLatin1String(entry.item), [&mainWindow, services, entry] {
            mainWindow.openChild(entry.kind, entry.make(services));
        });
    }
    mainWindow.setLoanListOpener([services](const QString &state) {
        auto *loans = new TfrmYLB_JC(services);
        loans->chooseState(state);
        return loans;
    });
}

// The document query windows of the query menu.
void installQueryWindowOpeners(TfrmMain &mainWindow, AppServices services)
{
    const struct {
        const char *item;
        ChildKind kind;
        QWidget *(*open)(AppServices services);
    } queries[] = {
        {"N19", ChildKind::PurchaseInQuery, [](AppServices s) -> QWidget * { return new TfrmIn_CG_Q(s); }},
        {"N311", ChildKind::ReturnToSupplierQuery, [](AppServices s) -> QWidget * { return new TfrmOut_TH_Q(s); }},
        {"N20", ChildKind::RequisitionQuery, [](AppServices s) -> QWidget * { return new TfrmOut_LY_Q(s); }},
        {"N23", ChildKind::LoanQuery, [](AppServices s) -> QWidget * { return new TfrmOut_JC_Q(s); }},
        {"N27", ChildKind::ReturnQuery, [](AppServices s) -> QWidget * { return new TfrmIn_GH_Q(s); }},
        {"N9", ChildKind::TransferQuery, [](AppServices s) -> QWidget * { return new TfrmDB_Q(s); }},
        {"N26", ChildKind::DamageQuery, [](AppServices s) -> QWidget * { return new TfrmOut_BS_Q(s); }},
        {"N52", ChildKind::SurplusQuery, [](AppServices s) -> QWidget * { return new TfrmIn_BY_Q(s); }},
    };
    for (const auto &entry : queries) {
        mainWindow.setWindowOpener(QLatin1String(entry.item), [&mainWindow, services, kind = entry.kind,
                                                                open = entry.open] {
            mainWindow.openChild(kind, open(services));
        });
    }
    mainWindow.setWindowOpener(QStringLiteral("N6"), [&mainWindow, services] {
        const auto menuVisible = [&mainWindow](const QString &item) {
            const QAction *action = mainWindow.menuItem(item);
            return action && action->isVisible();
        };
        mainWindow.openChild(ChildKind::RequestQuery, new TfrmSQ_Q(services, menuVisible));
    });
}

// A menu item that shows a new `Dialog` modally, centred on the main window.
template <class Dialog>
void installModalOpener(TfrmMain &mainWindow, const char *item, AppServices services)
{
    mainWindow.setWindowOpener(QLatin1String(item), [&mainWindow, services] {
        Dialog dialog(services, &mainWindow);
        dialog.exec();
    });
}

} // namespace

void installWindowOpeners(TfrmMain &mainWindow, AppServices services)
{
    installOverviewLists(mainWindow, services);
    installQueryWindowOpeners(mainWindow, services);
    const struct {
        const char *item;
        ChildKind kind;
        MaintenanceMember (*member)();
    } maintenance[] = {
        {"N13", ChildKind::Departments, departmentMember},
        {"N15", ChildKind::Persons, personMember},
        {"O1", ChildKind::Storages, storageMember},
        {"N60", ChildKind::Places, placeMember},
        {"N3", ChildKind::Suppliers, supplierMember},
        {"T1", ChildKind::Categories, categoryMember},
        {"N61", ChildKind::ItemPackages, packageMember},
    };
    for (const auto &entry : maintenance) {
        mainWindow.setWindowOpener(QLatin1String(entry.item), [&mainWindow, services, kind = entry.kind,
                                                                 member = entry.member] {
            mainWindow.openChild(kind, new MaintenanceWindow(services, member()));
        });
    }
    mainWindow.setWindowOpener(QStringLiteral("A1"), [&mainWindow, services] {
        mainWindow.openChild(ChildKind::Items, new TfrmArticle_M(services));
    });
    mainWindow.setWindowOpener(QStringLiteral("N34"), [&mainWindow, services] {
        mainWindow.openChild(ChildKind::ItemQuery, new TfrmArticle_Q(services));
    });
    mainWindow.setWindowOpener(QStringLiteral("R4"), [&mainWindow, services] {
        mainWindow.openChild(ChildKind::PersonQuery, new TfrmP_Q(services));
    });
    mainWindow.setWindowOpener(QStringLiteral("G2"), [&mainWindow, services] {
        mainWindow.openChild(ChildKind::SupplierQuery, new TfrmM_Q(services));
    });
    const struct {
        const char *item;
        ChildKind kind;
        QWidget *(*create)(AppServices);
    } stockViews[] = {
        {"N57", ChildKind::DailyReport, [](AppServices s) -> QWidget * { return new TfrmBB_D(s); }},
        {"N58", ChildKind::MonthlyReport, [](AppServices s) -> QWidget * { return new TfrmBB_M(s); }},
        {"N59", ChildKind::YearlyReport, [](AppServices s) -> QWidget * { return new TfrmBB_Y(s); }},
        {"N40", ChildKind::PurchaseStatistics, [](AppServices s) -> QWidget * { return new TfrmTJ_CG(s); }},
        {"T2", ChildKind::ReturnToSupplierStatistics,
         [](AppServices s) -> QWidget * { return new TfrmTJ_TH(s); }},
        {"N42", ChildKind::RequisitionStatistics, [](AppServices s) -> QWidget * { return new TfrmTJ_LY(s); }},
        {"N43", ChildKind::LoanStatistics, [](AppServices s) -> QWidget * { return new TfrmTJ_JY(s); }},
        {"N44", ChildKind::DamageStatistics, [](AppServices s) -> QWidget * { return new TfrmTJ_BS(s); }},
        {"N54", ChildKind::SurplusStatistics, [](AppServices s) -> QWidget * { return new TfrmTJ_BY(s); }},
    };
    for (const auto &entry : stockViews) {
        mainWindow.setWindowOpener(QLatin1String(entry.item), [&mainWindow, services, kind = entry.kind,
                                                                 create = entry.create] {
            mainWindow.openChild(kind, create(services));
        });
    }
    mainWindow.setWindowOpener(QStringLiteral("D1"), [&mainWindow, services] {
        TfrmDept dialog(services, &mainWindow);
        dialog.exec();
    });
    mainWindow.setWindowOpener(QStringLiteral("N11"), [&mainWindow, services] {
        TfrmIN_CG window(services, QString(), &mainWindow);
        window.exec();
    });
    mainWindow.setWindowOpener(QStringLiteral("N310"), [&mainWindow, services] {
        TfrmOut_TH window(services, &mainWindow);
        window.exec();
    });
    mainWindow.setWindowOpener(QStringLiteral("N21"), [&mainWindow, services] {
        TfrmOut_LY window(services, QString(), &mainWindow);
        window.exec();
    });
    mainWindow.setWindowOpener(QStringLiteral("N22"), [&mainWindow, services] {
        TfrmOut_JC window(services, QString(), &mainWindow);
        window.exec();
    });
    mainWindow.setWindowOpener(QStringLiteral("N41"), [&mainWindow, services] {
        TfrmOut_BS window(services, &mainWindow);
        window.exec();
    });
    mainWindow.setWindowOpener(QStringLiteral("W1"), [&mainWindow, services] {
        mainWindow.openChild(ChildKind::StockList, new TfrmWare_Q(services));
    });
    // The start-up warnings open a stock list of their own each, on their button.
    mainWindow.setStockListOpener([services](const QString &state) {
        auto *stock = new TfrmWare_Q(services);
        stock->chooseState(state);
        return stock;
    });
    mainWindow.setWindowOpener(QStringLiteral("O2"), [&mainWindow, services] {
        TfrmIn_GH window(services, &mainWindow);
        window.exec();
    });
    mainWindow.setWindowOpener(QStringLiteral("N14"), [&mainWindow, services] {
        TfrmSQ_In window(services, &mainWindow);
        window.exec();
    });
    mainWindow.setWindowOpener(QStringLiteral("N2"), [&mainWindow, services] {
        TfrmDB_In window(services, &mainWindow);
        window.exec();
    });
    mainWindow.setWindowOpener(QStringLiteral("N81"), [&mainWindow, services] {
        TfrmIn_BY window(services, &mainWindow);
        window.exec();
    });
    mainWindow.setWindowOpener(QStringLiteral("U1"), [&mainWindow, services] {
        mainWindow.openChild(ChildKind::Users, new TfrmUser(services));
    });
    installModalOpener<TfrmChangePass>(mainWindow, "N5", services);
    installModalOpener<TfrmBackup>(mainWindow, "N7", services);
    installModalOpener<TfrmRecover>(mainWindow, "R2", services);
    installModalOpener<TfrmClean>(mainWindow, "N55", services);
    installModalOpener<TfrmBImage>(mainWindow, "J1", services);
    installModalOpener<TfrmAbout>(mainWindow, "A2", services);
    installModalOpener<TfrmIn_P>(mainWindow, "R3", services);
    installModalOpener<TfrmIn_A>(mainWindow, "N37", services);
    installModalOpener<TfrmIn_G>(mainWindow, "G1", services);
    installModalOpener<TfrmMRX>(mainWindow, "M1", services);
}
