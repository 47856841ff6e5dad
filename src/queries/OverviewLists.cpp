#include "queries/OverviewLists.h"

#include "store/SqlDialect.h"
#include "store/TfrmDM.h"

#include <algorithm>

namespace {

// Widths of the grid, as the lists give them.
constexpr int kDefault = 0;

ListColumn shown(const QString &expression, const QString &title, int width = kDefault)
{
    return {expression, title, width};
}

ListColumn hidden(const QString &expression, const QString &title)
{
    return {expression, title, kDefault, true};
}

// The item columns every list shows after its header columns.
QList<ListColumn> itemColumns(int categoryWidth)
{
    return {shown(QStringLiteral("UArticle.theNum"), QStringLiteral("物品编码"), 100),
            shown(QStringLiteral("AType"), QStringLiteral("物品分类"), categoryWidth),
            shown(QStringLiteral("AName"), QStringLiteral("物品名称"), 200),
            shown(QStringLiteral("AStandard"), QStringLiteral("规格型号"), 100),
            shown(QStringLiteral("AUnit"), QStringLiteral("单位"), 60)};
}

// Filters shared by the lists, by what they compare.
ListFilter numberFilter(const QString &lines)
{
    return {QStringLiteral("编       号"), FilterKind::Text, {lines + QStringLiteral(".theNum")}};
}

ListFilter datesFilter(const QString &caption)
{
    return {caption, FilterKind::Dates, {QStringLiteral("myDate")}};
}

ListFilter lookupFilter(const QString &caption, const QString &column,
                        std::unique_ptr<LookupModel> (TfrmDM::*lookup)())
{
    return {caption, FilterKind::Lookup, {column}, [lookup](TfrmDM &dm) { return (dm.*lookup)(); }};
}

ListFilter departmentFilter(const QString &column, const QString &personsCaption)
{
    ListFilter filter = lookupFilter(QStringLiteral("部门名称"), column, &TfrmDM::DBComDepartment);
    filter.refillsPersonsOf = personsCaption;
    return filter;
}

ListFilter personFilter(const QString &caption, const QString &column)
{
    return lookupFilter(caption, column, &TfrmDM::DBComPersonAll);
}

ListFilter storageFilter(const QString &caption, const QString &column)
{
    return lookupFilter(caption, column, &TfrmDM::DBComStorage);
}

ListFilter supplierFilter()
{
    return {QStringLiteral("供  应  商"), FilterKind::Text,
            {QStringLiteral("MName"), QStringLiteral("UMerchant.thePY")}};
}

// Item code, category, name or initials, standard (model) and remark: the last filters of
// every list.
QList<ListFilter> itemFilters(const QString &lines, const QString &codeCaption)
{
    return {{codeCaption, FilterKind::Text, {QStringLiteral("UArticle.theNum")}},
            lookupFilter(QStringLiteral("物品分类"), QStringLiteral("AType"), &TfrmDM::DBComAType),
            {QStringLiteral("物品名称"), FilterKind::Text,
             {QStringLiteral("AName"), QStringLiteral("UArticle.thePY")}},
            {QStringLiteral("规格型号"), FilterKind::Text, {QStringLiteral("AStandard")}},
            {QStringLiteral("备       注"), FilterKind::Text, {lines + QStringLiteral(".Remark")}}};
}

QString baseCondition(const QString &header, const QString &lines)
{
    return QStringLiteral(" Where (%1.theDel=0) AND (%2.theDel=0)").arg(header, lines);
}

// " from (lines INNER JOIN UArticle ...) INNER JOIN header ...": the join of most lists.
QString linesItemHeader(const QString &lines, const QString &header)
{
    return QStringLiteral(" from (%1 INNER JOIN UArticle ON %1.AID = UArticle.ID) INNER JOIN %2 ON "
                          "%1.theNum = %2.theNum")
        .arg(lines, header);
}

QString supplierJoin(const QString &header, const QString &lines)
{
    return QStringLiteral(" from ((%1 INNER JOIN UMerchant ON %1.MID = UMerchant.ID) INNER JOIN %2 ON "
                          "%1.theNum = %2.theNum) INNER JOIN UArticle ON %2.AID = UArticle.ID")
        .arg(header, lines);
}

// " order by a, b, c" with the names in pinyin order.
QString pinyinOrder(const QStringList &columns, SqlEngine engine)
{
    QStringList ordered;
    for (const QString &column : columns)
        ordered << column + pinyinCollation(engine);
    return QStringLiteral(" order by ") + ordered.join(QLatin1Char(','));
}

ListSum sum(const QString &expression, const QString &title, const QString &label)
{
    return {expression, title, label};
}

// The loan and requisition lists differ in their tables, words and the loan's extras.
FilteredListConfig issueList(bool loan, SqlEngine engine)
{
    const QString header = loan ? QStringLiteral("UOut_JC") : QStringLiteral("UOut_LY");
    const QString lines = header + QStringLiteral("_Bill");
    const QString verb = loan ? QStringLiteral("借用") : QStringLiteral("领用");
    const QString person = loan ? QStringLiteral("借  用  人") : QStringLiteral("领  用  人");
    FilteredListConfig config;
    config.objectName = loan ? QStringLiteral("frmYLB_JC") : QStringLiteral("frmYLB_LY");
    config.caption = verb + QStringLiteral("物品一览表");
    config.groupCaption = config.caption;
    ListStatement &statement = config.statement;
    statement.columns = {shown(lines + QStringLiteral(".theNum"), QStringLiteral("编号")),
                         shown(QStringLiteral("myDate"), verb + QStringLiteral("日期")),
                         shown(header + QStringLiteral(".DName"), QStringLiteral("部门名称"), 80),
                         shown(QStringLiteral("theLYPro"), verb + QStringLiteral("人"), 80)};
    if (loan)
        statement.columns << shown(QStringLiteral("thePZPro"), QStringLiteral("批准人"), 80);
    statement.columns << shown(QStringLiteral("SName"), QStringLiteral("出库仓库"), 80);
    statement.columns << itemColumns(loan ? 100 : 80);
    statement.columns << shown(QStringLiteral("thePrice"), QStringLiteral("单价"), 60)
                      << shown(QStringLiteral("theCount"), verb + QStringLiteral("数量"), 60)
                      << shown(QStringLiteral("theCount*thePrice"), QStringLiteral("金额"), 80)
                      << shown(QStringLiteral("GHCount"), QStringLiteral("归还数量"), 60)
                      << shown(QStringLiteral("theCount-GHCount"), QStringLiteral("未还数量"), 60)
                      << shown(lines + QStringLiteral(".Remark"), QStringLiteral("备注"), 100);
    if (loan)
        statement.columns << shown(QStringLiteral("theGH"), QStringLiteral("归还天数"), 60);
    statement.columns << hidden(QStringLiteral("AID"), QStringLiteral("AID"))
                      << hidden(QStringLiteral("SID"), QStringLiteral("SID"))
                      << hidden(lines + QStringLiteral(".ID"), QStringLiteral("ID"));
    statement.from = QStringLiteral(" from (UArticle INNER JOIN %1 ON UArticle.ID=%1.AID) INNER JOIN %2 "
                                    "ON %1.theNum=%2.theNum")
                         .arg(lines, header);
    statement.where = baseCondition(header, lines);
    statement.key = lines + QStringLiteral(".ID");
    statement.order = pinyinOrder({QStringLiteral("theLYPro"), QStringLiteral("AType"), QStringLiteral("AName")}, engine);
    statement.sums = {sum(QStringLiteral("theCount"), verb + QStringLiteral("数量"), verb + QStringLiteral("数量：")),
                      sum(QStringLiteral("theCount*thePrice"), QStringLiteral("金额"), QStringLiteral("金额：")),
                      sum(QStringLiteral("GHCount"), QStringLiteral("归还数量"), QStringLiteral("归还数量：")),
                      sum(QStringLiteral("theCount-GHCount"), QStringLiteral("未还数量"), QStringLiteral("未还数量："))};
    statement.engine = engine;
    config.filters = {numberFilter(lines), datesFilter(verb + QStringLiteral("日期")),
                      departmentFilter(header + QStringLiteral(".DName"), person),
                      personFilter(person, QStringLiteral("theLYPro")),
                      storageFilter(QStringLiteral("出库仓库"), QStringLiteral("SName"))};
    config.filters << itemFilters(lines, QStringLiteral("物品编号"));
    config.storageColumn = QStringLiteral("SName");
    config.states = {{kAllState, {}},
                     {kNotReturnedState, QStringLiteral("(theCount<>GHCount)")},
                     {kReturnedState, QStringLiteral("(theCount=GHCount)")}};
    if (loan) {
        config.states << ListState{kOverdueState, QStringLiteral("(%1 > theGH) AND (theCount<>GHCount)")
                                                      .arg(daysUntilToday(engine, QStringLiteral("myDate")))};
    }
    config.recordLabel = verb + QStringLiteral("记录：");
    config.exportWindow = loan ? QStringLiteral("TfrmYLB_JC") : QStringLiteral("TfrmYLB_LY");
    return config;
}

// The purchase-in and return-to-supplier lists: a supplier, one person, one storage.
FilteredListConfig supplierList(bool purchase)
{
    const QString header = purchase ? QStringLiteral("UIn_CG") : QStringLiteral("UOut_TH");
    const QString lines = header + QStringLiteral("_Bill");
    const QString verb = purchase ? QStringLiteral("采购") : QStringLiteral("退货");
    const QString person = purchase ? QStringLiteral("theCGPro") : QStringLiteral("theTHPro");
    const QString storage = purchase ? QStringLiteral("入库仓库") : QStringLiteral("出库仓库");
    FilteredListConfig config;
    config.objectName = purchase ? QStringLiteral("frmYLB_CG") : QStringLiteral("frmYLB_TH");
    config.caption = verb + QStringLiteral("物品一览表");
    config.groupCaption = config.caption;
    ListStatement &statement = config.statement;
    statement.columns = {shown(lines + QStringLiteral(".theNum"), QStringLiteral("编号")),
                         shown(QStringLiteral("myDate"), verb + QStringLiteral("日期")),
                         shown(person, verb + QStringLiteral("人"), 80),
                         shown(QStringLiteral("MName"), QStringLiteral("供应商"), 140),
                         shown(header + QStringLiteral(".SName"), storage, 80)};
    statement.columns << itemColumns(80);
    statement.columns << shown(lines + QStringLiteral(".APrice"), QStringLiteral("单价"), 60)
                      << shown(QStringLiteral("theCount"), QStringLiteral("数量"), 60)
                      << shown(lines + QStringLiteral(".APrice*theCount"), QStringLiteral("金额"), 80)
                      << shown(lines + QStringLiteral(".Remark"), QStringLiteral("备注"), 100)
                      << hidden(QStringLiteral("AID"), QStringLiteral("AID"));
    statement.from = supplierJoin(header, lines);
    statement.where = baseCondition(header, lines);
    statement.key = lines + QStringLiteral(".ID");
    statement.order = QStringLiteral(" order by %1.ID Desc").arg(lines);
    statement.sums = {sum(QStringLiteral("theCount"), QStringLiteral("数量"), verb + QStringLiteral("数量：")),
                      sum(lines + QStringLiteral(".APrice*theCount"), QStringLiteral("金额"), verb + QStringLiteral("金额："))};
    config.filters = {numberFilter(lines), datesFilter(verb + QStringLiteral("日期")),
                      personFilter(purchase ? QStringLiteral("采  购  人") : QStringLiteral("退  货  人"), person),
                      supplierFilter(),
                      storageFilter(storage, header + QStringLiteral(".SName"))};
    config.filters << itemFilters(lines, QStringLiteral("物品编码"));
    config.storageColumn = header + QStringLiteral(".SName");
    config.recordLabel = verb + QStringLiteral("记录：");
    config.exportWindow = purchase ? QStringLiteral("TfrmYLB_CG") : QStringLiteral("TfrmYLB_TH");
    return config;
}

FilteredListConfig returnOfLoanList()
{
    const QString lines = QStringLiteral("UIn_GH_Bill");
    FilteredListConfig config;
    config.objectName = QStringLiteral("frmYLB_GH");
    config.caption = QStringLiteral("归还物品一览表");
    config.groupCaption = config.caption;
    ListStatement &statement = config.statement;
    statement.columns = {shown(lines + QStringLiteral(".theNum"), QStringLiteral("编号")),
                         shown(QStringLiteral("myDate"), QStringLiteral("归还日期")),
                         shown(QStringLiteral("theGHPro"), QStringLiteral("归还人"), 80),
                         shown(QStringLiteral("SName"), QStringLiteral("入库仓库"), 80)};
    statement.columns << itemColumns(80);
    statement.columns << shown(QStringLiteral("APrice"), QStringLiteral("单价"), 60)
                      << shown(QStringLiteral("theCount"), QStringLiteral("归还数量"), 60)
                      << shown(QStringLiteral("theCount*APrice"), QStringLiteral("金额"), 80)
                      << shown(lines + QStringLiteral(".Remark"), QStringLiteral("备注"), 100)
                      << hidden(QStringLiteral("AID"), QStringLiteral("AID"));
    statement.from = QStringLiteral(" from ((UIn_GH_Bill INNER JOIN UIn_GH ON UIn_GH_Bill.theNum = UIn_GH.theNum) "
                                    "INNER JOIN SStorage ON UIn_GH_Bill.SID = SStorage.ID) "
                                    "INNER JOIN UArticle ON UIn_GH_Bill.AID = UArticle.ID");
    statement.where = baseCondition(QStringLiteral("UIn_GH"), lines);
    statement.key = lines + QStringLiteral(".ID");
    statement.order = QStringLiteral(" order by UIn_GH_Bill.ID Desc");
    statement.sums = {sum(QStringLiteral("theCount"), QStringLiteral("归还数量"), QStringLiteral("归还数量：")),
                      sum(QStringLiteral("APrice*theCount"), QStringLiteral("金额"), QStringLiteral("归还金额："))};
    config.filters = {numberFilter(lines), datesFilter(QStringLiteral("归还日期")),
                      personFilter(QStringLiteral("归  还  人"), QStringLiteral("theGHPro")),
                      storageFilter(QStringLiteral("入库仓库"), QStringLiteral("SName"))};
    config.filters << itemFilters(lines, QStringLiteral("物品编码"));
    config.storageColumn = QStringLiteral("SName");
    config.recordLabel = QStringLiteral("归还记录：");
    config.exportWindow = QStringLiteral("TfrmYLB_GH");
    return config;
}

// The damage and surplus lists: an approver and one storage.
FilteredListConfig writeOffList(bool damage, SqlEngine engine)
{
    const QString header = damage ? QStringLiteral("UOut_BS") : QStringLiteral("UIn_BY");
    const QString lines = header + QStringLiteral("_Bill");
    const QString verb = damage ? QStringLiteral("报损") : QStringLiteral("报溢");
    const QString storage = damage ? QStringLiteral("出库仓库") : QStringLiteral("入库仓库");
    FilteredListConfig config;
    config.objectName = damage ? QStringLiteral("frmYLB_BS") : QStringLiteral("frmYLB_BY");
    config.caption = damage ? QStringLiteral("报损物品一览表") : QStringLiteral("报溢一览表");
    config.groupCaption = verb + QStringLiteral("物品一览表");
    ListStatement &statement = config.statement;
    statement.columns = {shown(lines + QStringLiteral(".theNum"), QStringLiteral("编号")),
                         shown(QStringLiteral("MyDate"), verb + QStringLiteral("日期")),
                         shown(QStringLiteral("thePZPro"), QStringLiteral("批准人"), 80),
                         shown(QStringLiteral("SName"), storage, 80)};
    statement.columns << itemColumns(80);
    statement.columns << shown(QStringLiteral("thePrice"), QStringLiteral("单价"), 60)
                      << shown(QStringLiteral("theCount"), QStringLiteral("数量"), 60)
                      << shown(QStringLiteral("theCount*thePrice"), QStringLiteral("金额"), 80)
                      << shown(lines + QStringLiteral(".Remark"), QStringLiteral("备注"), 100)
                      << hidden(QStringLiteral("AID"), QStringLiteral("AID"));
    statement.from = linesItemHeader(lines, header);
    statement.where = baseCondition(header, lines);
    statement.key = lines + QStringLiteral(".ID");
    statement.order = pinyinOrder({QStringLiteral("thePZPro"), QStringLiteral("AType"), QStringLiteral("AName")}, engine);
    statement.sums = {sum(QStringLiteral("theCount"), QStringLiteral("数量"), verb + QStringLiteral("数量：")),
                      sum(QStringLiteral("theCount*thePrice"), QStringLiteral("金额"), QStringLiteral("金额："))};
    config.filters = {numberFilter(lines), datesFilter(verb + QStringLiteral("日期")),
                      personFilter(QStringLiteral("批  准  人"), QStringLiteral("thePZPro")),
                      storageFilter(storage, QStringLiteral("SName"))};
    config.filters << itemFilters(lines, QStringLiteral("物品编码"));
    config.storageColumn = QStringLiteral("SName");
    config.recordLabel = verb + QStringLiteral("记录：");
    config.exportWindow = damage ? QStringLiteral("TfrmYLB_BS") : QStringLiteral("TfrmYLB_BY");
    return config;
}

FilteredListConfig requestList()
{
    const QString lines = QStringLiteral("USQ_Bill");
    FilteredListConfig config;
    config.objectName = QStringLiteral("frmYLB_SQ");
    config.caption = QStringLiteral("申请物品一览表");
    config.groupCaption = config.caption;
    ListStatement &statement = config.statement;
    statement.columns = {shown(lines + QStringLiteral(".theNum"), QStringLiteral("编号")),
                         shown(QStringLiteral("myDate"), QStringLiteral("申请日期")),
                         shown(QStringLiteral("USQ.DName"), QStringLiteral("部门名称"), 80),
                         shown(QStringLiteral("theSQPro"), QStringLiteral("申请人"), 80)};
    statement.columns << itemColumns(80);
    statement.columns << shown(QStringLiteral("UArticle.APrice"), QStringLiteral("单价"), 60)
                      << shown(QStringLiteral("theCount"), QStringLiteral("申请数量"), 60)
                      << shown(QStringLiteral("theCount*UArticle.APrice"), QStringLiteral("金额"), 80)
                      << shown(QStringLiteral("theCG"), QStringLiteral("已购数量"), 60)
                      << shown(QStringLiteral("theLY"), QStringLiteral("已领数量"), 60)
                      << shown(QStringLiteral("theJY"), QStringLiteral("已借数量"), 60)
                      << shown(lines + QStringLiteral(".Remark"), QStringLiteral("备注"), 100)
                      << hidden(QStringLiteral("AID"), QStringLiteral("AID"));
    statement.from = linesItemHeader(lines, QStringLiteral("USQ"));
    statement.where = baseCondition(QStringLiteral("USQ"), lines);
    statement.key = lines + QStringLiteral(".ID");
    statement.order = QStringLiteral(" order by USQ_Bill.ID desc ");
    statement.sums = {sum(QStringLiteral("theCount"), QStringLiteral("申请数量"), QStringLiteral("申请数量：")),
                      sum(QStringLiteral("theCount*UArticle.APrice"), QStringLiteral("金额"), QStringLiteral("金额：")),
                      sum(QStringLiteral("theCG"), QStringLiteral("已购数量"), QStringLiteral("已购数量：")),
                      sum(QStringLiteral("theLY"), QStringLiteral("已领数量"), QStringLiteral("已领数量：")),
                      sum(QStringLiteral("theJY"), QStringLiteral("已借数量"), QStringLiteral("已借数量："))};
    config.filters = {numberFilter(lines), datesFilter(QStringLiteral("申请日期")),
                      departmentFilter(QStringLiteral("USQ.DName"), QStringLiteral("申  请  人")),
                      personFilter(QStringLiteral("申  请  人"), QStringLiteral("theSQPro"))};
    config.filters << itemFilters(lines, QStringLiteral("物品编号"));
    config.recordLabel = QStringLiteral("申请记录：");
    config.exportWindow = QStringLiteral("TfrmYLB_SQ");
    return config;
}

FilteredListConfig transferList()
{
    const QString lines = QStringLiteral("UDB_Bill");
    FilteredListConfig config;
    config.objectName = QStringLiteral("frmYLB_DB");
    config.caption = QStringLiteral("调拨物品一览表");
    config.groupCaption = config.caption;
    ListStatement &statement = config.statement;
    statement.columns = {shown(lines + QStringLiteral(".theNum"), QStringLiteral("编号")),
                         shown(QStringLiteral("myDate"), QStringLiteral("调拨日期")),
                         shown(QStringLiteral("DBName"), QStringLiteral("调拨仓库"), 80),
                         shown(QStringLiteral("RKName"), QStringLiteral("入库仓库"), 80)};
    statement.columns << itemColumns(80);
    statement.columns << shown(QStringLiteral("thePrice"), QStringLiteral("单价"), 60)
                      << shown(QStringLiteral("theCount"), QStringLiteral("调拨数量"), 60)
                      << shown(QStringLiteral("theCount*thePrice"), QStringLiteral("金额"), 80)
                      << shown(lines + QStringLiteral(".Remark"), QStringLiteral("备注"), 100)
                      << hidden(QStringLiteral("AID"), QStringLiteral("AID"));
    statement.from = linesItemHeader(lines, QStringLiteral("UDB"));
    statement.where = baseCondition(QStringLiteral("UDB"), lines);
    statement.key = lines + QStringLiteral(".ID");
    statement.order = QStringLiteral(" order by UDB_Bill.ID DESC ");
    statement.sums = {sum(QStringLiteral("theCount"), QStringLiteral("调拨数量"), QStringLiteral("调拨数量：")),
                      sum(QStringLiteral("theCount*thePrice"), QStringLiteral("金额"), QStringLiteral("金额："))};
    config.filters = {numberFilter(lines), datesFilter(QStringLiteral("调拨日期")),
                      storageFilter(QStringLiteral("调拨仓库"), QStringLiteral("DBName")),
                      storageFilter(QStringLiteral("入库仓库"), QStringLiteral("RKName"))};
    config.filters << itemFilters(lines, QStringLiteral("物品编号"));
    config.recordLabel = QStringLiteral("调拨记录：");
    config.exportWindow = QStringLiteral("TfrmYLB_DB");
    return config;
}

} // namespace

FilteredListConfig overviewConfig(OverviewKind kind, SqlEngine engine)
{
    FilteredListConfig config;
    switch (kind) {
    case OverviewKind::Loan: config = issueList(true, engine); break;
    case OverviewKind::Requisition: config = issueList(false, engine); break;
    case OverviewKind::Purchase: config = supplierList(true); break;
    case OverviewKind::ReturnToSupplier: config = supplierList(false); break;
    case OverviewKind::ReturnOfLoan: config = returnOfLoanList(); break;
    case OverviewKind::Damage: config = writeOffList(true, engine); break;
    case OverviewKind::Surplus: config = writeOffList(false, engine); break;
    case OverviewKind::Request: config = requestList(); break;
    case OverviewKind::Transfer: config = transferList(); break;
    }
    config.statement.engine = engine;
    return config;
}

ListConditions overdueLoanConditions(const QStringList &storages, SqlEngine engine)
{
    const FilteredListConfig loans = overviewConfig(OverviewKind::Loan, engine);
    const int overdue = int(std::find_if(loans.states.cbegin(), loans.states.cend(),
                                         [](const ListState &state) { return state.caption == kOverdueState; })
                            - loans.states.cbegin());
    return searchConditions(loans, storages, {}, overdue);
}
