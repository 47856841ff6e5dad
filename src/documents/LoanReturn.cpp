#include "documents/LoanReturn.h"

#include "store/AppContext.h"
#include "store/DatabaseError.h"
#include "store/LedgerKinds.h"
#include "store/Numbers.h"
#include "store/SqlStatement.h"
#include "store/TfrmDM.h"
#include "store/Transaction.h"
#include "ui/LineGridModel.h"

#include <QHash>

namespace LoanReturn {

using namespace DocumentLines;

namespace {

QString returnsTooMuch(const LineGridModel &lines, int line)
{
    return lineLabel(lines, line) + QStringLiteral(" 的归还数大于借用数！");
}

// The issue line table named in a line: only the two tables that hold issue lines
// ever reach a statement.
QString sourceTable(const LineGridModel &lines, int line)
{
    const QString table = lines.cell(line, SourceTable);
    if (table == kLoanLines)
        return kLoanLines;
    if (table == kRequisitionLines)
        return kRequisitionLines;
    throw InputError(QStringLiteral("%1 不是借用或领用明细：%2").arg(lineLabel(lines, line), table));
}

// The first line that, with the lines above it on the same issue line, returns more
// than that issue line has still out now, or 0.
int lineReturningTooMuch(TfrmDM &dm, const LineGridModel &lines, const QList<int> &filled)
{
    QHash<QString, double> returned; // "table|ID" → quantity of the lines so far
    for (int line : filled) {
        const QString table = sourceTable(lines, line);
        const QString issueLine = lines.cell(line, SourceLineId);
        QSqlQuery query = dm.select(
            QStringLiteral("select theCount - coalesce(GHCount, 0) from %1 where ID=?").arg(table),
            {issueLine.toInt()});
        const double stillOut = query.next() ? roundMoney(query.value(0).toDouble()) : 0.0;
        double &sum = returned[table + QLatin1Char('|') + issueLine];
        sum = roundMoney(sum + cellNumber(lines, line, Quantity));
        if (sum > stillOut)
            return line;
    }
    return 0;
}

// The columns and joins of the open-issue lookup over one kind of issue.
QString issueSelect(IssueKind kind)
{
    const bool loan = kind == IssueKind::Loan;
    const QString header = loan ? QStringLiteral("UOut_JC") : QStringLiteral("UOut_LY");
    const QString lines = issueLinesTable(kind);
    return QStringLiteral(
               "select %1.theNum as 单号, %1.myDate as %3, UArticle.theNum as 物品编码, AType as 物品分类, "
               "AName as 物品名称, AStandard as 规格型号, AUnit as 单位, APrice as 单价, "
               "theCount as %4, coalesce(GHCount, 0) as 已归还数, SStorage.SName as 仓库名称, AID, "
               "(theCount - coalesce(GHCount, 0))*APrice as SYMoney, SID, "
               "theCount - coalesce(GHCount, 0) as SYCount, %2.ID as ID "
               "from %2 INNER JOIN %1 ON %1.theNum = %2.theNum "
               "INNER JOIN UArticle ON UArticle.ID = %2.AID INNER JOIN SStorage ON SStorage.ID = %2.SID ")
        .arg(header, lines, loan ? QStringLiteral("借用日期") : QStringLiteral("领用日期"),
             loan ? QStringLiteral("借用数量") : QStringLiteral("领用数量"));
}

} // namespace

QString issueLinesTable(IssueKind kind)
{
    return kind == IssueKind::Loan ? kLoanLines : kRequisitionLines;
}

Statement openIssueLines(IssueKind kind, const QString &returner, const QString &text,
                         const QStringList &excludedItemIds)
{
    const bool loan = kind == IssueKind::Loan;
    const QString header = loan ? QStringLiteral("UOut_JC") : QStringLiteral("UOut_LY");
    const QString lines = issueLinesTable(kind);
    const QString pattern = containing(text);
    Statement statement{
        issueSelect(kind)
            + QStringLiteral("Where ((AName Like ?) OR (UArticle.thePY LIke ?) OR (UArticle.theNum LIke ?)) "
                             "AND theLYPro=? AND theCount > coalesce(GHCount, 0) "
                             "AND (%1.theDel=0) AND (%2.theDel=0)").arg(header, lines),
        {pattern, pattern, pattern, returner}};
    if (!excludedItemIds.isEmpty()) {
        statement.text += QStringLiteral(" AND (AID NOT IN (%1))").arg(placeholders(excludedItemIds.size()));
        for (const QString &id : excludedItemIds)
            statement.values << id.toInt();
    }
    statement.text += loan ? QStringLiteral(" order by SStorage.SName,AName,AStandard,AUnit")
                           : QStringLiteral(" order by SStorage.SName,AType,AName,AStandard,AUnit");
    return statement;
}

Statement issueLine(IssueKind kind, const QString &lineId)
{
    return {issueSelect(kind) + QStringLiteral("Where %1.ID = ?").arg(issueLinesTable(kind)), {lineId.toInt()}};
}

void writeLine(LineGridModel &lines, int line, IssueKind kind, const RecordValue &value, bool zeroPrice)
{
    const auto text = [&value](const char *column) { return value(QString::fromUtf8(column)).toString(); };
    const auto number = [&value](const char *column) {
        return numberText(roundMoney(value(QString::fromUtf8(column)).toDouble()));
    };
    lines.setCell(line, Code, text("物品编码"));
    lines.setCell(line, Name, text("物品名称"));
    lines.setCell(line, Standard, text("规格型号"));
    lines.setCell(line, Unit, text("单位"));
    lines.setCell(line, Price, zeroPrice ? QStringLiteral("0") : number("单价"));
    lines.setCell(line, Quantity, number("SYCount"));
    lines.setCell(line, Amount, zeroPrice ? QStringLiteral("0") : number("SYMoney"));
    lines.setCell(line, ItemId, text("AID"));
    lines.setCell(line, Returnable, number("SYCount"));
    lines.setCell(line, StorageId, text("SID"));
    lines.setCell(line, SourceTable, issueLinesTable(kind));
    lines.setCell(line, SourceLineId, text("ID"));
}

std::optional<CheckFailure> check(AppServices &services, const Header &header, const LineGridModel &lines)
{
    if (header.returner.isEmpty())
        return CheckFailure{QStringLiteral("归还人 不能为空！请选择 归还人！"), QStringLiteral("Edit2")};
    if (header.handler.isEmpty())
        return CheckFailure{QStringLiteral("经办人 不能为空！请选择 经办人！"), QStringLiteral("Edit3")};
    const QList<int> filled = itemLines(lines);
    if (filled.isEmpty())
        return CheckFailure{QStringLiteral("归还明细 不能为空！"), kGrid};
    if (std::optional<CheckFailure> failure = checkQuantities(lines, filled))
        return failure;
    if (const int line = lineReturningTooMuch(services.dm, lines, filled))
        return CheckFailure{returnsTooMuch(lines, line), kGrid};
    return std::nullopt;
}

QString save(AppServices &services, const Header &header, const LineGridModel &lines)
{
    TfrmDM &dm = services.dm;
    Transaction transaction(dm.database());
    const QList<int> filled = itemLines(lines);
    if (const int line = lineReturningTooMuch(dm, lines, filled))
        throw InputError(returnsTooMuch(lines, line));
    const QString num = dm.NewNum(QStringLiteral("UIn_GH"));
    dm.myESQL(QStringLiteral("insert into UIn_GH(theNum,theGHPro,theBGPro,myDate,theUser,Remark,theDate,theDel) "
                             "Values(?,?,?,?,?,?,?,0)"),
              {num, header.returner, header.handler, header.date, services.context.CurUserName,
               header.remark, services.context.LoginDate});
    int saved = 0;
    for (int line : filled) {
        const QString table = sourceTable(lines, line);
        const QString issueLine = lines.cell(line, SourceLineId);
        const double quantity = cellNumber(lines, line, Quantity);
        const QString itemId = lines.cell(line, ItemId);
        const QString storageId = lines.cell(line, StorageId);
        dm.myESQL(QStringLiteral("Update %1 Set GHCount=round(coalesce(GHCount, 0)+?, 4) where ID=?").arg(table),
                  {quantity, issueLine.toInt()});
        dm.SaveWare(itemId, numberText(quantity), storageId);
        dm.myESQL(QStringLiteral("insert into UIn_GH_Bill(theNum,AID,SID,theCount,Remark,myID,theDel,JYID,JYT) "
                                 "Values(?,?,?,?,?,?,0,?,?)"),
                  {num, itemId.toInt(), storageId.toInt(), quantity, lines.cell(line, Remark), ++saved,
                   issueLine.toInt(), table});
        dm.mySaveUWList(LedgerKind::LoanReturn, num, storageId, itemId, numberText(quantity), QStringLiteral("0"));
    }
    transaction.commit();
    return num;
}

} // namespace LoanReturn
