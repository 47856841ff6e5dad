#include "app/WindowOpeners.h"

#include "app/TfrmMain.h"
#include "documents/TfrmIN_CG.h"
#include "master/ArticleMembers.h"
#include "master/ReferenceMembers.h"
#include "master/TfrmArticle_M.h"
#include "master/TfrmArticle_Q.h"
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
}
