#include "documents/LineCorrections.h"

#include "store/AppContext.h"
#include "store/DatabaseError.h"
#include "store/LedgerKinds.h"
#include "store/Numbers.h"
#include "store/TfrmDM.h"
#include "store/Transaction.h"

#include <QSqlQuery>

namespace LineCorrections {

namespace {

// How a count change of a line moves stock: an inbound line takes its old count out and
// books the new one in; an outbound line the other way round.
struct CountRule {
    const char *table;
    const QString *ledgerKind; // null: no stock, no ledger (request lines)
    bool inbound;
    bool returnable;           // has GHCount, the count returned so far
};

const CountRule kCountRules[] = {
    {"UIn_CG_Bill", &LedgerKind::PurchaseAdjusted, true, false},
    {"UOut_TH_Bill", &LedgerKind::ReturnAdjusted, false, false},
    {"UOut_LY_Bill", &LedgerKind::RequisitionAdjusted, false, true},
    {"UOut_JC_Bill", &LedgerKind::LoanAdjusted, false, true},
    {"USQ_Bill", nullptr, false, false},
};

const QString kBalanceTable = QStringLiteral("UWare");

const CountRule *countRule(const QString &table)
{
    for (const CountRule &rule : kCountRules) {
        if (table == QLatin1String(rule.table))
            return &rule;
    }
    return nullptr;
}

QString text(double value)
{
    return numberText(value);
}

void changeBalance(TfrmDM &dm, int rowId, double count)
{
    QSqlQuery row = dm.select(QStringLiteral("select AID, SID, WCount from UWare where ID=?"), {rowId});
    if (!row.next())
        return;
    const QString item = row.value(0).toString();
    const QString storage = row.value(1).toString();
    const double difference = roundMoney(count - row.value(2).toDouble());
    dm.myESQL(QStringLiteral("update UWare Set WCount=? Where ID=?"), {count, rowId});
    if (difference > 0)
        dm.mySaveUWList(LedgerKind::StockCorrected, QString(), storage, item, text(difference), QStringLiteral("0"));
    else if (difference < 0)
        dm.mySaveUWList(LedgerKind::StockCorrected, QString(), storage, item, QStringLiteral("0"), text(-difference));
}

std::optional<QString> changeLineCount(TfrmDM &dm, const CountRule &rule, int lineId, double count)
{
    const QString table = QLatin1String(rule.table);
    QString columns = QStringLiteral("theCount, AID, theNum");
    if (rule.ledgerKind)
        columns += QStringLiteral(", SID");
    if (rule.returnable)
        columns += QStringLiteral(", coalesce(GHCount, 0)");
    QSqlQuery line = dm.select(QStringLiteral("select %1 from %2 where ID=? AND theDel=0").arg(columns, table),
                               {lineId});
    if (!line.next())
        return QStringLiteral("该明细已删除，不能修改！");
    if (rule.returnable && count < line.value(4).toDouble()) {
        return QStringLiteral("数量 不能小于已归还数量 %1！").arg(text(line.value(4).toDouble()));
    }
    if (rule.ledgerKind) {
        const QString old = text(line.value(0).toDouble());
        const QString item = line.value(1).toString();
        const QString number = line.value(2).toString();
        const QString storage = line.value(3).toString();
        const QString zero = QStringLiteral("0");
        const QString fresh = text(count);
        const QString &kind = *rule.ledgerKind;
        if (rule.inbound) {
            dm.SaveWare(item, text(-line.value(0).toDouble()), storage);
            dm.mySaveUWList(kind, number, storage, item, zero, old);
            dm.SaveWare(item, fresh, storage);
            dm.mySaveUWList(kind, number, storage, item, fresh, zero);
        } else {
            dm.SaveWare(item, old, storage);
            dm.mySaveUWList(kind, number, storage, item, old, zero);
            dm.SaveWare(item, text(-count), storage);
            dm.mySaveUWList(kind, number, storage, item, zero, fresh);
        }
    }
    dm.myESQL(QStringLiteral("update %1 Set theCount=? Where ID=?").arg(table), {count, lineId});
    return std::nullopt;
}

} // namespace

bool countTable(const QString &table)
{
    return table == kBalanceTable || countRule(table) != nullptr;
}

std::optional<QString> changeCount(AppServices &services, const QString &table, int rowId,
                                   const QString &newCount)
{
    if (!countTable(table))
        throw InputError(QStringLiteral("不能修改数量的表：%1").arg(table));
    const std::optional<double> parsed = parseNumber(newCount);
    if (!parsed || *parsed < 0)
        return QStringLiteral("数量 必须是有效的数字！");
    const double count = roundMoney(*parsed);

    Transaction transaction(services.dm.database());
    if (table == kBalanceTable) {
        changeBalance(services.dm, rowId, count);
    } else if (std::optional<QString> refusal = changeLineCount(services.dm, *countRule(table), rowId, count)) {
        return refusal;
    }
    transaction.commit();
    return std::nullopt;
}

std::optional<QString> changePrice(AppServices &services, const QString &table, int lineId,
                                   const QString &newPrice)
{
    if (table != QStringLiteral("UIn_CG_Bill") && table != QStringLiteral("UOut_TH_Bill"))
        throw InputError(QStringLiteral("不能修改单价的表：%1").arg(table));
    const QString typed = newPrice.trimmed();
    const std::optional<double> price =
        typed.isEmpty() || typed == QStringLiteral(".") ? 0.0 : parseNumber(typed);
    if (!price || *price < 0)
        return QStringLiteral("单价 必须是有效的数字！");
    services.dm.myESQL(QStringLiteral("UPDATE %1 SET APrice = ? WHERE (ID = ?)").arg(table),
                       {roundMoney(*price), lineId});
    return std::nullopt;
}

std::optional<QString> changeRemark(AppServices &services, const QString &table, int lineId,
                                    const QString &remark)
{
    static const QStringList tables = {QStringLiteral("UIn_CG_Bill"), QStringLiteral("UOut_TH_Bill"),
                                       QStringLiteral("UOut_LY_Bill"), QStringLiteral("UOut_JC_Bill"),
                                       QStringLiteral("USQ_Bill")};
    if (!tables.contains(table))
        throw InputError(QStringLiteral("不能修改备注的表：%1").arg(table));
    if (remark.size() > 50)
        return QStringLiteral("备注 不能超过50个字符！");
    services.dm.myESQL(QStringLiteral("UPDATE %1 SET Remark = ? WHERE (ID = ?)").arg(table), {remark, lineId});
    return std::nullopt;
}

} // namespace LineCorrections
