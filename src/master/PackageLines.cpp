#include "master/PackageLines.h"

#include "store/Numbers.h"
#include "store/TfrmDM.h"
#include "store/Transaction.h"
#include "ui/LineGridModel.h"

namespace PackageLines {

namespace {

const QString kGrid = QStringLiteral("StringGrid1");

bool hasCode(const LineGridModel &lines, int line)
{
    return !lines.cell(line, Code).isEmpty();
}

std::optional<DocumentRefusal> checkQuantity(const LineGridModel &lines, int line)
{
    const QString code = lines.cell(line, Code);
    const QString label = code + QLatin1Char(' ') + lines.cell(line, Name);
    if (lines.cell(line, ItemId).isEmpty())
        return DocumentRefusal{label + QStringLiteral(" 请按回车选择物品！"), kGrid};
    const QString quantity = lines.cell(line, Quantity);
    if (quantity.isEmpty())
        return DocumentRefusal{code + QStringLiteral(" 数量 不能为空！"), kGrid};
    const std::optional<double> value = parseNumber(quantity);
    if (!value)
        return DocumentRefusal{label + QStringLiteral(" 数量不是有效的数字！"), kGrid};
    if (*value <= 0)
        return DocumentRefusal{label + QStringLiteral(" 数量不能小于或等于0！"), kGrid};
    return std::nullopt;
}

std::optional<DocumentRefusal> checkPrice(const LineGridModel &lines, int line)
{
    const QString code = lines.cell(line, Code);
    const QString price = lines.cell(line, Price);
    if (price.isEmpty())
        return DocumentRefusal{code + QStringLiteral(" 单价 不能为空！"), kGrid};
    if (!parseNumber(price))
        return DocumentRefusal{code + QStringLiteral(" 单价不是有效的数字！"), kGrid};
    return std::nullopt;
}

} // namespace

void load(AppServices &services, const QString &name, LineGridModel &lines)
{
    QSqlQuery query = services.dm.select(
        QStringLiteral("SELECT theNum, AName, AStandard, AUnit, UAPList.APrice, UAPList.theCount, UAPList.Remark, AID "
                       "FROM UAPList INNER JOIN UArticle ON UAPList.AID = UArticle.ID "
                       "WHERE (UAPList.theName = ?) order by UAPList.myID"),
        {name});
    for (int line = 1; line <= LineGridModel::kLines && query.next(); ++line) {
        const double price = query.value(4).toDouble();
        const double quantity = query.value(5).toDouble();
        const QStringList cells = {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                                   query.value(3).toString(), numberText(price), numberText(quantity),
                                   numberText(price * quantity), query.value(6).toString(), query.value(7).toString()};
        for (int column = Code; column <= ItemId; ++column)
            lines.setCell(line, column, cells.at(column - Code));
    }
}

std::optional<DocumentRefusal> check(const LineGridModel &lines)
{
    bool any = false;
    for (int line = 1; line <= LineGridModel::kLines; ++line)
        any = any || hasCode(lines, line);
    if (!any)
        return DocumentRefusal{QStringLiteral("物品明细 不能为空！"), kGrid};
    for (int line = 1; line <= LineGridModel::kLines; ++line) {
        if (hasCode(lines, line)) {
            if (std::optional<DocumentRefusal> refusal = checkQuantity(lines, line))
                return refusal;
        }
    }
    for (int line = 1; line <= LineGridModel::kLines; ++line) {
        if (hasCode(lines, line)) {
            if (std::optional<DocumentRefusal> refusal = checkPrice(lines, line))
                return refusal;
        }
    }
    return std::nullopt;
}

void save(AppServices &services, const QString &name, const LineGridModel &lines)
{
    TfrmDM &dm = services.dm;
    Transaction transaction(dm.database());
    dm.myESQL(QStringLiteral("DELETE FROM UAPList WHERE (theName = ?)"), {name});
    int saved = 0;
    for (int line = 1; line <= LineGridModel::kLines; ++line) {
        if (!hasCode(lines, line))
            continue;
        dm.myESQL(QStringLiteral("insert into UAPList(theName, AID, APrice, theCount, Remark, myID) Values(?,?,?,?,?,?)"),
                  {name, lines.cell(line, ItemId).toInt(), roundMoney(*parseNumber(lines.cell(line, Price))),
                   roundMoney(*parseNumber(lines.cell(line, Quantity))), lines.cell(line, Remark), ++saved});
    }
    transaction.commit();
}

void rename(AppServices &services, const QString &oldName, const QString &newName)
{
    if (oldName != newName)
        services.dm.myESQL(QStringLiteral("UPDATE UAPList SET theName = ? WHERE (theName = ?)"), {newName, oldName});
}

} // namespace PackageLines
