#pragma once

#include <QString>
#include <QWidget>

#include <functional>

struct AppContext;
class TfrmDM;

// The start-up alerts: at the first showing of the main window, after the default
// settings are loaded, the lists of overdue loans and of stock outside its limits open
// by themselves when the user asked for them and there is something to show.

// Which alerts fire. Each is true only when its setting is on and at least one row
// would be listed. The overdue alert asks with exactly the conditions the loan list
// uses on "超出归还天数", storage restriction included, so it never opens an empty list.
struct StartupAlerts {
    bool overdueLoans = false;
    bool belowMinimum = false;
    bool aboveMaximum = false;
};
StartupAlerts decideStartupAlerts(TfrmDM &dm, const AppContext &context);

// The stock list's state buttons the stock alerts open it on.
inline const QString kBelowMinimumState = QStringLiteral("低于最低库存");
inline const QString kAboveMaximumState = QStringLiteral("高于最高库存");

// The conditions of those buttons: strict, and only for items with warnings on.
QString stockWarningCondition(const QString &state);

// Makes a stock list window with the state button `state` chosen (which runs its
// search) and returns it for the main window to show; the stock list registers it with
// TfrmMain::setStockListOpener. Each stock alert gets a window of its own.
using StockListOpener = std::function<QWidget *(const QString &state)>;
