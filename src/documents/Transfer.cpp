#include "documents/Transfer.h"

#include "store/AppContext.h"
#include "store/LedgerKinds.h"
#include "store/Numbers.h"
#include "store/TfrmDM.h"
#include "store/Transaction.h"
#include "ui/LineGridModel.h"

#include <QHash>

namespace Transfer {

using namespace DocumentLines;

namespace {

const QString kSourceList = QStringLiteral("DBLookupComboBox1");

// The first line whose item the source storage cannot give: the item's quantities
// over all lines against its balance there now.
std::optional<CheckFailure> checkSourceStock(TfrmDM &dm, const Header &header, const LineGridModel &lines,
                                             const QList<int> &filled)
{
    QHash<QString, double> wanted;
    for (int line : filled)
        wanted[lines.cell(line, ItemId)] += cellNumber(lines, line, Quantity);
    for (int line : filled) {
        const QString itemId = lines.cell(line, ItemId);
        const double balance = dm.myRetKCCount(header.sourceId, itemId).toDouble();
        if (roundMoney(wanted.value(itemId)) > balance)
            return CheckFailure{lineLabel(lines, line) + QStringLiteral(" 的库存不足，不能调拨！"), kGrid};
    }
    return std::nullopt;
}

} // namespace

std::optional<CheckFailure> checkStorages(const Header &header)
{
    if (header.sourceId.isEmpty())
        return CheckFailure{QStringLiteral("调拨仓库 不能为空！请选择 调拨仓库！"), kSourceList};
    if (header.destinationId.isEmpty())
        return CheckFailure{QStringLiteral("入库仓库 不能为空！请选择 入库仓库！"), QStringLiteral("DBLookupComboBox2")};
    if (header.sourceId == header.destinationId || header.sourceName == header.destinationName)
        return CheckFailure{QStringLiteral("调拨仓库 不能和 入库仓库 相同！"), kSourceList};
    return std::nullopt;
}

std::optional<CheckFailure> check(AppServices &services, const Header &header, const LineGridModel &lines)
{
    if (std::optional<CheckFailure> failure = checkStorages(header))
        return failure;
    if (header.handler.isEmpty())
        return CheckFailure{QStringLiteral("经办人 不能为空！请选择 经办人！"), QStringLiteral("Edit1")};
    const QList<int> filled = itemLines(lines);
    if (filled.isEmpty())
        return CheckFailure{QStringLiteral("调拨物品明细 不能为空！"), kGrid};
    if (std::optional<CheckFailure> failure = checkQuantities(lines, filled, true))
        return failure;
    if (!services.context.AllowNegativeStock) {
        if (std::optional<CheckFailure> failure = checkSourceStock(services.dm, header, lines, filled))
            return failure;
    }
    return checkPrices(lines, filled);
}

QString save(AppServices &services, const Header &header, const LineGridModel &lines)
{
    TfrmDM &dm = services.dm;
    Transaction transaction(dm.database());
    const QString num = dm.NewNum(QStringLiteral("UDB"));
    dm.myESQL(QStringLiteral("insert into UDB(theNum,theUser,myDate,theBGPro,DBName,RKName,Remark,theDate,theDel) "
                             "Values(?,?,?,?,?,?,?,?,0)"),
              {num, services.context.CurUserName, header.date, header.handler, header.sourceName,
               header.destinationName, header.remark, services.context.LoginDate});
    int saved = 0;
    for (int line : itemLines(lines)) {
        const QString itemId = lines.cell(line, ItemId);
        const QString quantity = numberText(cellNumber(lines, line, Quantity));
        dm.SaveWare(itemId, QLatin1Char('-') + quantity, header.sourceId);
        dm.mySaveUWList(LedgerKind::TransferOut, num, header.sourceId, itemId, QStringLiteral("0"), quantity);
        dm.SaveWare(itemId, quantity, header.destinationId);
        dm.mySaveUWList(LedgerKind::TransferIn, num, header.destinationId, itemId, quantity, QStringLiteral("0"));
        dm.myESQL(QStringLiteral("insert into UDB_Bill(theNum,AID,theCount,thePrice,Remark,myID,DBID,RKID,theDel) "
                                 "Values(?,?,?,?,?,?,?,?,0)"),
                  {num, itemId.toInt(), cellNumber(lines, line, Quantity), cellNumber(lines, line, Price),
                   lines.cell(line, Remark), ++saved, header.sourceId.toInt(), header.destinationId.toInt()});
    }
    transaction.commit();
    return num;
}

} // namespace Transfer
