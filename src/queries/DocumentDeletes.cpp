#include "queries/DocumentDeletes.h"

#include "store/DatabaseError.h"
#include "store/Numbers.h"
#include "store/SqlStatement.h"
#include "store/TfrmDM.h"
#include "store/Transaction.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString kZero = QStringLiteral("0");

// One movement of a delete: the balance first, then the ledger row with the balance after it.
void book(TfrmDM &dm, const QString &ledger, const QString &number, const QString &storage,
          const QString &item, double delta)
{
    const QString count = numberText(qAbs(delta));
    dm.SaveWare(item, numberText(delta), storage);
    dm.mySaveUWList(ledger, number, storage, item, delta > 0 ? count : kZero, delta > 0 ? kZero : count);
}

// The columns a line delete reads besides theNum, AID and theCount.
QString columnsRead(const QueryKind &kind)
{
    switch (kind.reversal) {
    case Reversal::Return: return QStringLiteral(", SID, JYID, JYT");
    case Reversal::Transfer: return QStringLiteral(", DBID, RKID");
    case Reversal::None: return QString();
    default: break;
    }
    return kind.lines == QStringLiteral("UOut_LY_Bill") || kind.lines == QStringLiteral("UOut_JC_Bill")
               ? QStringLiteral(", SID, coalesce(GHCount, 0) as GHCount")
               : QStringLiteral(", SID");
}

void reverse(TfrmDM &dm, const QueryKind &kind, const QSqlRecord &line)
{
    const QString number = line.value(QStringLiteral("theNum")).toString();
    const QString item = line.value(QStringLiteral("AID")).toString();
    const double count = line.value(QStringLiteral("theCount")).toDouble();
    switch (kind.reversal) {
    case Reversal::Inbound:
        book(dm, kind.deleteLedger, number, line.value(QStringLiteral("SID")).toString(), item, -count);
        break;
    case Reversal::Outbound:
        book(dm, kind.deleteLedger, number, line.value(QStringLiteral("SID")).toString(), item, count);
        break;
    case Reversal::Return: {
        book(dm, kind.deleteLedger, number, line.value(QStringLiteral("SID")).toString(), item, -count);
        const QString issueTable = line.value(QStringLiteral("JYT")).toString();
        if (issueTable != QStringLiteral("UOut_JC_Bill") && issueTable != QStringLiteral("UOut_LY_Bill"))
            throw InputError(QStringLiteral("归还明细的来源表无效：%1").arg(issueTable));
        dm.myESQL(QStringLiteral("UPDATE %1 SET GHCount = round(GHCount - ?, 4) WHERE ID = ?").arg(issueTable),
                  {count, line.value(QStringLiteral("JYID"))});
        break;
    }
    case Reversal::Transfer:
        book(dm, kind.deleteLedger, number, line.value(QStringLiteral("RKID")).toString(), item, -count);
        book(dm, kind.deleteLedger, number, line.value(QStringLiteral("DBID")).toString(), item, count);
        break;
    case Reversal::None:
        break;
    }
}

} // namespace

int liveLineCount(TfrmDM &dm, const QueryKind &kind, const QString &number)
{
    QSqlQuery query = dm.select(QStringLiteral("SELECT count(*) FROM %1 WHERE theNum = ? AND theDel = 0").arg(kind.lines),
                                {number});
    return query.next() ? query.value(0).toInt() : 0;
}

std::optional<QString> deleteLine(AppServices &services, const QueryKind &kind, int lineId)
{
    TfrmDM &dm = services.dm;
    Transaction transaction(dm.database());
    QSqlQuery found = dm.select(QStringLiteral("SELECT theNum, AID, theCount%1 FROM %2 WHERE ID = ? AND theDel = 0")
                                    .arg(columnsRead(kind), kind.lines),
                                {lineId});
    if (!found.next())
        return std::nullopt;
    const QSqlRecord line = found.record();
    if (line.contains(QStringLiteral("GHCount")) && line.value(QStringLiteral("GHCount")).toDouble() > 0)
        return kReturnedLineRefusal;
    const QSqlQuery marked = runStatement(
        dm.database(), QStringLiteral("UPDATE %1 SET theDel = 1 WHERE ID = ? AND theDel = 0").arg(kind.lines), {lineId});
    if (marked.numRowsAffected() != 1)
        return std::nullopt;
    reverse(dm, kind, line);
    transaction.commit();
    return std::nullopt;
}

std::optional<QString> deleteDocument(AppServices &services, const QueryKind &kind, const QString &number)
{
    TfrmDM &dm = services.dm;
    Transaction transaction(dm.database());
    if (liveLineCount(dm, kind, number) > 0)
        return kind.deleteRefusal;
    dm.myESQL(QStringLiteral("UPDATE %1 SET theDel = 1 WHERE theNum = ? AND theDel = 0").arg(kind.header), {number});
    transaction.commit();
    return std::nullopt;
}
