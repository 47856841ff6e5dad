#include "documents/PurchaseIn.h"

#include "store/AppContext.h"
#include "store/LedgerKinds.h"
#include "store/Numbers.h"
#include "store/PinyinCode.h"
#include "store/TfrmDM.h"
#include "store/Transaction.h"
#include "ui/LineGridModel.h"

#include <QHash>

namespace PurchaseIn {

namespace {

bool hasCode(const LineGridModel &lines, int line)
{
    return !lines.cell(line, Code).isEmpty();
}

std::optional<CheckFailure> checkLines(const LineGridModel &lines)
{
    bool any = false;
    for (int line = 1; line <= LineGridModel::kLines; ++line)
        any = any || hasCode(lines, line);
    if (!any)
        return CheckFailure{QStringLiteral("采购入库明细 不能为空！"), Focus::Grid};

    for (int line = 1; line <= LineGridModel::kLines; ++line) {
        if (!hasCode(lines, line))
            continue;
        const QString label = lines.cell(line, Code) + QLatin1Char(' ') + lines.cell(line, Name);
        const std::optional<double> quantity = parseNumber(lines.cell(line, Quantity));
        if (!quantity)
            return CheckFailure{label + QStringLiteral(" 数量不是有效的数字！"), Focus::Grid};
        if (*quantity <= 0)
            return CheckFailure{label + QStringLiteral(" 数量不能小于或等于0！"), Focus::Grid};
    }
    for (int line = 1; line <= LineGridModel::kLines; ++line) {
        if (!hasCode(lines, line))
            continue;
        const QString price = lines.cell(line, Price);
        if (price.isEmpty())
            return CheckFailure{lines.cell(line, Code) + QStringLiteral(" 单价 不能为空！"), Focus::Grid};
        if (!parseNumber(price))
            return CheckFailure{lines.cell(line, Code) + QStringLiteral(" 单价不是有效的数字！"), Focus::Grid};
    }
    return std::nullopt;
}

double number(const LineGridModel &lines, int line, int column)
{
    return roundMoney(parseNumber(lines.cell(line, column)).value_or(0));
}

} // namespace

std::optional<CheckFailure> check(AppServices &services, Header &header, const LineGridModel &lines)
{
    if (header.supplierId.isEmpty()) {
        if (header.supplierName.isEmpty())
            return CheckFailure{QStringLiteral("商家名称 不能为空！请录入 商家名称！"), Focus::SupplierName};
        header.supplierId = NewMerchant(services, header);
    }
    if (header.purchaser.isEmpty())
        return CheckFailure{QStringLiteral("采购人 不能为空！请选择 采购人！"), Focus::Purchaser};
    if (header.handler.isEmpty())
        return CheckFailure{QStringLiteral("经办人 不能为空！请选择 经办人！"), Focus::Handler};
    if (header.storageId.isEmpty())
        return CheckFailure{QStringLiteral("入库仓库 不能为空！请选择 入库仓库！"), Focus::Storage};
    return checkLines(lines);
}

QString NewMerchant(AppServices &services, const Header &header)
{
    QSqlQuery found = services.dm.select(QStringLiteral("Select ID from UMerchant Where MName=?"),
                                         {header.supplierName});
    if (found.next())
        return found.value(0).toString();
    return QString::number(services.dm.insertRow(
        QStringLiteral("Insert into UMerchant(MName,MPhone,MProson,MAddress,Remark,thePY) values(?,?,?,?,?,?)"),
        {header.supplierName, header.phone, header.contact, header.address, header.supplierRemark,
         PinyinCode(header.supplierName)}));
}

QString NewArticle(AppServices &services, const LineGridModel &lines, int line)
{
    const QString code = lines.cell(line, Code);
    QSqlQuery found = services.dm.select(QStringLiteral("select ID from UArticle Where theNum=?"), {code});
    if (found.next())
        return found.value(0).toString();
    const QString name = lines.cell(line, Name);
    return QString::number(services.dm.insertRow(
        QStringLiteral("insert into UArticle(AName,AStandard,AUnit,APrice,thePY,theNum,theDate,FJCount) "
                       "values(?,?,?,?,?,?,?,0)"),
        {name, lines.cell(line, Standard), lines.cell(line, Unit), number(lines, line, Price),
         PinyinCode(name), code, services.context.LoginDate}));
}

QString save(AppServices &services, const Header &header, LineGridModel &lines)
{
    TfrmDM &dm = services.dm;
    QHash<int, QString> newItemIds; // line → ID of an item the save created or resolved

    Transaction transaction(dm.database());
    const QString num = dm.NewNum(QStringLiteral("UIn_CG"));
    dm.myESQL(QStringLiteral("insert into UIn_CG(theNum,theUser,myDate,theCGPro,theBGPro,MID,SID,Remark,"
                             "theDate,theDel,SName) Values(?,?,?,?,?,?,?,?,?,0,?)"),
              {num, services.context.CurUserName, header.date, header.purchaser, header.handler,
               header.supplierId.toInt(), header.storageId.toInt(), header.remark,
               services.context.LoginDate, header.storageName});
    int saved = 0;
    for (int line = 1; line <= LineGridModel::kLines; ++line) {
        if (!hasCode(lines, line))
            continue;
        QString itemId = lines.cell(line, ItemId);
        if (itemId.isEmpty())
            itemId = newItemIds[line] = NewArticle(services, lines, line);
        const QString quantity = numberText(number(lines, line, Quantity));
        dm.SaveWare(itemId, quantity, header.storageId);
        dm.myESQL(QStringLiteral("insert into UIn_CG_Bill(theNum,AID,APrice,theCount,SID,Remark,myID,theDel) "
                                 "Values(?,?,?,?,?,?,?,0)"),
                  {num, itemId.toInt(), number(lines, line, Price), number(lines, line, Quantity),
                   header.storageId.toInt(), lines.cell(line, Remark), ++saved});
        dm.myESQL(QStringLiteral("Update UArticle Set APrice=? Where ID=?"),
                  {number(lines, line, Price), itemId.toInt()});
        dm.mySaveUWList(LedgerKind::PurchaseIn, num, header.storageId, itemId, quantity, QStringLiteral("0"));
        const QString requestLine = lines.cell(line, RequestLineId);
        if (!requestLine.isEmpty()) {
            dm.myESQL(QStringLiteral("UPDATE USQ_Bill SET theCG = coalesce(theCG, 0) + ? WHERE (ID = ?)"),
                      {number(lines, line, Quantity), requestLine.toInt()});
        }
    }
    transaction.commit();

    for (auto id = newItemIds.cbegin(); id != newItemIds.cend(); ++id)
        lines.setCell(id.key(), ItemId, id.value());
    return num;
}

} // namespace PurchaseIn
