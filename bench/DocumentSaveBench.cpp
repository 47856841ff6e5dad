// 99-line saves of a loan (IssueDocument::save), a purchase-in (PurchaseIn::save) and a
// transfer (Transfer::save) against the same statements run bare (prepared once, bound
// and run per line) in one transaction, on a new database file.
#include "SilentDialogs.h"
#include "documents/IssueDocument.h"
#include "documents/PurchaseIn.h"
#include "documents/Transfer.h"
#include "store/AppContext.h"
#include "store/NewDatabase.h"
#include "store/TfrmDM.h"
#include "store/Transaction.h"
#include "ui/Dialogs.h"
#include "ui/LineGridModel.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kLines = 99;

// The save shows nothing; it only needs the seam to exist.
// A database with 99 items, each with plenty in storage 1.
struct SaveSetup {
    int argc = 0;
    QCoreApplication app{argc, nullptr};
    QTemporaryDir folder;
    AppContext context;
    TfrmDM dm{context};
    SilentDialogs dialogs;
    AppServices services{context, dm, dialogs};

    SaveSetup()
    {
        context.LoginDate = QStringLiteral("2026-03-15");
        context.CurUserName = QStringLiteral("系统管理员");
        const QString path = folder.filePath(QStringLiteral("db.edb"));
        createDatabaseFile(path);
        dm.open(path);
        Transaction transaction(dm.database());
        for (int item = 1; item <= kLines; ++item) {
            dm.myESQL(QStringLiteral("insert into UArticle (theNum, AName, APrice) values (?, ?, 2.5)"),
                      {QStringLiteral("A%1").arg(item), QStringLiteral("物品%1").arg(item)});
            dm.SaveWare(QString::number(item), QStringLiteral("1000000"), QStringLiteral("1"));
        }
        transaction.commit();
    }
};

IssueDocument::Header loanHeader()
{
    IssueDocument::Header header;
    header.storageId = QStringLiteral("1");
    header.storageName = QStringLiteral("物品仓库");
    header.date = QStringLiteral("2026-03-15");
    header.person = header.approver = header.handler = QStringLiteral("张三");
    header.department = QStringLiteral("行政部");
    return header;
}

void BM_LoanSave99Lines(benchmark::State &state)
{
    SaveSetup setup;
    const IssueDocument::Kind kind = IssueDocument::loan();
    LineGridModel lines(QStringList(10), kind.columns.count);
    for (int line = 1; line <= kLines; ++line) {
        lines.setCell(line, IssueDocument::Code, QStringLiteral("A%1").arg(line));
        lines.setCell(line, IssueDocument::Price, QStringLiteral("2.5"));
        lines.setCell(line, IssueDocument::Quantity, QStringLiteral("1"));
        lines.setCell(line, kind.columns.loanDays, QStringLiteral("7"));
        lines.setCell(line, kind.columns.itemId, QString::number(line));
    }
    const IssueDocument::Header header = loanHeader();
    for (auto _ : state)
        IssueDocument::save(setup.services, kind, header, lines);
}
BENCHMARK(BM_LoanSave99Lines)->Unit(benchmark::kMillisecond);

// The statements of the same save, each prepared once and run with its values.
void BM_LoanSave99LinesBare(benchmark::State &state)
{
    SaveSetup setup;
    QSqlDatabase db = setup.dm.database();
    const auto prepare = [&db](const char *statement) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.prepare(QString::fromLatin1(statement));
        return query;
    };
    QSqlQuery count = prepare("select ID from UOut_JC Where theDate=?");
    QSqlQuery header = prepare("insert into UOut_JC(theNum,theLYPro,thePZPro,myDate,theUser,Remark,theBGPro,DName,"
                               "theDate,theDel,SName) Values(?,?,?,?,?,?,?,?,?,0,?)");
    QSqlQuery wareRows = prepare("select ID from UWare where AID=? AND SID=?");
    QSqlQuery ware = prepare("update UWare Set WCount=round(WCount+?, 4) Where AID=? AND SID=?");
    QSqlQuery line = prepare("insert into UOut_JC_Bill(theNum,AID,SID,theCount,Remark,myID,thePrice,theDel,GHCount,"
                             "theGH) Values(?,?,?,?,?,?,?,0,0,?)");
    QSqlQuery balance = prepare("select WCount from UWare Where sid=? and aid=?");
    QSqlQuery ledger = prepare("INSERT INTO UWList(theType, theNum, SID, AID, theIn, theOut, theDate, UName, KCCount) "
                               "VALUES(?,?,?,?,?,?,?,?,?)");
    const auto run = [](QSqlQuery &query, const QVariantList &values) {
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values[i]);
        query.exec();
    };
    const QString date = QStringLiteral("2026-03-15");
    const QString person = QStringLiteral("张三");
    for (auto _ : state) {
        Transaction transaction(db);
        run(count, {date});
        int rows = 0;
        while (count.next())
            ++rows;
        const QString number = QStringLiteral("260315%1").arg(rows + 1, 4, 10, QLatin1Char('0'));
        run(header, {number, person, person, date, person, QString(), person, person, date, QStringLiteral("物品仓库")});
        for (int item = 1; item <= kLines; ++item) {
            run(wareRows, {item, 1});
            while (wareRows.next()) {
            }
            run(ware, {-1.0, item, 1});
            run(line, {number, item, 1, 1.0, QString(), item, 2.5, 7});
            run(balance, {1, item});
            double kc = 0;
            while (balance.next())
                kc = balance.value(0).toDouble();
            run(ledger, {QStringLiteral("借用出库"), number, 1, item, 0.0, 1.0, date, person, kc});
        }
        transaction.commit();
    }
}
BENCHMARK(BM_LoanSave99LinesBare)->Unit(benchmark::kMillisecond);

void BM_PurchaseSave99Lines(benchmark::State &state)
{
    SaveSetup setup;
    LineGridModel lines(QStringList(9), PurchaseIn::kColumnCount);
    for (int line = 1; line <= kLines; ++line) {
        lines.setCell(line, PurchaseIn::Code, QStringLiteral("A%1").arg(line));
        lines.setCell(line, PurchaseIn::Price, QStringLiteral("2.5"));
        lines.setCell(line, PurchaseIn::Quantity, QStringLiteral("1"));
        lines.setCell(line, PurchaseIn::ItemId, QString::number(line));
    }
    PurchaseIn::Header header;
    header.supplierId = QStringLiteral("1");
    header.purchaser = header.handler = QStringLiteral("张三");
    header.storageId = QStringLiteral("1");
    header.storageName = QStringLiteral("物品仓库");
    header.date = QStringLiteral("2026-03-15");
    for (auto _ : state)
        PurchaseIn::save(setup.services, header, lines);
}
BENCHMARK(BM_PurchaseSave99Lines)->Unit(benchmark::kMillisecond);

void BM_PurchaseSave99LinesBare(benchmark::State &state)
{
    SaveSetup setup;
    QSqlDatabase db = setup.dm.database();
    const auto prepare = [&db](const char *statement) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.prepare(QString::fromLatin1(statement));
        return query;
    };
    QSqlQuery count = prepare("select ID from UIn_CG Where theDate=?");
    QSqlQuery header = prepare("insert into UIn_CG(theNum,theUser,myDate,theCGPro,theBGPro,MID,SID,Remark,theDate,"
                               "theDel,SName) Values(?,?,?,?,?,?,?,?,?,0,?)");
    QSqlQuery wareRows = prepare("select ID from UWare where AID=? AND SID=?");
    QSqlQuery ware = prepare("update UWare Set WCount=round(WCount+?, 4) Where AID=? AND SID=?");
    QSqlQuery line = prepare("insert into UIn_CG_Bill(theNum,AID,APrice,theCount,SID,Remark,myID,theDel) "
                             "Values(?,?,?,?,?,?,?,0)");
    QSqlQuery price = prepare("Update UArticle Set APrice=? Where ID=?");
    QSqlQuery balance = prepare("select WCount from UWare Where sid=? and aid=?");
    QSqlQuery ledger = prepare("INSERT INTO UWList(theType, theNum, SID, AID, theIn, theOut, theDate, UName, KCCount) "
                               "VALUES(?,?,?,?,?,?,?,?,?)");
    const auto run = [](QSqlQuery &query, const QVariantList &values) {
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values[i]);
        query.exec();
    };
    const QString date = QStringLiteral("2026-03-15");
    const QString person = QStringLiteral("张三");
    for (auto _ : state) {
        Transaction transaction(db);
        run(count, {date});
        int rows = 0;
        while (count.next())
            ++rows;
        const QString number = QStringLiteral("260315%1").arg(rows + 1, 4, 10, QLatin1Char('0'));
        run(header, {number, person, date, person, person, 1, 1, QString(), date, QStringLiteral("物品仓库")});
        for (int item = 1; item <= kLines; ++item) {
            run(wareRows, {item, 1});
            while (wareRows.next()) {
            }
            run(ware, {1.0, item, 1});
            run(line, {number, item, 2.5, 1.0, 1, QString(), item});
            run(price, {2.5, item});
            run(balance, {1, item});
            double kc = 0;
            while (balance.next())
                kc = balance.value(0).toDouble();
            run(ledger, {QStringLiteral("采购入库"), number, 1, item, 1.0, 0.0, date, person, kc});
        }
        transaction.commit();
    }
}
BENCHMARK(BM_PurchaseSave99LinesBare)->Unit(benchmark::kMillisecond);

// A 99-line transfer from storage 1 to storage 2: two balances and two ledger rows per
// line, through Transfer::save against the same statements run bare.
Transfer::Header transferHeader()
{
    return {QStringLiteral("1"), QStringLiteral("物品仓库"), QStringLiteral("2"), QStringLiteral("备品仓库"),
            QStringLiteral("张三"), QStringLiteral("2026-03-15"), QString()};
}

void BM_TransferSave99Lines(benchmark::State &state)
{
    SaveSetup setup;
    setup.dm.myESQL(QStringLiteral("insert into SStorage (SName) values ('备品仓库')"));
    LineGridModel lines(QStringList(9), Transfer::kColumnCount);
    for (int line = 1; line <= kLines; ++line) {
        lines.setCell(line, DocumentLines::Code, QStringLiteral("A%1").arg(line));
        lines.setCell(line, DocumentLines::Price, QStringLiteral("2.5"));
        lines.setCell(line, DocumentLines::Quantity, QStringLiteral("1"));
        lines.setCell(line, DocumentLines::ItemId, QString::number(line));
    }
    const Transfer::Header header = transferHeader();
    for (auto _ : state)
        Transfer::save(setup.services, header, lines);
}
BENCHMARK(BM_TransferSave99Lines)->Unit(benchmark::kMillisecond);

void BM_TransferSave99LinesBare(benchmark::State &state)
{
    SaveSetup setup;
    setup.dm.myESQL(QStringLiteral("insert into SStorage (SName) values ('备品仓库')"));
    QSqlDatabase db = setup.dm.database();
    const auto prepare = [&db](const char *statement) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.prepare(QString::fromLatin1(statement));
        return query;
    };
    QSqlQuery count = prepare("select ID from UDB Where theDate=?");
    QSqlQuery header = prepare("insert into UDB(theNum,theUser,myDate,theBGPro,DBName,RKName,Remark,theDate,theDel) "
                               "Values(?,?,?,?,?,?,?,?,0)");
    QSqlQuery wareRows = prepare("select ID from UWare where AID=? AND SID=?");
    QSqlQuery ware = prepare("update UWare Set WCount=round(WCount+?, 4) Where AID=? AND SID=?");
    QSqlQuery newWare = prepare("insert into UWare(AID,WCount,SID) Values(?,?,?)");
    QSqlQuery balance = prepare("select WCount from UWare Where sid=? and aid=?");
    QSqlQuery ledger = prepare("INSERT INTO UWList(theType, theNum, SID, AID, theIn, theOut, theDate, UName, KCCount) "
                               "VALUES(?,?,?,?,?,?,?,?,?)");
    QSqlQuery line = prepare("insert into UDB_Bill(theNum,AID,theCount,thePrice,Remark,myID,DBID,RKID,theDel) "
                             "Values(?,?,?,?,?,?,?,?,0)");
    const auto run = [](QSqlQuery &query, const QVariantList &values) {
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values[i]);
        query.exec();
    };
    const QString date = QStringLiteral("2026-03-15");
    const QString person = QStringLiteral("张三");
    // One booking: the balance row looked up, changed or created, and the ledger row.
    const auto book = [&](const QString &number, int item, int storage, double change, const char *kind) {
        run(wareRows, {item, storage});
        const bool exists = wareRows.next();
        wareRows.finish();
        if (exists)
            run(ware, {change, item, storage});
        else
            run(newWare, {item, change, storage});
        run(balance, {storage, item});
        const double kc = balance.next() ? balance.value(0).toDouble() : 0;
        balance.finish();
        run(ledger, {QString::fromUtf8(kind), number, storage, item, change > 0 ? change : 0.0,
                     change < 0 ? -change : 0.0, date, person, kc});
    };
    for (auto _ : state) {
        Transaction transaction(db);
        run(count, {date});
        int rows = 0;
        while (count.next())
            ++rows;
        const QString number = QStringLiteral("260315%1").arg(rows + 1, 4, 10, QLatin1Char('0'));
        run(header, {number, person, date, person, QStringLiteral("物品仓库"), QStringLiteral("备品仓库"), QString(), date});
        for (int item = 1; item <= kLines; ++item) {
            book(number, item, 1, -1.0, "调拨出库");
            book(number, item, 2, 1.0, "调拨入库");
            run(line, {number, item, 1.0, 2.5, QString(), item, 1, 2});
        }
        transaction.commit();
    }
}
BENCHMARK(BM_TransferSave99LinesBare)->Unit(benchmark::kMillisecond);

} // namespace
