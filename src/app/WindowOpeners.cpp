#include "app/WindowOpeners.h"

#include "app/TfrmMain.h"
#include "documents/TfrmDB_In.h"
#include "documents/TfrmIN_CG.h"
#include "documents/TfrmIn_BY.h"
#include "documents/TfrmOut_BS.h"
#include "documents/TfrmOut_JC.h"
#include "documents/TfrmOut_LY.h"
#include "documents/TfrmOut_TH.h"
#include "documents/TfrmIn_GH.h"
#include "documents/TfrmSQ_In.h"
#include "master/ReferenceMembers.h"
#include "master/TfrmAPack.h"
#include "master/TfrmDept.h"
#include "master/TfrmM_Q.h"
#include "master/TfrmP_Q.h"
#include "queries/QueryWindows.h"
#include "queries/TfrmSQ_Q.h"
#include "ui/MaintenanceWindow.h"

#include <QAction>

namespace {

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

} // namespace

void installWindowOpeners(TfrmMain &mainWindow, AppServices services)
{
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
        {"N61", ChildKind::ItemPackages, packageMember},
    };
    for (const auto &entry : maintenance) {
        mainWindow.setWindowOpener(QLatin1String(entry.item), [&mainWindow, services, kind = entry.kind,
                                                                 member = entry.member] {
            mainWindow.openChild(kind, new MaintenanceWindow(services, member()));
        });
    }
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
    installQueryWindowOpeners(mainWindow, services);
}
