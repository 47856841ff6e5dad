// The period report windows: initial dates, the refused range, the run into UBB, the
// storage filter, the export; the menu items and the tool-bar button that open them.
#include "ReportData.h"
#include "app/TfrmMain.h"
#include "app/WindowOpeners.h"
#include "stock/PeriodReportWindow.h"
#include "stock/StatisticsWindow.h"
#include "support/Screenshots.h"
#include "ui/DataGrid.h"
#include "ui/LookupComboBox.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QJsonArray>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct ReportWindow : ::testing::Test {
    TestDatabase db; // login date 2026-03-15
    ReportDocuments documents{db.dm};
    ReportWindow()
    {
        db.context.OrgName = "测试单位";
        addReportItems(db.dm);
        documents.add("UIn_CG", "2026-03-01", "一号库", {{1, 2, 5}});
        documents.add("UIn_CG", "2026-03-01", "二号库", {{1, 1, 5}});
        documents.add("USQ", "2026-02-16", "", {{2, 2}});
    }
    QString dates(PeriodReportWindow &window)
    {
        return window.findChild<QDateEdit *>("DateTimePicker1")->date().toString("yyyy-MM-dd") + " "
               + window.findChild<QDateEdit *>("DateTimePicker2")->date().toString("yyyy-MM-dd");
    }
    QVariant cell(PeriodReportWindow &window, int row, const QString &title)
    {
        return window.grid()->rows()->value(row, title);
    }
};

TEST_F(ReportWindow, StartsFromTheLoginDate)
{
    TfrmBB_D daily(db.services);
    TfrmBB_M monthly(db.services);
    TfrmBB_Y yearly(db.services);
    EXPECT_EQ(daily.windowTitle(), "日报表");
    EXPECT_EQ(dates(daily), "2026-02-16 2026-03-15");
    EXPECT_EQ(monthly.windowTitle(), "月报表");
    EXPECT_EQ(dates(monthly), "2025-04-01 2026-03-31");
    EXPECT_EQ(yearly.windowTitle(), "年报表");
    EXPECT_EQ(dates(yearly), "2025-01-01 2026-12-31");
    EXPECT_FALSE(daily.findChild<QPushButton *>("BitBtn3")->isEnabled());
    EXPECT_TRUE(daily.findChild<QPushButton *>("BitBtn1")->isDefault());
}

TEST_F(ReportWindow, ReversedRangeIsRefusedBeforeAnythingChanges)
{
    TfrmBB_Y yearly(db.services);
    yearly.run();
    TfrmBB_D daily(db.services);
    daily.findChild<QDateEdit *>("DateTimePicker1")->setDate(QDate(2026, 3, 2));
    daily.findChild<QDateEdit *>("DateTimePicker2")->setDate(QDate(2026, 3, 1));
    daily.run();
    EXPECT_EQ(db.dialogs.lastText(), "日期选择错误，请重新选择日期！");
    EXPECT_EQ(db.value("SELECT COUNT(*) FROM UBB").toInt(), 2);
    EXPECT_EQ(daily.grid()->rows()->rowCount(), 0);
    EXPECT_FALSE(daily.findChild<QPushButton *>("BitBtn3")->isEnabled());
}

TEST_F(ReportWindow, RunShowsEveryPeriodInOrderAndTheStorageFilter)
{
    TfrmBB_D daily(db.services);
    daily.run();
    ASSERT_EQ(daily.grid()->rows()->rowCount(), 28);
    EXPECT_EQ(cell(daily, 0, "操作日期"), "2026-02-16");
    EXPECT_EQ(cell(daily, 0, "申请单数").toInt(), 1);
    EXPECT_EQ(cell(daily, 0, "申请金额").toDouble(), 7);
    EXPECT_EQ(cell(daily, 13, "操作日期"), "2026-03-01");
    EXPECT_EQ(cell(daily, 13, "采购单数").toInt(), 2);
    EXPECT_EQ(cell(daily, 13, "采购金额").toDouble(), 15);
    EXPECT_EQ(cell(daily, 27, "操作日期"), "2026-03-15");
    EXPECT_EQ(daily.grid()->rows()->columnCount(), 19);
    EXPECT_EQ(daily.grid()->rows()->headerData(18, Qt::Horizontal).toString(), "报损金额");
    EXPECT_EQ(daily.findChild<QProgressBar *>("ProgressBar1")->value(), 28);
    EXPECT_TRUE(daily.findChild<QPushButton *>("BitBtn3")->isEnabled());

    auto *storage = daily.findChild<LookupComboBox *>("DBLookupComboBox1");
    storage->setKeyValue(db.value("SELECT ID FROM SStorage WHERE SName = '二号库'"));
    Q_EMIT storage->activated(storage->currentIndex());
    EXPECT_TRUE(daily.findChild<QCheckBox *>("CheckBox1")->isChecked());
    daily.run();
    EXPECT_EQ(cell(daily, 13, "采购单数").toInt(), 1);
    EXPECT_EQ(cell(daily, 13, "采购金额").toDouble(), 5);
    EXPECT_EQ(cell(daily, 0, "申请单数").toInt(), 1); // requests ignore the storage

    TfrmBB_M monthly(db.services);
    monthly.run();
    ASSERT_EQ(monthly.grid()->rows()->rowCount(), 12);
    EXPECT_EQ(cell(monthly, 11, "操作月份"), "2026-03");
    EXPECT_EQ(cell(monthly, 11, "采购数量").toDouble(), 3);
    EXPECT_EQ(db.value("SELECT COUNT(*) FROM UBB").toInt(), 12);
}

TEST_F(ReportWindow, ExportKeepsThePeriodAsTextAndNeedsTheRight)
{
    TfrmBB_M monthly(db.services);
    monthly.run();
    db.context.RightExport = "否";
    monthly.exportSheet();
    EXPECT_TRUE(db.dialogs.openedUrls.isEmpty());
    db.context.RightExport = "是";
    monthly.exportSheet();
    ASSERT_EQ(db.dialogs.openedUrls.size(), 1);
    const QJsonObject sheet = readSheet(db.dialogs.openedUrls.first().toLocalFile());
    const QJsonArray rows = sheet["rows"].toArray();
    ASSERT_EQ(rows.size(), 2 + 12);
    EXPECT_EQ(rows[0].toArray()[0].toString(), "测试单位月报表");
    EXPECT_EQ(sheet["merges"].toArray(), QJsonArray({"A1:T1"}));
    EXPECT_TRUE(sheet["landscape"].toBool());
    const QJsonArray header = rows[1].toArray();
    ASSERT_EQ(header.size(), 20);
    EXPECT_EQ(header[1].toString(), "操作月份");
    EXPECT_EQ(header[19].toString(), "报损金额");
    const QJsonArray march = rows[13].toArray();
    EXPECT_EQ(march[0].toInt(), 12);
    EXPECT_TRUE(march[1].isString());
    EXPECT_EQ(march[1].toString(), "2026-03");
    EXPECT_EQ(march[5].toDouble(), 2);  // 采购单数
    EXPECT_EQ(march[7].toDouble(), 15); // 采购金额
    // Column A is 4 characters wide; the file stores it with the cell padding.
    EXPECT_NEAR(sheet["widths"].toObject()["1"].toDouble(), 4.71, 0.01);
}

TEST_F(ReportWindow, MenuItemsAndTheToolButtonOpenTheWindows)
{
    TfrmMain main(db.services);
    installWindowOpeners(main, db.services);
    for (const char *item : {"N57", "N58", "N59", "N40", "T2", "N42", "N43", "N44", "N54"})
        main.menuItem(item)->setVisible(true);
    main.findChild<QAction *>("ToolButton_N57")->trigger();
    EXPECT_TRUE(main.childWindows().isOpen(ChildKind::DailyReport));
    auto *area = main.findChild<QMdiArea *>();
    ASSERT_EQ(area->subWindowList().size(), 1);
    EXPECT_TRUE(qobject_cast<TfrmBB_D *>(area->subWindowList().first()->widget()));

    const struct {
        const char *item;
        ChildKind kind;
        const char *caption;
    } items[] = {
        {"N58", ChildKind::MonthlyReport, "月报表"},
        {"N59", ChildKind::YearlyReport, "年报表"},
        {"N40", ChildKind::PurchaseStatistics, "采购统计"},
        {"T2", ChildKind::ReturnToSupplierStatistics, "退货出库统计"},
        {"N42", ChildKind::RequisitionStatistics, "领用统计"},
        {"N43", ChildKind::LoanStatistics, "借用统计"},
        {"N44", ChildKind::DamageStatistics, "报损统计"},
        {"N54", ChildKind::SurplusStatistics, "报溢统计"},
    };
    for (const auto &entry : items) {
        main.menuItemClick(entry.item);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(main.childWindows().isOpen(entry.kind)) << entry.item;
        ASSERT_EQ(area->subWindowList().size(), 1) << entry.item;
        EXPECT_EQ(area->subWindowList().first()->widget()->windowTitle(), entry.caption);
    }
}

TEST_F(ReportWindow, Screenshot)
{
    TfrmBB_D daily(db.services);
    daily.resize(1400, 500);
    daily.show();
    daily.run();
    EXPECT_TRUE(saveScreenshot(daily, "period_report_daily"));
}

} // namespace
