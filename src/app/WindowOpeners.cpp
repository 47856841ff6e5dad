#include "app/WindowOpeners.h"

#include "app/TfrmMain.h"
#include "documents/TfrmIN_CG.h"
#include "documents/TfrmIn_GH.h"
#include "master/ArticleMembers.h"
#include "master/ReferenceMembers.h"
#include "master/TfrmArticle_M.h"
#include "master/TfrmArticle_Q.h"
#include "master/TfrmDept.h"
#include "master/TfrmM_Q.h"
#include "master/TfrmP_Q.h"
#include "queries/TfrmYLB.h"
#include "stock/TfrmWare_Q.h"
#include "ui/MaintenanceWindow.h"

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

} // namespace

void installWindowOpeners(TfrmMain &mainWindow, AppServices services)
{
    installOverviewLists(mainWindow, services);
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
    mainWindow.setWindowOpener(QStringLiteral("D1"), [&mainWindow, services] {
        TfrmDept dialog(services, &mainWindow);
        dialog.exec();
    });
    mainWindow.setWindowOpener(QStringLiteral("N11"), [&mainWindow, services] {
        TfrmIN_CG window(services, QString(), &mainWindow);
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
}
