#include "app/WindowOpeners.h"

#include "admin/TfrmAbout.h"
#include "admin/TfrmBImage.h"
#include "admin/TfrmBackup.h"
#include "admin/TfrmChangePass.h"
#include "admin/TfrmClean.h"
#include "admin/TfrmRecover.h"
#include "admin/TfrmUser.h"
#include "app/TfrmMain.h"
#include "documents/TfrmIN_CG.h"
#include "master/ReferenceMembers.h"
#include "master/TfrmDept.h"
#include "master/ImportDialog.h"
#include "master/TfrmMRX.h"
#include "master/TfrmM_Q.h"
#include "master/TfrmP_Q.h"
#include "ui/MaintenanceWindow.h"

namespace {

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
