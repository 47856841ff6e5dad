#include "support/StockDocuments.h"

#include "store/LedgerKinds.h"
#include "store/Numbers.h"
#include "store/Transaction.h"

namespace {

// What a kind's save writes besides the common columns.
struct KindWrite {
    const char *header;
    QString headerColumns; // after theNum, theUser, myDate, theBGPro, Remark, theDate, theDel
    QString lineColumns;   // after theNum, AID, theCount, Remark, myID, theDel
    int direction;         // +1 in, -1 out, 0 none; a transfer is both
    const QString *ledger;
};

const QList<KindWrite> &kinds()
{
    static const QList<KindWrite> writes = {
        {"USQ", "theSQPro, DName", "APrice, theCG, theLY, theJY", 0, nullptr},
        {"UIn_CG", "theCGPro, MID, SID, SName", "APrice, SID", 1, &LedgerKind::PurchaseIn},
        {"UOut_TH", "theTHPro, MID, SID, SName", "APrice, SID", -1, &LedgerKind::ReturnToSupplier},
        {"UOut_LY", "theLYPro, DName, SName", "thePrice, SID, GHCount", -1, &LedgerKind::Requisition},
        {"UOut_JC", "theLYPro, thePZPro, DName, SName", "thePrice, SID, GHCount, theGH", -1, &LedgerKind::Loan},
        {"UIn_GH", "theGHPro", "SID, JYID, JYT", 1, &LedgerKind::LoanReturn},
        {"UDB", "DBName, RKName", "thePrice, DBID, RKID", 0, nullptr},
        {"UOut_BS", "thePZPro, SName", "thePrice, SID", -1, &LedgerKind::WriteOff},
        {"UIn_BY", "thePZPro, SName", "thePrice, SID", 1, &LedgerKind::Surplus},
    };
    return writes;
}

QString storageName(TestDatabase &db, int storage)
{
    return db.value("select SName from SStorage where ID=?", {storage}).toString();
}

QVariantList headerValues(TestDatabase &db, const KindWrite &kind, const TestLine &first)
{
    const QString header = QLatin1String(kind.header);
    const QString storage = storageName(db, first.storage);
    if (header == "USQ") return {"张三", "行政部"};
    if (header == "UIn_CG" || header == "UOut_TH") return {"张三", 1, first.storage, storage};
    if (header == "UOut_LY") return {"张三", "行政部", storage};
    if (header == "UOut_JC") return {"张三", "王五", "行政部", storage};
    if (header == "UIn_GH") return {"张三"};
    if (header == "UDB") return {storage, storageName(db, first.toStorage)};
    return {"王五", storage};
}

QVariantList lineValues(const KindWrite &kind, const TestLine &line)
{
    const QString header = QLatin1String(kind.header);
    if (header == "USQ") return {line.price, 0, 0, 0};
    if (header == "UIn_CG" || header == "UOut_TH" || header == "UOut_BS" || header == "UIn_BY")
        return {line.price, line.storage};
    if (header == "UOut_LY") return {line.price, line.storage, 0};
    if (header == "UOut_JC") return {line.price, line.storage, 0, 30};
    if (header == "UIn_GH") return {line.storage, line.issueLine, line.issueTable};
    return {line.price, line.storage, line.toStorage};
}

void book(TfrmDM &dm, const QString &kind, const QString &number, int storage, int item, double delta)
{
    const QString sid = QString::number(storage);
    const QString aid = QString::number(item);
    dm.SaveWare(aid, numberText(delta), sid);
    dm.mySaveUWList(kind, number, sid, aid, numberText(qMax(delta, 0.0)), numberText(qMax(-delta, 0.0)));
}

} // namespace

SavedDocument saveTestDocument(TestDatabase &db, const QString &headerTable, const QList<TestLine> &lines,
                               const QString &date)
{
    const KindWrite *kind = nullptr;
    for (const KindWrite &candidate : kinds())
        if (headerTable == QLatin1String(candidate.header))
            kind = &candidate;
    Q_ASSERT(kind && !lines.isEmpty());
    const QString lineTable = headerTable + "_Bill";

    Transaction transaction(db.dm.database());
    SavedDocument saved{db.dm.NewNum(headerTable), {}};
    const QVariantList own = headerValues(db, *kind, lines.first());
    db.dm.myESQL(QStringLiteral("insert into %1 (theNum, theUser, myDate, theBGPro, Remark, theDate, theDel, %2) "
                                "values (?, ?, ?, '李四', '', ?, 0, %3)")
                     .arg(headerTable, kind->headerColumns, placeholders(own.size())),
                 QVariantList{saved.number, db.context.CurUserName, date, db.context.LoginDate} + own);
    int position = 0;
    for (const TestLine &line : lines) {
        if (headerTable == "UIn_GH") {
            db.dm.myESQL(QStringLiteral("update %1 set GHCount=GHCount+? where ID=?").arg(line.issueTable),
                         {line.count, line.issueLine});
        }
        if (headerTable == "UDB") {
            book(db.dm, LedgerKind::TransferOut, saved.number, line.storage, line.item, -line.count);
            book(db.dm, LedgerKind::TransferIn, saved.number, line.toStorage, line.item, line.count);
        } else if (kind->ledger) {
            book(db.dm, *kind->ledger, saved.number, line.storage, line.item, kind->direction * line.count);
        }
        const QVariantList values = lineValues(*kind, line);
        saved.lineIds << db.dm.insertRow(
            QStringLiteral("insert into %1 (theNum, AID, theCount, Remark, myID, theDel, %2) values (?, ?, ?, '', ?, 0, %3)")
                .arg(lineTable, kind->lineColumns, placeholders(values.size())),
            QVariantList{saved.number, line.item, line.count, ++position} + values);
    }
    transaction.commit();
    return saved;
}

int addTestItem(TestDatabase &db, const QString &code, const QString &name)
{
    return db.dm.insertRow("insert into UArticle (theNum, AType, AName, AStandard, AUnit, APrice, thePY, Remark) "
                           "values (?, '办公用品', ?, '', '个', 1, '', '')",
                           {code, name});
}

int addTestStorage(TestDatabase &db, const QString &name)
{
    return db.dm.insertRow("insert into SStorage (SName, Remark, thePY) values (?, '', '')", {name});
}

double testBalance(TestDatabase &db, int item, int storage)
{
    return db.value("select WCount from UWare where AID=? and SID=?", {item, storage}).toDouble();
}
