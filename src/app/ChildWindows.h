#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

// The kinds of non-modal child window the main window opens, in the order in which
// myfrmClose closes them.
enum class ChildKind {
    Departments, Persons, Storages, Suppliers, Items, Users, StockList,
    PurchaseInQuery, RequisitionQuery, LoanQuery, ReturnQuery, DamageQuery, Categories,
    PurchaseOverview, RequisitionOverview, LoanOverview, DamageOverview, ItemQuery,
    PurchaseStatistics, RequisitionStatistics, LoanStatistics, DamageStatistics,
    RequestQuery, TransferQuery, PersonQuery, SupplierQuery, SurplusQuery, SurplusOverview,
    SurplusStatistics, ReturnOverview, RequestOverview, TransferOverview,
    ReturnToSupplierQuery, ReturnToSupplierOverview, ReturnToSupplierStatistics,
    DailyReport, MonthlyReport, YearlyReport, Places, ItemPackages,
    // The stock lists the start-up alerts open beside each other, one per warning.
    BelowMinimumStockList, AboveMaximumStockList,
    Count
};

// One open flag and one window per child kind. Opening a window sets its flag; the
// window frees itself when closed, which clears the flag.
class ChildWindows {
public:
    // Records `window` as the open window of `kind`; it is deleted when closed.
    void opened(ChildKind kind, QWidget *window);
    bool isOpen(ChildKind kind) const;

    // myfrmClose: closes every open child window, in the order of ChildKind.
    void closeAll();

private:
    struct Slot {
        bool open = false;
        QPointer<QWidget> window;
    };
    Slot &slot(ChildKind kind) { return m_slots[size_t(kind)]; }
    const Slot &slot(ChildKind kind) const { return m_slots[size_t(kind)]; }

    std::array<Slot, size_t(ChildKind::Count)> m_slots;
};
