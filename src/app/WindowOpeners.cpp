#include "app/WindowOpeners.h"

#include "app/TfrmMain.h"
#include "documents/TfrmIN_CG.h"
#include "documents/TfrmOut_BS.h"
#include "documents/TfrmOut_JC.h"
#include "documents/TfrmOut_LY.h"
#include "documents/TfrmOut_TH.h"
#include "master/ArticleMembers.h"
#include "master/ReferenceMembers.h"
#include "master/TfrmAPack.h"
#include "master/TfrmArticle_M.h"
#include "master/TfrmArticle_Q.h"
#include "master/TfrmDept.h"
#include "master/TfrmM_Q.h"
#include "master/TfrmP_Q.h"
#include "stock/PeriodReportWindow.h"
#include "stock/StatisticsWindow.h"
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
        {"N61", ChildKind::ItemPackages, packageMember},
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
}
