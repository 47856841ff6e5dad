#include "documents/DocumentLines.h"

#include "store/Numbers.h"
#include "ui/LineGridModel.h"

namespace DocumentLines {

QList<int> itemLines(const LineGridModel &lines)
{
    QList<int> found;
    for (int line = 1; line <= LineGridModel::kLines; ++line) {
        if (!lines.cell(line, ItemId).isEmpty())
            found << line;
    }
    return found;
}

QString lineLabel(const LineGridModel &lines, int line)
{
    return lines.cell(line, Code) + QLatin1Char(' ') + lines.cell(line, Name);
}

std::optional<CheckFailure> checkQuantities(const LineGridModel &lines, const QList<int> &itemLines,
                                            bool codeOnly)
{
    for (int line : itemLines) {
        const QString label = codeOnly ? lines.cell(line, Code) : lineLabel(lines, line);
        const std::optional<double> quantity = parseNumber(lines.cell(line, Quantity));
        if (!quantity)
            return CheckFailure{label + QStringLiteral(" 数量不是有效的数字！"), kGrid};
        if (roundMoney(*quantity) <= 0)
            return CheckFailure{label + QStringLiteral(" 数量不能小于或等于0！"), kGrid};
    }
    return std::nullopt;
}

std::optional<CheckFailure> checkPrices(const LineGridModel &lines, const QList<int> &itemLines)
{
    for (int line : itemLines) {
        const QString price = lines.cell(line, Price);
        if (!price.isEmpty() && !parseNumber(price))
            return CheckFailure{lines.cell(line, Code) + QStringLiteral(" 单价不是有效的数字！"), kGrid};
    }
    return std::nullopt;
}

double cellNumber(const LineGridModel &lines, int line, int column)
{
    return roundMoney(parseNumber(lines.cell(line, column)).value_or(0));
}

} // namespace DocumentLines
