#include "app/WindowOpeners.h"

#include "app/TfrmMain.h"
#include "documents/TfrmIN_CG.h"
#include "documents/TfrmIn_GH.h"
#include "documents/TfrmSQ_In.h"
#include "master/ReferenceMembers.h"
#include "master/TfrmDept.h"
#include "master/TfrmM_Q.h"
#include "master/TfrmP_Q.h"
#include "ui/MaintenanceWindow.h"

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
    mainWindow.setWindowOpener(QStringLiteral("O2"), [&mainWindow, services] {
        TfrmIn_GH window(services, &mainWindow);
        window.exec();
    });
    mainWindow.setWindowOpener(QStringLiteral("N14"), [&mainWindow, services] {
        TfrmSQ_In window(services, &mainWindow);
        window.exec();
    });
}
