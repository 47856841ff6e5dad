// The stock routines of the data module: balance, ledger and document numbers.
#include "store/AppContext.h"
#include "store/DatabaseError.h"
#include "store/Numbers.h"
#include "store/Schema.h"
#include "store/TfrmDM.h"

#include <QDate>

namespace {

qlonglong keyValue(const QString &text, const char *what)
{
    const std::optional<qlonglong> key = parseWholeNumber(text);
    if (!key)
        throw InputError(QStringLiteral("%1 不是有效的编号：%2").arg(QLatin1String(what), text));
    return *key;
}

double quantityValue(const QString &text)
{
    const std::optional<double> quantity = parseNumber(text);
    if (!quantity)
        throw InputError(QStringLiteral("数量不是有效的数字：%1").arg(text));
    return roundMoney(*quantity);
}

bool isNumberedTable(const QString &tableName)
{
    if (tableName == QStringLiteral("UArticle"))
        return true;
    for (const DocumentTables &kind : documentTables()) {
        if (tableName == QLatin1String(kind.header))
            return true;
    }
    return false;
}

} // namespace

void TfrmDM::SaveWare(const QString &aid, const QString &delta, const QString &sid)
{
    if (aid.isEmpty() || delta.isEmpty() || sid.isEmpty())
        return;
    const qlonglong item = keyValue(aid, "物品");
    const qlonglong storage = keyValue(sid, "仓库");
    const double change = quantityValue(delta);

    const qsizetype rows = firstColumn(QStringLiteral("select ID from UWare where AID=? AND SID=?"),
                                       {item, storage}).size();
    if (rows == 1) {
        myESQL(QStringLiteral("update UWare Set WCount=round(WCount+?, 4) Where AID=? AND SID=?"),
               {change, item, storage});
    } else {
        myESQL(QStringLiteral("insert into UWare(AID,WCount,SID) Values(?,?,?)"),
               {item, change, storage});
    }
}

QString TfrmDM::myRetKCCount(const QString &sid, const QString &aid)
{
    const QVariantList counts = firstColumn(QStringLiteral("select WCount from UWare Where sid=? and aid=?"),
                                            {keyValue(sid, "仓库"), keyValue(aid, "物品")});
    return counts.size() == 1 ? numberText(counts.first().toDouble()) : QStringLiteral("0");
}

void TfrmDM::mySaveUWList(const QString &theType, const QString &theNum, const QString &sid,
                          const QString &aid, const QString &theIn, const QString &theOut)
{
    const qlonglong storage = keyValue(sid, "仓库");
    const qlonglong item = keyValue(aid, "物品");
    const double in = quantityValue(theIn);
    const double out = quantityValue(theOut);
    const double balance = myRetKCCount(sid, aid).toDouble();
    myESQL(QStringLiteral("INSERT INTO UWList(theType, theNum, SID, AID, theIn, theOut, theDate, "
                          "UName, KCCount) VALUES(?,?,?,?,?,?,?,?,?)"),
           {theType, theNum, storage, item, in, out, m_context.LoginDate, m_context.CurUserName,
            balance});
}

QString TfrmDM::NewNum(const QString &tableName)
{
    // The table name goes into the statement text, so only the known tables pass.
    if (!isNumberedTable(tableName))
        throw InputError(QStringLiteral("没有编号的表：%1").arg(tableName));
    const qsizetype rows = firstColumn(QStringLiteral("select ID from %1 Where theDate=?").arg(tableName),
                                       {m_context.LoginDate}).size();
    const QDate loginDay = QDate::fromString(m_context.LoginDate, QStringLiteral("yyyy-MM-dd"));
    return loginDay.toString(QStringLiteral("yyMMdd"))
        + QString::number(rows + 1).rightJustified(4, QLatin1Char('0'));
}
