#include "app/StartupAlerts.h"

#include "queries/OverviewLists.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"

namespace {

bool anyRow(TfrmDM &dm, const BoundStatement &statement)
{
    return dm.select(statement.text, statement.values).next();
}

// Stock rows of the user's storages (all when none are listed) in a warning state.
BoundStatement stockWarningRows(const AppContext &context, const QString &state)
{
    ListConditions conditions;
    conditions.add(storageCondition(QStringLiteral("SName"), context.UserStorages, StorageRule::WhenListed));
    conditions.add(SqlCondition{stockWarningCondition(state)});
    ListStatement stock;
    stock.from = QStringLiteral(" from (UWare INNER JOIN SStorage ON UWare.SID = SStorage.ID) "
                                "INNER JOIN UArticle ON UWare.AID = UArticle.ID");
    stock.where = QStringLiteral(" WHERE (UWare.ID > 0)");
    return stock.anyRowStatement(conditions);
}

} // namespace

QString stockWarningCondition(const QString &state)
{
    const QString limit = state == kBelowMinimumState ? QStringLiteral("WCount < YJMin")
                                                      : QStringLiteral("WCount > YJMax");
    return QStringLiteral("(%1) AND (theYJ = '是')").arg(limit);
}

StartupAlerts decideStartupAlerts(TfrmDM &dm, const AppContext &context)
{
    StartupAlerts alerts;
    if (context.RemindOverdueLoans) {
        const ListStatement loans = overviewConfig(OverviewKind::Loan, dm.engine()).statement;
        alerts.overdueLoans =
            anyRow(dm, loans.anyRowStatement(overdueLoanConditions(context.UserStorages, dm.engine())));
    }
    if (context.WarnBelowMin)
        alerts.belowMinimum = anyRow(dm, stockWarningRows(context, kBelowMinimumState));
    if (context.WarnAboveMax)
        alerts.aboveMaximum = anyRow(dm, stockWarningRows(context, kAboveMaximumState));
    return alerts;
}
