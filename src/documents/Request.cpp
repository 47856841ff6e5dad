#include "documents/Request.h"

#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "store/Transaction.h"
#include "ui/LineGridModel.h"

namespace Request {

using namespace DocumentLines;

std::optional<CheckFailure> check(const Header &header, const LineGridModel &lines)
{
    const QString applicantBox = QStringLiteral("Edit2");
    if (header.applicant.isEmpty())
        return CheckFailure{QStringLiteral("申请人 不能为空！请选择 申请人！"), applicantBox};
    if (header.department.isEmpty())
        return CheckFailure{QStringLiteral("请按回车选择 申请人！"), applicantBox};
    if (header.handler.isEmpty())
        return CheckFailure{QStringLiteral("经办人 不能为空！请选择 经办人！"), QStringLiteral("Edit3")};
    const QList<int> filled = itemLines(lines);
    if (filled.isEmpty())
        return CheckFailure{QStringLiteral("申请物品明细 不能为空！"), kGrid};
    if (std::optional<CheckFailure> failure = checkQuantities(lines, filled))
        return failure;
    return checkPrices(lines, filled);
}

QString save(AppServices &services, const Header &header, const LineGridModel &lines)
{
    TfrmDM &dm = services.dm;
    Transaction transaction(dm.database());
    const QString num = dm.NewNum(QStringLiteral("USQ"));
    dm.myESQL(QStringLiteral("insert into USQ(theNum,theUser,myDate,theSQPro,theBGPro,Remark,theDate,DName,theDel) "
                             "Values(?,?,?,?,?,?,?,?,0)"),
              {num, services.context.CurUserName, header.date, header.applicant, header.handler,
               header.remark, services.context.LoginDate, header.department});
    int saved = 0;
    for (int line : itemLines(lines)) {
        dm.myESQL(QStringLiteral("insert into USQ_Bill(theNum,AID,APrice,theCount,Remark,myID,theDel,theCG,theLY,theJY) "
                                 "Values(?,?,?,?,?,?,0,0,0,0)"),
                  {num, lines.cell(line, ItemId).toInt(), cellNumber(lines, line, Price),
                   cellNumber(lines, line, Quantity), lines.cell(line, Remark), ++saved});
    }
    transaction.commit();
    return num;
}

} // namespace Request
