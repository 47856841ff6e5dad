#include "documents/SurplusIn.h"

#include "store/AppContext.h"
#include "store/LedgerKinds.h"
#include "store/Numbers.h"
#include "store/TfrmDM.h"
#include "store/Transaction.h"
#include "ui/LineGridModel.h"

namespace SurplusIn {

using namespace DocumentLines;

std::optional<CheckFailure> check(const Header &header, const LineGridModel &lines)
{
    if (header.storageId.isEmpty())
        return CheckFailure{QStringLiteral("入库仓库 不能为空！请选择 入库仓库！"), QStringLiteral("DBLookupComboBox1")};
    if (header.approver.isEmpty())
        return CheckFailure{QStringLiteral("审批人 不能为空！请选择 审批人！"), QStringLiteral("Edit2")};
    if (header.handler.isEmpty())
        return CheckFailure{QStringLiteral("经办人 不能为空！请选择 经办人！"), QStringLiteral("Edit3")};
    const QList<int> filled = itemLines(lines);
    if (filled.isEmpty())
        return CheckFailure{QStringLiteral("报溢明细 不能为空！"), kGrid};
    if (std::optional<CheckFailure> failure = checkQuantities(lines, filled))
        return failure;
    return checkPrices(lines, filled);
}

QString save(AppServices &services, const Header &header, const LineGridModel &lines)
{
    TfrmDM &dm = services.dm;
    Transaction transaction(dm.database());
    const QString num = dm.NewNum(QStringLiteral("UIn_BY"));
    dm.myESQL(QStringLiteral("insert into UIn_BY(theNum,thePZPro,theBGPro,myDate,theUser,Remark,theDate,theDel,SName) "
                             "Values(?,?,?,?,?,?,?,0,?)"),
              {num, header.approver, header.handler, header.date, services.context.CurUserName,
               header.remark, services.context.LoginDate, header.storageName});
    int saved = 0;
    for (int line : itemLines(lines)) {
        const QString itemId = lines.cell(line, ItemId);
        const QString quantity = numberText(cellNumber(lines, line, Quantity));
        dm.SaveWare(itemId, quantity, header.storageId);
        dm.myESQL(QStringLiteral("insert into UIn_BY_Bill(theNum,AID,SID,theCount,Remark,myID,thePrice,theDel) "
                                 "Values(?,?,?,?,?,?,?,0)"),
                  {num, itemId.toInt(), header.storageId.toInt(), cellNumber(lines, line, Quantity),
                   lines.cell(line, Remark), ++saved, cellNumber(lines, line, Price)});
        dm.mySaveUWList(LedgerKind::Surplus, num, header.storageId, itemId, quantity, QStringLiteral("0"));
    }
    transaction.commit();
    return num;
}

} // namespace SurplusIn
