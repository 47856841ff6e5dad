#include "documents/IssueDocument.h"

#include "store/AppContext.h"
#include "store/LedgerKinds.h"
#include "store/Numbers.h"
#include "store/TfrmDM.h"
#include "store/Transaction.h"
#include "ui/LineGridModel.h"

#include <QHash>

namespace IssueDocument {

namespace {

using DocumentLines::cellNumber;
using DocumentLines::kGrid;
using DocumentLines::lineLabel;
const QString kStorage = QStringLiteral("DBLookupComboBox1");

HeaderCheck storageCheck(const QString &message = QStringLiteral("出库仓库 不能为空！请选择 出库仓库！"))
{
    return {&Header::storageId, message, kStorage};
}

HeaderCheck handlerCheck(const QString &box)
{
    return {&Header::handler, QStringLiteral("经办人 不能为空！请选择 经办人！"), box};
}

bool holdsItem(const Kind &kind, const LineGridModel &lines, int line)
{
    return !lines.cell(line, kind.columns.itemId).isEmpty();
}

// Quantity, price and loan days must be numbers before anything is compared or written.
std::optional<DocumentRefusal> checkNumbers(const Kind &kind, const LineGridModel &lines, int line)
{
    if (!parseNumber(lines.cell(line, Quantity)))
        return DocumentRefusal{lineLabel(lines, line) + QStringLiteral(" 数量不是有效的数字！"), kGrid};
    const QString price = lines.cell(line, Price);
    if (!price.isEmpty() && !parseNumber(price))
        return DocumentRefusal{lineLabel(lines, line) + QStringLiteral(" 单价不是有效的数字！"), kGrid};
    if (kind.columns.loanDays >= 0) {
        const QString days = lines.cell(line, kind.columns.loanDays);
        if (!days.isEmpty() && !parseWholeNumber(days))
            return DocumentRefusal{lineLabel(lines, line) + QStringLiteral(" 归还天数不是有效的数字！"), kGrid};
    }
    return std::nullopt;
}

std::optional<DocumentRefusal> checkQuantities(const Kind &kind, const LineGridModel &lines)
{
    for (int line = 1; line <= LineGridModel::kLines; ++line) {
        if (holdsItem(kind, lines, line) && *parseNumber(lines.cell(line, Quantity)) <= 0)
            return DocumentRefusal{lineLabel(lines, line) + QStringLiteral(" 数量不能小于或等于0！"), kGrid};
    }
    return std::nullopt;
}

// Each item's quantities summed over all its lines against its balance in the storage
// the document is written to.
std::optional<DocumentRefusal> checkStock(AppServices &services, const Kind &kind, const Header &header,
                                          const LineGridModel &lines)
{
    if (services.context.AllowNegativeStock)
        return std::nullopt;
    QHash<QString, double> wanted;
    for (int line = 1; line <= LineGridModel::kLines; ++line) {
        if (holdsItem(kind, lines, line))
            wanted[lines.cell(line, kind.columns.itemId)] += *parseNumber(lines.cell(line, Quantity));
    }
    for (int line = 1; line <= LineGridModel::kLines; ++line) {
        if (!holdsItem(kind, lines, line))
            continue;
        const QString item = lines.cell(line, kind.columns.itemId);
        const double balance = services.dm.myRetKCCount(header.storageId, item).toDouble();
        if (roundMoney(wanted.value(item)) > balance)
            return DocumentRefusal{lineLabel(lines, line) + kind.stockMessage, kGrid};
    }
    return std::nullopt;
}

} // namespace

Kind loan()
{
    Kind k;
    k.table = QStringLiteral("UOut_JC");
    k.columns = {10, 11, 12, 9, 13};
    k.headerChecks = {
        storageCheck(),
        {&Header::person, QStringLiteral("借用人 不能为空！请选择 借出人！"), QStringLiteral("Edit2")},
        {&Header::department, QStringLiteral("请按回车选择 借用人！"), QStringLiteral("Edit2")},
        {&Header::approver, QStringLiteral("审批人 不能为空！请选择 审批人！"), QStringLiteral("Edit3")},
        handlerCheck(QStringLiteral("Edit4")),
    };
    k.linesMessage = QStringLiteral("借出出库明细 不能为空！");
    k.stockMessage = QStringLiteral(" 的库存不足，不能借用！");
    k.headerStatement = QStringLiteral(
        "insert into UOut_JC(theNum,theLYPro,thePZPro,myDate,theUser,Remark,theBGPro,DName,theDate,theDel,SName) "
        "Values(?,?,?,?,?,?,?,?,?,0,?)");
    k.headerValues = [](const Header &h, const QString &number, const QString &user, const QString &loginDate) {
        return QVariantList{number, h.person, h.approver, h.date, user, h.remark, h.handler, h.department,
                            loginDate, h.storageName};
    };
    k.lineStatement = QStringLiteral(
        "insert into UOut_JC_Bill(theNum,AID,SID,theCount,Remark,myID,thePrice,theDel,GHCount,theGH) "
        "Values(?,?,?,?,?,?,?,0,0,?)");
    k.lineValues = [](const LineValues &l) {
        return QVariantList{l.number, l.itemId, l.storageId, l.quantity, l.remark, l.myID, l.price, l.loanDays};
    };
    k.ledgerKind = LedgerKind::Loan;
    k.requestCounter = QStringLiteral("theJY");
    return k;
}

Kind requisition()
{
    Kind k;
    k.table = QStringLiteral("UOut_LY");
    k.columns = {9, 10, 11, -1, 12};
    k.headerChecks = {
        storageCheck(),
        {&Header::person, QStringLiteral("领用人 不能为空！请选择 领用人！"), QStringLiteral("Edit2")},
        {&Header::department, QStringLiteral("请按回车选择 领用人！"), QStringLiteral("Edit2")},
        handlerCheck(QStringLiteral("Edit3")),
    };
    k.linesMessage = QStringLiteral("领用出库明细 不能为空！");
    k.stockMessage = QStringLiteral(" 的库存不足，不能领用！");
    k.headerStatement = QStringLiteral(
        "insert into UOut_LY(theNum,theLYPro,theBGPro,myDate,theUser,Remark,DName,theDate,theDel,SName) "
        "Values(?,?,?,?,?,?,?,?,0,?)");
    k.headerValues = [](const Header &h, const QString &number, const QString &user, const QString &loginDate) {
        return QVariantList{number, h.person, h.handler, h.date, user, h.remark, h.department, loginDate,
                            h.storageName};
    };
    k.lineStatement = QStringLiteral(
        "insert into UOut_LY_Bill(theNum,AID,SID,theCount,Remark,myID,thePrice,theDel,GHCount) "
        "Values(?,?,?,?,?,?,?,0,0)");
    k.lineValues = [](const LineValues &l) {
        return QVariantList{l.number, l.itemId, l.storageId, l.quantity, l.remark, l.myID, l.price};
    };
    k.ledgerKind = LedgerKind::Requisition;
    k.requestCounter = QStringLiteral("theLY");
    return k;
}

Kind damage()
{
    Kind k;
    k.table = QStringLiteral("UOut_BS");
    k.headerChecks = {
        storageCheck(),
        {&Header::approver, QStringLiteral("审批人 不能为空！请选择 审批人！"), QStringLiteral("Edit2")},
        handlerCheck(QStringLiteral("Edit3")),
    };
    k.linesMessage = QStringLiteral("报损明细 不能为空！");
    k.stockMessage = QStringLiteral(" 的库存不足，不能报损！");
    k.headerStatement = QStringLiteral(
        "insert into UOut_BS(theNum,thePZPro,theBGPro,myDate,theUser,Remark,theDate,theDel,SName) "
        "Values(?,?,?,?,?,?,?,0,?)");
    k.headerValues = [](const Header &h, const QString &number, const QString &user, const QString &loginDate) {
        return QVariantList{number, h.approver, h.handler, h.date, user, h.remark, loginDate, h.storageName};
    };
    k.lineStatement = QStringLiteral(
        "insert into UOut_BS_Bill(theNum,AID,SID,theCount,Remark,myID,thePrice,theDel) Values(?,?,?,?,?,?,?,0)");
    k.lineValues = [](const LineValues &l) {
        return QVariantList{l.number, l.itemId, l.storageId, l.quantity, l.remark, l.myID, l.price};
    };
    k.ledgerKind = LedgerKind::WriteOff;
    return k;
}

Kind returnToSupplier()
{
    Kind k;
    k.table = QStringLiteral("UOut_TH");
    const QString supplierMessage = QStringLiteral("商家名称 不能为空！请选择 商家名称！");
    k.headerChecks = {
        {&Header::supplierName, supplierMessage, QStringLiteral("Edit1")},
        {&Header::supplierId, supplierMessage, QStringLiteral("Edit1")},
        {&Header::person, QStringLiteral("退货人 不能为空！请选择 采购人！"), QStringLiteral("Edit7")},
        handlerCheck(QStringLiteral("Edit8")),
        storageCheck(QStringLiteral("出库仓库 不能为空！请选择 入库仓库！")),
    };
    k.linesMessage = QStringLiteral("退货出库明细 不能为空！");
    k.stockMessage = QStringLiteral(" 的库存不足，不能领用！");
    k.quantityBeforeStock = true;
    k.headerStatement = QStringLiteral(
        "insert into UOut_TH(theNum,theUser,myDate,theTHPro,theBGPro,MID,SID,Remark,theDate,theDel,SName) "
        "Values(?,?,?,?,?,?,?,?,?,0,?)");
    k.headerValues = [](const Header &h, const QString &number, const QString &user, const QString &loginDate) {
        return QVariantList{number, user, h.date, h.person, h.handler, h.supplierId.toInt(), h.storageId.toInt(),
                            h.remark, loginDate, h.storageName};
    };
    k.lineStatement = QStringLiteral(
        "insert into UOut_TH_Bill(theNum,AID,APrice,theCount,SID,Remark,myID,theDel) Values(?,?,?,?,?,?,?,0)");
    k.lineValues = [](const LineValues &l) {
        return QVariantList{l.number, l.itemId, l.price, l.quantity, l.storageId, l.remark, l.myID};
    };
    k.ledgerKind = LedgerKind::ReturnToSupplier;
    return k;
}

std::optional<DocumentRefusal> check(AppServices &services, const Kind &kind, const Header &header,
                                     const LineGridModel &lines)
{
    for (const HeaderCheck &headerCheck : kind.headerChecks) {
        if ((header.*headerCheck.field).isEmpty())
            return DocumentRefusal{headerCheck.message, headerCheck.focus};
    }
    bool any = false;
    for (int line = 1; line <= LineGridModel::kLines; ++line) {
        if (!holdsItem(kind, lines, line))
            continue;
        any = true;
        if (std::optional<DocumentRefusal> refusal = checkNumbers(kind, lines, line))
            return refusal;
    }
    if (!any)
        return DocumentRefusal{kind.linesMessage, kGrid};
    if (kind.quantityBeforeStock) {
        if (std::optional<DocumentRefusal> refusal = checkQuantities(kind, lines))
            return refusal;
        return checkStock(services, kind, header, lines);
    }
    if (std::optional<DocumentRefusal> refusal = checkStock(services, kind, header, lines))
        return refusal;
    return checkQuantities(kind, lines);
}

QString save(AppServices &services, const Kind &kind, const Header &header, const LineGridModel &lines)
{
    TfrmDM &dm = services.dm;
    Transaction transaction(dm.database());
    const QString num = dm.NewNum(kind.table);
    dm.myESQL(kind.headerStatement,
              kind.headerValues(header, num, services.context.CurUserName, services.context.LoginDate));
    const QString requestCounter = kind.requestCounter.isEmpty() ? QString() : QStringLiteral(
        "UPDATE USQ_Bill SET %1 = coalesce(%1, 0) + ? WHERE (ID = ?)").arg(kind.requestCounter);
    int saved = 0;
    for (int line = 1; line <= LineGridModel::kLines; ++line) {
        if (!holdsItem(kind, lines, line))
            continue;
        LineValues values;
        values.number = num;
        values.itemId = lines.cell(line, kind.columns.itemId).toInt();
        values.storageId = header.storageId.toInt();
        values.quantity = cellNumber(lines, line, Quantity);
        values.remark = lines.cell(line, Remark);
        values.myID = ++saved;
        values.price = cellNumber(lines, line, Price);
        if (kind.columns.loanDays >= 0)
            values.loanDays = parseWholeNumber(lines.cell(line, kind.columns.loanDays)).value_or(0);
        const QString item = lines.cell(line, kind.columns.itemId);
        const QString quantity = numberText(values.quantity);
        dm.SaveWare(item, QStringLiteral("-") + quantity, header.storageId);
        dm.myESQL(kind.lineStatement, kind.lineValues(values));
        dm.mySaveUWList(kind.ledgerKind, num, header.storageId, item, QStringLiteral("0"), quantity);
        const QString requestLine = kind.columns.requestLine >= 0 ? lines.cell(line, kind.columns.requestLine)
                                                                  : QString();
        if (!requestCounter.isEmpty() && !requestLine.isEmpty())
            dm.myESQL(requestCounter, {values.quantity, requestLine.toInt()});
    }
    transaction.commit();
    return num;
}

} // namespace IssueDocument
