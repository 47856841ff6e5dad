#include "stock/Statistics.h"

#include "store/SqlStatement.h"
#include "store/TfrmDM.h"

#include <stdexcept>

namespace {

constexpr bool kText = true;

SheetColumn column(const char16_t *title, double width, bool text = false)
{
    return SheetColumn{QString::fromUtf16(title), width, text};
}

// The export columns after the party columns, with the widths of the member.
QList<SheetColumn> itemColumns(double typeWidth, double amountWidth, double quantityWidth)
{
    return {column(u"物品编码", 10, kText), column(u"物品分类", typeWidth),
            column(u"物品名称", 20),        column(u"规格型号", 10),
            column(u"单位", 6),             column(u"单价", 6),
            column(u"数量", quantityWidth), column(u"金额", amountWidth)};
}

SheetMember statisticsSheet(const QString &window, const QString &title,
                            QList<SheetColumn> columns, QStringList sums)
{
    return {.window = window, .layout = SheetLayout::Titled, .titleText = title,
            .columns = std::move(columns), .sums = std::move(sums), .landscape = true};
}

// Purchases and returns to suppliers: person and storage, valued at the line's price.
StatisticsKind supplierKind(const QString &window, const QString &caption, const QString &group,
                            const QString &header, const QString &word, const QString &person,
                            const QString &storageTitle)
{
    StatisticsKind kind;
    kind.window = window;
    kind.caption = caption;
    kind.groupCaption = group;
    kind.header = header;
    kind.lines = header + QStringLiteral("_Bill");
    kind.dateCaption = word + QStringLiteral("日期");
    kind.party = StatisticsParty::PersonAndStorage;
    kind.personColumn = person;
    kind.personTitle = word + QStringLiteral("人");
    kind.personCaption = word.left(1) + QStringLiteral("  ") + word.mid(1) + QStringLiteral("  人");
    kind.storageTitle = storageTitle;
    kind.linePrice = true;
    kind.gridWidths = {100, 100, 100, 100, 200, 100, 60, 60, 60, 80};
    kind.sheet = statisticsSheet(window, group + QStringLiteral("表"),
                                 QList<SheetColumn>{SheetColumn{kind.personTitle, 10},
                                                    SheetColumn{storageTitle, 10}}
                                     + itemColumns(10, 8, 6),
                                 {QStringLiteral("数量"), QStringLiteral("金额")});
    return kind;
}

// Requisitions and loans: department and person, valued at the item's price, with the
// return state.
StatisticsKind issueKind(const QString &window, const QString &header, const QString &word,
                         StatisticsReturns returns)
{
    const bool loans = returns == StatisticsReturns::ReturnedAndOut;
    StatisticsKind kind;
    kind.window = window;
    kind.caption = word + QStringLiteral("统计");
    kind.groupCaption = kind.caption;
    kind.header = header;
    kind.lines = header + QStringLiteral("_Bill");
    kind.dateCaption = word + QStringLiteral("日期");
    kind.party = StatisticsParty::DepartmentAndPerson;
    kind.personColumn = QStringLiteral("theLYPro");
    kind.personTitle = word + QStringLiteral("人");
    kind.personCaption = word.left(1) + QStringLiteral("  ") + word.mid(1) + QStringLiteral("  人");
    kind.returns = returns;
    kind.unusedWord = word;
    kind.gridWidths = {100, 100, 100, 100, 200, 100, 60, 60, 60, 80};
    kind.gridWidths << (loans ? QList<int>{60, 60} : QList<int>{80});
    const double partyWidth = loans ? 8 : 10;
    QList<SheetColumn> columns = {SheetColumn{QStringLiteral("部门名称"), partyWidth},
                                  SheetColumn{kind.personTitle, partyWidth}};
    columns += itemColumns(partyWidth, 8, 6);
    columns << SheetColumn{QStringLiteral("归还数量"), loans ? 6.0 : 0.0};
    QStringList sums = {QStringLiteral("数量"), QStringLiteral("金额"), QStringLiteral("归还数量")};
    if (loans) {
        columns << SheetColumn{QStringLiteral("未还数量"), 6};
        sums << QStringLiteral("未还数量");
    }
    kind.sheet = statisticsSheet(window, kind.caption + QStringLiteral("表"), columns, sums);
    kind.sheet.captionWithoutOrgName = loans;
    return kind;
}

// Damage and surplus: per item only, valued at the item's price.
StatisticsKind writeOffKind(const QString &window, const QString &header, const QString &word)
{
    StatisticsKind kind;
    kind.window = window;
    kind.caption = word + QStringLiteral("统计");
    kind.groupCaption = kind.caption;
    kind.header = header;
    kind.lines = header + QStringLiteral("_Bill");
    kind.dateCaption = word + QStringLiteral("日期");
    kind.gridWidths = {100, 100, 200, 100, 60, 60, 60, 80};
    kind.sheet = statisticsSheet(window, kind.caption + QStringLiteral("表"), itemColumns(10, 0, 8),
                                 {QStringLiteral("数量"), QStringLiteral("金额")});
    return kind;
}

QList<StatisticsKind> makeKinds()
{
    QList<StatisticsKind> kinds = {
        supplierKind(QStringLiteral("TfrmTJ_CG"), QStringLiteral("采购统计"), QStringLiteral("采购统计"),
                     QStringLiteral("UIn_CG"), QStringLiteral("采购"), QStringLiteral("theCGPro"),
                     QStringLiteral("入库仓库")),
        supplierKind(QStringLiteral("TfrmTJ_TH"), QStringLiteral("退货出库统计"), QStringLiteral("退货统计"),
                     QStringLiteral("UOut_TH"), QStringLiteral("退货"), QStringLiteral("theTHPro"),
                     QStringLiteral("出库仓库")),
        issueKind(QStringLiteral("TfrmTJ_LY"), QStringLiteral("UOut_LY"), QStringLiteral("领用"),
                  StatisticsReturns::Returned),
        issueKind(QStringLiteral("TfrmTJ_JY"), QStringLiteral("UOut_JC"), QStringLiteral("借用"),
                  StatisticsReturns::ReturnedAndOut),
        writeOffKind(QStringLiteral("TfrmTJ_BS"), QStringLiteral("UOut_BS"), QStringLiteral("报损")),
        writeOffKind(QStringLiteral("TfrmTJ_BY"), QStringLiteral("UIn_BY"), QStringLiteral("报溢")),
    };
    kinds[4].sheet.captionWithoutOrgName = true;
    return kinds;
}

QString price(const StatisticsKind &kind)
{
    return kind.linePrice ? QStringLiteral("L.APrice") : QStringLiteral("A.APrice");
}

// The columns a row is grouped by, each with its title.
QStringList groupColumns(const StatisticsKind &kind, bool withTitles)
{
    auto as = [withTitles](const QString &expression, const QString &title) {
        return withTitles ? expression + QStringLiteral(" AS ") + title : expression;
    };
    QStringList columns;
    switch (kind.party) {
    case StatisticsParty::None: break;
    case StatisticsParty::PersonAndStorage:
        columns << as(QStringLiteral("H.") + kind.personColumn, kind.personTitle)
                << as(QStringLiteral("H.SName"), kind.storageTitle);
        break;
    case StatisticsParty::DepartmentAndPerson:
        columns << as(QStringLiteral("H.DName"), QStringLiteral("部门名称"))
                << as(QStringLiteral("H.") + kind.personColumn, kind.personTitle);
        break;
    }
    columns << as(QStringLiteral("A.AType"), QStringLiteral("物品分类"))
            << as(QStringLiteral("A.AName"), QStringLiteral("物品名称"))
            << as(QStringLiteral("A.theNum"), QStringLiteral("物品编码"))
            << as(QStringLiteral("A.AStandard"), QStringLiteral("规格型号"))
            << as(QStringLiteral("A.AUnit"), QStringLiteral("单位"))
            << as(price(kind), QStringLiteral("单价"));
    return columns;
}

// The grid shows the code before the category and the name.
QStringList shownColumns(const StatisticsKind &kind)
{
    QStringList columns = groupColumns(kind, true);
    const qsizetype code = columns.size() - 4;
    columns.move(code, code - 2);
    return columns;
}

// A line whose returned quantity was never written counts as nothing returned.
const QString kReturned = QStringLiteral("COALESCE(L.GHCount,0)");

QStringList sumColumns(const StatisticsKind &kind)
{
    QStringList sums = {QStringLiteral("SUM(L.theCount) AS 数量"),
                        QStringLiteral("SUM(%1*L.theCount) AS 金额").arg(price(kind))};
    if (kind.returns != StatisticsReturns::None)
        sums << QStringLiteral("SUM(%1) AS 归还数量").arg(kReturned);
    if (kind.returns == StatisticsReturns::ReturnedAndOut)
        sums << QStringLiteral("SUM(L.theCount-%1) AS 未还数量").arg(kReturned);
    return sums;
}

// FROM and WHERE of both statements, adding the values to `values`.
QString linesAndConditions(const StatisticsKind &kind, const StatisticsFilter &filter,
                           const QStringList &userStorages, QVariantList &values)
{
    QString sql = QStringLiteral(" FROM %1 H INNER JOIN %2 L ON H.theNum = L.theNum "
                                 "INNER JOIN UArticle A ON L.AID = A.ID "
                                 "WHERE (H.theDel = 0) AND (L.theDel = 0)")
                      .arg(kind.header, kind.lines);
    if (userStorages.isEmpty()) {
        sql += QStringLiteral(" AND (1 = 0)");
    } else {
        sql += QStringLiteral(" AND (H.SName IN (%1))").arg(placeholders(userStorages.size()));
        for (const QString &storage : userStorages)
            values << storage;
    }
    auto add = [&](const std::optional<QString> &value, const QString &condition) {
        if (value) {
            sql += condition;
            values << *value;
        }
    };
    if (filter.dates) {
        sql += QStringLiteral(" AND (H.myDate >= ?) AND (H.myDate <= ?)");
        values << filter.dates->from << filter.dates->to;
    }
    add(filter.category, QStringLiteral(" AND (A.AType = ?)"));
    add(filter.name ? std::optional(containing(*filter.name)) : std::nullopt,
        QStringLiteral(" AND (A.AName LIKE ?)"));
    switch (kind.party) {
    case StatisticsParty::None: break;
    case StatisticsParty::PersonAndStorage:
        add(filter.person, QStringLiteral(" AND (H.%1 = ?)").arg(kind.personColumn));
        add(filter.storage, QStringLiteral(" AND (H.SName = ?)"));
        break;
    case StatisticsParty::DepartmentAndPerson:
        add(filter.department, QStringLiteral(" AND (H.DName = ?)"));
        add(filter.person, QStringLiteral(" AND (H.%1 = ?)").arg(kind.personColumn));
        break;
    }
    if (kind.returns != StatisticsReturns::None) {
        if (filter.returnState == ReturnState::NotReturned)
            sql += QStringLiteral(" AND (L.theCount <> %1)").arg(kReturned);
        else if (filter.returnState == ReturnState::Returned)
            sql += QStringLiteral(" AND (L.theCount = %1)").arg(kReturned);
    }
    return sql;
}

// The condition on a header's date, when the range is given.
QString dateCondition(const std::optional<DateSpan> &dates, QVariantList &values)
{
    if (!dates)
        return {};
    values << dates->from << dates->to;
    return QStringLiteral(" AND (H.myDate >= ?) AND (H.myDate <= ?)");
}

} // namespace

const StatisticsKind &statisticsKind(QStringView window)
{
    static const QList<StatisticsKind> kinds = makeKinds();
    for (const StatisticsKind &kind : kinds) {
        if (kind.window == window)
            return kind;
    }
    throw std::out_of_range("no statistics window " + window.toString().toStdString());
}

QStringList statisticsSumTitles(const StatisticsKind &kind)
{
    return kind.sheet.sums;
}

BoundStatement statisticsStatement(const StatisticsKind &kind, const StatisticsFilter &filter,
                                   const QStringList &userStorages)
{
    BoundStatement statement;
    const QString grouping = groupColumns(kind, false).join(QLatin1Char(','));
    statement.sql = QStringLiteral("SELECT ") + (shownColumns(kind) + sumColumns(kind)).join(QLatin1Char(','))
                    + linesAndConditions(kind, filter, userStorages, statement.values)
                    + QStringLiteral(" GROUP BY ") + grouping + QStringLiteral(" ORDER BY ") + grouping;
    return statement;
}

BoundStatement statisticsTotalsStatement(const StatisticsKind &kind, const StatisticsFilter &filter,
                                         const QStringList &userStorages)
{
    BoundStatement statement;
    statement.sql = QStringLiteral("SELECT ") + sumColumns(kind).join(QLatin1Char(','))
                    + linesAndConditions(kind, filter, userStorages, statement.values);
    return statement;
}

// NOT EXISTS rather than NOT IN: one line or header with an empty value must not empty
// the list.
BoundStatement unusedItemsStatement(const StatisticsKind &kind, const std::optional<DateSpan> &dates)
{
    BoundStatement statement;
    statement.sql =
        QStringLiteral("SELECT theNum AS 物品编码,AType AS 物品分类,AName AS 物品名称,"
                       "AStandard AS 规格型号,AUnit AS 单位,APrice AS 单价,Remark AS 备注 "
                       "FROM UArticle WHERE (ID > 0) AND NOT EXISTS (SELECT 1 FROM %1 H "
                       "INNER JOIN %2 L ON H.theNum = L.theNum WHERE (L.AID = UArticle.ID) "
                       "AND (L.theDel = 0) AND (H.theDel = 0)%3)")
            .arg(kind.header, kind.lines, dateCondition(dates, statement.values));
    return statement;
}

BoundStatement unusedPersonsStatement(const StatisticsKind &kind, const std::optional<DateSpan> &dates)
{
    BoundStatement statement;
    statement.sql =
        QStringLiteral("SELECT DName AS 部门名称,PName AS 人员姓名,theJob AS 职务,thePhone AS 联系方式,"
                       "theIDCard AS 身份证号,theAddress AS 住址,Remark AS 备注 "
                       "FROM SPerson WHERE (ID > 0) AND NOT EXISTS (SELECT 1 FROM %1 H "
                       "WHERE (H.%2 = SPerson.PName) AND (H.theDel = 0)%3)")
            .arg(kind.header, kind.personColumn, dateCondition(dates, statement.values));
    return statement;
}
